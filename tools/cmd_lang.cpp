#include "base/File.h"
#include "base/Json.h"
#include "lang/LanguageManager.h"
#include "tools/Command.h"

namespace {
const char kUsage[] = "lang get FILE SECTION KEY | lang font FILE SECTION | lang info FILE | lang catalog FOLDER";

int Get(const std::vector<std::string>& args) {
    CLanguageManager mgr;
    if (!mgr.LoadLanguage(args[1])) return Fail("cannot load " + args[1]);
    std::string text;
    if (!mgr.GetString(args[2], args[3], text))
        return Fail("no key \"" + args[3] + "\" in section \"" + args[2] + "\"");
    WriteOut(text);
    return 0;
}

int Font(const std::vector<std::string>& args) {
    CLanguageManager mgr;
    if (!mgr.LoadLanguage(args[1])) return Fail("cannot load " + args[1]);
    CLangFont font;
    if (!mgr.GetFont(args[2], font)) return Fail("no valid font in section \"" + args[2] + "\"");
    JsonWriter w;
    w.BeginObject().Key("name").Value(font.m_strName).Key("size").Value(font.m_nSize);
    w.Key("weight").Value(font.m_nWeight).EndObject();
    WriteOut(w.Str() + "\n");
    return 0;
}

int Info(const std::vector<std::string>& args) {
    std::string bytes;
    if (ReadFileBytes(args[1], bytes, kMaxLanguageFileBytes) != ReadResult::Ok) return Fail("cannot read " + args[1]);
    CLangInfo info;
    if (!ReadLangInfo(bytes, info)) return Fail("no information section in " + args[1]);
    JsonWriter w;
    w.BeginObject().Key("lang name").Value(info.m_strLangName).Key("author").Value(info.m_strAuthor);
    w.Key("version").Value(info.m_strVersion).Key("vm ver").Value(info.m_strVmVer).EndObject();
    WriteOut(w.Str() + "\n");
    return 0;
}

int Catalog(const std::vector<std::string>& args) {
    CLanguageManager mgr;
    if (!mgr.EnumLanguages(args[1], "vm*.lng")) return Fail("no language file in " + args[1]);
    JsonWriter w;
    w.BeginArray();
    for (const CLangInfo& info : mgr.GetCatalogue()) {
        w.BeginObject().Key("name").Value(info.m_strLangName).Key("path").Name(info.m_strPath).EndObject();
    }
    w.EndArray();
    WriteOut(w.Str() + "\n");
    return 0;
}

int Lang(const std::vector<std::string>& args) {
    const size_t n = args.size();
    if (n == 4 && args[0] == "get") return Get(args);
    if (n == 3 && args[0] == "font") return Font(args);
    if (n == 2 && args[0] == "info") return Info(args);
    if (n == 2 && args[0] == "catalog") return Catalog(args);
    return Usage(kUsage);
}
CommandRegistrar reg("lang", kUsage, Lang);
}  // namespace
