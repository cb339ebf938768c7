// The real window, offscreen, driven by mouse clicks and keys as a user would.

#include "application.h"
#include "form1.h"
#include "offscreen.h"

#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace tutor;
using namespace Qt::StringLiterals;

namespace {

bool isDisplayPanel(Ctl c)
{
    return c == Ctl::Text2 || indexOf(c) >= indexOf(Ctl::Show_A);
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> m_window;

    QWidget *w(Ctl c) const { return m_window->widget(c); }
    QWidget *w(const QString &name) const
    {
        const auto c = controlNamed(name);
        return c ? w(*c) : nullptr;
    }

    // A click where a user would click: the control in front at that point of the window gets it.
    void clickAt(QPoint windowPos)
    {
        QWidget *target = m_window->childAt(windowPos);
        QVERIFY2(target, "nothing to click there");
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(m_window.get(), windowPos));
    }
    void click(Ctl c) { clickAt(w(c)->geometry().center()); }
    void click(const QString &name) { click(*controlNamed(name)); }

    // The display panels on show, by name: one at most.
    QStringList onShow() const
    {
        QStringList out;
        for (int i = 0; i < kControlCount; ++i) {
            const auto c = static_cast<Ctl>(i);
            if (isDisplayPanel(c) && !w(c)->isHidden())
                out << nameString(c);
        }
        return out;
    }
    bool pageButtonsShown() const { return !w(Ctl::Command11)->isHidden() && !w(Ctl::Command12)->isHidden(); }
    QString caption(Ctl c) const { return static_cast<QAbstractButton *>(w(c))->text(); }
    QCheckBox *check1() const { return static_cast<QCheckBox *>(w(Ctl::Check1)); }
    QPlainTextEdit *edit(Ctl c) const { return static_cast<QPlainTextEdit *>(w(c)); }
    int outerHeight() const { return m_window->frameGeometry().height(); }

private slots:
    void initTestCase()
    {
        quietOffscreenSizeHints();
        setUpApplication();
    }

    void init()
    {
        m_window = std::make_unique<Form1>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void startState()
    {
        QCOMPARE(m_window->windowTitle(), u"Brevik輸入法"_s);
        QCOMPARE(m_window->size(), QSize(583, 514));
        QCOMPARE(onShow(), QStringList{});
        QCOMPARE(caption(Ctl::Command3), u"學習"_s);
        QCOMPARE(caption(Ctl::Command1), u"複 製"_s);
        QCOMPARE(check1()->text(), u"Tamlo"_s);
        QVERIFY(!check1()->isChecked());
        QCOMPARE(QApplication::focusWidget(), w(Ctl::Text1));
        for (Ctl hidden : {Ctl::Command4, Ctl::Command13, Ctl::Command11, Ctl::Text2})
            QVERIFY(w(hidden)->isHidden());
        QFontInfo font(w(Ctl::Command3)->font());
        QVERIFY2(QFontMetrics(w(Ctl::Command3)->font()).inFontUcs4(U'速'), qPrintable(font.family()));
    }

    void layoutInPixels_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("copy") << u"Command1"_s << QRect(24, 288, 49, 49);
        QTest::newRow("clear") << u"Command2"_s << QRect(528, 288, 49, 49);
        QTest::newRow("toggle") << u"Command3"_s << QRect(464, 464, 113, 41);
        QTest::newRow("introduction") << u"Command4"_s << QRect(8, 288, 53, 41);
        QTest::newRow("radicals") << u"Command10"_s << QRect(400, 288, 53, 41);
        QTest::newRow("letters") << u"Command13"_s << QRect(288, 288, 53, 41);
        QTest::newRow("previous") << u"Command11"_s << QRect(540, 72, 33, 49);
        QTest::newRow("next") << u"Command12"_s << QRect(540, 160, 33, 49);
        QTest::newRow("box") << u"Check1"_s << QRect(16, 464, 41, 41);
        QTest::newRow("practice") << u"Text1"_s << QRect(80, 288, 441, 49);
        QTest::newRow("introduction text") << u"Text2"_s << QRect(0, 0, 585, 283);
        QTest::newRow("background") << u"Image1"_s << QRect(0, 0, 585, 285);
        QTest::newRow("chart") << u"Show_G"_s << QRect(0, 0, 580, 285);
        QTest::newRow("page") << u"DMB"_s << QRect(0, 0, 580, 285);
        QTest::newRow("first key") << u"Q"_s << QRect(16, 344, 57, 57);
        QTest::newRow("last of row 1") << u"P"_s << QRect(520, 344, 57, 57);
        QTest::newRow("row 2") << u"A"_s << QRect(32, 400, 57, 57);
        QTest::newRow("row 3") << u"Z"_s << QRect(64, 456, 57, 57);
        QTest::newRow("last key") << u"M"_s << QRect(400, 456, 57, 57);
    }

