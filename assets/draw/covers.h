#pragma once

#include "catalogue.h"
#include "fonts.h"

#include <QImage>

namespace tutor::assets {

// Where the lesson number stands on the lesson covers; the two covers differ
// nowhere else.
inline constexpr QRect kCoverNumeralBox{407, 276, 14, 26};

// The covers of the two lessons and of the drill: a coloured field with a
// vertical heading at each side and a strip of the banner between them.
QImage drawCover(const Picture &picture, const QImage &banner, const DrawingFonts &fonts);

} // namespace tutor::assets
