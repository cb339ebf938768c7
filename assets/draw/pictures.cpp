#include "pictures.h"

#include "chartcards.h"
#include "covers.h"
#include "icon.h"
#include "keycaps.h"
#include "legends.h"
#include "placeholder.h"

namespace tutor::assets {

PictureDrawer::PictureDrawer(DrawingFonts fonts, Alphabet alphabet, ChartBook charts, StrokeOutlines outlines)
    : m_fonts(std::move(fonts))
    , m_alphabet(std::move(alphabet))
    , m_charts(std::move(charts))
    , m_outlines(std::move(outlines))
{}

const QImage &PictureDrawer::picture(std::string_view name)
{
    static const QImage none;
    const Picture *record = pictureFor(name);
    if (!record)
        return none;
    auto it = m_drawn.find(record->name);
    if (it == m_drawn.end())
        it = m_drawn.emplace(record->name, draw(*record)).first;
    return it->second;
}

QImage PictureDrawer::draw(const Picture &picture)
{
    // One routine per family. Families whose drawing is still to come show a
    // placeholder of the right size.
    switch (picture.family) {
    case Family::WindowIcon: return drawIcon(picture.width, m_fonts);
    case Family::Lesson1:
    case Family::Lesson2:
    case Family::Drill:
        if (picture.name == "Image3" || picture.name == "Image10" || picture.name == "Wk1")
            return drawCover(picture, this->picture("Image1"), m_fonts);
        return drawPlaceholder(picture, m_fonts);
    case Family::LetterKey: return drawKeyCap(QLatin1Char(picture.name.front()), m_alphabet, m_fonts);
    case Family::Legend: return drawLegend(picture, m_fonts);
    case Family::ConversionChart:
    case Family::LetterShapeChart: {
        const Chart *chart = m_charts.chart(QString::fromLatin1(picture.name.data(), qsizetype(picture.name.size())));
        if (chart)
            return drawChart(picture, *chart, {m_alphabet, m_outlines, m_fonts});
        return drawPlaceholder(picture, m_fonts);
    }
    case Family::Background:
    case Family::ProductPage:
    case Family::Demonstration:
    case Family::RadicalTable: return drawPlaceholder(picture, m_fonts);
    }
    return {};
}

} // namespace tutor::assets
