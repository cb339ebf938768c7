// Which font the captions are drawn with: the choice among installed families, and
// the same choice made on this machine's own fonts (fonts-arphic-uming and
// fonts-dejavu-core, which ./tutor installs).

#include "application.h"
#include "fonts.h"

#include <QFont>
#include <QtTest>

using namespace tutor;
using namespace Qt::StringLiterals;

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void choice_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("listedTraditional");
        QTest::addColumn<QStringList>("drawing"); // the families that have the glyphs
        QTest::addColumn<QString>("chosen");

        const QString layout = u"新細明體"_s;
        QTest::newRow("the layout's font draws: kept")
            << layout << QStringList{u"AR PL UMing TW"_s, u"DejaVu Sans"_s} << QStringList{u"AR PL UMing TW"_s}
            << QStringList{layout, u"AR PL UMing TW"_s} << layout;
        QTest::newRow("Ming before Kai, though Kai comes first in the alphabet")
            << layout << QStringList{u"AR PL UKai TW"_s, u"AR PL UMing TW"_s, u"DejaVu Sans"_s}
            << QStringList{u"AR PL UKai TW"_s, u"AR PL UMing TW"_s}
            << QStringList{u"AR PL UKai TW"_s, u"AR PL UMing TW"_s} << u"AR PL UMing TW"_s;
        QTest::newRow("Traditional forms before simplified ones listed first")
            << layout << QStringList{u"AR PL UMing CN"_s, u"AR PL UMing TW"_s}
            << QStringList{u"AR PL UMing CN"_s, u"AR PL UMing TW"_s}
            << QStringList{u"AR PL UMing CN"_s, u"AR PL UMing TW"_s} << u"AR PL UMing TW"_s;
        QTest::newRow("a family listed for Traditional Chinese but without these glyphs is passed over")
            << layout << QStringList{u"Broken Ming"_s, u"Noto Sans CJK JP"_s}
            << QStringList{u"Broken Ming"_s, u"Noto Sans CJK JP"_s} << QStringList{u"Noto Sans CJK JP"_s}
            << u"Noto Sans CJK JP"_s;
        QTest::newRow("an unlisted family that draws them is found")
            << layout << QStringList{u"DejaVu Sans"_s, u"Han Unlisted"_s} << QStringList{}
            << QStringList{u"Han Unlisted"_s} << u"Han Unlisted"_s;
        QTest::newRow("a known name that is not installed is passed over")
            << layout << QStringList{u"DejaVu Sans"_s, u"WenQuanYi Micro Hei"_s} << QStringList{}
            << QStringList{u"PMingLiU"_s, u"WenQuanYi Micro Hei"_s} << u"WenQuanYi Micro Hei"_s;
        QTest::newRow("nothing draws them") << layout << QStringList{u"DejaVu Sans"_s, u"DejaVu Serif"_s}
                                            << QStringList{} << QStringList{} << QString();
    }

    void choice()
    {
        QFETCH(QString, wanted);
        QFETCH(QStringList, installed);
        QFETCH(QStringList, listedTraditional);
        QFETCH(QStringList, drawing);
        QFETCH(QString, chosen);
        const auto draws = [&](const QString &family) { return drawing.contains(family); };
        QCOMPARE(chooseChineseFamily(wanted, installed, listedTraditional, draws), chosen);
    }

    // On this machine's fonts: a font draws what it has glyphs for, and Qt's
    // fallback to other fonts does not count.
    void draws_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("draws");

        QTest::newRow("the layout's font, captions") << u"新細明體"_s << kTraditionalProbe.toString() << true;
        QTest::newRow("the layout's font, the window's caption") << u"新細明體"_s << u"Brevik輸入法"_s << true;
        QTest::newRow("Ming, captions") << u"AR PL UMing TW"_s << kTraditionalProbe.toString() << true;
        QTest::newRow("Latin-only, Chinese") << u"DejaVu Sans"_s << u"速成"_s << false;
        QTest::newRow("Latin-only, Latin") << u"DejaVu Sans"_s << u"Tamlo"_s << true;
    }

    void draws()
    {
        QFETCH(QString, family);
        QFETCH(QString, text);
        QFETCH(bool, draws);
        QCOMPARE(familyDraws(family, text), draws);
    }

    // A family that resolves to a Latin-only font is pointed at one that draws.
    void fallbackOnThisMachine()
    {
        const QString missing = u"Nowhere Ming"_s;
        if (familyDraws(missing, kTraditionalProbe))
            QSKIP("this machine's default font draws Traditional Chinese already");
        const QString resolved = ensureTraditionalChinese(missing);
        QCOMPARE(resolved, u"AR PL UMing TW"_s);
        QVERIFY(familyDraws(missing, kTraditionalProbe));
        QFont font(missing);
        QCOMPARE(QFontInfo(font).family(), u"AR PL UMing TW"_s);
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
