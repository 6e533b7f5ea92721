#include "tg/core/Image.h"

namespace tg {

bool FitsBudget(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0) return false;
    if (width > 0x7FFFFFFF / 4 || height > 0x7FFFFFFF) return false;
    return static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4u <= kMaxDecodedBytes;
}

bool Image::Allocate(int w, int h) {
    pixels.clear();
    width = height = 0;
    if (!FitsBudget(w, h)) return false;
    pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0xFF000000u);
    width = w;
    height = h;
    return true;
}

}  // namespace tg
