#include "settings/Version.h"

#include <cstdio>

std::string FormatVersion(uint32_t version) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%u.%02u", version >> 16, (version >> 8) & 0xFFu);
    return buf;
}
