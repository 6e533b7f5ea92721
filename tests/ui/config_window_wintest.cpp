// The configuration window in process: its menu, tooltips, language switches and the
// data exchange of its option controls (what Wine cannot carry to another process).
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
    std::string Text(int id) { return CControl(hwnd, id).Text(); }
    CComboBoxCtrl Combo(int id) { return CComboBoxCtrl(hwnd, id); }
    std::string Lang(const char* section, const char* key) {
        std::string text;
        EXPECT_TRUE(lang.GetString(section, key, text)) << section << "/" << key;
        return text;
    }

    CLanguageManager lang;
    FakeConfigHost host;
    std::unique_ptr<ConfigDialog> dlg;
    HWND hwnd = nullptr;
};

std::string MenuText(HMENU menu, UINT item, UINT flags) {
    char buf[256] = {};
    GetMenuStringA(menu, item, buf, sizeof buf, flags);
    return buf;
}

TEST_F(ConfigWindowTest, WindowMenuInTheLanguageWithTheCurrentOneChecked) {
    Open();
    host.options.m_bEnabled = 0;
    HMENU root = dlg->config.BuildWindowMenu();
    ASSERT_NE(root, nullptr);
    HMENU menu = GetSubMenu(root, 0);
    EXPECT_EQ(MenuText(menu, ID_TOGGLE_ENABLED, MF_BYCOMMAND), Lang("Menu", "Enable") + "\tCtrl + Alt + Home");
    HMENU languages = GetSubMenu(menu, 2);
    ASSERT_EQ(GetMenuItemCount(languages), 5);  // pack page, separator, three languages
    for (int i = 2; i < 5; ++i) {
        const UINT state = GetMenuState(languages, static_cast<UINT>(i), MF_BYPOSITION);
        EXPECT_EQ((state & MF_CHECKED) != 0, MenuText(languages, i, MF_BYPOSITION) == "Deutsch") << i;
    }
    DestroyMenu(root);
}

// What the tooltip control asks for a control, in the ANSI or the wide form.
struct TipResult {
    LRESULT handled;
    std::string text;
};

