#include <dirent.h>
#include <sys/stat.h>

#include "base/StringUtil.h"
#include "lang/LanguageManager.h"

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// '*' any run, '?' one character, letter case ignored; iterative, so no pattern is slow.
bool WildcardMatch(const std::string& pattern, const std::string& name) {
    size_t p = 0, n = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

class CPosixLanguageFolder : public ILanguageFolder {
public:
    void FindMatches(const std::string& searchPath, std::vector<std::string>& paths) override {
        size_t slash = searchPath.find_last_of("\\/");
        std::string folder = slash == std::string::npos ? std::string(".") : searchPath.substr(0, slash);
        std::string pattern = slash == std::string::npos ? searchPath : searchPath.substr(slash + 1);
        if (folder.empty()) folder = "/";
        DIR* dir = opendir(folder.c_str());
        if (!dir) return;
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (!WildcardMatch(pattern, name)) continue;
            std::string path = folder;
            if (path.back() != '/') path += '/';
            path += name;
            struct stat st;
            if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) paths.push_back(path);
        }
        closedir(dir);
    }

    int CompareNames(const std::string& a, const std::string& b) override {
        return AsciiLower(a).compare(AsciiLower(b));
    }
};

}  // namespace

ILanguageFolder& SystemLanguageFolder() {
    static CPosixLanguageFolder folder;
    return folder;
}
