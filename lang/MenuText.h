// Which language text each item of a command menu takes, with the hotkey text after a
// tab for the commands that have a hotkey. The menu calls themselves are the window's.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "lang/TextTable.h"
#include "settings/OptionData.h"

using MenuTextLookup = TextLookup;

struct MenuItemText {
    unsigned item;    // command id, or position when byPosition
    bool byPosition;  // items that open a submenu are found by position
    std::string text;
};

// Command ids the tray menu shares with the configuration window's menu.
enum : unsigned {
    kCmdAbout = 16,
    kCmdConfigure = 32771,
    kCmdExit = 32773,
    kCmdToggleEnabled = 32774,
    kCmdPreferences = 32775,
    kCmdSitePlaceholder = 32782,
    kCmdPreviousImage = 32788,
    kCmdNextImage = 32789,
    kCmdIncreaseOpacity = 32790,
    kCmdDecreaseOpacity = 32791,
};

// Position of the "Download Wallpaper From" submenu in the tray menu.
constexpr unsigned kTraySiteMenuPosition = 11;

// One translated item of a command menu.
struct MenuTextEntry {
    unsigned item;    // command id, or position when byPosition
    bool byPosition;  // items that open a submenu are found by position
    const char* section;
    const char* key;      // nullptr: the Enable/Disable item, whose key follows the state
    int hotkeySlot;       // -1: no hotkey
    const char* english;  // when the language lacks the key; nullptr: the key itself
};

template <size_t N>
constexpr size_t CountOfMenu(const MenuTextEntry (&)[N]) {
    return N;
}

extern const MenuTextEntry kTrayMenuTexts[];
extern const size_t kTrayMenuTextCount;

// text, then a tab and the hotkey's text when that hotkey is set.
std::string WithHotKeySuffix(const std::string& text, const CHotKeyItem& hotkey);

// The texts of every item of a menu table for the current state. A key the language
// lacks gives the item's English wording, so an item never shows another item's text or
// the wrong one of Enable and Disable.
std::vector<MenuItemText> MenuTexts(const MenuTextEntry* table, size_t count, const MenuTextLookup& lookup,
                                    bool slideshowEnabled, const CHotKeyItem (&hotkeys)[COptionData::kHotKeySlots]);

// The tray menu's texts for the current state.
std::vector<MenuItemText> TrayMenuTexts(const MenuTextLookup& lookup, bool slideshowEnabled,
                                        const CHotKeyItem (&hotkeys)[COptionData::kHotKeySlots]);

// A caption from a language format such as "About %s": its first "%s" becomes the
// program name. Only that placeholder is filled and nothing is read for any other '%',
// so a language file cannot make the program read past its arguments.
std::string FillProgramName(const std::string& format, const std::string& programName);
