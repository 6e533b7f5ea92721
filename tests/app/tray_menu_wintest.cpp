#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "res/TrayIds.h"
#include "app/TrayMenu.h"
#include "lang/LanguageManager.h"

namespace {

// The tray menu as the tray object loads it, with the English language file current.
TEST(TrayMenu, TextsGoByIdOrPositionAndTheSitesReplaceThePlaceholder) {
    std::string file = std::string(VELUM_SOURCE_DIR) + "/language/vmeng.lng";
    for (char& c : file) c = c == '/' ? '\\' : c;
    CLanguageManager lang;
    ASSERT_TRUE(lang.LoadLanguage("Z:" + file));
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAYMENU));
    ASSERT_NE(menu, nullptr);
    HMENU sub = GetSubMenu(menu, 0);
    auto text = [sub](UINT item, UINT flags = MF_BYCOMMAND) {
        char buf[256] = {};
        GetMenuStringA(sub, item, buf, sizeof buf, flags);
        return std::string(buf);
    };
    EnableMenuItem(sub, ID_NEXT_IMAGE, MF_BYCOMMAND | MF_GRAYED);
    CheckMenuItem(sub, ID_CONFIGURE, MF_BYCOMMAND | MF_CHECKED);
    COptionData options;
    options.m_bEnabled = 1;
    PrepareTrayMenu(sub, options, [&lang](const std::string& s, const std::string& k, std::string& t) {
        return lang.GetString(s, k, t);
    });
    EXPECT_EQ(text(ID_TOGGLE_ENABLED), "&Disable\tCtrl + Alt + Home");
    // The items keep their states.
    EXPECT_TRUE(GetMenuState(sub, ID_NEXT_IMAGE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(sub, ID_CONFIGURE, MF_BYCOMMAND) & MF_CHECKED);
    // An empty site list shows the two built-in sites instead of the placeholder.
    HMENU sites = GetSubMenu(sub, 11);
    ASSERT_NE(sites, nullptr);
    EXPECT_EQ(GetMenuItemCount(sites), 2);
    EXPECT_EQ(GetMenuState(sites, ID_SITE_PLACEHOLDER, MF_BYCOMMAND), static_cast<UINT>(-1));
    DestroyMenu(menu);
}

}  // namespace
