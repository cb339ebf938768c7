#pragma once

#include "alphabet.h"
#include "fonts.h"

#include <QImage>

namespace tutor::assets {

// A letter key's cap, 50 x 65: the key's first Tamlo letter large in the middle,
// its others small in the corners, and the key's Latin letter at the lower right.
QImage drawKeyCap(QChar key, const Alphabet &alphabet, const DrawingFonts &fonts);

} // namespace tutor::assets
