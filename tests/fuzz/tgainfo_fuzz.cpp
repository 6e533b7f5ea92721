// Any bytes as a Targa header: 18 bytes or more are always read.
#include "imageinfo/TGASummaryInfoPicker.h"
#include "tests/fuzz/HeaderReaderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CTGASummaryInfoPicker reader;
    const HeaderValues v = CheckHeaderReader(reader, data, size);
    if (v.ok != (size >= 18)) __builtin_trap();
    if (v.ok && (v.depth < -128 || v.depth > 127)) __builtin_trap();
    return 0;
}
