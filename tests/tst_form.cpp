// The handlers, run against a recorder that stands in for the window and writes
// down every call in order. Calls made inside a nested Check1_Click are indented.

#include "form.h"

#include <QtTest>

#include <map>
#include <set>

Q_DECLARE_METATYPE(tutor::FormState)

namespace tutor {
char *toString(const FormState &s)
{
    return QTest::toString(QStringLiteral("LearnMode %1, flags %2 %3 %4 %5 %6")
                               .arg(s.LearnMode)
                               .arg(s.InLesson1)
                               .arg(s.InLesson2)
                               .arg(s.InDrill)
                               .arg(s.InDemo)
                               .arg(s.InRadicals));
}
} // namespace tutor

using namespace tutor;
using namespace Qt::StringLiterals;

namespace {

class Recorder final : public Controls
{
public:
    Form *form = nullptr;
    std::set<Ctl> shown{Ctl::Command1, Ctl::Command2, Ctl::Command3, Ctl::Check1, Ctl::Text1, Ctl::Image1};
    std::map<Ctl, QString> captions;
    std::map<Ctl, VbColor> colours;
    std::map<Ctl, QString> texts;
    std::set<Ctl> disabled;
    int check = 0;
    int height = 0;
    Ctl focus = Ctl::Text1;
    int selStart = 0;
    int selLength = 0;
    QString clipboard;
    QStringList log;
    QStringList hidden; // every hide, in order

