// The Tamlo letters' data, and the pictures drawn from it: the key caps and the legends.

#include "alphabet.h"
#include "embedded.h"

#include <QtTest>

using namespace tutor::assets;
using namespace Qt::StringLiterals;

namespace {

// Pixels of about this colour: smoothed text rarely covers a pixel whole.
int pixelsOf(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += std::max({std::abs(qRed(p) - qRed(colour)), std::abs(qGreen(p) - qGreen(colour)),
                           std::abs(qBlue(p) - qBlue(colour))}) <= 40;
        }
    return n;
}

} // namespace

class TestAlphabet : public QObject
{
    Q_OBJECT

    std::optional<Alphabet> m_alphabet;

private slots:
    void initTestCase()
    {
        QString error;
        m_alphabet = Alphabet::load(QStringLiteral(TUTOR_LETTERS_FILE), &error);
        QVERIFY2(m_alphabet, qPrintable(error));
    }

    void lettersPerKey_data()
    {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<int>("count");
        const QString keys = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s;
        const int counts[] = {2, 4, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 2, 2, 3, 3, 2, 3, 3, 2, 3, 2, 3, 4, 3, 3};
        for (int i = 0; i < 26; ++i)
            QTest::newRow(QByteArray(1, char(keys[i].unicode())).constData()) << keys[i] << counts[i];
    }

    void lettersPerKey()
    {
        QFETCH(QChar, key);
        QFETCH(int, count);
        const auto letters = m_alphabet->lettersOf(key);
        QCOMPARE(int(letters.size()), count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(letters[std::size_t(i)]->id, QString(key) + u'-' + QString::number(i + 1));
    }

    void sixtyFiveInAll() { QCOMPARE(m_alphabet->letters().size(), std::size_t(65)); }

    void keyCapColours_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("side");
        QTest::addColumn<QColor>("rim");
        struct Group
        {
            const char *keys;
            QRgb face, rim, side;
        };
        const Group groups[] = {
            {"GHOP", 0x00FFFF, 0x00CACA, 0x008080},  {"A", 0x00FFFF, 0x99D9EA, 0x7092BE},
            {"TYBN", 0xFFFF00, 0xFFC90E, 0xFF7F27},  {"ESDFC", 0x8080FF, 0x0080FF, 0x004080},
            {"IJKLM", 0xFF8080, 0xF20079, 0x800000}, {"WRXV", 0xFFC4FF, 0xFF20FF, 0x800080},
            {"QUZ", 0xCACACA, 0x808080, 0x676767},
        };
        for (const Group &g : groups)
            for (const char *k = g.keys; *k; ++k)
                QTest::newRow(QByteArray(1, *k).constData())
                    << QString(QLatin1Char(*k)) << QColor(g.face) << QColor(g.side) << QColor(g.rim);
    }

    void keyCapColours()
    {
        QFETCH(QString, key);
        QFETCH(QColor, face);
        QFETCH(QColor, side);
        QFETCH(QColor, rim);
        const QImage cap = embeddedPictures().image(key);
        QCOMPARE(cap.size(), QSize(50, 65));
        QCOMPARE(cap.pixelColor(12, 30), face); // face, clear of the letters
        QCOMPARE(cap.pixelColor(4, 30), side);  // the band down the left side
        QCOMPARE(cap.pixelColor(30, 59), rim);  // the rim below the face
        QCOMPARE(cap.pixelColor(0, 0), QColor(Qt::black));
        // The first letter stands large in the middle of the face, in black.
        int ink = 0;
        for (int y = 19; y < 37; ++y)
            for (int x = 18; x < 36; ++x)
                ink += qGray(cap.pixel(x, y)) < 60;
        QVERIFY2(ink >= 8, qPrintable(key));
    }

    void legendsCarryTheirTexts_data()
    {
        QTest::addColumn<QString>("legend");
        QTest::addColumn<QColor>("field");
        QTest::addColumn<QList<QColor>>("inks"); // heading, rule and note colours
        QTest::newRow("conversion charts")
            << u"S0"_s << QColor(0xFFDFFF)
            << QList<QColor>{QColor(0x8000FF), QColor(0x8080FF), QColor(0xFF0000), QColor(0x0000FF)};
        QTest::newRow("letter-shape charts")
            << u"S1"_s << QColor(0xE1F0FF) << QList<QColor>{QColor(0x3F48CC), QColor(0x004080)};
    }

    void legendsCarryTheirTexts()
    {
        QFETCH(QString, legend);
        QFETCH(QColor, field);
        QFETCH(QList<QColor>, inks);
        const QImage image = embeddedPictures().image(legend);
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black)); // the frame
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() - 3), field);
        for (const QColor &ink : inks)
            QVERIFY2(pixelsOf(image, ink.rgb()) >= 10, qPrintable(ink.name()));
    }

    void faultsInTheDataNameTheirLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        const QString good = u"letter A-1 加\nline 2 10 18 10\n"_s;
        QTest::newRow("unknown stroke") << good + u"curve 1 2 3 4\n" << u"f:3: unknown stroke \"curve\""_s;
        QTest::newRow("outside the box") << good + u"line 2 10 21 10\n"
                                         << u"f:3: coordinates must be numbers from 0 to 20"_s;
        QTest::newRow("odd coordinates") << good + u"line 2 10 18\n"
                                         << u"f:3: wrong number of coordinates for \"line\""_s;
        QTest::newRow("missing name") << good + u"letter A-2\n" << u"f:3: a letter needs an id and a name"_s;
        QTest::newRow("out of order") << good + u"letter A-3 x\nline 1 1 2 2\n"
                                      << u"f:3: A-3 is out of order after A-1"_s;
        QTest::newRow("stroke before a letter") << u"# c\ndot 1 1\n"_s << u"f:2: \"dot\" before the first letter"_s;
        QTest::newRow("copy of an unknown letter") << good + u"letter A-2 x\nlike B-1 flip\n"
                                                   << u"f:4: \"B-1\" is not a letter drawn above"_s;
        QTest::newRow("empty letter") << good + u"letter A-2 x\n" << u"f: A-2 has no strokes"_s;
    }

    void faultsInTheDataNameTheirLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QString got;
        QVERIFY(!Alphabet::parse(text, u"f"_s, &got));
        QCOMPARE(got, error);
    }
};

QTEST_MAIN(TestAlphabet)
#include "tst_alphabet.moc"
