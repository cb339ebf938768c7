#include "legends.h"

#include <QFontMetrics>
#include <QPainter>

namespace tutor::assets {

namespace {

void frameAndHeading(QPainter &p, const QImage &image, QColor field, const QString &heading, QColor headingInk,
                     QColor rule, const DrawingFonts &fonts)
{
    p.fillRect(image.rect(), field);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false); // a crisp one-pixel frame
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(fonts.crispMingFont(15));
    p.setPen(headingInk);
    p.drawText(QRect(4, 8, image.width() - 8, 18), Qt::AlignCenter, heading);
    p.fillRect(QRect(8, 31, image.width() - 16, 2), rule);
}

} // namespace

QImage drawLegend(const Picture &picture, const DrawingFonts &fonts)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont note = fonts.crispMingFont(13);
    const QFontMetrics metrics(note);

    if (picture.name == "S0") {
        frameAndHeading(p, image, QColor(0xFF, 0xDF, 0xFF), QStringLiteral("Brevik轉換表"), QColor(0x80, 0x00, 0xFF),
                        QColor(0x80, 0x80, 0xFF), fonts);
        // The second line stands under the first one's words, not under "註：".
        const QString label = QStringLiteral("註：");
        const int left = 12;
        const int indent = left + metrics.horizontalAdvance(label);
        p.setFont(note);
        p.setPen(Qt::black);
        p.drawText(QPoint(left, 58), label);
        p.setPen(QColor(0xFF, 0x00, 0x00));
        p.drawText(QPoint(indent, 58), QStringLiteral("紅色首碼"));
        p.setPen(QColor(0x00, 0x00, 0xFF));
        p.drawText(QPoint(indent, 80), QStringLiteral("藍色尾碼"));
    } else {
        const QColor blue(0x3F, 0x48, 0xCC);
        frameAndHeading(p, image, QColor(0xE1, 0xF0, 0xFF), QStringLiteral("Tamlo字母學習"), blue,
                        QColor(0x00, 0x40, 0x80), fonts);
        p.setFont(note);
        p.setPen(blue);
        p.drawText(QRect(12, 44, picture.width - 22, picture.height - 50), Qt::TextWordWrap,
                   QStringLiteral("註：紅/藍為Tamlo字母代表之字形。"));
    }
    return image;
}

} // namespace tutor::assets
