#include "imageinfo/ExifOrientation.h"

#include <cstring>
#include <vector>

namespace exif {

namespace {

constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kTypeShort = 3;
// A first directory longer than this is damage; real ones hold a few dozen entries.
constexpr uint16_t kMaxEntries = 1024;

}  // namespace

int TiffOrientation(const ReadAt& read, uint64_t base) {
    uint8_t head[8];
    if (!read(base, head, sizeof head)) return kUpright;
    bool big;
    if (head[0] == 'I' && head[1] == 'I') {
        big = false;
    } else if (head[0] == 'M' && head[1] == 'M') {
        big = true;
    } else {
        return kUpright;
    }
    auto u16 = [big](const uint8_t* p) { return static_cast<uint16_t>(big ? (p[0] << 8) | p[1] : p[0] | (p[1] << 8)); };
    auto u32 = [big](const uint8_t* p) {
        return big ? (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3]
                   : uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
    };
    if (u16(head + 2) != 42) return kUpright;
    const uint32_t ifd = u32(head + 4);
    if (ifd < 8) return kUpright;  // would point back into the header
    uint8_t countBytes[2];
    if (!read(base + ifd, countBytes, 2)) return kUpright;
    const uint16_t count = u16(countBytes);
    if (count > kMaxEntries) return kUpright;
    for (uint16_t i = 0; i < count; ++i) {
        uint8_t e[12];
        if (!read(base + ifd + 2 + 12ull * i, e, sizeof e)) return kUpright;
        if (u16(e) != kOrientationTag) continue;
        if (u16(e + 2) != kTypeShort || u32(e + 4) < 1) return kUpright;
        const uint16_t value = u16(e + 8);
        return value >= 1 && value <= 8 ? value : kUpright;
    }
    return kUpright;
}

ReadAt MemoryReader(const uint8_t* data, size_t size) {
    return [data, size](uint64_t offset, void* buf, size_t n) {
        if (offset > size || n > size - offset) return false;
        std::memcpy(buf, data + offset, n);
        return true;
    };
}

int App1Orientation(const uint8_t* data, size_t size) {
    if (size < 6 || std::memcmp(data, "Exif\0\0", 6) != 0) return kUpright;
    return TiffOrientation(MemoryReader(data + 6, size - 6));
}

int JpegOrientation(const ReadAt& read) {
    uint8_t m[4];
    if (!read(0, m, 2) || m[0] != 0xFF || m[1] != 0xD8) return kUpright;
    uint64_t at = 2;
    // Cameras put EXIF right after the start of image; a few segments in is as far as we look.
    for (int segment = 0; segment < 64; ++segment) {
        if (!read(at, m, 4) || m[0] != 0xFF) return kUpright;
        const int marker = m[1];
        const size_t len = (size_t(m[2]) << 8) | m[3];
        if (marker == 0xDA || (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xCC) || len < 2)
            return kUpright;
        if (marker == 0xE1 && len >= 8) {
            std::vector<uint8_t> body(len - 2);
            if (!read(at + 4, body.data(), body.size())) return kUpright;
            if (std::memcmp(body.data(), "Exif\0\0", 6) == 0) return App1Orientation(body.data(), body.size());
        }
        at += 2 + len;
    }
    return kUpright;
}

}  // namespace exif
