// Shared by the header reader fuzz targets: a reader either refuses the bytes or answers
// width, height and depth, and answers nothing else; the trace stays quiet.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Trace.h"
#include "imageinfo/SummaryInfoPicker.h"

struct HeaderValues {
    bool ok = false;
    int32_t width = 0, height = 0, depth = 0;
};

inline HeaderValues CheckHeaderReader(CSummaryInfoPicker& reader, const uint8_t* data, size_t size) {
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
