// Any downloaded text as a site list: at most 25 valid sites, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/OptionData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    COptionData options;
    options.UpdateSiteList(text, 7);
    if (options.m_sites.size() > 25) __builtin_trap();
    for (CSiteItem site : options.m_sites) {
        if (!IsValidSite(site)) __builtin_trap();
    }
    return 0;
}
