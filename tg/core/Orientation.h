// Turning a decoded picture upright by its EXIF orientation (see imageinfo/ExifOrientation.h).
#pragma once
#include "tg/core/Image.h"

namespace tg {

// Replaces pic by its upright form; orientations 5-8 swap width and height. Values
// outside 2..8 leave it as it is. False (pic unchanged) when memory runs out.
bool Orient(Image& pic, int orientation);

}  // namespace tg
