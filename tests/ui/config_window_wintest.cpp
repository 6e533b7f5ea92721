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

TEST_F(ConfigWindowTest, WindowMenuInTheLanguageWithLanguagesAndSites) {
    Open();
    host.options.m_bEnabled = 0;
    HMENU root = dlg->config.BuildWindowMenu();
    ASSERT_NE(root, nullptr);
    HMENU menu = GetSubMenu(root, 0);
    EXPECT_EQ(MenuText(menu, ID_TOGGLE_ENABLED, MF_BYCOMMAND), Lang("Menu", "Enable") + "\tCtrl + Alt + Home");
    EXPECT_EQ(MenuText(menu, ID_EXIT, MF_BYCOMMAND), "&Beenden");
    EXPECT_EQ(MenuText(menu, ID_PREFERENCES, MF_BYCOMMAND), Lang("Strings", "Preferences"));
    EXPECT_EQ(MenuText(menu, ID_HELP_CONTENTS, MF_BYCOMMAND), Lang("Menu", "Help"));
    EXPECT_EQ(MenuText(menu, 2, MF_BYPOSITION), Lang("Menu", "Language"));
    EXPECT_EQ(MenuText(menu, 9, MF_BYPOSITION), Lang("Menu", "Download Wallpaper From"));

    HMENU languages = GetSubMenu(menu, 2);
    ASSERT_NE(languages, nullptr);
    ASSERT_EQ(GetMenuItemCount(languages), 4);  // pack page, separator, Deutsch, English
    EXPECT_EQ(GetMenuItemID(languages, 0), static_cast<UINT>(ID_GET_LANGUAGE_PACK));
    EXPECT_EQ(MenuText(languages, 0, MF_BYPOSITION), Lang("Menu", "Get Additional Update language pack"));
    EXPECT_EQ(MenuText(languages, 2, MF_BYPOSITION), "Deutsch");
    EXPECT_EQ(GetMenuItemID(languages, 3), 38001u);
    EXPECT_TRUE(GetMenuState(languages, 38000, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(languages, 38001, MF_BYCOMMAND) & MF_CHECKED);

    HMENU sites = GetSubMenu(menu, 9);
    ASSERT_NE(sites, nullptr);
    EXPECT_EQ(GetMenuItemID(sites, 0), static_cast<UINT>(ID_SITE_FIRST));
    EXPECT_EQ(GetMenuState(sites, ID_SITE_PLACEHOLDER, MF_BYCOMMAND), static_cast<UINT>(-1));
    DestroyMenu(root);
}

TEST_F(ConfigWindowTest, WindowMenuWithoutALanguageShowsItsEnglishWording) {
    CLanguageManager none;
    FakeConfigHost bare;
    ConfigDialog d(bare, none);
    ASSERT_TRUE(d.Create());
    HMENU root = d.config.BuildWindowMenu();
    HMENU menu = GetSubMenu(root, 0);
    EXPECT_EQ(MenuText(menu, ID_TOGGLE_ENABLED, MF_BYCOMMAND), "Disable\tCtrl + Alt + Home");
    EXPECT_EQ(MenuText(menu, ID_HELP_CONTENTS, MF_BYCOMMAND), "&Help\tF1");
    EXPECT_EQ(MenuText(menu, ID_GET_LANGUAGE_PACK, MF_BYCOMMAND), "Get Additional Language Packs");
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, 2)), 2);  // no catalogue, no language items
    DestroyMenu(root);
    EXPECT_EQ(CControl(d.GetSafeHwnd(), IDC_SEQUENCE).Text(), "Normalize");
    EXPECT_EQ(CComboBoxCtrl(d.GetSafeHwnd(), IDC_SIZE_MODE).ItemText(0), "Original Image Size");
    d.DestroyWindow();
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

