#include "covers.h"

#include <QPainter>

namespace tutor::assets {

namespace {

void drawColumn(QPainter &p, const QString &text, int centreX, int top, int cell, const QFont &font)
{
    p.setFont(font);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QRect box(centreX - cell / 2, top + int(i) * cell, cell, cell);
        p.setPen(QColor(0x00, 0x00, 0x60));
        p.drawText(box.translated(3, 3), Qt::AlignCenter, text.mid(i, 1));
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, text.mid(i, 1));
    }
}

} // namespace

QImage drawCover(const Picture &picture, const QImage &banner, const DrawingFonts &fonts)
{
    const bool drill = picture.family == Family::Drill;
    const QColor field = drill ? QColor(0xff, 0x99, 0x00) : QColor(0x66, 0x99, 0xff);
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    image.fill(field);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // A strip from the left of the banner, where the product's name stands.
    const int margin = 18;
    const QRect strip(150, margin, 200, picture.height - 2 * margin);
    const double scale = double(strip.height()) / banner.height();
    const QRect source(0, 0, int(strip.width() / scale), banner.height());
    p.fillRect(strip.adjusted(-3, -3, 3, 3), Qt::white);
    p.drawImage(strip.topLeft(),
                banner.copy(source).scaled(strip.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

    const int cell = 80;
    drawColumn(p, drill ? QStringLiteral("實戰") : QStringLiteral("教學"), 75, 90, cell, fonts.mingFont(72));
    drawColumn(p, QStringLiteral("課程"), kCoverNumeralBox.center().x() + 1, 90, cell, fonts.mingFont(72));

    if (!drill) {
        const QString numeral = picture.name == "Image3" ? QStringLiteral("1") : QStringLiteral("2");
        p.setClipRect(kCoverNumeralBox);
        p.setFont(fonts.sansFont(30, true));
        p.setPen(Qt::white);
        p.drawText(kCoverNumeralBox, Qt::AlignCenter, numeral);
    }
    return image;
}

} // namespace tutor::assets
