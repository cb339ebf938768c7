#pragma once

#include "alphabet.h"
#include "catalogue.h"
#include "charts.h"
#include "fonts.h"
#include "outlines.h"

#include <QImage>

#include <map>
#include <string_view>

namespace tutor::assets {

// Draws the pictures of the catalogue, each once and at its own size. A picture
// that shows part of another (the covers show a strip of the banner) gets the
// very pixels of that other picture.
class PictureDrawer
{
public:
    PictureDrawer(DrawingFonts fonts, Alphabet alphabet, ChartBook charts, StrokeOutlines outlines);

    // The named picture, or a null image for a name the catalogue does not have.
    const QImage &picture(std::string_view name);

private:
    QImage draw(const Picture &picture);

    DrawingFonts m_fonts;
    Alphabet m_alphabet;
    ChartBook m_charts;
    StrokeOutlines m_outlines;
    std::map<std::string_view, QImage> m_drawn;
};

} // namespace tutor::assets
