// One language file in memory.
//
// The file is bytes in one code page: sections "[name]" holding "key = value" entries.
// The first section must be "info" (lang name, author, version, vm ver, and "codepage"
// naming the file's code page; without it the file is in the system's ANSI code page).
// Directly after a header, up to three lines ";font name=", ";font size=" and
// ";font weight=" give the section's font. Keys keep only the bytes 0x20..0x7F, values
// end at CR, LF or ';', and a ';' where a key is being read starts a comment.
// Names and keys are matched without regard to ASCII letter case.
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

class CLangInfo {
public:
    std::string m_strLangName;
    std::string m_strAuthor;
    std::string m_strVersion;
    std::string m_strVmVer;
    std::string m_strPath;
    unsigned m_nCodePage = 0;  // 0: the system's ANSI code page
};

class CLangFont {
public:
    std::string m_strName;
    int m_nSize = -1;
    int m_nWeight = 400;

    bool IsValid() const { return !m_strName.empty() && m_nSize >= 1; }
    void Reset() { *this = CLangFont(); }
};

// A section's font as the system takes it: a face, a height in pixels (negative: a
// character height) and a weight.
class CFontFace {
public:
    static constexpr size_t kMaxFaceName = 31;

    std::string m_strFace = "Arial";
    int m_nHeight = -16;
    int m_nWeight = 400;
};

class CLangSection {
public:
    std::string m_strName;  // as written
    CLangFont m_font;
    // lower-cased key -> (key as written, value as stored)
    std::unordered_map<std::string, std::pair<std::string, std::string>> m_entries;

    const std::string* FindValue(const std::string& key) const;
};

class CLanguage {
public:
    virtual ~CLanguage() = default;

    CLangInfo m_info;
    // lower-cased section name -> section
    std::unordered_map<std::string, std::unique_ptr<CLangSection>> m_sections;

    const CLangSection* FindSection(const std::string& name) const;
};

// Files larger than this are refused: real language files are a few kilobytes, and the
// bound keeps the time and memory of loading any file fixed.
constexpr size_t kMaxLanguageFileBytes = 4u << 20;
// Entries and sections beyond these counts make the load fail, for the same reason.
constexpr size_t kMaxLanguageEntries = 1u << 18;
constexpr size_t kMaxLanguageSections = 1u << 15;

// Finds the "info" section (sections before it are skipped) and reads its four keys.
// Returns false when there is none. On success *endPos is where reading stopped.
bool ReadLangInfo(const std::string& bytes, CLangInfo& info, size_t* endPos = nullptr);

// Reads a whole file into lang (its info path left as it is). False on a file without
// an info section, an entry with an empty key after the info section, or one over the
// size and count limits; lang is then incomplete and must be thrown away.
bool ParseLanguage(const std::string& bytes, CLanguage& lang);
