// The program's texts: the catalogue of language files and the one current language.
// Every text a window shows is looked up here by section and key; a key the current
// language lacks yields nothing and the caller keeps what it had.
// All operations run on the user-interface thread.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "lang/Language.h"
#include "lang/TextCodePage.h"
#include "lang/TextTable.h"

// The directory search behind the catalogue, so that tests can hand in their own files.
class ILanguageFolder {
public:
    virtual ~ILanguageFolder() = default;
    // Full paths of the files that match searchPath ("folder\pattern"), using the
    // platform's wildcard match ('*' any run of characters, letter case ignored).
    virtual void FindMatches(const std::string& searchPath, std::vector<std::string>& paths) = 0;
    // Orders language names without regard to letter case: <0, 0 or >0.
    virtual int CompareNames(const std::string& a, const std::string& b) = 0;
};

// The search of this platform (FindFirstFileW on Windows).
ILanguageFolder& SystemLanguageFolder();

class CLanguageManager {
public:
    // folder, codePages: the directory search and code pages to use; null means the system's.
    explicit CLanguageManager(ILanguageFolder* folder = nullptr, const ITextCodePages* codePages = nullptr);
    ~CLanguageManager();
    CLanguageManager(const CLanguageManager&) = delete;
    CLanguageManager& operator=(const CLanguageManager&) = delete;

    // Rebuilds the catalogue from the files in folder that match pattern ("vm*.lng"),
    // sorted by lang name. False (catalogue unchanged) for an empty folder path or
    // when no file matches; true otherwise, even when no file had an info section.
    bool EnumLanguages(const std::string& folder, const std::string& pattern);

    // Makes the file the current language. False when it cannot be read or is not a
    // language file; the previous language then stays current.
    bool LoadLanguage(const std::string& path);
    bool LoadLanguageByIndex(int index);
    // Start-up: loads the file at path. When it does not load (the program folder moved, the
    // file was deleted), the catalogue's file of the same name, then its "vmeng.lng", then
    // its first record. True when a language is current; path then names its file.
    bool LoadLanguageOrFallback(std::string& path);
    // The same from bytes already in memory; path is what GetCurrentPath will report.
    bool LoadLanguageFromBytes(const std::string& bytes, const std::string& path);

    // The value of key in section with its escapes processed. False, text unchanged,
    // when there is no current language or either name is missing.
    bool GetString(const std::string& section, const std::string& key, std::string& text) const;
    // GetString as the text tables take it; the manager outlives every window that asks.
    TextLookup Lookup() const {
        return [this](const std::string& section, const std::string& key, std::string& text) {
            return GetString(section, key, text);
        };
    }
    // The font given at the head of section; false (font unchanged) when the section
    // is missing or its font has no face name or a size below 1.
    bool GetFont(const std::string& section, CLangFont& font) const;

    // Catalogue index of the current language (paths compared ignoring case), or -1.
    int GetCurrentIndex() const;
    void GetLanguageNames(std::vector<std::string>& names) const;
    bool GetCurrentPath(std::string& path) const;

    // Whether the system can show a file's texts: they are in its ANSI code page.
    bool CanShow(const CLangInfo& info) const;

    const std::vector<CLangInfo>& GetCatalogue() const { return m_catalogue; }
    bool HasCurrentLanguage() const { return m_pCurrent != nullptr; }

private:
    ILanguageFolder* m_pFolder;
    const ITextCodePages* m_pCodePages;
    std::vector<CLangInfo> m_catalogue;
    std::unique_ptr<CLanguage> m_pCurrent;
};

// The one instance of the program, constructed on first use.
CLanguageManager& GetLanguageManager();
