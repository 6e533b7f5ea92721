// Any byte string as a JPEG for the eighth-size decoder: decodes or fails, never crashes,
// hangs or overruns; what decodes is one eighth of the size the header promised.
#include <cstddef>
#include <cstdint>

#include "tg/core/JpegDc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tg::Image img;
    int w = 0, h = 0;
    const bool sized = tg::JpegDcSize(data, size, w, h);
    if (tg::DecodeJpegEighth(data, size, img)) {
        if (!sized || img.width != (w + 7) / 8 || img.height != (h + 7) / 8) __builtin_trap();
        for (uint32_t px : img.pixels)
            if ((px >> 24) != 0xFF) __builtin_trap();
    } else if (!img.pixels.empty()) {
        __builtin_trap();
    }
    return 0;
}
