// Any bytes given as a language file load or fail cleanly, and lookups on what loaded
// never read outside it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "lang/LangKeys.h"
#include "lang/LanguageManager.h"

namespace {
class NoFolder : public ILanguageFolder {
public:
    void FindMatches(const std::string&, std::vector<std::string>&) override {}
    int CompareNames(const std::string& a, const std::string& b) override { return a.compare(b); }
};

// Code page 932's lead bytes, so that files naming it walk their double-byte characters.
class DoubleByteCodePages : public ITextCodePages {
public:
    unsigned AnsiCodePage() const override { return 1252; }
    bool IsLeadByte(unsigned codePage, unsigned char c) const override {
        return codePage == 932 && ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC));
    }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    CLangInfo info;
    ReadLangInfo(bytes, info);

    NoFolder folder;
    DoubleByteCodePages codePages;
    CLanguageManager mgr(&folder, &codePages);
    if (!mgr.LoadLanguageFromBytes(bytes, "fuzz.lng")) return 0;
    std::string text;
    CLangFont font;
    for (const LangKeyRef& ref : kProgramLangKeys) mgr.GetString(ref.section, ref.key, text);
    for (const char* section : kFontSections) mgr.GetFont(section, font);
    // Every section and key that was read must be found again under its own name.
    CLanguage lang;
    ParseLanguage(bytes, lang);
    for (const auto& entry : lang.m_sections) {
        for (const auto& kv : entry.second->m_entries) {
            if (!mgr.GetString(entry.second->m_strName, kv.second.first, text)) __builtin_trap();
        }
    }
    return 0;
}
