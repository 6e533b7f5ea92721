#include "lang/MenuText.h"

#include "settings/HotKey.h"

std::string WithHotKeySuffix(const std::string& text, const CHotKeyItem& hotkey) {
    if (IsHotKeyEmpty(hotkey)) return text;
    return text + "\t" + HotKeyText(hotkey);
}

namespace {
struct TrayItem {
    unsigned item;
    bool byPosition;
    const char* section;
    const char* key;  // nullptr: the Enable/Disable item, whose key follows the state
    int hotkeySlot;   // -1: no hotkey
};

const TrayItem kTrayItems[] = {
    {kCmdConfigure, false, "Menu", "Configure", -1},
    {kCmdToggleEnabled, false, "Menu", nullptr, COptionData::HK_ENABLE},
    {kCmdPreviousImage, false, "Menu", "Previous Image", COptionData::HK_PREVIOUS},
    {kCmdNextImage, false, "Menu", "Next Image", COptionData::HK_NEXT},
    {kCmdIncreaseOpacity, false, "Menu", "Increase Opacity", COptionData::HK_INCREASE_OPACITY},
    {kCmdDecreaseOpacity, false, "Menu", "Decrease Opacity", COptionData::HK_DECREASE_OPACITY},
    {kCmdPreferences, false, "Strings", "Preferences", -1},
    {kTraySiteMenuPosition, true, "Menu", "Download Wallpaper From", -1},
    {kCmdAbout, false, "Menu", "About", -1},
    {kCmdExit, false, "Menu", "Exit", -1},
};
}  // namespace

std::vector<MenuItemText> TrayMenuTexts(const MenuTextLookup& lookup, bool slideshowEnabled,
                                        const CHotKeyItem (&hotkeys)[COptionData::kHotKeySlots]) {
    std::vector<MenuItemText> texts;
    for (const TrayItem& t : kTrayItems) {
        std::string key = t.key ? t.key : (slideshowEnabled ? "Disable" : "Enable");
        std::string text;
        if (!lookup || !lookup(t.section, key, text)) text = key;
        if (t.hotkeySlot >= 0) text = WithHotKeySuffix(text, hotkeys[t.hotkeySlot]);
        texts.push_back({t.item, t.byPosition, text});
    }
    return texts;
}

std::string FillProgramName(const std::string& format, const std::string& programName) {
    std::string text = format;
    size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, programName);
    return text;
}
