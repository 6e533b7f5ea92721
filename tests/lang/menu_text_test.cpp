#include <gtest/gtest.h>

#include <map>
#include <string>

#include "lang/LangKeys.h"
#include "lang/MenuText.h"

namespace {

// A language that answers from a table; a key missing from the table is missing.
struct FakeLanguage {
    std::map<std::pair<std::string, std::string>, std::string> texts;
    MenuTextLookup Lookup() {
        return [this](const std::string& section, const std::string& key, std::string& text) {
            auto it = texts.find({section, key});
            if (it == texts.end()) return false;
            text = it->second;
            return true;
        };
    }
};

FakeLanguage German() {
    FakeLanguage l;
    l.texts = {{{"Menu", "Configure"}, "&Einstellungen"},
               {{"Menu", "Disable"}, "&Ausschalten"},
               {{"Menu", "Enable"}, "&Einschalten"},
               {{"Menu", "Previous Image"}, "Voriges Bild"},
               {{"Menu", "Next Image"},
                "N\xE4"
                "chstes Bild"},
               {{"Menu", "Increase Opacity"}, "Deckkraft erh\xF6hen"},
               {{"Menu", "Decrease Opacity"}, "Deckkraft verringern"},
               {{"Menu", "Download Wallpaper From"}, "Hintergrundbilder von"},
               {{"Menu", "About"},
                "\xDC"
                "ber"},
               {{"Menu", "Exit"}, "&Beenden"},
               {{"Strings", "Preferences"}, "Optionen"}};
    return l;
}

std::map<unsigned, std::string> ById(const std::vector<MenuItemText>& items) {
    std::map<unsigned, std::string> m;
    for (const auto& i : items) {
        if (!i.byPosition) m[i.item] = i.text;
    }
    return m;
}

TEST(TrayMenuTexts, EnabledShowsDisableWithEveryDefaultHotKey) {
    FakeLanguage de = German();
    COptionData d;
    auto items = TrayMenuTexts(de.Lookup(), true, d.m_hotkeys);
    auto m = ById(items);
    EXPECT_EQ(m[kCmdConfigure], "&Einstellungen");
    EXPECT_EQ(m[kCmdToggleEnabled], "&Ausschalten\tCtrl + Alt + Home");
    EXPECT_EQ(m[kCmdPreviousImage], "Voriges Bild\tCtrl + Alt + ,");
    EXPECT_EQ(m[kCmdNextImage],
              "N\xE4"
              "chstes Bild\tCtrl + Alt + .");
    EXPECT_EQ(m[kCmdIncreaseOpacity], "Deckkraft erh\xF6hen\tCtrl + Alt + Page Up");
    EXPECT_EQ(m[kCmdDecreaseOpacity], "Deckkraft verringern\tCtrl + Alt + Page Down");
    EXPECT_EQ(m[kCmdPreferences], "Optionen");
    EXPECT_EQ(m[kCmdAbout],
              "\xDC"
              "ber");
    EXPECT_EQ(m[kCmdExit], "&Beenden");
    // The submenu is addressed by its position, not by an id.
    int popups = 0;
    for (const auto& i : items) {
        if (!i.byPosition) continue;
        ++popups;
        EXPECT_EQ(i.item, 11u);
        EXPECT_EQ(i.text, "Hintergrundbilder von");
    }
    EXPECT_EQ(popups, 1);
}

TEST(TrayMenuTexts, DisabledShowsEnableAndClearedHotKeysLoseTheirSuffix) {
    FakeLanguage de = German();
    COptionData d;
    d.m_hotkeys[COptionData::HK_NEXT] = CHotKeyItem();
    d.m_hotkeys[COptionData::HK_DECREASE_OPACITY] = CHotKeyItem(0, 14);  // modifiers without a key: cleared
    auto m = ById(TrayMenuTexts(de.Lookup(), false, d.m_hotkeys));
    EXPECT_EQ(m[kCmdToggleEnabled], "&Einschalten\tCtrl + Alt + Home");
    EXPECT_EQ(m[kCmdNextImage],
              "N\xE4"
              "chstes Bild");
    EXPECT_EQ(m[kCmdDecreaseOpacity], "Deckkraft verringern");
    EXPECT_EQ(m[kCmdPreviousImage], "Voriges Bild\tCtrl + Alt + ,");
}

TEST(TrayMenuTexts, MissingKeysFallBackToTheirOwnEnglishWordingNotTheNeighboursText) {
    FakeLanguage partial = German();
    partial.texts.erase({"Menu", "Enable"});
    partial.texts.erase({"Menu", "Next Image"});
    partial.texts.erase({"Strings", "Preferences"});
    COptionData d;
    auto m = ById(TrayMenuTexts(partial.Lookup(), false, d.m_hotkeys));
    EXPECT_EQ(m[kCmdToggleEnabled], "Enable\tCtrl + Alt + Home");
    EXPECT_EQ(m[kCmdNextImage], "Next Image\tCtrl + Alt + .");
    EXPECT_EQ(m[kCmdPreferences], "Preferences");
    EXPECT_EQ(m[kCmdIncreaseOpacity], "Deckkraft erh\xF6hen\tCtrl + Alt + Page Up");

    // No language at all still gives a complete English menu.
    auto english = ById(TrayMenuTexts(MenuTextLookup(), true, d.m_hotkeys));
    EXPECT_EQ(english[kCmdToggleEnabled], "Disable\tCtrl + Alt + Home");
    EXPECT_EQ(english[kCmdConfigure], "Configure");
}

}  // namespace

namespace {

TEST(FillProgramName, OnlyTheFirstPlaceholderIsFilledAndOtherConversionsStayText) {
    EXPECT_EQ(FillProgramName("About %s", "Velum"), "About Velum");
    EXPECT_EQ(FillProgramName("%s - Info", "Velum"), "Velum - Info");
    EXPECT_EQ(FillProgramName("About", "Velum"), "About");
    // A hostile or careless file: further conversions are shown, never evaluated.
    EXPECT_EQ(FillProgramName("%s %s %n %d", "Velum"), "Velum %s %n %d");
    EXPECT_EQ(FillProgramName("100% %s", "Velum"), "100% Velum");
    // The name itself is not scanned again.
    EXPECT_EQ(FillProgramName("%s!", "%s"), "%s!");
}

}  // namespace
