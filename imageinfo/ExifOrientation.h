// The orientation tag (0x0112) that cameras and phones write instead of turning the pixels:
// read from a JPEG's EXIF segment or a TIFF file's first directory. Every offset and count
// in the block is checked against the data; anything odd means "as stored" (1).
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

namespace exif {

// 1 as stored, 2 mirrored, 3 turned half way, 4 flipped, 5 mirrored and turned left,
// 6 turned right, 7 mirrored and turned right, 8 turned left (to show it upright).
constexpr int kUpright = 1;

// Reads n bytes at offset into buf; false when the data ends first.
using ReadAt = std::function<bool(uint64_t offset, void* buf, size_t n)>;

// A TIFF stream ("II*\0" or "MM\0*") whose first byte is at base.
int TiffOrientation(const ReadAt& read, uint64_t base = 0);
// The payload of an APP1 segment (after its length): "Exif\0\0" and a TIFF stream.
int App1Orientation(const uint8_t* data, size_t size);
// A JPEG file: the first EXIF segment before the frame header.
int JpegOrientation(const ReadAt& read);

// Orientations 5-8 store the picture on its side: width and height trade places.
inline bool SwapsAxes(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

// Reading from memory.
ReadAt MemoryReader(const uint8_t* data, size_t size);

}  // namespace exif
