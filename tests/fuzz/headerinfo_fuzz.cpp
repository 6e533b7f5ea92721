// Any bytes as a picture header; the first byte picks the reader (BMP, GIF, JPEG, PCX, TGA,
// EXIF orientation), the rest is the file. Each reader refuses or reads as its format allows;
// an orientation is one of the eight, never an offset followed out of the data.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "base/Trace.h"
#include "imageinfo/BmpInfoPicker.h"
#include "imageinfo/ExifOrientation.h"
#include "imageinfo/GifSummaryInfoPicker.h"
#include "imageinfo/JpgSummaryInfoPicker.h"
#include "imageinfo/PCXSummaryInfoPicker.h"
#include "imageinfo/TGASummaryInfoPicker.h"
#include "imageinfo/SummaryInfoPicker.h"
#include "tg/core/Orientation.h"

namespace {

// A reader either refuses the bytes or answers width, height and depth, and nothing else;
// the trace stays quiet.
struct HeaderValues {
    bool ok = false;
    int32_t width = 0, height = 0, depth = 0;
};

HeaderValues CheckHeaderReader(CSummaryInfoPicker& reader, const uint8_t* data, size_t size) {
    static bool quiet = (SetTraceSink([](const std::string&) {}), true);
    (void)quiet;
    reader.InitExtensions();
    HeaderValues v;
    v.ok = reader.OpenBytes(data, size);
    int32_t unused = 0;
    if (v.ok != (reader.State() == CSummaryInfoPicker::kStateRead)) __builtin_trap();
    if (v.ok) {
        if (!reader.GetValue(kInfoKeyWidth, v.width) || !reader.GetValue(kInfoKeyHeight, v.height) ||
            !reader.GetValue(kInfoKeyDepth, v.depth)) {
            __builtin_trap();
        }
        if (reader.GetValue(kInfoKeyReserved1, unused) || reader.GetValue(kInfoKeyReserved2, unused)) __builtin_trap();
    } else if (reader.GetValue(kInfoKeyWidth, unused)) {
        __builtin_trap();
    }
    return v;
}

void Bmp(const uint8_t* data, size_t size) {
    CBmpInfoPicker reader;
    const HeaderValues v = CheckHeaderReader(reader, data, size);
    const bool core = size >= 18 && data[14] == 12 && data[15] == 0 && data[16] == 0 && data[17] == 0;
    const bool expected = size >= 2 && std::memcmp(data, "BM", 2) == 0 && size >= (core ? 26u : 54u);
    if (v.ok != expected) __builtin_trap();
    if (v.ok && core && (v.width < 0 || v.width > 65535)) __builtin_trap();
}

void Gif(const uint8_t* data, size_t size) {
    CGifSummaryInfoPicker reader;
    const HeaderValues v = CheckHeaderReader(reader, data, size);
    if (v.ok != (size >= 13 && std::memcmp(data, "GIF", 3) == 0)) __builtin_trap();
    if (v.ok && (v.depth < 1 || v.depth > 8 || v.width > 65535 || v.height > 65535)) __builtin_trap();
}

// The same reader is used twice to catch state that leaks from one read into the next.
void Jpg(const uint8_t* data, size_t size) {
    static CJpgSummaryInfoPicker reused;
    CJpgSummaryInfoPicker fresh;
    const HeaderValues a = CheckHeaderReader(fresh, data, size);
    const HeaderValues b = CheckHeaderReader(reused, data, size);
    if (a.ok != b.ok || a.width != b.width || a.height != b.height) __builtin_trap();
    if (a.ok) {
        if (fresh.FrameHeaders().empty() || a.depth != 24) __builtin_trap();
        const CJpgFrameHeader& frame = fresh.FrameHeaders().front();
        const int upright = exif::SwapsAxes(fresh.Orientation()) ? frame.m_nHeight : frame.m_nWidth;
        if (a.width != upright || frame.m_nComponents == 0) __builtin_trap();
    }
    if (fresh.FrameHeaders().size() > CJpgSummaryInfoPicker::kMaxKeptFrames) __builtin_trap();
}

void Pcx(const uint8_t* data, size_t size) {
    CPCXSummaryInfoPicker reader;
    const HeaderValues v = CheckHeaderReader(reader, data, size);
    if (v.ok != (size >= 128 && data[0] == 10)) __builtin_trap();
    if (v.ok && (v.width < -65534 || v.width > 65536 || v.depth > 255)) __builtin_trap();
}

void Tga(const uint8_t* data, size_t size) {
    CTGASummaryInfoPicker reader;
    const HeaderValues v = CheckHeaderReader(reader, data, size);
    if (v.ok != (size >= 18)) __builtin_trap();
    if (v.ok && (v.depth < -128 || v.depth > 127)) __builtin_trap();
}

// Turning a picture by what was read keeps its pixels.
void Exif(const uint8_t* data, size_t size) {
    const exif::ReadAt read = exif::MemoryReader(data, size);
    const int orientations[] = {exif::JpegOrientation(read), exif::TiffOrientation(read),
                                exif::App1Orientation(data, size)};
    for (int o : orientations) {
        if (o < 1 || o > 8) __builtin_trap();
    }
    if (size < 2) return;
    tg::Image pic;
    if (!pic.Allocate(data[0] % 7 + 1, data[1] % 5 + 1)) __builtin_trap();
    uint64_t sum = 0, after = 0;
    for (size_t i = 0; i < pic.pixels.size(); ++i) sum += pic.pixels[i] = static_cast<uint32_t>(i * 2654435761u);
    if (!tg::Orient(pic, orientations[0] == 1 ? data[0] % 9 : orientations[0])) __builtin_trap();
    for (uint32_t p : pic.pixels) after += p;
    if (after != sum || static_cast<size_t>(pic.width) * pic.height != pic.pixels.size()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static void (*const kReaders[])(const uint8_t*, size_t) = {Bmp, Gif, Jpg, Pcx, Tga, Exif};
    kReaders[data[0] % 6](data + 1, size - 1);
    return 0;
}
