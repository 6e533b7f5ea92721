#include "lang/MenuText.h"

#include "settings/HotKey.h"

std::string WithHotKeySuffix(const std::string& text, const CHotKeyItem& hotkey) {
    if (IsHotKeyEmpty(hotkey)) return text;
    return text + "\t" + HotKeyText(hotkey);
}

const MenuTextEntry kTrayMenuTexts[] = {
    {kCmdConfigure, false, "Menu", "Configure", -1, nullptr},
    {kCmdToggleEnabled, false, "Menu", nullptr, COptionData::HK_ENABLE, nullptr},
    {kCmdPreviousImage, false, "Menu", "Previous Image", COptionData::HK_PREVIOUS, nullptr},
    {kCmdNextImage, false, "Menu", "Next Image", COptionData::HK_NEXT, nullptr},
    {kCmdIncreaseOpacity, false, "Menu", "Increase Opacity", COptionData::HK_INCREASE_OPACITY, nullptr},
    {kCmdDecreaseOpacity, false, "Menu", "Decrease Opacity", COptionData::HK_DECREASE_OPACITY, nullptr},
    {kCmdPreferences, false, "Strings", "Preferences", -1, nullptr},
    {kTraySiteMenuPosition, true, "Menu", "Download Wallpaper From", -1, nullptr},
    {kCmdAbout, false, "Menu", "About", -1, nullptr},
    {kCmdExit, false, "Menu", "Exit", -1, nullptr},
};
const size_t kTrayMenuTextCount = sizeof kTrayMenuTexts / sizeof kTrayMenuTexts[0];

std::vector<MenuItemText> MenuTexts(const MenuTextEntry* table, size_t count, const MenuTextLookup& lookup,
                                    bool slideshowEnabled, const CHotKeyItem (&hotkeys)[COptionData::kHotKeySlots]) {
    std::vector<MenuItemText> texts;
    for (size_t i = 0; i < count; ++i) {
        const MenuTextEntry& t = table[i];
        std::string key = t.key ? t.key : (slideshowEnabled ? "Disable" : "Enable");
        std::string text;
        if (!lookup || !lookup(t.section, key, text)) text = (t.key && t.english) ? t.english : key;
        if (t.hotkeySlot >= 0 && t.hotkeySlot < COptionData::kHotKeySlots)
            text = WithHotKeySuffix(text, hotkeys[t.hotkeySlot]);
        texts.push_back({t.item, t.byPosition, text});
    }
    return texts;
}

std::vector<MenuItemText> TrayMenuTexts(const MenuTextLookup& lookup, bool slideshowEnabled,
                                        const CHotKeyItem (&hotkeys)[COptionData::kHotKeySlots]) {
    return MenuTexts(kTrayMenuTexts, kTrayMenuTextCount, lookup, slideshowEnabled, hotkeys);
}

std::string FillProgramName(const std::string& format, const std::string& programName) {
    std::string text = format;
    size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, programName);
    return text;
}
