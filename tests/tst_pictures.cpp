// The pictures as the program holds them: drawn at build time, embedded, bound to
// their panels when the window is made.

#include "application.h"
#include "catalogue.h"
#include "embedded.h"
#include "form1.h"
#include "picturepanel.h"

#include <QCryptographicHash>
#include <QFile>
#include <QtEndian>
#include <QtTest>

using namespace tutor;
using namespace Qt::StringLiterals;

namespace {

QString nameStr(std::string_view n)
{
    return QString::fromLatin1(n.data(), qsizetype(n.size()));
}

QByteArray pixelHash(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray(QByteArray::number(rgb.width()) + 'x' + QByteArray::number(rgb.height())));
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 4));
    return hash.result();
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> m_window;

    const QImage &panelPicture(const QString &name) const
    {
        return static_cast<PicturePanel *>(m_window->widget(*controlNamed(name)))->picture();
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        m_window = std::make_unique<Form1>();
    }

    void everyPanelHasItsPictureAtItsSize()
    {
        int panels = 0;
        for (const assets::Picture &p : assets::catalogue()) {
            const QString name = nameStr(p.name);
            const QImage image = name == u"Form1" ? assets::embeddedPictures().image(name) : panelPicture(name);
            QVERIFY2(!image.isNull(), qPrintable(name));
            QCOMPARE(image.size(), QSize(p.width, p.height));
            ++panels;
        }
        QCOMPARE(panels, 154);
        QCOMPARE(m_window->windowIcon().availableSizes().value(0), QSize(32, 32));
    }

    void noTwoPicturesAlike()
    {
        QHash<QByteArray, QString> seen;
        for (const QString &name : assets::embeddedPictures().names()) {
            const QByteArray hash = pixelHash(assets::embeddedPictures().image(name));
            QVERIFY2(!seen.contains(hash), qPrintable(name + u" looks exactly like " + seen.value(hash)));
            seen.insert(hash, name);
        }
        QCOMPARE(seen.size(), 154);
    }

    void lessonCoversDifferOnlyInTheirNumeral()
    {
        const QImage one = panelPicture(u"Image3"_s);
        const QImage two = panelPicture(u"Image10"_s);
        QCOMPARE(one.size(), two.size());
        const QRect numeral(407, 276, 14, 26);
        int inside = 0;
        for (int y = 0; y < one.height(); ++y) {
            for (int x = 0; x < one.width(); ++x) {
                if (one.pixel(x, y) == two.pixel(x, y))
                    continue;
                QVERIFY2(numeral.contains(x, y), qPrintable(u"differs at %1,%2"_s.arg(x).arg(y)));
                ++inside;
            }
        }
        QVERIFY(inside > 20);
    }

    void iconFile()
    {
        QFile file(QStringLiteral(TUTOR_ICO_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ico = file.readAll();
        QCOMPARE(ico.size(), 766);
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(ico.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(ico.constData() + at); };
        QCOMPARE(u16(0), 0); // reserved
        QCOMPARE(u16(2), 1); // an icon
        QCOMPARE(u16(4), 1); // one entry
        QCOMPARE(quint8(ico[6]), 32);
        QCOMPARE(quint8(ico[7]), 32);
        QCOMPARE(quint8(ico[8]), 16); // colours
        QCOMPARE(u16(12), 4);         // bits per pixel
        QCOMPARE(u32(14), 744u);
        QCOMPARE(u32(18), 22u);
        QCOMPARE(u32(22), 40u); // information header
        QCOMPARE(qint32(u32(26)), 32);
        QCOMPARE(qint32(u32(30)), 64); // image and mask
        QCOMPARE(u16(36), 4);
        const quint8 palette[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                       {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
                                       {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                       {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
        for (int i = 0; i < 16; ++i) {
            const int at = 62 + 4 * i; // blue, green, red, zero
            QCOMPARE(quint8(ico[at + 2]), palette[i][0]);
            QCOMPARE(quint8(ico[at + 1]), palette[i][1]);
            QCOMPARE(quint8(ico[at]), palette[i][2]);
        }
        QCOMPARE(ico.mid(766 - 128), QByteArray(128, '\0')); // nothing transparent
        // The pixels are the window's icon, bottom row first.
        const QImage icon = assets::embeddedPictures().image(u"Form1"_s);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const quint8 pair = quint8(ico[126 + (31 - y) * 16 + x / 2]);
                const int index = x % 2 ? pair & 0xf : pair >> 4;
                QCOMPARE(qRgb(palette[index][0], palette[index][1], palette[index][2]), icon.pixel(x, y));
            }
    }

    void pictureFillsItsPanel_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::newRow("small page, enlarged") << u"DM7"_s;
        QTest::newRow("large page, reduced") << u"DMB"_s;
        QTest::newRow("letter-shape chart") << u"SG"_s;
        QTest::newRow("key") << u"K"_s;
        QTest::newRow("background") << u"Image1"_s;
    }

    void pictureFillsItsPanel()
    {
        QFETCH(QString, panel);
        QWidget *w = m_window->widget(*controlNamed(panel));
        w->show();
        const QImage shown = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), w->size());
        const QImage expected = panelPicture(panel).scaled(w->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Corner to corner: each of the picture's four corners lands in the panel's,
        // and the picture's middle in the panel's middle.
        const QList<QPoint> probes{{0, 0},
                                   {w->width() - 1, 0},
                                   {0, w->height() - 1},
                                   {w->width() - 1, w->height() - 1},
                                   {w->width() / 2, w->height() / 2},
                                   {w->width() / 3, w->height() / 4}};
        for (QPoint at : probes) {
            const QColor a = shown.pixelColor(at), b = expected.pixelColor(at);
            const int diff =
                std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
            QVERIFY2(diff < 60,
                     qPrintable(u"%1 at %2,%3: %4 shown, %5 expected"_s.arg(panel).arg(at.x()).arg(at.y()).arg(
                         a.name(), b.name())));
        }
        w->setHidden(panel != u"K" && panel != u"Image1");
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
