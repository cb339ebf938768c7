#include "placeholder.h"

#include <QFontMetrics>
#include <QPainter>

namespace tutor::assets {

namespace {

QColor familyColour(Family f)
{
    switch (f) {
    case Family::WindowIcon: return QColor(0xff, 0xff, 0x00);
    case Family::LetterKey: return QColor(0x9c, 0xa8, 0xc8);
    case Family::ConversionChart: return QColor(0xd8, 0xec, 0xd0);
    case Family::LetterShapeChart: return QColor(0xd0, 0xe0, 0xf4);
    case Family::Legend: return QColor(0xf4, 0xec, 0xc8);
    case Family::Background: return QColor(0x20, 0x20, 0x28);
    case Family::ProductPage: return QColor(0xf8, 0xf8, 0xf8);
    case Family::Lesson1: return QColor(0xc8, 0xd8, 0xff);
    case Family::Lesson2: return QColor(0xe0, 0xd0, 0xf8);
    case Family::Drill: return QColor(0xff, 0xe0, 0xb8);
    case Family::Demonstration: return QColor(0xd8, 0xf4, 0xf0);
    case Family::RadicalTable: return QColor(0xf4, 0xd4, 0xd8);
    }
    return Qt::gray;
}

} // namespace

QImage drawPlaceholder(const Picture &picture, const DrawingFonts &fonts)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    const QRect r = image.rect();
    const QColor field = familyColour(picture.family);
    image.fill(field);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = field.lightness() < 128 ? QColor(Qt::white) : QColor(0x30, 0x30, 0x30);
    painter.setPen(QPen(ink, 1));
    painter.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.drawLine(QLineF(r.topLeft(), r.bottomRight() + QPointF(1, 1)));
    painter.drawLine(QLineF(QPointF(r.right() + 1, 0), QPointF(0, r.bottom() + 1)));

    const QString name = QString::fromLatin1(picture.name.data(), qsizetype(picture.name.size()));
    const QString size = QString::number(picture.width) + u'\u00d7' + QString::number(picture.height);
    const QFont font = fonts.sansFont(std::max(8, std::min(picture.width / 5, picture.height / 4)));
    const QFont small = fonts.sansFont(std::max(6, font.pixelSize() / 2));
    const int labelWidth =
        std::max(QFontMetrics(font).horizontalAdvance(name), QFontMetrics(small).horizontalAdvance(size)) + 8;
    QRect box(0, 0, std::min(labelWidth, picture.width - 2),
              std::min(QFontMetrics(font).height() * 2, picture.height - 2));
    box.moveCenter(r.center());
    painter.fillRect(box, field);
    painter.setFont(font);
    painter.drawText(box.adjusted(0, 0, 0, -box.height() / 2), Qt::AlignCenter, name);
    painter.setFont(small);
    painter.drawText(box.adjusted(0, box.height() / 2, 0, 0), Qt::AlignCenter, size);
    return image;
}

} // namespace tutor::assets
