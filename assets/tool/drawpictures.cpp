// Draws every picture of the catalogue into a folder: one PNG per picture for
// people to look at, the pack of raw pixels that the program embeds, and the
// window icon as a Windows icon file and a PNG.
//
//   drawpictures --out DIR --ming FILE --sans FILE --sans-bold FILE

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

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{u"out"_s, u"Folder to draw into."_s, u"dir"_s},
                       {u"ming"_s, u"Ming font file for Chinese text."_s, u"file"_s},
                       {u"sans"_s, u"Sans-serif font file."_s, u"file"_s},
                       {u"sans-bold"_s, u"Bold sans-serif font file."_s, u"file"_s}});
    parser.process(app);
    for (const char *option : {"out", "ming", "sans", "sans-bold"})
        if (parser.value(QLatin1StringView(option)).isEmpty())
            fail(QStringLiteral("--%1 is missing").arg(QLatin1StringView(option)));

    // Only the named files: nothing is left to the machine's font matching.
    DrawingFonts fonts;
    fonts.ming = loadFont(parser.value(u"ming"_s));
    fonts.sans = loadFont(parser.value(u"sans"_s));
    fonts.sansBold = loadFont(parser.value(u"sans-bold"_s));

    const QDir out(parser.value(u"out"_s));
    if (!QDir().mkpath(out.path()))
        fail(QStringLiteral("cannot make %1").arg(out.path()));

    PictureDrawer drawer(fonts);
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
        QByteArray png;
        {
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
        }
        save(out.filePath(name + u".png"), png);
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
    QByteArray iconPng;
    {
        QBuffer buffer(&iconPng);
        buffer.open(QIODevice::WriteOnly);
        icon.save(&buffer, "PNG");
    }
    save(out.filePath(u"brevik.png"_s), iconPng);
    return 0;
}
