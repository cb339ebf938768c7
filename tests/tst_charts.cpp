// The chart data: every code against the dictionary, the entries per letter, the
// strokes against the outline data, and the charts as drawn.

#include "alphabet.h"
#include "chartcards.h"
#include "charts.h"
#include "colourgroups.h"
#include "embedded.h"

#include <QFile>
#include <QtTest>

using namespace tutor::assets;
using namespace Qt::StringLiterals;

class TestCharts : public QObject
{
    Q_OBJECT

    std::optional<ChartBook> m_book;

    QString entriesOf(const Chart &chart) const
    {
        QStringList cards;
        for (const ChartCard &card : chart.cards) {
            QStringList letters;
            for (const ChartLetter &letter : card.letters) {
                int n = 0;
                for (const ChartRow &row : letter.rows)
                    n += int(row.size());
                letters << letter.id + u' ' + QString::number(n);
            }
            cards << letters.join(u", ");
        }
        return cards.join(u" | ");
    }

private slots:
    void initTestCase()
    {
        QString error;
        m_book = ChartBook::load(QStringLiteral(TUTOR_CHARTS_DIR), &error);
        QVERIFY2(m_book, qPrintable(error));
        QCOMPARE(m_book->charts().size(), std::size_t(52));
    }

    void codesAgreeWithTheDictionary()
    {
        // Quick codes are the first and last letters of the Cangjie code. These
        // entries give another code on purpose, each on its chart.
        const QSet<QString> differ{
            u"Show_C 彎 FN"_s, u"Show_E 彎 FN"_s, u"Show_H 彎 FN"_s, u"Show_X 彎 FN"_s, u"Show_E 會 CA"_s,
            u"Show_E 爲 IF"_s, u"Show_J 氣 OS"_s, u"Show_J 亞 SL"_s, u"Show_L 亞 SL"_s, u"Show_K 口:2 BM"_s,
            u"Show_L 春 QX"_s, u"Show_Y 毛 HP"_s,
        };
        QFile file(QStringLiteral(TUTOR_KCANGJIE_FILE));
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), "the dictionary's Cangjie codes are missing");
        QHash<QString, QString> cangjie;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QList<QByteArray> f = line.split('\t');
            if (f.size() == 3 && f[1] == "kCangjie")
            {
                const char32_t code = f[0].mid(2).toUInt(nullptr, 16);
                cangjie.insert(QString::fromUcs4(&code, 1), QString::fromLatin1(f[2]));
            }
        }
        QVERIFY(cangjie.size() > 20000);

        int checked = 0;
        QSet<QString> usedExceptions;
        for (const auto &[name, chart] : m_book->charts()) {
            if (!chart.conversion)
                continue;
            for (const ChartCard &card : chart.cards)
                for (const ChartLetter &letter : card.letters)
                    for (const ChartRow &row : letter.rows)
                        for (const ChartEntry &e : row) {
                            const QString full = cangjie.value(e.character);
                            const QString quick = full.size() > 1 ? QString(full.front()) + full.back() : full;
                            const QString id = name + u' ' + e.character + (e.secondForm ? u":2"_s : QString())
                                               + u' ' + e.code;
                            if (differ.contains(id)) {
                                QVERIFY2(quick != e.code, qPrintable(id + u" agrees with the dictionary after all"));
                                usedExceptions << id;
                            } else {
                                QVERIFY2(quick == e.code, qPrintable(id + u": the dictionary gives " + full));
                            }
                            ++checked;
                        }
        }
        QCOMPARE(usedExceptions, differ);
        QVERIFY(checked > 400);
    }

    void entriesPerLetter_data()
    {
        QTest::addColumn<QString>("entries"); // per card, per Tamlo letter
        QTest::newRow("Show_A") << u"A-1 18 | A-2 5"_s;
        QTest::newRow("SA") << u"A-1 7, A-2 5"_s;
        QTest::newRow("Show_B") << u"B-1 4, B-2 4, B-3 1 | B-4 15"_s;
        QTest::newRow("SB") << u"B-1 4, B-2 5, B-3 1, B-4 10"_s;
        QTest::newRow("Show_C") << u"C-1 15 | C-2 8"_s;
        QTest::newRow("SC") << u"C-1 10, C-2 9"_s;
        QTest::newRow("Show_D") << u"D-1 9 | D-2 6"_s;
        QTest::newRow("SD") << u"D-1 7, D-2 6"_s;
        QTest::newRow("Show_E") << u"E-1 15 | E-2 4"_s;
        QTest::newRow("SE") << u"E-1 14, E-2 4"_s;
        QTest::newRow("Show_F") << u"F-1 7 | F-2 3"_s;
        QTest::newRow("SF") << u"F-1 6, F-2 3"_s;
        QTest::newRow("Show_G") << u"G-1 7 | G-2 11"_s;
        QTest::newRow("SG") << u"G-1 3, G-2 9"_s;
        QTest::newRow("Show_H") << u"H-1 19 | H-2 6"_s;
        QTest::newRow("SH") << u"H-1 13, H-2 5"_s;
        QTest::newRow("Show_I") << u"I-1 20 | I-2 6"_s;
        QTest::newRow("SI") << u"I-1 16, I-2 6"_s;
        QTest::newRow("Show_J") << u"J-1 12 | J-2 11"_s;
        QTest::newRow("SJ") << u"J-1 12, J-2 10"_s;
        QTest::newRow("Show_K") << u"K-1 14 | K-2 5"_s;
        QTest::newRow("SK") << u"K-1 12, K-2 5"_s;
        QTest::newRow("Show_L") << u"L-1 3, L-2 7 | L-3 10"_s;
        QTest::newRow("SL") << u"L-1 5, L-2 6, L-3 0"_s;
        QTest::newRow("Show_M") << u"M-1 11 | M-2 6"_s;
        QTest::newRow("SM") << u"M-1 9, M-2 4"_s;
        QTest::newRow("Show_N") << u"N-1 8 | N-2 7"_s;
        QTest::newRow("SN") << u"N-1 5, N-2 6"_s;
        QTest::newRow("Show_O") << u"O-1 6, O-2 6 | O-3 11"_s;
        QTest::newRow("SO") << u"O-1 4, O-2 6, O-3 10"_s;
        QTest::newRow("Show_P") << u"P-1 3, P-2 3 | P-3 11"_s;
        QTest::newRow("SP") << u"P-1 2, P-2 2, P-3 8"_s;
        QTest::newRow("Show_Q") << u"Q-1 5 | Q-2 2"_s;
        QTest::newRow("SQ") << u"Q-1 4, Q-2 2"_s;
        QTest::newRow("Show_R") << u"R-1 16 | R-2 3, R-3 1"_s;
        QTest::newRow("SR") << u"R-1 14, R-2 3, R-3 1"_s;
        QTest::newRow("Show_S") << u"S-1 10 | S-2 3, S-3 8"_s;
        QTest::newRow("SS") << u"S-1 8, S-2 3, S-3 8"_s;
        QTest::newRow("Show_T") << u"T-1 4 | T-2 15"_s;
        QTest::newRow("ST") << u"T-1 3, T-2 12"_s;
        QTest::newRow("Show_U") << u"U-1 4, U-3 2 | U-2 15"_s;
        QTest::newRow("SU") << u"U-1 4, U-2 14, U-3 2"_s;
        QTest::newRow("Show_V") << u"V-1 4 | V-2 12"_s;
        QTest::newRow("SV") << u"V-1 4, V-2 11"_s;
        QTest::newRow("Show_W") << u"W-1 8, W-3 1 | W-2 17"_s;
        QTest::newRow("SW") << u"W-1 5, W-2 16, W-3 2"_s;
        QTest::newRow("Show_X") << u"X-1 13 | X-2 8, X-3 3, X-4 1"_s;
        QTest::newRow("SX") << u"X-1 13, X-2 8, X-3 2, X-4 1"_s;
        QTest::newRow("Show_Y") << u"Y-1 6 | Y-2 3, Y-3 6"_s;
        QTest::newRow("SY") << u"Y-1 6, Y-2 3, Y-3 6"_s;
        QTest::newRow("Show_Z") << u"Z-1 5 | Z-2 3, Z-3 1"_s;
        QTest::newRow("SZ") << u"Z-1 4, Z-2 3, Z-3 1"_s;
    }

    void entriesPerLetter()
    {
        QFETCH(QString, entries);
        const Chart *chart = m_book->chart(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(chart);
        QCOMPARE(entriesOf(*chart), entries);
    }

    void strokesExistInTheOutlines()
    {
        StrokeOutlines outlines(QStringLiteral(TUTOR_OUTLINES_DIR));
        const QStringList faults = checkStrokes(*m_book, outlines);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        // And the check finds a stroke that is not there.
        auto broken = ChartBook::parse(u"chart Show_A\ncard left\nletter A-1\nrow\n十 J = 0-2\n"_s, u"f"_s, nullptr);
        QVERIFY(broken);
        QCOMPARE(checkStrokes(*broken, outlines), QStringList{u"Show_A line 5: 十 has 2 strokes, no stroke 2"_s});
    }

    void chartsWearTheirKeysColours_data()
    {
        QTest::addColumn<QString>("chart");
        for (QChar key : u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s) {
            QTest::newRow(qPrintable(u"Show_"_s + key)) << u"Show_"_s + key;
            QTest::newRow(qPrintable(u"S"_s + key)) << u"S"_s + key;
        }
    }

    void chartsWearTheirKeysColours()
    {
        QFETCH(QString, chart);
        const QImage image = embeddedPictures().image(chart);
        const QColor frame = coloursOf(chart.back()).frame;
        QCOMPARE(image.pixelColor(3, image.height() / 2), frame);            // the left card's band
        QCOMPARE(image.pixelColor(image.width() - 4, image.height() / 2), frame); // the right edge's band
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::black));                  // the outline
        // The key's letter in magenta, in the lower right corner.
        int magenta = 0;
        for (int y = image.height() - 24; y < image.height(); ++y)
            for (int x = image.width() - 24; x < image.width(); ++x)
                magenta += image.pixel(x, y) == qRgb(0xFF, 0x00, 0xFF);
        QVERIFY2(magenta >= 6, qPrintable(chart));
    }

    void faultsInTheDataNameTheirLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        const QString head = u"chart Show_A\ncard left\nletter A-1\nrow\n"_s;
        QTest::newRow("code letter Z") << head + u"十 Z\n" << u"f:5: \"Z\" is not a code of one or two letters A to Y"_s;
        QTest::newRow("parts for one letter") << head + u"寸 DI = 0-1\n" << u"f:5: 寸 has 2 code letters but 1 stroke groups"_s;
        QTest::newRow("bad stroke list") << head + u"寸 DI = 1-0 / 2\n"
                                         << u"f:5: stroke numbers such as 0-3 or 0+5-7 expected"_s;
        QTest::newRow("entry before a row") << u"chart SA\nletter A-1\n十 = red 0-1\n"_s << u"f:3: an entry before its row"_s;
        QTest::newRow("another key's letter") << u"chart SA\nletter B-1\n"_s
                                              << u"f:2: \"letter\" needs one of the key's letters, such as A-1"_s;
        QTest::newRow("colour missing") << u"chart SA\nletter A-1\nrow\n十 = 0-1\n"_s
                                        << u"f:4: \"= red STROKES\" or \"= blue STROKES\" expected"_s;
        QTest::newRow("right card first") << u"chart Show_A\ncard right\n"_s
                                          << u"f:2: a conversion chart has a left card, then a right card"_s;
    }

    void faultsInTheDataNameTheirLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QString got;
        QVERIFY(!ChartBook::parse(text, u"f"_s, &got));
        QCOMPARE(got, error);
    }
};

QTEST_MAIN(TestCharts)
#include "tst_charts.moc"
