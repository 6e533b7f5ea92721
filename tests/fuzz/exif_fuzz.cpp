// Any bytes as a JPEG, an EXIF segment and a TIFF file: the orientation is one of the
// eight, never an offset followed out of the data. Turning a picture keeps its pixels.
#include "imageinfo/ExifOrientation.h"
#include "tg/core/Orientation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const exif::ReadAt read = exif::MemoryReader(data, size);
    const int orientations[] = {exif::JpegOrientation(read), exif::TiffOrientation(read),
                                exif::App1Orientation(data, size)};
    for (int o : orientations) {
        if (o < 1 || o > 8) __builtin_trap();
    }
    if (size < 2) return 0;
    tg::Image pic;
    const int w = data[0] % 7 + 1, h = data[1] % 5 + 1;
    if (!pic.Allocate(w, h)) __builtin_trap();
    uint64_t sum = 0;
    for (size_t i = 0; i < pic.pixels.size(); ++i) sum += pic.pixels[i] = static_cast<uint32_t>(i * 2654435761u);
    if (!tg::Orient(pic, orientations[0] == 1 ? data[0] % 9 : orientations[0])) __builtin_trap();
    uint64_t after = 0;
    for (uint32_t p : pic.pixels) after += p;
    if (after != sum || static_cast<size_t>(pic.width) * pic.height != pic.pixels.size()) __builtin_trap();
    return 0;
}