TipResult AskTip(HWND dialog, int controlId, bool wide) {
    HWND control = GetDlgItem(dialog, controlId);
    if (wide) {
        NMTTDISPINFOW info{};
        info.hdr = {nullptr, reinterpret_cast<UINT_PTR>(control), TTN_NEEDTEXTW};
        info.uFlags = TTF_IDISHWND;
        lstrcpyW(info.szText, L"untouched");
        LRESULT r = SendMessageA(dialog, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        char narrow[256] = {};
        WideCharToMultiByte(CP_ACP, 0, info.lpszText ? info.lpszText : info.szText, -1, narrow, sizeof narrow, nullptr,
                            nullptr);
        return {r, narrow};
    }
    NMTTDISPINFOA info{};
    info.hdr = {nullptr, reinterpret_cast<UINT_PTR>(control), TTN_NEEDTEXTA};
    info.uFlags = TTF_IDISHWND;
    lstrcpyA(info.szText, "untouched");
    LRESULT r = SendMessageA(dialog, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return {r, info.lpszText ? info.lpszText : info.szText};
}

TEST_F(ConfigWindowTest, ToolTipsByControlIdWholeBeyondTheirBuffer) {
    const std::string longTip(100, 'x');
    ASSERT_TRUE(lang.LoadLanguageFromBytes(
        "[info]\nlang name=Test\n[ToolTips]\nAdd Button=" + longTip + "\nOK Button=Speichern\n", "test.lng"));
    Open();
    TipResult tip = AskTip(hwnd, IDOK, false);
    EXPECT_EQ(tip.text, "Speichern");
    tip = AskTip(hwnd, IDOK, true);
    EXPECT_EQ(tip.text, "Speichern");
    EXPECT_EQ(AskTip(hwnd, IDC_ADD, false).text, longTip);
    EXPECT_EQ(AskTip(hwnd, IDC_ADD, true).text, longTip);
    // A missing key gives an empty tip; a control without a tip is not answered.
    EXPECT_EQ(AskTip(hwnd, IDC_REMOVE, false).text, "");
    EXPECT_EQ(AskTip(hwnd, IDC_INTERVAL_SPIN, false).text, "untouched");
}

TEST_F(ConfigWindowTest, SwitchingLanguageKeepsUnconfirmedChoicesAndFollowsTheListMode) {
    host.options.m_nSequence = 0;
    host.options.m_nSizeMode = 1;
    // Thumbnails chosen but not confirmed: the button names the view on screen.
    host.options.m_nListViewMode = 0;
    Open();
    HWND list = GetDlgItem(hwnd, IDC_IMAGE_LIST);
    SetWindowLongA(list, GWL_STYLE, (GetWindowLongA(list, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_ICON);
    dlg->config.ApplyLanguage();
    EXPECT_EQ(Text(IDC_LIST_MODE), "Miniaturen");
    // The user picks, without confirming yet.
    Combo(IDC_SEQUENCE).SetCurSel(1);
    Combo(IDC_SIZE_MODE).SetCurSel(3);
    ASSERT_TRUE(lang.LoadLanguage(kLanguageFolder + "\\vmeng.lng"));
    dlg->config.ApplyLanguage();
    EXPECT_EQ(Text(IDCANCEL), "Cancel");
    EXPECT_EQ(Text(IDC_LIST_MODE), "Thumbnails");
    EXPECT_EQ(Text(IDC_SEQUENCE), "Randomize");
    EXPECT_EQ(Text(IDC_SIZE_MODE), "Custom");
    EXPECT_EQ(CListViewCtrl(hwnd, IDC_IMAGE_LIST).ColumnTitle(3), "Height");
    // Refilling the lists is no edit of the user's.
    EXPECT_EQ(host.modified, 0);
}

TEST_F(ConfigWindowTest, ValuesGoBothWaysAndEveryUserChangeMarksTheConfigurationModified) {
    host.options.m_nInterval = 45;
    host.options.m_nSequence = 1;
    host.options.m_nSizeMode = 2;
    host.options.m_nOpacity = 60;
    Open();
    EXPECT_EQ(Text(IDC_INTERVAL), "45");
    EXPECT_EQ(host.modified, 0);  // filling is no edit
    auto user = [this](int id, int code) {
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(hwnd, id)));
    };
    Combo(IDC_SEQUENCE).SetCurSel(0);
    user(IDC_SEQUENCE, CBN_SELCHANGE);
    EXPECT_EQ(host.modified, 1);
    Combo(IDC_OPACITY).SetCurSel(19);
    user(IDC_OPACITY, CBN_SELCHANGE);
    SetDlgItemTextA(hwnd, IDC_INTERVAL, " 1000 ");  // EN_CHANGE
    EXPECT_EQ(host.modified, 3);
    // The spin writes 1000 without a thousands separator, which the check would refuse.
    SendDlgItemMessageA(hwnd, IDC_INTERVAL_SPIN, UDM_SETPOS, 0, MAKELPARAM(1000, 0));
    EXPECT_EQ(Text(IDC_INTERVAL), "1000");
    ASSERT_TRUE(dlg->config.TakeValues());
    EXPECT_EQ(host.options.m_nInterval, 1000);
    EXPECT_EQ(host.options.m_nSequence, 0);
    EXPECT_EQ(host.options.m_nOpacity, 100);
}

TEST_F(ConfigWindowTest, ASizeConfirmedByTheWizardReplacesThePendingOneAndKeepsTheOtherEdits) {
    host.options.m_nSizeMode = 0;
    Open();
    Combo(IDC_SIZE_MODE).SetCurSel(1);
    SetDlgItemTextA(hwnd, IDC_INTERVAL, "77");
    const int modified = host.modified;
    host.options.m_nSizeMode = 2;  // the wizard finished
    dlg->config.FillSizeMode();
    EXPECT_EQ(host.modified, modified);
    ASSERT_TRUE(dlg->config.TakeValues());
    EXPECT_EQ(host.options.m_nSizeMode, 2);
    EXPECT_EQ(host.options.m_nInterval, 77);
}

TEST_F(ConfigWindowTest, CtrlAAndCtrlQWorkFromEveryControlButAnEditKeepsItsCtrlA) {
    Open();
    BYTE keys[256] = {}, before[256] = {};
    ASSERT_TRUE(GetKeyboardState(before));
    auto press = [&](BYTE modifier, int id, WPARAM vk) {
        memcpy(keys, before, sizeof keys);
        keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
        keys[modifier] = 0x80;
        SetKeyboardState(keys);
        MSG msg = {GetDlgItem(hwnd, id), WM_KEYDOWN, vk, 1, 0, {0, 0}};
        return dlg->config.TranslateKeys(msg);
    };
    EXPECT_TRUE(press(VK_CONTROL, IDC_OPACITY, 'A'));
    EXPECT_FALSE(press(VK_CONTROL, IDC_INTERVAL, 'A'));
    EXPECT_TRUE(press(VK_CONTROL, IDC_INTERVAL, 'Q'));
    EXPECT_FALSE(press(VK_SHIFT, IDC_INTERVAL, 'A'));
    SetKeyboardState(before);
}

TEST_F(ConfigWindowTest, CancelsFallbackPutsBackOnlyWhatTheWindowEdits) {
    host.options.m_images.resize(2);
    host.options.m_images[0].m_strPath = "C:\\a.jpg";
    host.options.m_nOpacity = 40;
    Open();
    dlg->config.Show();
    host.options.m_images.clear();
    host.options.m_nOpacity = 90;
    host.options.m_nInterval = 7;
    host.options.m_bPauseOnScreenSaver = 0;  // confirmed by the preferences sheet meanwhile
    dlg->config.RestoreShownValues();
    ASSERT_EQ(host.options.m_images.size(), 2u);
    EXPECT_EQ(host.options.m_images[0].m_strPath, "C:\\a.jpg");
    EXPECT_EQ(host.options.m_nOpacity, 40);
    EXPECT_EQ(host.options.m_nInterval, 30);
    EXPECT_EQ(host.options.m_bPauseOnScreenSaver, 0);
}

}  // namespace
