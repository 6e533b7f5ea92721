// Any byte string as a picture for the plug-in's decoders, the first byte picking PCX, TGA or
// the eighth-size JPEG decoder, the rest being the file: decodes or fails, never crashes,
// hangs or overruns; what decodes has the size the header promised and shrinks without trouble.
#include <cstddef>
#include <cstdint>

#include "tg/core/JpegDc.h"
#include "tg/core/Pcx.h"
#include "tg/core/Scale.h"
#include "tg/core/Tga.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int format = data[0] % 3;
    ++data, --size;
    tg::Image img;
    int w = 0, h = 0;
    bool sized = false, decoded = false;
    if (format == 0) {
        sized = tg::PcxSize(data, size, w, h), decoded = tg::DecodePcx(data, size, img);
    } else if (format == 1) {
        sized = tg::TgaSize(data, size, w, h), decoded = tg::DecodeTga(data, size, img);
    } else {
        sized = tg::JpegDcSize(data, size, w, h), decoded = tg::DecodeJpegEighth(data, size, img);
        w = (w + 7) / 8, h = (h + 7) / 8;
    }
    if (decoded) {
        if (!sized || img.width != w || img.height != h) __builtin_trap();
        if (img.pixels.size() != static_cast<size_t>(w) * h) __builtin_trap();
        for (uint32_t px : img.pixels)
            if ((px >> 24) != 0xFF) __builtin_trap();
        tg::Image small;
        if (!tg::Resample(img, small, 1 + w / 3, 1 + h / 2)) __builtin_trap();
    } else if (!img.pixels.empty()) {
        __builtin_trap();
    }
    return 0;
}
