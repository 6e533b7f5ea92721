#include "lang/LanguageMenu.h"

std::vector<LanguageMenuItem> BuildLanguageMenuItems(const CLanguageManager& mgr) {
    std::vector<LanguageMenuItem> items;
    const std::vector<CLangInfo>& catalogue = mgr.GetCatalogue();
    const int current = mgr.GetCurrentIndex();
    const size_t limit = kLanguageCommandLast - kLanguageCommandFirst + 1;
    for (size_t i = 0; i < catalogue.size() && i < limit; ++i) {
        items.push_back({kLanguageCommandFirst + static_cast<unsigned>(i), catalogue[i].m_strLangName,
                         static_cast<int>(i) == current, mgr.CanShow(catalogue[i])});
    }
    return items;
}

bool SwitchLanguageByCommand(CLanguageManager& mgr, unsigned id, std::string& languageFile) {
    if (id < kLanguageCommandFirst || id > kLanguageCommandLast) return false;
    bool loaded = mgr.LoadLanguageByIndex(static_cast<int>(id - kLanguageCommandFirst));
    // Even after a failed switch the file of the language in use is what the settings keep.
    mgr.GetCurrentPath(languageFile);
    return loaded;
}
