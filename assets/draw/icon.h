#pragma once

#include "fonts.h"

#include <QByteArray>
#include <QImage>

namespace tutor::assets {

// The window icon at any size. At 32 pixels and below it is drawn without
// smoothing, every pixel one of the 16 standard colours.
QImage drawIcon(int size, const DrawingFonts &fonts);

// The 16 colours of the standard palette, in palette order.
const QList<QRgb> &standardPalette();

// A Windows icon file holding one 32 x 32 image with 4 bits per pixel in the
// standard palette and a clear mask: 766 bytes. Empty if the image is not 32 x 32
// or uses a colour outside the palette.
QByteArray icoFile(const QImage &icon);

} // namespace tutor::assets
