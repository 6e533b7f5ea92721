// Command menus as the program shows them: loaded fresh from their template each time,
// translated, filled and opened with the right mouse button enabled for choosing.
#pragma once
#include <windows.h>

#include <vector>

#include "lang/LanguageManager.h"
#include "lang/MenuText.h"
#include "settings/OptionData.h"

// Replaces item texts only: ids, states and submenus stay as they are.
void ApplyMenuTexts(HMENU menu, const std::vector<MenuItemText>& texts);

// Appends one item per site (37100 + index) and deletes the template's placeholder.
void FillSiteMenu(HMENU submenu, COptionData& options);

// Appends one item per language of the catalogue, the current one checked.
void FillLanguageMenu(HMENU submenu, const CLanguageManager& language);

// A menu resource and its first popup; destroys the menu with the object.
class CPopupMenu {
public:
    explicit CPopupMenu(UINT resourceId);
    ~CPopupMenu();
    CPopupMenu(const CPopupMenu&) = delete;
    CPopupMenu& operator=(const CPopupMenu&) = delete;

    HMENU Popup() const { return m_hPopup; }
    // Opens it at the screen point; the chosen command goes to owner as WM_COMMAND.
    void Track(HWND owner, POINT at) const;

private:
    HMENU m_hMenu;
    HMENU m_hPopup;
};
