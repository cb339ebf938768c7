#pragma once

#include "picturepack.h"

namespace tutor::assets {

// The pictures built into the program, read in place. Stops the program with a
// message if the embedded pack is missing or damaged: that is a broken build.
const PicturePack &embeddedPictures();

} // namespace tutor::assets
