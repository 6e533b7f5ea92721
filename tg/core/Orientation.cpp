#include "tg/core/Orientation.h"

#include <new>
#include <utility>

namespace tg {

bool Orient(Image& pic, int orientation) {
    if (orientation < 2 || orientation > 8) return true;
    const int w = pic.width, h = pic.height;
    const bool swap = orientation >= 5;
    Image out;
    try {
        out.pixels.resize(pic.pixels.size());
    } catch (const std::bad_alloc&) {
        return false;
    }
    out.width = swap ? h : w;
    out.height = swap ? w : h;
    for (int y = 0; y < out.height; ++y) {
        uint32_t* row = out.Row(y);
        for (int x = 0; x < out.width; ++x) {
            int sx = x, sy = y;  // where the upright pixel (x, y) is stored
            switch (orientation) {
                case 2:
                    sx = w - 1 - x;
                    break;
                case 3:
                    sx = w - 1 - x;
                    sy = h - 1 - y;
                    break;
                case 4:
                    sy = h - 1 - y;
                    break;
                case 5:
                    sx = y;
                    sy = x;
                    break;
                case 6:
                    sx = y;
                    sy = h - 1 - x;
                    break;
                case 7:
                    sx = w - 1 - y;
                    sy = h - 1 - x;
                    break;
                default:
                    sx = w - 1 - y;
                    sy = x;
                    break;  // 8
            }
            row[x] = pic.pixels[static_cast<size_t>(sy) * w + sx];
        }
    }
    pic = std::move(out);
    return true;
}

}  // namespace tg