    void layoutInPixels()
    {
        QFETCH(QString, control);
        QFETCH(QRect, pixels);
        QVERIFY(w(control));
        QCOMPARE(w(control)->geometry(), pixels);
    }

    void clickGoesToTheControlInFront_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("chart");
        QTest::newRow("inside Q only") << QPoint(20, 360) << u"Show_Q"_s;
        QTest::newRow("overlap of Q and W") << QPoint(72, 360) << u"Show_W"_s;
        QTest::newRow("overlap of O and P") << QPoint(520, 380) << u"Show_P"_s;
        QTest::newRow("overlap of rows Q and A") << QPoint(40, 400) << u"Show_A"_s;
        QTest::newRow("overlap of rows L and M") << QPoint(450, 456) << u"Show_M"_s;
        QTest::newRow("corner of four keys") << QPoint(88, 400) << u"Show_S"_s;
    }

    void clickGoesToTheControlInFront()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, chart);
        clickAt(at);
        QCOMPARE(onShow(), QStringList{chart});
    }

    void picturesThatAreNotKeysRunNothing()
    {
        clickAt({100, 100}); // Image1
        QCOMPARE(onShow(), QStringList{});
        click(Ctl::D);
        clickAt({100, 100}); // Show_D
        QCOMPARE(onShow(), QStringList{u"Show_D"_s});
        QCOMPARE(QApplication::focusWidget(), w(Ctl::Text1));
    }

    void eachKeyShowsItsOwnChart_data()
    {
        QTest::addColumn<QChar>("letter");
        for (QChar c : u"QWERTYUIOPASDFGHJKLZXCVBNM"_s)
            QTest::newRow(QByteArray(1, char(c.unicode())).constData()) << c;
    }

    void eachKeyShowsItsOwnChart()
    {
        QFETCH(QChar, letter);
        click(QString(letter));
        QCOMPARE(onShow(), QStringList{u"Show_"_s + letter});
        click(Ctl::Check1); // the legend of the set now chosen
        QCOMPARE(onShow(), QStringList{u"S1"_s});
        click(QString(letter));
        QCOMPARE(onShow(), QStringList{u"S"_s + letter});
        click(QString(letter)); // a second click shows it again
        QCOMPARE(onShow(), QStringList{u"S"_s + letter});
        click(Ctl::Check1);
        QCOMPARE(onShow(), QStringList{u"S0"_s});
        QCOMPARE(QApplication::focusWidget(), w(Ctl::Text1));
    }

    void pagedSectionWalksAndWraps_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<qint16 FormState::*>("flag");
        const auto numbered = [](const QString &prefix, int from, int to) {
            QStringList out;
            for (int i = from; i <= to; ++i)
                out << prefix + QString::number(i);
            return out;
        };
        QTest::newRow("lesson 1") << u"Command6"_s << numbered(u"Image"_s, 3, 9) << &FormState::InLesson1;
        QTest::newRow("lesson 2") << u"Command7"_s << numbered(u"Image"_s, 10, 23) << &FormState::InLesson2;
        QTest::newRow("drill") << u"Command8"_s << numbered(u"Wk"_s, 1, 24) + numbered(u"DM"_s, 2, 13)
                               << &FormState::InDrill;
        QTest::newRow("radicals") << u"Command10"_s << numbered(u"HD"_s, 1, 11) << &FormState::InRadicals;
    }

    void pagedSectionWalksAndWraps()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, pages);
        QFETCH(qint16 FormState::*, flag);

        click(Ctl::Command3);
        click(button);
        QCOMPARE(caption(Ctl::Command11), u"上頁"_s);
        QCOMPARE(caption(Ctl::Command12), u"下頁"_s);
        click(Ctl::Command11); // the first page does not go back
        QCOMPARE(onShow(), QStringList{pages.first()});
        for (qsizetype i = 1; i < pages.size(); ++i) {
            click(Ctl::Command12);
            QCOMPARE(onShow(), QStringList{pages[i]});
            QVERIFY(pageButtonsShown());
            QCOMPARE(m_window->state().*flag, qint16(1));
        }
        for (qsizetype i = pages.size() - 2; i >= 0; --i) {
            click(Ctl::Command11);
            QCOMPARE(onShow(), QStringList{pages[i]});
        }
        for (qsizetype i = 1; i < pages.size(); ++i)
            click(Ctl::Command12);
        click(Ctl::Command12); // the wrap
        QCOMPARE(onShow(), QStringList{pages.first()});
        QVERIFY(w(Ctl::Command11)->isHidden());
        QVERIFY(w(Ctl::Command12)->isHidden());
        QCOMPARE(m_window->state().*flag, qint16(0));
        QCOMPARE(w(button)->palette().color(QPalette::Button), QColor(255, 192, 128));
        click(button); // starts again
        QCOMPARE(onShow(), QStringList{pages.first()});
        QVERIFY(pageButtonsShown());
        QCOMPARE(m_window->state().*flag, qint16(1));
    }

    void demonstrationPicksItsTwoPages()
    {
        click(Ctl::Command3);
        click(Ctl::Command9);
        QCOMPARE(caption(Ctl::Command11), u"首碼"_s);
        QCOMPARE(caption(Ctl::Command12), u"尾碼"_s);
        QCOMPARE(onShow(), QStringList{u"DMA"_s});
        click(Ctl::Command11);
        QCOMPARE(onShow(), QStringList{u"DMA"_s});
        click(Ctl::Command12);
        QCOMPARE(onShow(), QStringList{u"DMB"_s});
        click(Ctl::Command12);
        QCOMPARE(onShow(), QStringList{u"DMB"_s});
        QVERIFY(pageButtonsShown());
        QCOMPARE(m_window->state().InDemo, qint16(1));
        click(Ctl::Command11);
        QCOMPARE(onShow(), QStringList{u"DMA"_s});
        click(Ctl::Command6); // captions go back
        QCOMPARE(caption(Ctl::Command11), u"上頁"_s);
        QCOMPARE(caption(Ctl::Command12), u"下頁"_s);
    }

    void learnAndPracticeRoundTrip()
    {
        const QPalette start = w(Ctl::Command4)->palette();
        QCOMPARE(caption(Ctl::Command3), u"學習"_s);
        click(Ctl::Command3);
        QCOMPARE(caption(Ctl::Command3), u"重 設"_s);
        QCOMPARE(w(Ctl::Command3)->geometry(), QRect(464, 288, 113, 41));
        QCOMPARE(outerHeight(), 360);
        QVERIFY(w(Ctl::Text1)->isHidden());
        QVERIFY(!w(Ctl::Command13)->isHidden());
        click(Ctl::Command6);
        QCOMPARE(w(Ctl::Command6)->palette().color(QPalette::Button), QColor(255, 192, 128));
        QCOMPARE(w(Ctl::Command4)->palette().color(QPalette::Button), start.color(QPalette::Button));
        click(Ctl::Command13); // letters: tall, box ticked and disabled, keys show letter shapes
        QCOMPARE(outerHeight(), 553);
        QVERIFY(check1()->isChecked());
        QVERIFY(!check1()->isEnabled());
        QCOMPARE(w(Ctl::Command6)->palette().color(QPalette::Button), start.color(QPalette::Button));
        click(Ctl::Q);
        QCOMPARE(onShow(), QStringList{u"SQ"_s});
        click(Ctl::Command3);
        QCOMPARE(caption(Ctl::Command3), u"學 習"_s);
        QCOMPARE(w(Ctl::Command3)->geometry(), QRect(464, 464, 113, 41));
        QCOMPARE(outerHeight(), 553);
        QVERIFY(!check1()->isChecked());
        QVERIFY(check1()->isEnabled());
        QCOMPARE(onShow(), QStringList{});
        QCOMPARE(QApplication::focusWidget(), w(Ctl::Text1));
        QCOMPARE(w(Ctl::Command13)->palette().color(QPalette::Button), start.color(QPalette::Button));
        click(Ctl::Command3); // no section button is highlighted on the way back in
        for (Ctl b : {Ctl::Command4, Ctl::Command6, Ctl::Command13})
            QCOMPARE(w(b)->palette().color(QPalette::Button), start.color(QPalette::Button));
        QCOMPARE(onShow(), QStringList{});
        QVERIFY(!pageButtonsShown());
    }

    void tabOrderAtStart()
    {
        const QList<Ctl> expected{Ctl::Command1, Ctl::Command2, Ctl::Command3, Ctl::Check1, Ctl::Text1};
        for (Ctl next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), w(next));
        }
        QCOMPARE(edit(Ctl::Text1)->toPlainText(), QString()); // Tab moved on, typed nothing
    }

    void tabOrderInLearnState()
    {
        click(Ctl::Command3);
        w(Ctl::Command4)->setFocus();
        const QList<Ctl> expected{Ctl::Command5,  Ctl::Command6, Ctl::Command7,  Ctl::Command8, Ctl::Command9,
                                  Ctl::Command10, Ctl::Check1,   Ctl::Command13, Ctl::Command3};
        for (Ctl next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), w(next));
        }
    }

    void copyPutsTheWholeTextOnTheClipboard_data()
    {
        QTest::addColumn<QStringList>("lines"); // typed, with Return between them
        QTest::addColumn<QString>("expected");
        QTest::newRow("one line") << QStringList{u"速成輸入法"_s} << u"速成輸入法"_s;
        QTest::newRow("beyond the basic plane") << QStringList{u"𠀀甲𠀁"_s} << u"𠀀甲𠀁"_s;
        QTest::newRow("several lines") << QStringList{u"第一行"_s, QString(), u"第三行 end"_s}
                                       << u"第一行\n\n第三行 end"_s;
    }

    void copyPutsTheWholeTextOnTheClipboard()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, expected);
        QPlainTextEdit *box = edit(Ctl::Text1);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(box, Qt::Key_Return);
            QInputMethodEvent commit; // as an input method hands over what was composed
            commit.setCommitString(lines[i]);
            QApplication::sendEvent(box, &commit);
        }
        click(Ctl::D);
        click(Ctl::Command1);
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        QCOMPARE(box->textCursor().selectedText().size(), expected.size());
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(onShow(), QStringList{});
    }

    void copyOfAnEmptyBoxKeepsTheClipboard()
    {
        QGuiApplication::clipboard()->setText(u"舊的"_s);
        click(Ctl::Command1);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"舊的"_s);
        QCOMPARE(QApplication::focusWidget(), w(Ctl::Text1));
    }

    void clearEmptiesTheBoxAndUnticks()
    {
        QTest::keyClicks(edit(Ctl::Text1), u"abc"_s);
        click(Ctl::Check1);
        QVERIFY(check1()->isChecked());
        click(Ctl::Command2);
        QCOMPARE(edit(Ctl::Text1)->toPlainText(), QString());
        QVERIFY(!check1()->isChecked());
        QCOMPARE(onShow(), QStringList{u"S0"_s});
        QCOMPARE(QApplication::focusWidget(), w(Ctl::Text1));
    }

    void introductionText()
    {
        const QStringList lines{
            u"【Brevik輸入法】"_s,
            u"        Brevik輸入法是先將Tamlo輸入法學習好，利用Tamlo速成轉換表以Tamlo的輸入方法轉換為速成碼來學習速成，再以速成輸入。"_s,
            u"        由於Tamlo輸入法易學以形象化字符拼砌輸入，可說是沒有拆不到碼的憂慮。使用『Brevik』可將過往速成未能拆碼的疑惑解開。能夠使用『Brevik』即是Tamlo、速成都能學會。"_s,
            QString(),
            u"【程式使用說明】"_s,
            u"        按下畫面上的Tamlo字母鍵盤，可以看見字母相對應的轉碼圖，找出需要的字形，字形下面有速成按鍵的首尾碼即紅藍色碼。用法是隨著輸入首個Tamlo字母來讀取速成的首碼（紅色碼），以及取最尾的Tamlo字母來讀取速成的尾碼（藍色碼）。"_s,
            QString(),
            u"        如欲了解更多及網上免費使用，可以到本公的官方司網站 www.tamlo.example 內查看：[Tamlo打速成] 作更進一步了解。"_s,
            QString(),
            u"【Tamlo輸入法產品介紹】"_s,
            u"        Tamlo輸入法不但易學，以形象輸入更覺易用，不單直出無重碼，更有容錯和一字多法功能。每字最多輸入五碼，平均一字輸入2.7鍵快而準。 "_s,
            QString(),
            u"                           我手打我字、Tamlo稱心意"_s,
            QString(),
            u"Tamlo資訊科技中心 Tamlo Information Technology Centre"_s,
            u"            www.tamlo.example    Email: info@tamlo.example"_s,
        };
        QCOMPARE(lines.size(), 16);
        click(Ctl::Command3);
        click(Ctl::Command4);
        QCOMPARE(onShow(), QStringList{u"Text2"_s});
        QVERIFY(!pageButtonsShown());
        QCOMPARE(edit(Ctl::Text2)->toPlainText(), lines.join(u'\n'));
        QCOMPARE(m_window->text(Ctl::Text2), lines.join(u"\r\n"));
        QCOMPARE(edit(Ctl::Text2)->verticalScrollBar()->value(), 0);

        QTest::keyClicks(edit(Ctl::Text2), u"xyz"_s); // typing is lost at the next click
        click(Ctl::Command5);
        QVERIFY(edit(Ctl::Text2)->toPlainText().contains(u"xyz"_s));
        click(Ctl::Command4);
        QCOMPARE(edit(Ctl::Text2)->toPlainText(), lines.join(u'\n'));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