TEST_F(ConfigWindowTest, ToolTipsByControlIdCutToTheirBuffer) {
    const std::string longTip(100, 'x');
    ASSERT_TRUE(lang.LoadLanguageFromBytes(
        "[info]\nlang name=Test\n[ToolTips]\nAdd Button=" + longTip + "\nOK Button=Speichern\n", "test.lng"));
    Open();
    TipResult tip = AskTip(hwnd, IDOK, false);
    EXPECT_EQ(tip.text, "Speichern");
    tip = AskTip(hwnd, IDOK, true);
    EXPECT_EQ(tip.text, "Speichern");
    EXPECT_EQ(AskTip(hwnd, IDC_ADD, false).text, std::string(79, 'x'));
    EXPECT_EQ(AskTip(hwnd, IDC_ADD, true).text, std::string(79, 'x'));
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
    EXPECT_EQ(Text(IDCANCEL), "Abbrechen");
    EXPECT_EQ(Text(IDC_LIST_MODE), "Miniaturen");
    EXPECT_EQ(Combo(IDC_SEQUENCE).ItemText(0), "Der Reihe nach");
    // The user picks, without confirming yet.
    Combo(IDC_SEQUENCE).SetCurSel(1);
    Combo(IDC_SIZE_MODE).SetCurSel(3);
    ASSERT_TRUE(lang.LoadLanguage(kLanguageFolder + "\\vmeng.lng"));
    dlg->config.ApplyLanguage();
    EXPECT_EQ(Text(IDCANCEL), "Cancel");
    EXPECT_EQ(Text(IDC_ADD), "Add");
    EXPECT_EQ(Text(IDC_LIST_MODE), "Thumbnails");
    EXPECT_EQ(Combo(IDC_SEQUENCE).CurSel(), 1);
    EXPECT_EQ(Combo(IDC_SEQUENCE).Count(), 2);
    EXPECT_EQ(Text(IDC_SEQUENCE), "Randomize");
    EXPECT_EQ(Combo(IDC_SIZE_MODE).CurSel(), 3);
    EXPECT_EQ(Text(IDC_SIZE_MODE), "Custom");
    CListViewCtrl columns(hwnd, IDC_IMAGE_LIST);
    EXPECT_EQ(columns.ColumnCount(), 6);
    EXPECT_EQ(columns.ColumnTitle(3), "Height");
    // Refilling the lists is no edit of the user's.
    EXPECT_EQ(host.modified, 0);
}

TEST_F(ConfigWindowTest, AMissingKeyShowsTheControlsOwnTextNeverANeighboursOrTheOldLanguages) {
    Open();
    ASSERT_EQ(Text(IDC_REMOVE), "Entfernen");
    ASSERT_TRUE(lang.LoadLanguageFromBytes(
        "[info]\nlang name=Partial\n[Command Button]\nAdd=Plus\n[Display Sequence CB]\nRandomize=Shuffle\n",
        "partial.lng"));
    dlg->config.ApplyLanguage();
    EXPECT_EQ(Text(IDC_ADD), "Plus");
    EXPECT_EQ(Text(IDC_REMOVE), "Remove");
    EXPECT_EQ(Text(IDC_CLEAR), "Clear");
    EXPECT_EQ(Text(IDCANCEL), "Cancel");
    EXPECT_EQ(Combo(IDC_SEQUENCE).ItemText(0), "Normalize");
    EXPECT_EQ(Combo(IDC_SEQUENCE).ItemText(1), "Shuffle");
}

