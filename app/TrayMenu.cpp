#include "app/TrayMenu.h"

#include "app/OnlineServices.h"
#include "base/Trace.h"
#include "lang/LanguageManager.h"
#include "online/SiteMenu.h"

MenuTextLookup CurrentLanguageLookup() {
    return GetLanguageManager().Lookup();
}

void PrepareTrayMenu(HMENU menu, COptionData& options, const MenuTextLookup& lookup) {
    ApplyMenuTexts(menu, TrayMenuTexts(lookup, options.m_bEnabled != 0, options.m_hotkeys));
    FillSiteMenu(GetSubMenu(menu, kTraySiteMenuPosition), options);
}

bool OpenSite(HWND owner, const COptionData& options, UINT id) {
    std::string url;
    if (!SiteUrlForCommand(options, id, url)) return false;
    OpenWebPage(owner, url.c_str());
    return true;
}
