#include "tg/core/Scale.h"

#include <algorithm>
#include <cstring>

namespace tg {
namespace {

constexpr int kWeightBits = 14;
constexpr int32_t kOne = 1 << kWeightBits;

// For each output index, the source indices it takes from and their weights (summing to kOne).
struct Taps {
    std::vector<int> first;   // first source index per output index
    std::vector<int> count;   // number of taps per output index
    std::vector<int> offset;  // start of its weights in `weights`
    std::vector<int32_t> weights;
};

void MakeTaps(int src, int dst, Taps& t) {
    t.first.resize(dst);
    t.count.resize(dst);
    t.offset.resize(dst);
    t.weights.clear();
    if (dst <= src) {
        // Area: output i covers [i * src / dst, (i + 1) * src / dst) in source units; in
        // fixed point with dst as the unit, a source pixel spans dst and an output pixel src.
        for (int i = 0; i < dst; ++i) {
            const int64_t lo = int64_t(i) * src, hi = int64_t(i + 1) * src;  // in 1/dst source pixels
            const int s0 = static_cast<int>(lo / dst);
            const int s1 = static_cast<int>((hi + dst - 1) / dst);  // exclusive
            t.first[i] = s0;
            t.count[i] = s1 - s0;
            t.offset[i] = static_cast<int>(t.weights.size());
            int32_t sum = 0;
            int biggest = 0;
            for (int s = s0; s < s1; ++s) {
                const int64_t a = std::max<int64_t>(lo, int64_t(s) * dst);
                const int64_t b = std::min<int64_t>(hi, int64_t(s + 1) * dst);
                const int32_t w = static_cast<int32_t>(((b - a) * kOne + src / 2) / src);
                t.weights.push_back(w);
                sum += w;
                if (w > t.weights[t.offset[i] + biggest]) biggest = s - s0;
            }
            t.weights[t.offset[i] + biggest] += kOne - sum;  // rounding leftovers
        }
    } else {
        // Linear: centres aligned, edges clamped.
        for (int i = 0; i < dst; ++i) {
            const double pos = (i + 0.5) * src / dst - 0.5;
            int s0 = static_cast<int>(pos < 0 ? -1 : pos);
            double frac = pos - s0;
            if (s0 < 0) {
                s0 = 0;
                frac = 0;
            }
            if (s0 >= src - 1) {
                s0 = src - 1;
                frac = 0;
            }
            const int32_t w1 = static_cast<int32_t>(frac * kOne + 0.5);
            t.first[i] = s0;
            t.offset[i] = static_cast<int>(t.weights.size());
            t.weights.push_back(kOne - w1);
            if (w1 > 0) {
                t.weights.push_back(w1);
                t.count[i] = 2;
            } else {
                t.count[i] = 1;
            }
        }
    }
}

// One source row resampled across: three channels, 8.6 fixed point (fits 16 bits).
void ScaleRow(const uint32_t* src, const Taps& t, int dstWidth, uint16_t* out) {
    for (int x = 0; x < dstWidth; ++x) {
        const uint32_t* p = src + t.first[x];
        const int32_t* w = t.weights.data() + t.offset[x];
        uint32_t r = 0, g = 0, b = 0;
        for (int k = 0, n = t.count[x]; k < n; ++k) {
            const uint32_t px = p[k];
            const uint32_t wk = static_cast<uint32_t>(w[k]);
            r += ((px >> 16) & 0xFF) * wk;
            g += ((px >> 8) & 0xFF) * wk;
            b += (px & 0xFF) * wk;
        }
        constexpr int kShift = kWeightBits - 6;
        out[3 * x] = static_cast<uint16_t>((r + (1u << (kShift - 1))) >> kShift);
        out[3 * x + 1] = static_cast<uint16_t>((g + (1u << (kShift - 1))) >> kShift);
        out[3 * x + 2] = static_cast<uint16_t>((b + (1u << (kShift - 1))) >> kShift);
    }
}

}  // namespace

bool Resample(const uint32_t* src, int srcWidth, int srcHeight, int srcStride, uint32_t* dst, int dstWidth,
              int dstHeight, int dstStride) {
    if (srcWidth <= 0 || srcHeight <= 0 || dstWidth <= 0 || dstHeight <= 0) return false;
    if (srcWidth == dstWidth && srcHeight == dstHeight) {
        for (int y = 0; y < dstHeight; ++y) {
            const uint32_t* s = src + static_cast<size_t>(y) * srcStride;
            uint32_t* d = dst + static_cast<size_t>(y) * dstStride;
            for (int x = 0; x < dstWidth; ++x) d[x] = s[x] | 0xFF000000u;
        }
        return true;
    }
    Taps tx, ty;
    MakeTaps(srcWidth, dstWidth, tx);
    MakeTaps(srcHeight, dstHeight, ty);

    // Source rows resampled across, cached: consecutive output rows share at most their edge rows.
    const size_t rowLen = static_cast<size_t>(dstWidth) * 3;
    std::vector<uint16_t> cache(rowLen * 2);
    int cachedRow[2] = {-1, -1};
    std::vector<uint32_t> acc(rowLen);
    auto rowOf = [&](int sy) -> const uint16_t* {
        for (int k = 0; k < 2; ++k)
            if (cachedRow[k] == sy) return cache.data() + k * rowLen;
        const int k = cachedRow[0] < cachedRow[1] ? 0 : 1;  // evict the older one
        ScaleRow(src + static_cast<size_t>(sy) * srcStride, tx, dstWidth, cache.data() + k * rowLen);
        cachedRow[k] = sy;
        return cache.data() + k * rowLen;
    };
    for (int y = 0; y < dstHeight; ++y) {
        std::fill(acc.begin(), acc.end(), 0u);
        const int32_t* w = ty.weights.data() + ty.offset[y];
        for (int k = 0, n = ty.count[y]; k < n; ++k) {
            const uint16_t* row = rowOf(ty.first[y] + k);
            const uint32_t wk = static_cast<uint32_t>(w[k]);
            for (size_t i = 0; i < rowLen; ++i) acc[i] += row[i] * wk;
        }
        uint32_t* d = dst + static_cast<size_t>(y) * dstStride;
        constexpr int kShift = kWeightBits + 6;
        for (int x = 0; x < dstWidth; ++x) {
            const uint32_t r = (acc[3 * x] + (1u << (kShift - 1))) >> kShift;
            const uint32_t g = (acc[3 * x + 1] + (1u << (kShift - 1))) >> kShift;
            const uint32_t b = (acc[3 * x + 2] + (1u << (kShift - 1))) >> kShift;
            d[x] = 0xFF000000u | (std::min(r, 255u) << 16) | (std::min(g, 255u) << 8) | std::min(b, 255u);
        }
    }
    return true;
}

bool Resample(const Image& src, Image& dst, int dstWidth, int dstHeight) {
    if (src.width <= 0 || src.height <= 0 || !dst.Allocate(dstWidth, dstHeight)) return false;
    return Resample(src.pixels.data(), src.width, src.height, src.width, dst.pixels.data(), dstWidth, dstHeight,
                    dstWidth);
}

void Tile(const Image& src, uint32_t* dst, int dstWidth, int dstHeight, int dstStride) {
    if (src.width <= 0 || src.height <= 0) return;
    for (int y = 0; y < dstHeight; ++y) {
        const uint32_t* s = src.Row(y % src.height);
        uint32_t* d = dst + static_cast<size_t>(y) * dstStride;
        for (int x = 0; x < dstWidth; x += src.width)
            std::memcpy(d + x, s, sizeof(uint32_t) * std::min(src.width, dstWidth - x));
    }
}

}  // namespace tg
