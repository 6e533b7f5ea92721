#include "tg/core/Pcx.h"

namespace tg {
namespace {

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

struct Header {
    unsigned encoding, bits, planes, bytesPerLine;
    int width, height;
};

bool ReadHeader(const uint8_t* d, size_t size, Header& h) {
    if (size < 128 || d[0] != 10) return false;
    h.encoding = d[2];
    h.bits = d[3];
    const int xmin = U16(d + 4), ymin = U16(d + 6), xmax = U16(d + 8), ymax = U16(d + 10);
    h.planes = d[65];
    h.bytesPerLine = U16(d + 66);
    h.width = xmax - xmin + 1;
    h.height = ymax - ymin + 1;
    if (h.width <= 0 || h.height <= 0 || h.encoding > 1) return false;
    const bool paletted = (h.planes == 1 && (h.bits == 1 || h.bits == 2 || h.bits == 4 || h.bits == 8)) ||
                          (h.bits == 1 && h.planes >= 2 && h.planes <= 4);
    const bool colour = h.bits == 8 && (h.planes == 3 || h.planes == 4);
    if (!paletted && !colour) return false;
    // Every line must hold the whole width.
    if (static_cast<uint64_t>(h.bytesPerLine) * 8 < static_cast<uint64_t>(h.width) * h.bits) return false;
    return true;
}

}  // namespace

bool PcxSize(const uint8_t* data, size_t size, int& width, int& height) {
    Header h;
    if (!ReadHeader(data, size, h)) return false;
    width = h.width;
    height = h.height;
    return true;
}

bool DecodePcx(const uint8_t* data, size_t size, Image& out) {
    out = Image();
    Header h;
    if (!ReadHeader(data, size, h)) return false;
    if (!FitsBudget(h.width, h.height)) return false;

    const size_t lineBytes = static_cast<size_t>(h.bytesPerLine) * h.planes;
    const size_t total = lineBytes * static_cast<size_t>(h.height);
    const size_t avail = size - 128;
    // Refuse before allocating when the data cannot cover the picture: a run pair covers at most 63 bytes.
    if (h.encoding == 1 ? avail / 2 < (total + 62) / 63 : avail < total) return false;

    // The palette: 16 colours in the header, or 256 at the end after a byte 12.
    uint32_t palette[256];
    const uint8_t* end = data + size;
    if (h.planes == 1 && h.bits == 8) {
        if (size >= 128 + 769 && data[size - 769] == 12) {
            end = data + size - 769;  // picture data never runs into the palette
            const uint8_t* p = data + size - 768;
            for (int i = 0; i < 256; ++i) palette[i] = Pixel(p[3 * i], p[3 * i + 1], p[3 * i + 2]);
        } else {
            for (int i = 0; i < 256; ++i) palette[i] = Pixel(i, i, i);  // no palette: grey levels
        }
    } else {
        for (int i = 0; i < 16; ++i) palette[i] = Pixel(data[16 + 3 * i], data[17 + 3 * i], data[18 + 3 * i]);
        for (int i = 16; i < 256; ++i) palette[i] = palette[0];
        if (h.bits == 1 && h.planes == 1) {
            // Two-colour pictures are black and white whatever the header's palette says.
            palette[0] = Pixel(0, 0, 0);
            palette[1] = Pixel(255, 255, 255);
        }
    }

    if (!out.Allocate(h.width, h.height)) return false;
    std::vector<uint8_t> line(lineBytes);
    const uint8_t* src = data + 128;
    if (h.encoding == 0 && static_cast<size_t>(end - src) < total) {
        out = Image();
        return false;
    }
    unsigned runLeft = 0;
    uint8_t runValue = 0;
    for (int y = 0; y < h.height; ++y) {
        // Runs may carry over from one line to the next.
        for (size_t i = 0; i < lineBytes; ++i) {
            if (h.encoding == 0) {
                line[i] = *src++;
                continue;
            }
            if (runLeft == 0) {
                if (src >= end) {
                    out = Image();
                    return false;
                }
                const uint8_t b = *src++;
                if ((b & 0xC0) == 0xC0) {
                    if (src >= end) {
                        out = Image();
                        return false;
                    }
                    runLeft = b & 0x3F;
                    runValue = *src++;
                    if (runLeft == 0) {
                        --i;  // an empty run adds nothing
                        continue;
                    }
                } else {
                    runLeft = 1;
                    runValue = b;
                }
            }
            line[i] = runValue;
            --runLeft;
        }

        uint32_t* dst = out.Row(y);
        const uint8_t* planes = line.data();
        if (h.bits == 8 && h.planes >= 3) {
            const uint8_t* r = planes;
            const uint8_t* g = planes + h.bytesPerLine;
            const uint8_t* b = planes + 2 * h.bytesPerLine;
            for (int x = 0; x < h.width; ++x) dst[x] = Pixel(r[x], g[x], b[x]);
        } else if (h.planes == 1) {
            const unsigned bits = h.bits, mask = (1u << bits) - 1, perByte = 8 / bits;
            for (int x = 0; x < h.width; ++x) {
                const unsigned shift = 8 - bits * (x % perByte + 1);
                dst[x] = palette[(planes[x / perByte] >> shift) & mask];
            }
        } else {
            for (int x = 0; x < h.width; ++x) {
                unsigned index = 0;
                for (unsigned p = 0; p < h.planes; ++p)
                    index |= ((planes[p * h.bytesPerLine + x / 8] >> (7 - x % 8)) & 1u) << p;
                dst[x] = palette[index];
            }
        }
    }
    return true;
}

}  // namespace tg