    bool visible(Ctl c) const override { return shown.count(c) != 0; }
    void setVisible(Ctl c, bool on) override
    {
        on ? void(shown.insert(c)) : void(shown.erase(c));
        if (!on)
            hidden << nameString(c);
        // A run of hides reads as one line: "hide 129 Command11..HD11".
        static const QRegularExpression hideRun(u"^(\\s*)hide (\\d+) (\\w+)\\.\\.(\\w+)$"_s);
        if (!on && !log.isEmpty()) {
            const auto m = hideRun.match(log.last());
            if (m.hasMatch() && m.captured(1) == indent()) {
                log.last() = indent() % u"hide " % QString::number(m.captured(2).toInt() + 1) % u' ' % m.captured(3) %
                             u".." % nameString(c);
                return;
            }
        }
        write((on ? u"show "_s : u"hide 1 "_s) + nameString(c) + (on ? QString() : u".."_s + nameString(c)));
    }
    void setCaption(Ctl c, const QString &s) override
    {
        captions[c] = s;
        write(u"caption "_s + nameString(c) + u' ' + s);
    }
    void setBackColor(Ctl c, VbColor v) override
    {
        colours[c] = v;
        write(u"colour "_s + nameString(c) + u' ' + (v == kHighlight ? u"highlight"_s : u"face"_s));
    }
    void setTop(Ctl c, int t) override { write(u"top "_s + nameString(c) + u' ' + QString::number(t)); }
    int value(Ctl) const override { return check; }
    void setValue(Ctl c, int v) override
    {
        write(u"value "_s + nameString(c) + u' ' + QString::number(v));
        if (v == check)
            return;
        check = v;
        ++depth;
        form->Check1_Click();
        --depth;
    }
    void setEnabled(Ctl c, bool on) override
    {
        on ? void(disabled.erase(c)) : void(disabled.insert(c));
        write((on ? u"enable "_s : u"disable "_s) + nameString(c));
    }
    QString text(Ctl c) const override { return texts.count(c) ? texts.at(c) : QString(); }
    void setText(Ctl c, const QString &s) override
    {
        texts[c] = s;
        write(u"text "_s + nameString(c) + u" \"" + s.left(12) + (s.size() > 12 ? u"…\""_s : u"\""_s));
    }
    void setSelStart(Ctl c, int s) override
    {
        selStart = s;
        write(u"selstart "_s + nameString(c) + u' ' + QString::number(s));
    }
    void setSelLength(Ctl c, int n) override
    {
        selLength = n;
        write(u"sellength "_s + nameString(c) + u' ' + QString::number(n));
    }
    void setFocus(Ctl c) override
    {
        focus = c;
        write(u"focus "_s + nameString(c));
    }
    void copySelection(Ctl c) override
    {
        const QString sel = text(c).mid(selStart, selLength);
        if (!sel.isEmpty())
            clipboard = sel;
        write(u"copy "_s + nameString(c));
    }
    void setWindowHeight(int t) override
    {
        height = t;
        write(u"height "_s + QString::number(t));
    }

private:
    int depth = 0;
    QString indent() const { return QString(depth * 2, u' '); }
    void write(const QString &line) { log << indent() + line; }
};

struct Fixture
{
    Recorder ui;
    Form form{ui};
    Fixture() { ui.form = &form; }
};

// Runs a space-separated list of handler names: "Command3 Command13 A".
void run(Form &form, const QString &events)
{
    for (const QString &e : events.split(u' ', Qt::SkipEmptyParts)) {
        if (e == u"Check1") {
            form.Check1_Click();
            continue;
        }
        const auto c = controlNamed(e);
        QVERIFY2(c.has_value(), qPrintable(e));
        form.click(*c, 7);
    }
}

const QString kClear = u"hide 129 Command11..HD11"_s;

QStringList resets(const QString &chosen)
{
    QStringList out;
    for (const char *b :
         {"Command4", "Command5", "Command6", "Command7", "Command8", "Command13", "Command9", "Command10"})
        if (chosen != QLatin1StringView(b))
            out << u"colour "_s + QLatin1StringView(b) + u" face";
    out << u"colour "_s + chosen + u" highlight";
    return out;
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void clearDisplayHidesEveryDisplayPanelInOrder()
    {
        Fixture f;
        f.form.D_Click(12);
        QStringList expected{u"Command11"_s, u"Command12"_s, u"Text2"_s};
        const auto family = [&](const QString &prefix, QStringView tails) {
            for (QChar t : tails)
                expected << prefix + t;
        };
        const auto numbered = [&](const QString &prefix, int from, int to) {
            for (int i = from; i <= to; ++i)
                expected << prefix + QString::number(i);
        };
        family(u"Show_"_s, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        expected << u"S1"_s << u"S0"_s;
        family(u"S"_s, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        numbered(u"Image"_s, 2, 23);
        numbered(u"Wk"_s, 1, 24);
        expected << u"DMA"_s << u"DMB"_s;
        numbered(u"DM"_s, 1, 13);
        numbered(u"HD"_s, 1, 11);
        QCOMPARE(f.ui.hidden, expected);
    }

    void handlerSteps_data()
    {
        QTest::addColumn<int>("check");      // Check1's value before
        QTest::addColumn<QString>("before"); // handlers run first, not logged
        QTest::addColumn<QString>("handler");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("key, box clear") << 0 << QString() << u"Q"_s << QStringList{kClear, u"show Show_Q"_s};
        QTest::newRow("key, box ticked") << 1 << QString() << u"Q"_s << QStringList{kClear, u"show SQ"_s};
        QTest::newRow("box in practice state")
            << 1 << QString() << u"Check1"_s << QStringList{kClear, u"show S1"_s, u"focus Text1"_s};
        QTest::newRow("box in learn state keeps focus")
            << 0 << u"Command3"_s << u"Check1"_s << QStringList{kClear, u"show S0"_s};
        QTest::newRow("copy") << 0 << QString() << u"Command1"_s
                              << QStringList{kClear, u"selstart Text1 0"_s, u"sellength Text1 5"_s, u"copy Text1"_s,
                                             u"focus Text1"_s};
        QTest::newRow("clear, box ticked: nested legend")
            << 1 << QString() << u"Command2"_s
            << QStringList{kClear,          u"value Check1 0"_s, u"  "_s + kClear,
                           u"  show S0"_s,  u"  focus Text1"_s,  u"text Text1 \"\""_s,
                           u"focus Text1"_s};
        QTest::newRow("clear, box clear: nothing nested")
            << 0 << QString() << u"Command2"_s
            << QStringList{kClear, u"value Check1 0"_s, u"text Text1 \"\""_s, u"focus Text1"_s};
        QTest::newRow("to learn state") << 0 << QString() << u"Command3"_s
                                        << QStringList{u"hide 3 Command1..Command2"_s,
                                                       u"height 5400"_s,
                                                       u"top Command3 4320"_s,
                                                       u"caption Command3 重 設"_s,
                                                       u"show Command4"_s,
                                                       u"show Command5"_s,
                                                       u"show Command6"_s,
                                                       u"show Command7"_s,
                                                       u"show Command8"_s,
                                                       u"show Command9"_s,
                                                       u"show Command10"_s,
                                                       u"show Command13"_s,
                                                       kClear};
        QTest::newRow("back to practice from letters: nested legend, then cleared")
            << 0 << u"Command3 Command13"_s << u"Command3"_s
            << QStringList{u"colour Command4 face"_s,
                           u"colour Command5 face"_s,
                           u"colour Command6 face"_s,
                           u"colour Command7 face"_s,
                           u"colour Command8 face"_s,
                           u"colour Command13 face"_s,
                           u"colour Command9 face"_s,
                           u"colour Command10 face"_s,
                           u"show Command1"_s,
                           u"show Text1"_s,
                           u"show Command2"_s,
                           u"height 8295"_s,
                           u"top Command3 6960"_s,
                           u"enable Check1"_s,
                           u"value Check1 0"_s,
                           u"  "_s + kClear,
                           u"  show S0"_s,
                           u"  focus Text1"_s,
                           u"caption Command3 學 習"_s,
                           u"hide 8 Command4..Command13"_s,
                           u"focus Text1"_s,
                           kClear};
        QTest::newRow("letters, box clear: nested legend")
            << 0 << u"Command3"_s << u"Command13"_s
            << (QStringList{kClear} + resets(u"Command13"_s) +
                QStringList{u"height 8295"_s, u"value Check1 1"_s, u"  "_s + kClear, u"  show S1"_s, u"show S1"_s,
                            u"disable Check1"_s});
        QTest::newRow("letters again: nothing nested")
            << 0 << u"Command3 Command13"_s << u"Command13"_s
            << (QStringList{kClear} + resets(u"Command13"_s) +
                QStringList{u"height 8295"_s, u"value Check1 1"_s, u"show S1"_s, u"disable Check1"_s});
        QTest::newRow("lesson 1") << 0 << u"Command3"_s << u"Command6"_s
                                  << (resets(u"Command6"_s) + QStringList{u"height 5400"_s, kClear, u"show Command11"_s,
                                                                          u"show Command12"_s, u"show Image3"_s,
                                                                          u"caption Command11 上頁"_s,
                                                                          u"caption Command12 下頁"_s});
        QTest::newRow("demonstration") << 0 << u"Command3"_s << u"Command9"_s
                                       << (resets(u"Command9"_s) +
                                           QStringList{u"height 5400"_s, kClear, u"show Command11"_s,
                                                       u"show Command12"_s, u"show DMA"_s, u"caption Command11 首碼"_s,
                                                       u"caption Command12 尾碼"_s});
        QTest::newRow("product") << 0 << u"Command3"_s << u"Command5"_s
                                 << (resets(u"Command5"_s) + QStringList{u"height 5400"_s, kClear, u"show Image2"_s});
        QTest::newRow("previous on a first page: nothing")
            << 0 << u"Command3 Command10"_s << u"Command11"_s << QStringList{};
        QTest::newRow("next on the last demonstration page stays")
            << 0 << u"Command3 Command9 Command12"_s << u"Command12"_s
            << QStringList{kClear, u"show DMB"_s, u"show Command11"_s, u"show Command12"_s};
    }

    void handlerSteps()
    {
        QFETCH(int, check);
        QFETCH(QString, before);
        QFETCH(QString, handler);
        QFETCH(QStringList, expected);

        Fixture f;
        f.ui.check = check;
        f.ui.texts[Ctl::Text1] = u"速成輸入法"_s;
        run(f.form, before);
        f.ui.log.clear();
        run(f.form, handler);
        QCOMPARE(f.ui.log, expected);
    }

    void sectionFlags_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<FormState>("expected");

        const auto flags = [](qint16 learn, qint16 l1, qint16 l2, qint16 drill, qint16 demo, qint16 rad) {
            return FormState{learn, l1, l2, drill, demo, rad};
        };
        QTest::newRow("start") << QString() << flags(0, 0, 0, 0, 0, 0);
        QTest::newRow("lesson 1") << u"Command3 Command6"_s << flags(1, 1, 0, 0, 0, 0);
        QTest::newRow("drill after lesson 1 rewrites every flag")
            << u"Command3 Command6 Command8"_s << flags(1, 0, 0, 1, 0, 0);
        QTest::newRow("a key leaves the flag") << u"Command3 Command7 Command13 A"_s << flags(1, 0, 0, 0, 0, 0);
        QTest::newRow("a key in a section leaves its flag") << u"Command3 Command7 A"_s << flags(1, 0, 1, 0, 0, 0);
        QTest::newRow("practice state keeps the flag") << u"Command3 Command10 Command3"_s << flags(0, 0, 0, 0, 0, 1);
        QTest::newRow("introduction clears them") << u"Command3 Command9 Command4"_s << flags(1, 0, 0, 0, 0, 0);
        QTest::newRow("lesson 1 wraps") << u"Command3 Command6"_s + u" Command12"_s.repeated(7)
                                        << flags(1, 0, 0, 0, 0, 0);
        QTest::newRow("demonstration never wraps")
            << u"Command3 Command9"_s + u" Command12"_s.repeated(5) << flags(1, 0, 0, 0, 1, 0);
    }

    void sectionFlags()
    {
        QFETCH(QString, events);
        QFETCH(FormState, expected);
        Fixture f;
        f.form.Form_Load();
        run(f.form, events);
        QCOMPARE(f.form.state(), expected);
    }

    void keyIndexPlaysNoPart()
    {
        // Every key shows its own letter's chart whatever index it is handed.
        Fixture f;
        for (qint16 index : {qint16(-1), qint16(0), qint16(25), qint16(32767)}) {
            f.form.M_Click(index);
            QVERIFY(f.ui.visible(Ctl::Show_M));
        }
    }
};

QTEST_APPLESS_MAIN(TestForm)
#include "tst_form.moc"
