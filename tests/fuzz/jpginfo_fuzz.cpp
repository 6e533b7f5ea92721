// Any bytes as a JPEG: the marker walk ends cleanly, and a read stream reports its first
// frame's size with depth 24. The same reader is used twice to catch state that leaks
// from one read into the next.
#include "imageinfo/ExifOrientation.h"
#include "imageinfo/JpgSummaryInfoPicker.h"
#include "tests/fuzz/HeaderReaderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CJpgSummaryInfoPicker reused;
    CJpgSummaryInfoPicker fresh;
    const HeaderValues a = CheckHeaderReader(fresh, data, size);
    const HeaderValues b = CheckHeaderReader(reused, data, size);
    if (a.ok != b.ok || a.width != b.width || a.height != b.height) __builtin_trap();
    if (a.ok) {
        if (fresh.FrameHeaders().empty() || a.depth != 24) __builtin_trap();
        const CJpgFrameHeader& frame = fresh.FrameHeaders().front();
        const int upright = exif::SwapsAxes(fresh.Orientation()) ? frame.m_nHeight : frame.m_nWidth;
        if (a.width != upright || frame.m_nComponents == 0) {
            __builtin_trap();
        }
    }
    if (fresh.FrameHeaders().size() > CJpgSummaryInfoPicker::kMaxKeptFrames) __builtin_trap();
    return 0;
}
