#include <windows.h>

#include <mbstring.h>

#include "base/WideName_win.h"
#include "lang/LanguageManager.h"

namespace {

class CWinLanguageFolder : public ILanguageFolder {
public:
    void FindMatches(const std::string& searchPath, std::vector<std::string>& paths) override {
        size_t slash = searchPath.find_last_of("\\/");
        std::string folder = slash == std::string::npos ? std::string() : searchPath.substr(0, slash + 1);
        // Paths are names (UTF-8): the program's folder may be outside the code page.
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW(WideName(searchPath).c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) return;
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                paths.push_back(folder + NameFromWide(data.cFileName));
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }

    // Multi-byte aware: lead and trail bytes of the ANSI code page are never case-folded.
    int CompareNames(const std::string& a, const std::string& b) override {
        return _mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                        reinterpret_cast<const unsigned char*>(b.c_str()));
    }
};

}  // namespace

ILanguageFolder& SystemLanguageFolder() {
    static CWinLanguageFolder folder;
    return folder;
}
