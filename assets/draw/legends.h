#pragma once

#include "catalogue.h"
#include "fonts.h"

#include <QImage>

namespace tutor::assets {

// The legends of the two chart sets: S0 for the conversion charts, S1 for the
// letter-shape charts.
QImage drawLegend(const Picture &picture, const DrawingFonts &fonts);

} // namespace tutor::assets
