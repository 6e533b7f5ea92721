#include "base/File.h"
#include "base/Json.h"
#include "settings/OptionData.h"
#include "settings/OptionDataJson.h"
#include "tools/Command.h"

namespace {
const char kUsage[] = "sites parse FILE";

int Sites(const std::vector<std::string>& args) {
    if (args.size() != 2 || args[0] != "parse") return Usage(kUsage);
    std::string text;
    if (ReadFileBytes(args[1], text, 64u << 20) != ReadResult::Ok) return Fail("cannot read " + args[1]);
    COptionData data;
    data.UpdateSiteList(text, 1);
    JsonWriter w;
    w.BeginArray();
    for (const CSiteItem& site : data.m_sites) w.Raw(SiteItemToJson(site));
    w.EndArray();
    WriteOut(w.Str() + "\n");
    return 0;
}
CommandRegistrar reg("sites", kUsage, Sites);
}  // namespace
