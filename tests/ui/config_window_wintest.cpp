// The configuration window in process: tooltips, language switches, the keys and what
// the window puts back or takes (what Wine cannot carry to another process).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/Controls.h"
#include "tests/support_win/ConfigWindowRig.h"
#include "tests/support_win/WindowTests.h"

namespace {

const std::string kLanguageFolder = SourceLanguageFolder();

class ConfigWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitWindowClasses();
        ASSERT_TRUE(lang.EnumLanguages(kLanguageFolder, "vm*.lng"));
        ASSERT_TRUE(lang.LoadLanguage(kLanguageFolder + "\\vmdeu.lng"));
    }
    void TearDown() override {
        if (dlg) dlg->DestroyWindow();
    }
    void Open() {
        dlg.reset(new ConfigDialog(host, lang));
        ASSERT_TRUE(dlg->Create());
        ASSERT_TRUE(dlg->created);
        hwnd = dlg->GetSafeHwnd();
    }

    CLanguageManager lang;
    FakeConfigHost host;
    std::unique_ptr<ConfigDialog> dlg;
    HWND hwnd = nullptr;
};

TEST_F(ConfigWindowTest, ToolTipsWholeBeyondTheirBuffer) {
    const std::string longTip(100, 'x');
    ASSERT_TRUE(
        lang.LoadLanguageFromBytes("[info]\nlang name=Test\n[ToolTips]\nAdd Button=" + longTip + "\n", "t.lng"));
    Open();
    NMTTDISPINFOA info{};
    info.hdr = {nullptr, reinterpret_cast<UINT_PTR>(GetDlgItem(hwnd, IDC_ADD)), TTN_NEEDTEXTA};
    info.uFlags = TTF_IDISHWND;
    SendMessageA(hwnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(std::string(info.lpszText ? info.lpszText : info.szText), longTip);
}

TEST_F(ConfigWindowTest, SwitchingLanguageFollowsTheListModeOnScreenAndIsNoEdit) {
    host.options.m_nListViewMode = 0;
    Open();
    // Thumbnails chosen but not confirmed: the button names the view on screen.
    HWND list = GetDlgItem(hwnd, IDC_IMAGE_LIST);
    SetWindowLongA(list, GWL_STYLE, (GetWindowLongA(list, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_ICON);
    dlg->config.ApplyLanguage();
    EXPECT_EQ(CControl(hwnd, IDC_LIST_MODE).Text(), "Miniaturen");
    EXPECT_EQ(host.modified, 0);
}

TEST_F(ConfigWindowTest, ASizeConfirmedByTheWizardReplacesThePendingOneAndKeepsTheOtherEdits) {
    host.options.m_nSizeMode = 0;
    Open();
    CComboBoxCtrl(hwnd, IDC_SIZE_MODE).SetCurSel(1);
    SetDlgItemTextA(hwnd, IDC_INTERVAL, "77");
    host.options.m_nSizeMode = 2;  // the wizard finished
    dlg->config.FillSizeMode();
    ASSERT_TRUE(dlg->config.TakeValues());
    EXPECT_EQ(host.options.m_nSizeMode, 2);
    EXPECT_EQ(host.options.m_nInterval, 77);
}

TEST_F(ConfigWindowTest, CtrlAWorksFromEveryControlButAnEditKeepsIt) {
    Open();
    BYTE before[256] = {}, keys[256] = {};
    ASSERT_TRUE(GetKeyboardState(before));
    memcpy(keys, before, sizeof keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    auto press = [&](int id) {
        MSG msg = {GetDlgItem(hwnd, id), WM_KEYDOWN, 'A', 1, 0, {0, 0}};
        return dlg->config.TranslateKeys(msg);
    };
    EXPECT_TRUE(press(IDC_OPACITY));
    EXPECT_FALSE(press(IDC_INTERVAL));
    SetKeyboardState(before);
}

// Cancel's fallback when the settings file cannot be read again.
TEST_F(ConfigWindowTest, CancelsFallbackPutsTheRowsBack) {
    host.options.m_images.resize(2);
    Open();
    dlg->config.Show();
    host.options.m_images.clear();
    dlg->config.RestoreShownValues();
    EXPECT_EQ(host.options.m_images.size(), 2u);
}

}  // namespace
