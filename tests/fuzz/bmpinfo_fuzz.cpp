// Any bytes as a bitmap: refused unless "BM" and a whole header, else read in full.
#include <cstring>

#include "imageinfo/BmpInfoPicker.h"
#include "tests/fuzz/HeaderReaderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CBmpInfoPicker reader;
    const HeaderValues v = CheckHeaderReader(reader, data, size);
    const bool core = size >= 18 && data[14] == 12 && data[15] == 0 && data[16] == 0 && data[17] == 0;
    const bool expected = size >= 2 && std::memcmp(data, "BM", 2) == 0 && size >= (core ? 26u : 54u);
    if (v.ok != expected) __builtin_trap();
    if (v.ok && core && (v.width < 0 || v.width > 65535)) __builtin_trap();
    return 0;
}
