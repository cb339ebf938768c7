#pragma once

#include "controls.h"

#include <QColor>
#include <QRect>

class QPalette;

namespace tutor {

// Twips are the layout's unit: 1440 to the inch, 15 to a pixel at 96 dpi. Qt's
// logical pixels are 96-dpi pixels, and its device pixel ratio does the rest.
inline constexpr int kTwipsPerPixel = 15;

int twipsToPixels(int twips);

// Left and right, top and bottom are rounded on their own, so that controls that
// share an edge in twips share it in pixels too.
QRect twipsToPixels(int left, int top, int width, int height);

// A layout colour (0x00BBGGRR, or 0x80000000 + n for system colour n) in the given palette.
QColor colourOf(VbColor color, const QPalette &palette);

} // namespace tutor
