// Large and odd text in the practice box: pasted in, kept through a visit to the
// learn state, and copied with "複 製" exactly.
//
// What "exactly" means here: the clipboard holds the box's text character for
// character, each line break of the box written as one line feed. The box takes
// every kind of line break it is given (CR LF, LF, a lone CR, and Unicode's line and
// paragraph separators) as one line break, so all of them come back as "\n"; every
// other character, spaces of every kind included, comes back as it went in.

#include "application.h"
#include "form1.h"
#include "offscreen.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QtTest>

using namespace tutor;
using namespace Qt::StringLiterals;

namespace {

// Lines of 50 common characters, each ended by a line feed, until the text takes
// at least `bytes` bytes in UTF-8.
QString chineseText(qsizetype bytes)
{
    QString out;
    out.reserve(bytes / 3 + bytes / 150 + 1);
    qsizetype utf8 = 0;
    for (char16_t c = 0x4E00; utf8 < bytes;) {
        for (int i = 0; i < 50; ++i, c = c == 0x9FA5 ? 0x4E00 : c + 1)
            out += QChar(c);
        out += u'\n';
        utf8 += 50 * 3 + 1;
    }
    return out;
}

// Where two long texts part, readably; empty when they are the same.
QString difference(const QString &actual, const QString &expected)
{
    if (actual == expected)
        return {};
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    const auto around = [at](const QString &s) {
        QString part = s.mid(std::max<qsizetype>(0, at - 10), 30);
        part.replace(u'\r', u"\\r"_s).replace(u'\n', u"\\n"_s);
        return part;
    };
    return u"sizes %1 and %2 (expected), first difference at %3: \"%4\" against \"%5\""_s.arg(actual.size())
        .arg(expected.size())
        .arg(at)
        .arg(around(actual), around(expected));
}

const QString kHeld = u"剪貼簿裡原有的字"_s;

} // namespace

class TestInput : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> m_window;

    QWidget *w(Ctl c) const { return m_window->widget(c); }
    QPlainTextEdit *box() const { return static_cast<QPlainTextEdit *>(w(Ctl::Text1)); }

    // A click where a user would click: the control in front at that point gets it.
    void click(Ctl c)
    {
        const QPoint at = w(c)->geometry().center();
        QWidget *target = m_window->childAt(at);
        QVERIFY2(target == w(c) || w(c)->isAncestorOf(target),
                 qPrintable(u"something lies over "_s + w(c)->objectName()));
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(m_window.get(), at));
    }

    // The practice text as the tutor reads it, with a line break as one "\n".
    QString practiceText() const { return m_window->text(Ctl::Text1).replace(u"\r\n"_s, u"\n"_s); }

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

    void copyGivesExactlyTheBoxText_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("held"); // what the box then holds, a line break as "\n"

        const QString big = chineseText(5 * 1024 * 1024);
        QTest::newRow("5 MB of Chinese") << big << big;
        const QString oneLine = QString(big).remove(u'\n');
        QTest::newRow("5 MB of Chinese on one line") << oneLine << oneLine;
        QTest::newRow("beyond the basic plane") << u"𠀀𠀁𪚥𫝀 甲 😀🀄"_s << u"𠀀𠀁𪚥𫝀 甲 😀🀄"_s;
        QTest::newRow("mixed line breaks") << u"一\r\n二\n三\r四\r\n\r\n五\n\r六"_s << u"一\n二\n三\n四\n\n五\n\n六"_s;
        QTest::newRow("line breaks at both ends") << u"\r\n首尾\r"_s << u"\n首尾\n"_s;
        QTest::newRow("Unicode's separators") << u"甲\u2028乙\u2029丙"_s << u"甲\n乙\n丙"_s;
        QTest::newRow("spaces of every kind") << u" 甲\u00A0乙\t丙\u3000丁  "_s << u" 甲\u00A0乙\t丙\u3000丁  "_s;
        QTest::newRow("combining marks and joiners")
            << u"e\u0301 👨\u200D👩\u200D👧 ☺\uFE0F \u200B"_s << u"e\u0301 👨\u200D👩\u200D👧 ☺\uFE0F \u200B"_s;
        QTest::newRow("empty: the clipboard keeps what it held") << QString() << QString();
    }

    void copyGivesExactlyTheBoxText()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, held);
        QClipboard *clipboard = QGuiApplication::clipboard();

        clipboard->setText(pasted);
        click(Ctl::Text1);
        if (QTest::currentTestFailed())
            return;
        QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents(); // lays the text out and paints it, as on screen
        QString diff = difference(practiceText(), held);
        QVERIFY2(diff.isEmpty(), qPrintable(u"pasted: "_s + diff));

        // To the learn state and back, through the letters section, which ticks the
        // box that the way back unticks again: the practice text stays as it was.
        clipboard->setText(kHeld);
        for (Ctl c : {Ctl::Command3, Ctl::Command13, Ctl::D, Ctl::Command6, Ctl::Command12, Ctl::Command3}) {
            click(c);
            if (QTest::currentTestFailed())
                return;
        }
        QCoreApplication::processEvents();
        diff = difference(practiceText(), held);
        QVERIFY2(diff.isEmpty(), qPrintable(u"after the learn state: "_s + diff));

        click(Ctl::Command1);
        diff = difference(clipboard->text(), held.isEmpty() ? kHeld : held);
        QVERIFY2(diff.isEmpty(), qPrintable(u"copied: "_s + diff));
        QCOMPARE(box()->textCursor().selectedText().size(), held.size()); // all of it, a line break as one
        QCOMPARE(QApplication::focusWidget(), box());
    }
};

QTEST_MAIN(TestInput)
#include "tst_input.moc"
