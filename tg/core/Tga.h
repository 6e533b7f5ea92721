// Truevision targa pictures: colour-mapped, true-colour and grey, plain or run-length
// encoded, 8, 15, 16, 24 and 32 bits, any origin corner.
#pragma once
#include "tg/core/Image.h"

namespace tg {

// The picture's size from the header alone; false when the header is not a picture we read.
bool TgaSize(const uint8_t* data, size_t size, int& width, int& height);
// False for anything damaged, truncated, unsupported or over budget; out is then empty.
bool DecodeTga(const uint8_t* data, size_t size, Image& out);

}  // namespace tg
