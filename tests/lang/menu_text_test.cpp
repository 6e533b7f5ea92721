#include <gtest/gtest.h>

#include <map>
#include <string>

#include "lang/LangKeys.h"
#include "lang/MenuText.h"

namespace {

// A language that has every key as "<section>/<key>", except those in `missing`; it
// remembers what it was asked.
struct FakeLanguage {
    std::set<std::string> missing;
    std::set<std::pair<std::string, std::string>> asked;
    MenuTextLookup Lookup() {
        return [this](const std::string& section, const std::string& key, std::string& text) {
            asked.insert({section, key});
            if (missing.count(key)) return false;
            text = section + "/" + key;
            return true;
        };
    }
};

std::map<unsigned, std::string> ById(const std::vector<MenuItemText>& items) {
    std::map<unsigned, std::string> m;
    for (const auto& i : items) m[i.byPosition ? 1000 + i.item : i.item] = i.text;
    return m;
}

TEST(TrayMenuTexts, EachItemTakesItsKeyAndItsHotKey) {
    FakeLanguage lang;
    COptionData d;
    auto m = ById(TrayMenuTexts(lang.Lookup(), true, d.m_hotkeys));
    EXPECT_EQ(m.size(), 10u);
    EXPECT_EQ(m[kCmdConfigure], "Menu/Configure");
    EXPECT_EQ(m[kCmdToggleEnabled], "Menu/Disable\tCtrl + Alt + Home");
    EXPECT_EQ(m[kCmdNextImage], "Menu/Next Image\tCtrl + Alt + .");
    EXPECT_EQ(m[kCmdDecreaseOpacity], "Menu/Decrease Opacity\tCtrl + Alt + Page Down");
    EXPECT_EQ(m[kCmdPreferences], "Strings/Preferences");
    EXPECT_EQ(m[1000 + kTraySiteMenuPosition], "Menu/Download Wallpaper From");  // a submenu, by position

    // Disabled, with cleared hotkeys (modifiers without a key count as cleared).
    d.m_hotkeys[COptionData::HK_NEXT] = CHotKeyItem();
    d.m_hotkeys[COptionData::HK_DECREASE_OPACITY] = CHotKeyItem(0, 14);
    m = ById(TrayMenuTexts(lang.Lookup(), false, d.m_hotkeys));
    EXPECT_EQ(m[kCmdToggleEnabled], "Menu/Enable\tCtrl + Alt + Home");
    EXPECT_EQ(m[kCmdNextImage], "Menu/Next Image");
    EXPECT_EQ(m[kCmdDecreaseOpacity], "Menu/Decrease Opacity");
}

TEST(TrayMenuTexts, MissingKeysFallBackToTheirOwnEnglishWording) {
    FakeLanguage partial;
    partial.missing = {"Enable", "Next Image", "Preferences"};
    COptionData d;
    auto m = ById(TrayMenuTexts(partial.Lookup(), false, d.m_hotkeys));
    EXPECT_EQ(m[kCmdToggleEnabled], "Enable\tCtrl + Alt + Home");
    EXPECT_EQ(m[kCmdNextImage], "Next Image\tCtrl + Alt + .");
    EXPECT_EQ(m[kCmdPreferences], "Preferences");
    EXPECT_EQ(m[kCmdPreviousImage], "Menu/Previous Image\tCtrl + Alt + ,");
    // No language at all still gives a complete English menu.
    m = ById(TrayMenuTexts(MenuTextLookup(), true, d.m_hotkeys));
    EXPECT_EQ(m[kCmdToggleEnabled], "Disable\tCtrl + Alt + Home");
    EXPECT_EQ(m[kCmdConfigure], "Configure");
}

TEST(FillProgramName, OnlyTheFirstPlaceholderIsFilledAndOtherConversionsStayText) {
    EXPECT_EQ(FillProgramName("%s - Info", "Velum"), "Velum - Info");
    EXPECT_EQ(FillProgramName("About", "Velum"), "About");
    // A hostile or careless file: further conversions are shown, never evaluated.
    EXPECT_EQ(FillProgramName("%s %s %n %d", "Velum"), "Velum %s %n %d");
    EXPECT_EQ(FillProgramName("100% %s", "Velum"), "100% Velum");
    EXPECT_EQ(FillProgramName("%s!", "%s"), "%s!");  // the name itself is not scanned again
}

}  // namespace
