#include "tg/core/Tga.h"

namespace tg {
namespace {

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint8_t Expand5(unsigned v) {
    return static_cast<uint8_t>((v << 3) | (v >> 2));
}

struct Header {
    unsigned idLength, mapType, type, mapFirst, mapLength, mapEntryBits;
    int width, height;
    unsigned depth, descriptor;
};

enum Kind { kMapped, kTrue, kGrey };

bool ReadHeader(const uint8_t* d, size_t size, Header& h, Kind& kind, bool& rle) {
    if (size < 18) return false;
    h.idLength = d[0];
    h.mapType = d[1];
    h.type = d[2];
    h.mapFirst = U16(d + 3);
    h.mapLength = U16(d + 5);
    h.mapEntryBits = d[7];
    h.width = U16(d + 12);
    h.height = U16(d + 14);
    h.depth = d[16];
    h.descriptor = d[17];
    rle = h.type >= 9;
    switch (h.type & 7) {
        case 1:
            kind = kMapped;
            break;
        case 2:
            kind = kTrue;
            break;
        case 3:
            kind = kGrey;
            break;
        default:
            return false;
    }
    if (h.type != 1 && h.type != 2 && h.type != 3 && h.type != 9 && h.type != 10 && h.type != 11) return false;
    if (h.mapType > 1) return false;
    if (h.width == 0 || h.height == 0) return false;
    switch (kind) {
        case kMapped:
            if (h.mapType != 1 || (h.depth != 8 && h.depth != 16) || h.mapLength == 0) return false;
            if (h.mapEntryBits != 15 && h.mapEntryBits != 16 && h.mapEntryBits != 24 && h.mapEntryBits != 32)
                return false;
            break;
        case kTrue:
            if (h.depth != 15 && h.depth != 16 && h.depth != 24 && h.depth != 32) return false;
            break;
        case kGrey:
            if (h.depth != 8 && h.depth != 16) return false;  // 16: grey and alpha
            break;
    }
    return true;
}

// One colour of `bits` (15, 16, 24, 32) stored little-endian as BGR(A).
uint32_t ColourAt(const uint8_t* p, unsigned bits) {
    if (bits <= 16) {
        unsigned v = U16(p);
        return Pixel(Expand5((v >> 10) & 31), Expand5((v >> 5) & 31), Expand5(v & 31));
    }
    return Pixel(p[2], p[1], p[0]);
}

}  // namespace

bool TgaSize(const uint8_t* data, size_t size, int& width, int& height) {
    Header h;
    Kind kind;
    bool rle;
    if (!ReadHeader(data, size, h, kind, rle)) return false;
    width = h.width;
    height = h.height;
    return true;
}

bool DecodeTga(const uint8_t* data, size_t size, Image& out) {
    out = Image();
    Header h;
    Kind kind;
    bool rle;
    if (!ReadHeader(data, size, h, kind, rle)) return false;
    if (!FitsBudget(h.width, h.height)) return false;

    size_t pos = 18 + h.idLength;
    // The colour map, when present, is read even for true-colour pictures, only to skip it.
    std::vector<uint32_t> palette;
    if (h.mapType == 1) {
        const unsigned entryBytes = (h.mapEntryBits + 7) / 8;
        const size_t mapBytes = static_cast<size_t>(h.mapLength) * entryBytes;
        if (pos > size || size - pos < mapBytes) return false;
        if (kind == kMapped) {
            palette.resize(h.mapLength);
            for (unsigned i = 0; i < h.mapLength; ++i)
                palette[i] = ColourAt(data + pos + i * entryBytes, h.mapEntryBits);
        }
        pos += mapBytes;
    }
    if (pos > size) return false;

    const unsigned bpp = (h.depth + 7) / 8;
    const size_t count = static_cast<size_t>(h.width) * h.height;
    const size_t avail = size - pos;
    // Refuse before allocating when the data cannot possibly cover the picture:
    // a run packet (one byte and one pixel) covers at most 128 pixels.
    if (rle) {
        if (avail / (1 + bpp) < (count + 127) / 128) return false;
    } else if (avail / bpp < count) {
        return false;
    }

    auto convert = [&](const uint8_t* p, uint32_t& px) -> bool {
        switch (kind) {
            case kMapped: {
                unsigned index = bpp == 1 ? p[0] : U16(p);
                if (index < h.mapFirst || index - h.mapFirst >= palette.size()) return false;
                px = palette[index - h.mapFirst];
                return true;
            }
            case kGrey:
                px = Pixel(p[0], p[0], p[0]);
                return true;
            case kTrue:
                px = ColourAt(p, h.depth);
                return true;
        }
        return false;
    };

    if (!out.Allocate(h.width, h.height)) return false;
    // File order is row by row from the origin corner; the output is top-down, left-to-right.
    const bool rightToLeft = (h.descriptor & 0x10) != 0;
    const bool topDown = (h.descriptor & 0x20) != 0;
    int col = 0, row = 0;
    uint32_t* line = out.Row(topDown ? 0 : h.height - 1);
    auto put = [&](uint32_t px) {
        line[rightToLeft ? h.width - 1 - col : col] = px;
        if (++col == h.width) {
            col = 0;
            if (++row < h.height) line = out.Row(topDown ? row : h.height - 1 - row);
        }
    };
    auto fail = [&]() {
        out = Image();
        return false;
    };

    const uint8_t* src = data + pos;
    const uint8_t* end = data + size;
    uint32_t px = 0;
    if (!rle) {
        for (size_t i = 0; i < count; ++i, src += bpp) {
            if (!convert(src, px)) return fail();
            put(px);
        }
    } else {
        size_t i = 0;
        while (i < count) {
            if (src >= end) return fail();
            const unsigned head = *src++;
            const size_t n = (head & 0x7F) + 1u;
            if (n > count - i) return fail();  // a packet may cross rows but never the picture's end
            if (head & 0x80) {
                if (static_cast<size_t>(end - src) < bpp || !convert(src, px)) return fail();
                src += bpp;
                for (size_t k = 0; k < n; ++k) put(px);
            } else {
                if (static_cast<size_t>(end - src) / bpp < n) return fail();
                for (size_t k = 0; k < n; ++k, src += bpp) {
                    if (!convert(src, px)) return fail();
                    put(px);
                }
            }
            i += n;
        }
    }
    return true;
}

}  // namespace tg
