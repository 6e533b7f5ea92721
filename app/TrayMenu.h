// Puts the language's texts into a freshly loaded command menu, fills the wallpaper
// site submenu, and opens a site.
#pragma once
#include <windows.h>

#include <vector>

#include "lang/MenuText.h"
#include "settings/OptionData.h"
#include "ui/PopupMenu.h"

// Lookups in the program's current language.
MenuTextLookup CurrentLanguageLookup();

// The tray menu's first submenu, as it is about to open.
void PrepareTrayMenu(HMENU menu, COptionData& options, const MenuTextLookup& lookup);

// Opens the site of command id in the browser, maximized; false when the id names no site.
bool OpenSite(HWND owner, const COptionData& options, UINT id);
