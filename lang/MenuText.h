// Which language text each item of a command menu takes, with the hotkey text after a
// tab for the commands that have a hotkey. The menu calls themselves are the window's.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "settings/OptionData.h"

// Looks a text up in the current language; false when the section or key is missing.
using MenuTextLookup = std::function<bool(const std::string& section, const std::string& key, std::string& text)>;

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

// text, then a tab and the hotkey's text when that hotkey is set.
std::string WithHotKeySuffix(const std::string& text, const CHotKeyItem& hotkey);

// The texts of every translated item of the tray menu for the current state. A key the
// language lacks gives the key itself, which is the English wording, so an item never
// shows another item's text or the wrong one of Enable and Disable.
std::vector<MenuItemText> TrayMenuTexts(const MenuTextLookup& lookup, bool slideshowEnabled,
                                        const CHotKeyItem (&hotkeys)[COptionData::kHotKeySlots]);

// A caption from a language format such as "About %s": its first "%s" becomes the
// program name. Only that placeholder is filled and nothing is read for any other '%',
// so a language file cannot make the program read past its arguments.
std::string FillProgramName(const std::string& format, const std::string& programName);
