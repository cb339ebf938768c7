#pragma once

#include "catalogue.h"
#include "fonts.h"

#include <QImage>

namespace tutor::assets {

// Stands in for a picture whose drawing is still to come: the panel's name and
// size on a colour of its family, at the picture's own size.
QImage drawPlaceholder(const Picture &picture, const DrawingFonts &fonts);

} // namespace tutor::assets
