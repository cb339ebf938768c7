#pragma once

#include "catalogue.h"

class QPainter;

namespace tutor::assets {

// Stands in for a picture whose drawing is not written yet: the panel's name and
// size on a colour of its family, drawn in the picture's own pixel coordinates so
// that the panel's scaling shows.
void paintPlaceholder(QPainter &painter, const Picture &picture);

} // namespace tutor::assets
