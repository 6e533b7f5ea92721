// The language texts of the configuration window and of its menus.
#pragma once
#include "lang/MenuText.h"
#include "lang/TextTable.h"

// Command buttons, by control id; a key the language lacks leaves the template's text.
extern const TextEntry kConfigButtonTexts[5];
// The list mode button: entry 0 in details view, 1 in thumbnail view.
extern const TextEntry kListModeButtonTexts[2];
// The option captions painted on the body panel: opacity, intervals, sequence, size.
extern const TextEntry kOptionCaptionTexts[4];
// Combo entries, in entry order.
extern const TextEntry kSequenceEntryTexts[2];
extern const TextEntry kSizeModeEntryTexts[4];
// Column titles of the image list, columns 0 to 5.
extern const TextEntry kListColumnTexts[6];
// Tooltips, by control id; a key the language lacks gives an empty tip.
extern const TextEntry kConfigToolTipTexts[19];

// Menu 142 (system button, right click), 157 (list mode), 159 (the list's context
// menu) and 161 (Add button).
extern const MenuTextEntry kConfigMenuTexts[11];
extern const MenuTextEntry kListModeMenuTexts[2];
extern const MenuTextEntry kListMenuTexts[9];
extern const MenuTextEntry kAddMenuTexts[2];

// Positions of the submenus of menu 142.
constexpr unsigned kConfigLanguageMenuPosition = 2;
constexpr unsigned kConfigSiteMenuPosition = 9;

// The tooltip key of a control, nullptr for a control without a tip.
const TextEntry* ToolTipEntry(unsigned controlId);
