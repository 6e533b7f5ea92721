// The plug-in's downscaler alone on decoded pixels: reads a binary PPM, shrinks it to fit
// W x H N times, prints the mean milliseconds and writes the result as a PPM.
//   scale_bench IN.ppm W H N OUT.ppm
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tg/core/Scale.h"
#include "tg/core/Sizing.h"

namespace {
bool ReadPpm(const char* path, tg::Image& img) {
    FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    int w = 0, h = 0, max = 0;
    if (std::fscanf(f, "P6 %d %d %d", &w, &h, &max) != 3 || max != 255 || std::fgetc(f) == EOF || !img.Allocate(w, h)) {
        std::fclose(f);
        return false;
    }
    std::string row(static_cast<size_t>(w) * 3, '\0');
    for (int y = 0; y < h; ++y) {
        if (std::fread(&row[0], 1, row.size(), f) != row.size()) {
            std::fclose(f);
            return false;
        }
        uint32_t* d = img.Row(y);
        for (int x = 0; x < w; ++x)
            d[x] = tg::Pixel(static_cast<uint8_t>(row[3 * x]), static_cast<uint8_t>(row[3 * x + 1]),
                             static_cast<uint8_t>(row[3 * x + 2]));
    }
    std::fclose(f);
    return true;
}

bool WritePpm(const char* path, const tg::Image& img) {
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", img.width, img.height);
    for (uint32_t px : img.pixels) {
        const unsigned char rgb[3] = {static_cast<unsigned char>(px >> 16), static_cast<unsigned char>(px >> 8),
                                      static_cast<unsigned char>(px)};
        std::fwrite(rgb, 1, 3, f);
    }
    return std::fclose(f) == 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: scale_bench IN.ppm W H N OUT.ppm\n");
        return 2;
    }
    tg::Image src, dst;
    if (!ReadPpm(argv[1], src)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    int w = 0, h = 0;
    tg::FitInside(src.width, src.height, std::atoi(argv[2]), std::atoi(argv[3]), w, h);
    const int n = std::atoi(argv[4]) > 0 ? std::atoi(argv[4]) : 1;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) tg::Resample(src, dst, w, h);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / n;
    std::printf("%.1f\n", ms);
    return WritePpm(argv[5], dst) ? 0 : 1;
}
