#include "lang/Language.h"

#include "base/StringUtil.h"
#include "lang/LangReader.h"

const std::string* CLangSection::FindValue(const std::string& key) const {
    auto it = m_entries.find(AsciiLower(key));
    return it == m_entries.end() ? nullptr : &it->second.second;
}

const CLangSection* CLanguage::FindSection(const std::string& name) const {
    auto it = m_sections.find(AsciiLower(name));
    return it == m_sections.end() ? nullptr : it->second.get();
}

namespace {
// Code pages are numbered 1 to 65535; anything else means the system's.
unsigned ParseCodePage(const std::string& value) {
    const int n = ParseLangInt(value);
    return n > 0 && n <= 65535 ? static_cast<unsigned>(n) : 0;
}
}  // namespace

bool ReadLangInfo(const std::string& bytes, CLangInfo& info, size_t* endPos) {
    info = CLangInfo();
    CLangReader reader(bytes);
    std::string name;
    do {
        if (!reader.ReadSectionHeader(name)) return false;
    } while (AsciiLower(name) != "info");

    std::string key, value;
    while (reader.ReadEntry(key, value) == CLangReader::kEntry) {
        key = AsciiLower(key);
        if (key == "lang name")
            info.m_strLangName = value;
        else if (key == "author")
            info.m_strAuthor = value;
        else if (key == "version")
            info.m_strVersion = value;
        else if (key == "vm ver")
            info.m_strVmVer = value;
        else if (key == "codepage")
            info.m_nCodePage = ParseCodePage(value);
    }
    if (endPos) *endPos = reader.GetPosition();
    return true;
}

namespace {

// Skips what is left of the line the last entry stood on. An entry that ended on its
// LF has already left its line; skipping once more would swallow the next font line
// of a file written with bare LF line ends.
void SkipRestOfLine(CLangReader& reader) {
    if (reader.LastTerminator() != '\n') reader.SkipLine();
}

// Up to three lines after a header: ";font name=", ";font size=", ";font weight=".
// Lines that are not accepted are read again from the start as ordinary lines.
void ReadFontLines(CLangReader& reader, CLangFont& font) {
    font.Reset();
    std::string key, value;
    const size_t start = reader.GetPosition();
    if (reader.SkipBlanks() != ';' || reader.ReadEntry(key, value) != CLangReader::kEntry ||
        AsciiLower(key) != "font name") {
        font.Reset();
        reader.SetPosition(start);
        return;
    }
    font.m_strName = value;
    SkipRestOfLine(reader);
    if (reader.SkipBlanks() != ';' || reader.ReadEntry(key, value) != CLangReader::kEntry || key != "font size") {
        font.Reset();
        reader.SetPosition(start);
        return;
    }
    font.m_nSize = ParseLangInt(value);
    const size_t afterSize = reader.GetPosition();
    SkipRestOfLine(reader);
    if (reader.SkipBlanks() == ';' && reader.ReadEntry(key, value) == CLangReader::kEntry && key == "font weight") {
        font.m_nWeight = ParseLangInt(value);
    } else {
        reader.SetPosition(afterSize);
    }
}

}  // namespace

bool ParseLanguage(const std::string& bytes, CLanguage& lang) {
    if (bytes.size() > kMaxLanguageFileBytes) return false;
    std::string path = lang.m_info.m_strPath;
    size_t pos = 0;
    if (!ReadLangInfo(bytes, lang.m_info, &pos)) return false;
    lang.m_info.m_strPath = path;

    CLangReader reader(bytes);
    reader.SetPosition(pos);
    size_t sections = 0, entries = 0;
    std::string name, key, value;
    while (reader.ReadSectionHeader(name)) {
        if (++sections > kMaxLanguageSections) return false;
        auto owned = std::make_unique<CLangSection>();
        CLangSection* section = owned.get();
        section->m_strName = name;
        ReadFontLines(reader, section->m_font);
        lang.m_sections[AsciiLower(name)] = std::move(owned);
        for (;;) {
            CLangReader::EntryResult result = reader.ReadEntry(key, value);
            if (result == CLangReader::kEntry) {
                if (++entries > kMaxLanguageEntries) return false;
                std::string lower = AsciiLower(key);
                section->m_entries[std::move(lower)] = std::make_pair(key, value);
            } else if (result == CLangReader::kSectionEnd) {
                break;
            } else if (result == CLangReader::kEndOfFile) {
                return true;
            } else {
                return false;  // an entry with an empty key spoils the whole file
            }
        }
    }
    return true;
}
