// Draws every picture of the catalogue into a folder: one PNG per picture for
// people to look at, the pack of raw pixels that the program embeds, and the
// window icon as a Windows icon file and a PNG, and, for the desktop's icon theme,
// as brevik-N.png at each size N given to --icon-sizes.
//
//   drawpictures --letters FILE --ming FILE --sans FILE --sans-bold FILE --out DIR [--icon-sizes N,N,...]
//   drawpictures --letters FILE --ming FILE --sans FILE --sans-bold FILE --contact-sheet PNG
//
// The second form draws only a sheet of all Tamlo letters, large and named, at
// the sizes they are used at, for people to check them by eye.

#include "alphabet.h"
#include "chartcards.h"
#include "charts.h"
#include "outlines.h"
#include "catalogue.h"
#include "fonts.h"
#include "icon.h"
#include "picturepack.h"
#include "pictures.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>

using namespace tutor::assets;
using namespace Qt::StringLiterals;

namespace {

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "drawpictures: %s\n", qPrintable(message));
    std::exit(1);
}

QString loadFont(const QString &file)
{
    const int id = QFontDatabase::addApplicationFont(file);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        fail(QStringLiteral("cannot load the font file %1").arg(file));
    return families.first();
}

void save(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QImage contactSheet(const Alphabet &alphabet, const DrawingFonts &fonts)
{
    const int columns = 6, cellWidth = 170, cellHeight = 112;
    const int rows = int((alphabet.letters().size() + columns - 1) / columns);
    QImage sheet(columns * cellWidth, rows * cellHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    int i = 0;
    for (const TamloLetter &letter : alphabet.letters()) {
        const QPoint cell((i % columns) * cellWidth, (i / columns) * cellHeight);
        p.setPen(QColor(0xd0, 0xd0, 0xd0));
        p.drawRect(QRect(cell, QSize(cellWidth - 1, cellHeight - 1)));
        p.fillRect(QRect(cell + QPoint(8, 8), QSize(72, 72)), QColor(0xf4, 0xf4, 0xf4));
        drawLetter(p, letter, QRectF(cell + QPoint(12, 12), QSizeF(64, 64)), Qt::black);
        drawLetter(p, letter, QRectF(cell + QPoint(92, 12), QSizeF(40, 40)), Qt::black);
        drawLetter(p, letter, QRectF(cell + QPoint(92, 58), QSizeF(18, 18)), Qt::black);
        drawLetter(p, letter, QRectF(cell + QPoint(118, 62), QSizeF(9, 9)), Qt::black);
        p.setPen(Qt::black);
        p.setFont(fonts.mingFont(16));
        p.drawText(QRect(cell + QPoint(8, 84), QSize(cellWidth - 16, 22)), Qt::AlignLeft | Qt::AlignVCenter,
                   letter.id + u"  " + letter.name);
        ++i;
    }
    return sheet;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{u"out"_s, u"Folder to draw into."_s, u"dir"_s},
                       {u"ming"_s, u"Ming font file for Chinese text."_s, u"file"_s},
                       {u"sans"_s, u"Sans-serif font file."_s, u"file"_s},
                       {u"sans-bold"_s, u"Bold sans-serif font file."_s, u"file"_s},
                       {u"letters"_s, u"The Tamlo letters' data file."_s, u"file"_s},
                       {u"charts"_s, u"The folder of chart data files."_s, u"dir"_s},
                       {u"outlines"_s, u"The folder of character outlines."_s, u"dir"_s},
                       {u"contact-sheet"_s, u"Draw only the sheet of all letters, to this PNG."_s, u"file"_s},
                       {u"icon-sizes"_s, u"Also draw the icon at these sizes, comma-separated."_s, u"sizes"_s}});
    parser.process(app);
    const bool sheetOnly = parser.isSet(u"contact-sheet"_s);
    QList<int> iconSizes;
    for (const QString &item : parser.value(u"icon-sizes"_s).split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int size = item.trimmed().toInt(&ok);
        if (!ok || size < 16 || size > 1024)
            fail(QStringLiteral("--icon-sizes: %1 is not a size from 16 to 1024").arg(item));
        iconSizes.append(size);
    }
    for (const char *option :
         {"ming", "sans", "sans-bold", "letters", sheetOnly ? "contact-sheet" : "out", sheetOnly ? "ming" : "charts",
          sheetOnly ? "ming" : "outlines"})
        if (parser.value(QLatin1StringView(option)).isEmpty())
            fail(QStringLiteral("--%1 is missing").arg(QLatin1StringView(option)));

    // Only the named files: nothing is left to the machine's font matching.
    DrawingFonts fonts;
    fonts.ming = loadFont(parser.value(u"ming"_s));
    fonts.sans = loadFont(parser.value(u"sans"_s));
    fonts.sansBold = loadFont(parser.value(u"sans-bold"_s));

    QString error;
    std::optional<Alphabet> alphabet = Alphabet::load(parser.value(u"letters"_s), &error);
    if (!alphabet)
        fail(error);
    if (sheetOnly) {
        save(parser.value(u"contact-sheet"_s), pngBytes(contactSheet(*alphabet, fonts)));
        return 0;
    }

    const QDir out(parser.value(u"out"_s));
    if (!QDir().mkpath(out.path()))
        fail(QStringLiteral("cannot make %1").arg(out.path()));

    std::optional<ChartBook> charts = ChartBook::load(parser.value(u"charts"_s), &error);
    if (!charts)
        fail(error);
    StrokeOutlines outlines(parser.value(u"outlines"_s));
    if (const QStringList faults = checkStrokes(*charts, outlines); !faults.isEmpty())
        fail(faults.join(u'\n'));
    int unrecorded = 0;
    for (const auto &[name, chart] : charts->charts())
        for (const ChartCard &card : chart.cards)
            for (const ChartLetter &letter : card.letters)
                for (const ChartRow &row : letter.rows)
                    for (const ChartEntry &entry : row)
                        unrecorded += !entry.recorded && !drawnFromFont(entry.character);
    if (unrecorded > 0)
        std::fprintf(stderr, "drawpictures: %d chart entries have no parts recorded yet; they are drawn in one colour\n",
                     unrecorded);

    PictureDrawer drawer(fonts, std::move(*alphabet), std::move(*charts), std::move(outlines));
    std::vector<std::pair<QString, QImage>> pictures;
    for (const Picture &picture : catalogue()) {
        const QString name = QString::fromLatin1(picture.name.data(), qsizetype(picture.name.size()));
        QImage image = drawer.picture(picture.name);
        if (image.size() != QSize(picture.width, picture.height))
            fail(QStringLiteral("%1 came out %2 x %3, not %4 x %5")
                     .arg(name)
                     .arg(image.width())
                     .arg(image.height())
                     .arg(picture.width)
                     .arg(picture.height));
        image = image.convertToFormat(QImage::Format_RGB32);
        save(out.filePath(name + u".png"), pngBytes(image));
        pictures.emplace_back(name, std::move(image));
    }

    QByteArray pack;
    {
        QBuffer buffer(&pack);
        buffer.open(QIODevice::WriteOnly);
        if (!PicturePack::write(buffer, pictures))
            fail(QStringLiteral("cannot pack the pictures"));
    }
    save(out.filePath(u"pictures.pack"_s), pack);

    const QImage &icon = drawer.picture("Form1");
    const QByteArray ico = icoFile(icon);
    if (ico.size() != 766)
        fail(QStringLiteral("the window icon uses colours outside the 16-colour palette"));
    save(out.filePath(u"brevik.ico"_s), ico);
    save(out.filePath(u"brevik.png"_s), pngBytes(icon));
    for (int size : iconSizes)
        save(out.filePath(u"brevik-%1.png"_s.arg(size)), pngBytes(drawIcon(size, fonts)));
    return 0;
}