TEST_F(ConfigWindowTest, DamagedOpacitySelectsAnEntryAndNothingSelectedKeepsTheStoredValue) {
    host.options.m_nOpacity = 0;
    Open();
    EXPECT_EQ(Combo(IDC_OPACITY).Count(), 20);
    EXPECT_EQ(Combo(IDC_OPACITY).CurSel(), 0);
    host.options.m_nOpacity = 250;
    dlg->config.FillControls();
    EXPECT_EQ(Text(IDC_OPACITY), "100%");
    ASSERT_TRUE(dlg->config.TakeValues());
    EXPECT_EQ(host.options.m_nOpacity, 100);
    host.options.m_nOpacity = 35;
    Combo(IDC_OPACITY).SetCurSel(-1);
    ASSERT_TRUE(dlg->config.TakeValues());
    EXPECT_EQ(host.options.m_nOpacity, 35);
    // The opacity hotkeys select past either end safely.
    dlg->config.SelectOpacityItem(25);
    EXPECT_EQ(Combo(IDC_OPACITY).CurSel(), 19);
    dlg->config.SelectOpacityItem(-3);
    EXPECT_EQ(Combo(IDC_OPACITY).CurSel(), 0);
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
    Combo(IDC_SIZE_MODE).SetCurSel(0);
    user(IDC_SIZE_MODE, CBN_SELCHANGE);
    Combo(IDC_OPACITY).SetCurSel(19);
    user(IDC_OPACITY, CBN_SELCHANGE);
    SetDlgItemTextA(hwnd, IDC_INTERVAL, " 1000 ");  // EN_CHANGE
    EXPECT_EQ(host.modified, 4);
    // The spin writes 1000 without a thousands separator, which the check would refuse.
    SendDlgItemMessageA(hwnd, IDC_INTERVAL_SPIN, UDM_SETPOS, 0, MAKELPARAM(1000, 0));
    EXPECT_EQ(Text(IDC_INTERVAL), "1000");
    ASSERT_TRUE(dlg->config.TakeValues());
    EXPECT_EQ(host.options.m_nInterval, 1000);
    EXPECT_EQ(host.options.m_nSequence, 0);
    EXPECT_EQ(host.options.m_nSizeMode, 0);
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
    EXPECT_TRUE(press(VK_CONTROL, IDC_SEQUENCE, 'Q'));
    EXPECT_TRUE(press(VK_CONTROL, IDC_IMAGE_LIST, 'A'));
    EXPECT_FALSE(press(VK_CONTROL, IDC_INTERVAL, 'A'));
    EXPECT_TRUE(press(VK_CONTROL, IDC_INTERVAL, 'Q'));
    // The list's own keys, and a capital A typed anywhere.
    EXPECT_FALSE(press(VK_CONTROL, IDC_IMAGE_LIST, VK_DELETE));
    EXPECT_FALSE(press(VK_SHIFT, IDC_IMAGE_LIST, 'A'));
    EXPECT_FALSE(press(VK_SHIFT, IDC_INTERVAL, 'A'));
    // F1 stays a help request for the focused window's own page.
    EXPECT_FALSE(press(VK_CONTROL, IDC_IMAGE_LIST, VK_F1));
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

TEST_F(ConfigWindowTest, SizeLimitsAndShapeFollowEveryResize) {
    Open();
    RECT rc;
    GetWindowRect(hwnd, &rc);
    EXPECT_EQ(rc.right - rc.left, 532);
    EXPECT_EQ(rc.bottom - rc.top, 413);
    SetWindowPos(hwnd, nullptr, 0, 0, 100, 100, SWP_NOZORDER | SWP_NOMOVE);
    GetWindowRect(hwnd, &rc);
    EXPECT_EQ(rc.right - rc.left, 532);
    EXPECT_EQ(rc.bottom - rc.top, 413);
    SetWindowPos(hwnd, nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOMOVE);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(hwnd, region), ERROR);
    // D = (800 - 268) / 3 = 177: a bar from 177 to 311, gaps beside it.
    EXPECT_TRUE(PtInRegion(region, 200, 39));
    EXPECT_FALSE(PtInRegion(region, 150, 39));
    EXPECT_TRUE(PtInRegion(region, 799, 599));
    DeleteObject(region);
    RECT list;
    GetWindowRect(GetDlgItem(hwnd, IDC_IMAGE_LIST), &list);
    EXPECT_EQ(list.right - list.left, 800 - 166);
    EXPECT_EQ(list.bottom - list.top, 600 - 193);
}

}  // namespace
