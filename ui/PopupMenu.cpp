#include "ui/PopupMenu.h"

#include "base/Trace.h"
#include "lang/LanguageMenu.h"
#include "online/SiteMenu.h"

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

void FillLanguageMenu(HMENU submenu, const CLanguageManager& language) {
    if (!submenu) {
        VL_TRACE();
        return;
    }
    for (const LanguageMenuItem& item : BuildLanguageMenuItems(language)) {
        const UINT flags = (item.checked ? MF_CHECKED : MF_UNCHECKED) | (item.enabled ? MF_ENABLED : MF_GRAYED);
        AppendMenuA(submenu, MF_STRING | flags, item.id, item.text.c_str());
    }
}

CPopupMenu::CPopupMenu(UINT resourceId)
    : m_hMenu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId))),
      m_hPopup(m_hMenu ? GetSubMenu(m_hMenu, 0) : nullptr) {
    if (!m_hPopup) VL_TRACE();
}

CPopupMenu::~CPopupMenu() {
    if (m_hMenu) DestroyMenu(m_hMenu);
}

void CPopupMenu::Track(HWND owner, POINT at) const {
    if (!m_hPopup) return;
    // The owner must be in front, or the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    TrackPopupMenu(m_hPopup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}
