#pragma once

#include <QFont>
#include <QString>

namespace tutor::assets {

// The fonts every picture is drawn with, each loaded from a named file so that
// every machine draws the same pixels.
struct DrawingFonts
{
    QString ming; // Traditional Chinese, Ming style
    QString sans;
    QString sansBold;

    QFont mingFont(int pixels) const;
    // Small Chinese text in solid colour, every pixel on or off, as text on
    // a screen of few pixels reads best.
    QFont crispMingFont(int pixels) const;
    QFont sansFont(int pixels, bool bold = false) const;
};

} // namespace tutor::assets
