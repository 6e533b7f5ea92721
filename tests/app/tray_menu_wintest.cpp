#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "TrayIds.h"
#include "app/TrayMenu.h"
#include "lang/LanguageManager.h"

namespace {

std::string WinPath(std::string unixPath) {
    for (char& c : unixPath) {
        if (c == '/') c = '\\';
    }
    return "Z:" + unixPath;
}

// The tray menu as the tray object loads it, with the English language file current.
class TrayMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_lang.LoadLanguage(WinPath(std::string(VELUM_SOURCE_DIR) + "/language/vmeng.lng")));
        m_menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAYMENU));
        ASSERT_NE(m_menu, nullptr);
        m_sub = GetSubMenu(m_menu, 0);
        ASSERT_NE(m_sub, nullptr);
    }
    void TearDown() override {
        if (m_menu) DestroyMenu(m_menu);
    }
    MenuTextLookup Lookup() {
        return [this](const std::string& section, const std::string& key, std::string& text) {
            return m_lang.GetString(section, key, text);
        };
    }
    std::string Text(UINT item, UINT flags = MF_BYCOMMAND) {
        char buf[256] = {};
        GetMenuStringA(m_sub, item, buf, sizeof buf, flags);
        return buf;
    }

    CLanguageManager m_lang;
    HMENU m_menu = nullptr;
    HMENU m_sub = nullptr;
};

TEST_F(TrayMenuTest, EnabledSlideshowOffersDisableWithEveryHotKeyAtTheRightEdge) {
    COptionData options;
    options.m_bEnabled = 1;
    PrepareTrayMenu(m_sub, options, Lookup());
    EXPECT_EQ(Text(ID_CONFIGURE), "&Configure");
    EXPECT_EQ(Text(ID_TOGGLE_ENABLED), "&Disable\tCtrl + Alt + Home");
    EXPECT_EQ(Text(ID_PREVIOUS_IMAGE), "Previous Image\tCtrl + Alt + ,");
    EXPECT_EQ(Text(ID_NEXT_IMAGE), "Next Image\tCtrl + Alt + .");
    EXPECT_EQ(Text(ID_INCREASE_OPACITY), "Increase Opacity\tCtrl + Alt + Page Up");
    EXPECT_EQ(Text(ID_DECREASE_OPACITY), "Decrease Opacity\tCtrl + Alt + Page Down");
    EXPECT_EQ(Text(ID_PREFERENCES), "Preferences");
    EXPECT_EQ(Text(IDM_ABOUTBOX), "About");
    EXPECT_EQ(Text(ID_EXIT), "E&xit");
    EXPECT_EQ(Text(11, MF_BYPOSITION), "Download Wallpaper From");
}

TEST_F(TrayMenuTest, DisabledSlideshowOffersEnableAndClearedHotKeysShowNoSuffix) {
    COptionData options;
    options.m_bEnabled = 0;
    options.m_hotkeys[COptionData::HK_NEXT] = CHotKeyItem();
    options.m_hotkeys[COptionData::HK_INCREASE_OPACITY] = CHotKeyItem();
    PrepareTrayMenu(m_sub, options, Lookup());
    EXPECT_EQ(Text(ID_TOGGLE_ENABLED), "&Enable\tCtrl + Alt + Home");
    EXPECT_EQ(Text(ID_NEXT_IMAGE), "Next Image");
    EXPECT_EQ(Text(ID_INCREASE_OPACITY), "Increase Opacity");
    EXPECT_EQ(Text(ID_PREVIOUS_IMAGE), "Previous Image\tCtrl + Alt + ,");
}

