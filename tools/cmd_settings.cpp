#include "base/Json.h"
#include "settings/OptionDataJson.h"
#include "settings/SettingsFile.h"
#include "tools/Command.h"

namespace {
const char kUsage[] = "settings show FILE | settings defaults | settings write FILE";

int Settings(const std::vector<std::string>& args) {
    if (args.empty()) return Usage(kUsage);
    const std::string& verb = args[0];
    if (verb == "show" && args.size() == 2) {
        COptionData data;
        uint32_t version = 0;
        if (!LoadSettingsFile(args[1], data, &version)) return Fail("cannot load settings file " + args[1]);
        WriteOut(OptionDataToJson(data, version) + "\n");
        return 0;
    }
    if (verb == "defaults" && args.size() == 1) {
        COptionData data;
        data.SetDefaults();
        WriteOut(OptionDataToJson(data, kVelumVersion) + "\n");
        return 0;
    }
    if (verb == "write" && args.size() == 2) {
        JsonValue json;
        std::string error;
        if (!ParseJson(ReadAllStdin(), json, &error)) return Fail("bad JSON: " + error);
        COptionData data;
        if (!OptionDataFromJson(json, data, &error)) return Fail(error);
        if (!SaveSettingsFile(args[1], data)) return Fail("cannot write settings file " + args[1]);
        return 0;
    }
    return Usage(kUsage);
}
CommandRegistrar reg("settings", kUsage, Settings);
}  // namespace
