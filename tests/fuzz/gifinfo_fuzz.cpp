// Any bytes as a GIF: refused unless "GIF" and 13 bytes; the depth is always 1 to 8.
#include <cstring>

#include "imageinfo/GifSummaryInfoPicker.h"
#include "tests/fuzz/HeaderReaderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CGifSummaryInfoPicker reader;
    const HeaderValues v = CheckHeaderReader(reader, data, size);
    if (v.ok != (size >= 13 && std::memcmp(data, "GIF", 3) == 0)) __builtin_trap();
    if (v.ok && (v.depth < 1 || v.depth > 8 || v.width > 65535 || v.height > 65535)) __builtin_trap();
    return 0;
}
