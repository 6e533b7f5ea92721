#include "settings/Version.h"

#include <cstdio>

std::string FormatVersion(uint32_t version) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%u.%02u", version >> 16, (version >> 8) & 0xFFu);
    return buf;
}

std::string VersionToText(uint32_t version) {
    const uint32_t patch = version & 0xFFu;
    if (patch == 0) return FormatVersion(version);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%u.%u.%u", version >> 16, (version >> 8) & 0xFFu, patch);
    return buf;
}
