#include "icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

namespace tutor::assets {

const QList<QRgb> &standardPalette()
{
    static const QList<QRgb> palette{
        qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00), qRgb(0x80, 0x80, 0x00),
        qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80), qRgb(0x00, 0x80, 0x80), qRgb(0x80, 0x80, 0x80),
        qRgb(0xc0, 0xc0, 0xc0), qRgb(0xff, 0x00, 0x00), qRgb(0x00, 0xff, 0x00), qRgb(0xff, 0xff, 0x00),
        qRgb(0x00, 0x00, 0xff), qRgb(0xff, 0x00, 0xff), qRgb(0x00, 0xff, 0xff), qRgb(0xff, 0xff, 0xff),
    };
    return palette;
}

QImage drawIcon(int size, const DrawingFonts &fonts)
{
    const QColor yellow(0xff, 0xff, 0x00), blue(0x00, 0x00, 0xff), grey(0x80, 0x80, 0x80), silver(0xc0, 0xc0, 0xc0),
        white(0xff, 0xff, 0xff), teal(0x00, 0x80, 0x80), red(0xff, 0x00, 0x00);

    QImage image(size, size, QImage::Format_RGB32);
    image.fill(yellow);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, size > 32);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);

    // The monogram: the name's first letter, shaded to stand off the field.
    QFont font = fonts.sansFont(64, true);
    QPainterPath letter;
    letter.addText(0, 0, font, QStringLiteral("B"));
    const QRectF box = letter.boundingRect();
    QTransform fit;
    fit.translate(8.5, 1.5);
    fit.scale(16.0 / box.width(), 20.0 / box.height());
    fit.translate(-box.left(), -box.top());
    letter = fit.map(letter);

    p.setBrush(grey);
    p.drawPath(letter.translated(2, 2));
    p.setBrush(teal);
    p.drawPath(letter.translated(1, 1));
    p.setBrush(blue);
    p.drawPath(letter);
    // Light catches the upper left edges.
    p.setBrush(silver);
    p.drawPath(letter.subtracted(letter.translated(1, 1)));
    p.setBrush(white);
    p.drawPath(letter.subtracted(letter.translated(0.5, 1)).subtracted(letter.translated(1, 0.5)));

    // The sweeping stroke beneath, rising from the lower left and thickening to the right.
    QPainterPath sweep;
    sweep.moveTo(1, 16.5);
    sweep.cubicTo(6, 21, 14, 23, 31, 20.5);
    sweep.lineTo(31, 25);
    sweep.cubicTo(16, 26.5, 6, 25, 1, 19);
    sweep.closeSubpath();
    p.setBrush(red);
    p.drawPath(sweep);

    p.setBrush(blue);
    p.drawRect(QRectF(0, 26, 32, 6));
    return image;
}

QByteArray icoFile(const QImage &icon)
{
    if (icon.size() != QSize(32, 32))
        return {};
    const QList<QRgb> &palette = standardPalette();
    const QImage rgb = icon.convertToFormat(QImage::Format_RGB32);

    QByteArray out;
    const auto put16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    const auto put32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    const quint32 xorBytes = 32 * 16, andBytes = 32 * 4;
    const quint32 imageBytes = 40 + 16 * 4 + xorBytes + andBytes;

    // Icon directory and its one entry.
    put16(0);
    put16(1);
    put16(1);
    out.append(char(32)).append(char(32)).append(char(16)).append(char(0));
    put16(1);
    put16(4);
    put32(imageBytes);
    put32(6 + 16);
    // The image: an information header whose height counts the mask too.
    put32(40);
    put32(32);
    put32(64);
    put16(1);
    put16(4);
    put32(0);
    put32(xorBytes + andBytes);
    put32(0);
    put32(0);
    put32(16);
    put32(0);
    for (QRgb c : palette)
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
    for (int y = 31; y >= 0; --y) {
        for (int x = 0; x < 32; x += 2) {
            const qsizetype hi = palette.indexOf(rgb.pixel(x, y) | 0xff000000u);
            const qsizetype lo = palette.indexOf(rgb.pixel(x + 1, y) | 0xff000000u);
            if (hi < 0 || lo < 0)
                return {};
            out.append(char((hi << 4) | lo));
        }
    }
    out.append(QByteArray(andBytes, '\0'));
    return out;
}

} // namespace tutor::assets
