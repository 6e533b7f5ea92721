// Decoded pictures as the plug-in hands them on: 32-bit BGRA, top row first,
// alpha 0xFF on every pixel (layered windows under Wine show nothing where it is 0).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tg {

// No picture, decoded or rendered, may need more than this.
constexpr uint64_t kMaxDecodedBytes = 256ull << 20;

// True when a width x height picture of 4-byte pixels stays within the budget.
bool FitsBudget(int64_t width, int64_t height);

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // width * height, 0xAARRGGBB

    // Fails (and leaves the image empty) when the size is not positive or over budget.
    bool Allocate(int w, int h);
    uint32_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
    const uint32_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
};

inline uint32_t Pixel(uint8_t r, uint8_t g, uint8_t b) {
    return 0xFF000000u | (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
}

}  // namespace tg
