// Any bytes as a PCX header: refused unless 128 bytes starting with 10.
#include "imageinfo/PCXSummaryInfoPicker.h"
#include "tests/fuzz/HeaderReaderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CPCXSummaryInfoPicker reader;
    const HeaderValues v = CheckHeaderReader(reader, data, size);
    if (v.ok != (size >= 128 && data[0] == 10)) __builtin_trap();
    if (v.ok && (v.width < -65534 || v.width > 65536 || v.depth > 255)) __builtin_trap();
    return 0;
}
