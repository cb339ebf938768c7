#pragma once

#include "alphabet.h"
#include "catalogue.h"
#include "charts.h"
#include "fonts.h"
#include "outlines.h"

#include <QImage>

namespace tutor::assets {

// What every chart is drawn from.
struct ChartInputs
{
    const Alphabet &alphabet;
    StrokeOutlines &outlines;
    const DrawingFonts &fonts;
};

// A conversion chart (two cards side by side) or a letter-shape chart (one card).
QImage drawChart(const Picture &picture, const Chart &chart, const ChartInputs &inputs);

// Faults of the chart data against the outline data: a character without an
// outline that should have one, a stroke number the character does not have, a
// stroke given to both parts. Each as "file line: what".
QStringList checkStrokes(const ChartBook &book, StrokeOutlines &outlines);

// Characters the outline data lacks; they are drawn from the font in one colour.
bool drawnFromFont(const QString &character);

} // namespace tutor::assets
