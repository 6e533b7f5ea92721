// PCX pictures: 1, 2, 4 and 8 bits per pixel with a palette (1-bit planes up to four),
// and 24/32-bit colour as three or four 8-bit planes; run-length encoded or plain.
#pragma once
#include "tg/core/Image.h"

namespace tg {

bool PcxSize(const uint8_t* data, size_t size, int& width, int& height);
// False for anything damaged, truncated, unsupported or over budget; out is then empty.
bool DecodePcx(const uint8_t* data, size_t size, Image& out);

}  // namespace tg
