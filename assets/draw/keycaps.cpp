#include "keycaps.h"

#include "colourgroups.h"

#include <QPainter>
#include <QPainterPath>

namespace tutor::assets {

namespace {

// Which corners hold a key's further letters, by their numbers: top left, top right,
// bottom left (0: none).
struct Corners
{
    int topLeft, topRight, bottomLeft;
};

Corners cornersOf(QChar key)
{
    if (key == u'B')
        return {3, 4, 2};
    if (key == u'X')
        return {2, 4, 3};
    if (QStringView(u"LOPRSUWYZ").contains(key))
        return {2, 3, 0};
    return {2, 0, 0};
}

} // namespace

QImage drawKeyCap(QChar key, const Alphabet &alphabet, const DrawingFonts &fonts)
{
    const KeyColours colours = coloursOf(key);
    QImage image(50, 65, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The cap seen from slightly above: the body shows as a rim below and to the
    // right of the face, and as a darker band down its left side.
    const QRectF body(1.5, 1.5, 47, 62);
    p.setPen(QPen(QColor(0xC3, 0xC3, 0xC3), 1));
    p.setBrush(colours.rim);
    p.drawRoundedRect(body, 6, 6);

    QPainterPath side;
    side.moveTo(2.5, 6);
    side.quadTo(2.5, 2.5, 6, 2.5);
    side.lineTo(9, 4);
    side.lineTo(9, 54);
    side.lineTo(4, 61);
    side.quadTo(2.5, 59, 2.5, 56);
    side.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colours.side);
    p.drawPath(side);

    const QRectF face(9, 3.5, 36, 51);
    p.setPen(QPen(colours.face.darker(115), 0.8));
    p.setBrush(colours.face);
    p.drawRoundedRect(face, 4, 4);

    const std::vector<const TamloLetter *> letters = alphabet.lettersOf(key);
    if (!letters.empty())
        drawLetter(p, *letters.front(), QRectF(18, 19, 18, 18), Qt::black);
    const Corners corners = cornersOf(key);
    const auto small = [&](int number, QPointF topLeft) {
        if (number > 0 && number <= int(letters.size()))
            drawLetter(p, *letters[std::size_t(number - 1)], QRectF(topLeft, QSizeF(9, 9)), Qt::black);
    };
    small(corners.topLeft, {12, 6});
    small(corners.topRight, {33, 6});
    small(corners.bottomLeft, {12, 43});

    // The Latin letter in the Ming font's thin serif capitals.
    p.setPen(Qt::black);
    p.setFont(fonts.mingFont(15));
    p.drawText(QRectF(26, 39, 17, 15), Qt::AlignRight | Qt::AlignBottom, QString(key));
    return image;
}

} // namespace tutor::assets
