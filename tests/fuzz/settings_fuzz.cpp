// Any byte string as a settings file: loads or fails, never crashes or hangs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Trace.h"
#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = (SetTraceSink([](const std::string&) {}), true);
    (void)quiet;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    COptionData options;
    if (LoadSettingsBytes(bytes, options)) {
        COptionData again;
        if (!LoadSettingsBytes(SaveSettingsBytes(options), again)) __builtin_trap();
    }
    return 0;
}
