// Real picture files of known pixels for tests: uncompressed 24-bit BMP, which every
// decoder reads.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

// colour(x, y) is 0xRRGGBB with y = 0 the top row.
inline std::string BmpBytes(int w, int h, const std::function<uint32_t(int x, int y)>& colour) {
    const int stride = (w * 3 + 3) & ~3;
    std::string f(54 + static_cast<size_t>(stride) * h, '\0');
    auto put32 = [&f](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) f[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    f[0] = 'B';
    f[1] = 'M';
    put32(2, static_cast<uint32_t>(f.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    f[26] = 1;
    f[28] = 24;
    for (int y = 0; y < h; ++y) {
        char* row = &f[54 + static_cast<size_t>(h - 1 - y) * stride];  // stored bottom-up
        for (int x = 0; x < w; ++x) {
            const uint32_t c = colour(x, y);
            row[3 * x] = static_cast<char>(c & 0xFF);
            row[3 * x + 1] = static_cast<char>((c >> 8) & 0xFF);
            row[3 * x + 2] = static_cast<char>((c >> 16) & 0xFF);
        }
    }
    return f;
}

inline std::string BmpBytes(int w, int h, uint32_t rgb) {
    return BmpBytes(w, h, [rgb](int, int) { return rgb; });
}
