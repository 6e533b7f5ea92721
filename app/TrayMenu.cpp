#include "app/TrayMenu.h"

#include <shellapi.h>

#include "base/Trace.h"
#include "lang/LanguageManager.h"
#include "online/SiteMenu.h"

MenuTextLookup CurrentLanguageLookup() {
    return [](const std::string& section, const std::string& key, std::string& text) {
        return GetLanguageManager().GetString(section, key, text);
    };
}

void ApplyMenuTexts(HMENU menu, const std::vector<MenuItemText>& texts) {
    for (const MenuItemText& t : texts) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        std::string text = t.text;
        info.dwTypeData = &text[0];
        if (!SetMenuItemInfoA(menu, t.item, t.byPosition ? TRUE : FALSE, &info)) VL_TRACE();
    }
}

void FillSiteMenu(HMENU submenu, COptionData& options) {
    if (!submenu) {
        VL_TRACE();
        return;
    }
    for (const SiteMenuEntry& e : SiteMenuEntries(options)) AppendMenuA(submenu, MF_STRING, e.id, e.text.c_str());
    DeleteMenu(submenu, 0, MF_BYPOSITION);
}

void PrepareTrayMenu(HMENU menu, COptionData& options, const MenuTextLookup& lookup) {
    ApplyMenuTexts(menu, TrayMenuTexts(lookup, options.m_bEnabled != 0, options.m_hotkeys));
    FillSiteMenu(GetSubMenu(menu, kTraySiteMenuPosition), options);
}

bool OpenSite(HWND owner, const COptionData& options, UINT id) {
    std::string url;
    if (!SiteUrlForCommand(options, id, url)) return false;
    // The shell's result is not examined: a browser that fails reports it itself.
    ShellExecuteA(owner, "open", url.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
    return true;
}