TEST_F(TrayMenuTest, EmptySiteListShowsTheTwoBuiltInSitesWithoutThePlaceholder) {
    COptionData options;
    ASSERT_TRUE(options.m_sites.empty());
    PrepareTrayMenu(m_sub, options, Lookup());
    HMENU sites = GetSubMenu(m_sub, 11);
    ASSERT_NE(sites, nullptr);
    ASSERT_EQ(GetMenuItemCount(sites), 2);
    ASSERT_EQ(options.m_sites.size(), 2u);
    EXPECT_EQ(GetMenuItemID(sites, 0), 37100u);
    EXPECT_EQ(GetMenuItemID(sites, 1), 37101u);
    char name[128] = {};
    GetMenuStringA(sites, 1, name, sizeof name, MF_BYPOSITION);
    EXPECT_EQ(std::string(name), options.m_sites[1].m_strName);
    EXPECT_EQ(GetMenuState(sites, ID_SITE_PLACEHOLDER, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(TrayMenuTest, TextsKeepItemStatesAndSubmenus) {
    COptionData options;
    options.m_sites.emplace_back("One", "http://one.example/", "");
    EnableMenuItem(m_sub, ID_NEXT_IMAGE, MF_BYCOMMAND | MF_GRAYED);
    CheckMenuItem(m_sub, ID_CONFIGURE, MF_BYCOMMAND | MF_CHECKED);
    PrepareTrayMenu(m_sub, options, Lookup());
    HMENU sites = GetSubMenu(m_sub, 11);
    ASSERT_NE(sites, nullptr);
    EXPECT_EQ(GetMenuItemCount(sites), 1);
    EXPECT_TRUE(GetMenuState(m_sub, ID_NEXT_IMAGE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(m_sub, ID_CONFIGURE, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(GetMenuItemCount(m_sub), 14);
}

}  // namespace

namespace {

// The shell's handler of http addresses, replaced for one test by a command line that
// writes the address it is given into a file.
class HttpHandlerOverride {
public:
    explicit HttpHandlerOverride(const std::string& line) {
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &m_key, nullptr) != ERROR_SUCCESS) {
            m_key = nullptr;
            return;
        }
        DWORD size = sizeof m_old;
        m_hadOld =
            RegQueryValueExA(m_key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(m_old), &size) == ERROR_SUCCESS;
        m_oldSize = size;
        RegSetValueExA(m_key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(line.c_str()),
                       static_cast<DWORD>(line.size() + 1));
    }
    ~HttpHandlerOverride() {
        if (!m_key) return;
        if (m_hadOld) {
            RegSetValueExA(m_key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(m_old), m_oldSize);
        } else {
            RegDeleteValueA(m_key, nullptr);
        }
        RegCloseKey(m_key);
    }
    bool Ok() const { return m_key != nullptr; }

private:
    HKEY m_key = nullptr;
    char m_old[1024] = {};
    DWORD m_oldSize = 0;
    bool m_hadOld = false;
};

std::string ReadWhenThere(const std::string& path) {
    for (int i = 0; i < 100; ++i) {
        HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               0, nullptr);
        if (f != INVALID_HANDLE_VALUE) {
            char buf[512] = {};
            DWORD n = 0;
            ReadFile(f, buf, sizeof buf - 1, &n, nullptr);
            CloseHandle(f);
            if (n > 0) return std::string(buf, n);
        }
        Sleep(100);
    }
    return std::string();
}

TEST(SiteCommands, OpenTheChosenSitesAddressWithTheShell) {
    char tempDir[MAX_PATH] = {};
    GetTempPathA(sizeof tempDir, tempDir);
    std::string out = std::string(tempDir) + "velum_site_opened.txt";
    DeleteFileA(out.c_str());
    HttpHandlerOverride handler("cmd.exe /c echo %1> \"" + out + "\"");
    ASSERT_TRUE(handler.Ok());

    COptionData options;
    options.m_sites.emplace_back("First", "http://first.example/", "");
    options.m_sites.emplace_back("Second", "http://second.example/", "");
    options.m_sites.emplace_back("Third", "http://third.example/", "");
    // Beyond the list: nothing is opened.
    EXPECT_FALSE(OpenSite(nullptr, options, 37103));
    ASSERT_TRUE(OpenSite(nullptr, options, 37102));
    std::string opened = ReadWhenThere(out);
    EXPECT_NE(opened.find("http://third.example/"), std::string::npos) << opened;
    DeleteFileA(out.c_str());
}

}  // namespace
