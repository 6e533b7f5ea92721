// Baseline JPEG pictures decoded at one eighth of their size from the DC coefficients
// alone: the cheap way to a thumbnail of a large photograph. Progressive, arithmetic-coded,
// 12-bit, CMYK and RGB-transformed files are refused (the system codecs read those).
#pragma once
#include "tg/core/Image.h"

namespace tg {

// The picture's full size, when it is a JPEG this decoder reads.
bool JpegDcSize(const uint8_t* data, size_t size, int& width, int& height);
// out: ceil(width / 8) x ceil(height / 8). False for anything damaged or truncated.
bool DecodeJpegEighth(const uint8_t* data, size_t size, Image& out);

}  // namespace tg
