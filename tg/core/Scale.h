// Resampling of decoded pictures. Shrinking averages the area each output pixel covers
// (every source pixel counts, none is dropped); enlarging interpolates linearly.
#pragma once
#include "tg/core/Image.h"

namespace tg {

// Resamples src (any size) into dst (dstWidth x dstHeight, stride dstStride pixels).
// Alpha comes out 0xFF. Returns false for sizes that are not positive.
bool Resample(const uint32_t* src, int srcWidth, int srcHeight, int srcStride, uint32_t* dst, int dstWidth,
              int dstHeight, int dstStride);

bool Resample(const Image& src, Image& dst, int dstWidth, int dstHeight);

// Repeats src over dst from the top-left corner.
void Tile(const Image& src, uint32_t* dst, int dstWidth, int dstHeight, int dstStride);

}  // namespace tg
