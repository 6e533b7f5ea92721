#include <cstdio>

#include "settings/OptionData.h"
#include "settings/Version.h"
#include "tools/Command.h"

namespace {
int Version(const std::vector<std::string>& args) {
    if (!args.empty()) return Usage("version");
    WriteOut(FormatVersion(kVelumVersion) + "\n");
    return 0;
}
CommandRegistrar reg("version", "version", Version);
}  // namespace
