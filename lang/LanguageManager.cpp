#include "lang/LanguageManager.h"

#include <algorithm>

#include "base/File.h"
#include "base/StringUtil.h"
#include "base/Trace.h"
#include "lang/LangReader.h"

CLanguageManager::CLanguageManager(ILanguageFolder* folder, const ITextCodePages* codePages)
    : m_pFolder(folder ? folder : &SystemLanguageFolder()),
      m_pCodePages(codePages ? codePages : &SystemTextCodePages()) {}

CLanguageManager::~CLanguageManager() = default;

bool CLanguageManager::EnumLanguages(const std::string& folder, const std::string& pattern) {
    if (folder.empty()) {
        VL_TRACE();
        return false;
    }
    std::string search = folder;
    if (search.back() != '\\') search += '\\';
    search += pattern;

    std::vector<std::string> paths;
    m_pFolder->FindMatches(search, paths);
    if (paths.empty()) return false;

    m_catalogue.clear();
    for (const std::string& path : paths) {
        std::string bytes;
        CLangInfo info;
        if (ReadFileBytes(path, bytes, kMaxLanguageFileBytes) != ReadResult::Ok || !ReadLangInfo(bytes, info)) {
            VL_TRACE_MSG(path.c_str());
            continue;
        }
        info.m_strPath = path;
        m_catalogue.push_back(std::move(info));
    }
    ILanguageFolder* compare = m_pFolder;
    std::stable_sort(m_catalogue.begin(), m_catalogue.end(), [compare](const CLangInfo& a, const CLangInfo& b) {
        return compare->CompareNames(a.m_strLangName, b.m_strLangName) < 0;
    });
    return true;
}

bool CLanguageManager::LoadLanguage(const std::string& path) {
    std::string bytes;
    if (ReadFileBytes(path, bytes, kMaxLanguageFileBytes) != ReadResult::Ok) {
        VL_TRACE_MSG(path.c_str());
        return false;
    }
    return LoadLanguageFromBytes(bytes, path);
}

bool CLanguageManager::LoadLanguageFromBytes(const std::string& bytes, const std::string& path) {
    auto lang = std::make_unique<CLanguage>();
    if (!ParseLanguage(bytes, *lang)) {
        VL_TRACE_MSG(path.c_str());
        return false;
    }
    lang->m_info.m_strPath = path;
    m_pCurrent = std::move(lang);
    return true;
}

bool CLanguageManager::LoadLanguageByIndex(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_catalogue.size()) return false;
    // A copy: the catalogue record must not be read through while it could change.
    std::string path = m_catalogue[static_cast<size_t>(index)].m_strPath;
    return LoadLanguage(path);
}

namespace {
std::string FileName(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
}  // namespace

bool CLanguageManager::LoadLanguageOrFallback(std::string& path) {
    std::vector<std::string> candidates{path};
    for (const std::string& name : {FileName(path), std::string("vmeng.lng")}) {
        for (const CLangInfo& info : m_catalogue) {
            if (EqualsNoCase(FileName(info.m_strPath), name)) candidates.push_back(info.m_strPath);
        }
    }
    if (!m_catalogue.empty()) candidates.push_back(m_catalogue.front().m_strPath);
    for (size_t i = 0; i < candidates.size(); ++i) {
        // A file already tried failed; reading it again could not help.
        bool tried = false;
        for (size_t j = 0; j < i && !tried; ++j) tried = EqualsNoCase(candidates[j], candidates[i]);
        if (tried || !LoadLanguage(candidates[i])) continue;
        path = candidates[i];
        return true;
    }
    return false;
}

bool CLanguageManager::GetString(const std::string& section, const std::string& key, std::string& text) const {
    if (!m_pCurrent) {
        VL_TRACE();
        return false;
    }
    const CLangSection* found = m_pCurrent->FindSection(section);
    if (!found) return false;
    const std::string* value = found->FindValue(key);
    if (!value) return false;
    const unsigned codePage = m_pCurrent->m_info.m_nCodePage;
    const ITextCodePages* codePages = m_pCodePages;
    text = UnescapeLangValue(*value,
                             [codePages, codePage](unsigned char c) { return codePages->IsLeadByte(codePage, c); });
    return true;
}

bool CLanguageManager::GetFont(const std::string& section, CLangFont& font) const {
    if (!m_pCurrent) {
        VL_TRACE();
        return false;
    }
    const CLangSection* found = m_pCurrent->FindSection(section);
    if (!found || !found->m_font.IsValid()) return false;
    font = found->m_font;
    return true;
}

bool CLanguageManager::CanShow(const CLangInfo& info) const {
    return info.m_nCodePage == 0 || info.m_nCodePage == m_pCodePages->AnsiCodePage();
}

int CLanguageManager::GetCurrentIndex() const {
    if (!m_pCurrent) return -1;
    for (size_t i = 0; i < m_catalogue.size(); ++i) {
        if (EqualsNoCase(m_catalogue[i].m_strPath, m_pCurrent->m_info.m_strPath)) return static_cast<int>(i);
    }
    return -1;
}

void CLanguageManager::GetLanguageNames(std::vector<std::string>& names) const {
    names.clear();
    for (const CLangInfo& info : m_catalogue) names.push_back(info.m_strLangName);
}

bool CLanguageManager::GetCurrentPath(std::string& path) const {
    if (!m_pCurrent) return false;
    path = m_pCurrent->m_info.m_strPath;
    return true;
}

CLanguageManager& GetLanguageManager() {
    static CLanguageManager manager;
    return manager;
}
