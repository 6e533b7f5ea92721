// The preferences sheet in process: its pages in the language, the button row, Page Down
// typed into a hotkey control, and what OK and Cancel leave in the options.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "res/SetupIds.h"
#include "ui/Help.h"
#include "framework/Controls.h"
#include "lang/LanguageManager.h"
#include "settings/OptionDataJson.h"
#include "ui/OptionSheet.h"
#include "tests/support_win/WindowTests.h"

namespace {

const std::string kLanguageFolder = SourceLanguageFolder();

// A key pressed in the focused control, through the sheet's loop as a user's key goes.
void Key(CPropertySheet& sheet, UINT message, WPARAM vk, bool extended) {
    MSG msg{};
    msg.hwnd = GetFocus();
    msg.message = message;
    msg.wParam = vk;
    msg.lParam = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(vk), 0) << 16 | 1 | (extended ? 1 << 24 : 0) |
                                     (message == WM_KEYUP ? 0xC0000000u : 0));
    if (!sheet.PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    Pump(sheet);
}

void SetKeyDown(int vk, bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[vk] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

int PageIndex(const CPropertySheet& sheet) {
    return static_cast<int>(
        SendMessageA(sheet.GetSafeHwnd(), PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(sheet.CurrentPageHwnd()), 0));
}

// Ctrl + Page Down typed into the Hotkey page's second control; the page index after it.
int TypeCtrlPageDown(CPropertySheet& sheet, uint16_t& recorded) {
    sheet.SetActivePage(1);
    Pump(sheet);
    HWND control = GetDlgItem(sheet.CurrentPageHwnd(), IDC_HOTKEY_FIRST + 1);
    SetFocus(control);
    SetKeyDown(VK_CONTROL, true);
    Key(sheet, WM_KEYDOWN, VK_CONTROL, false);
    Key(sheet, WM_KEYDOWN, VK_NEXT, true);
    recorded = CHotKeyCtrl(control).HotKey();
    SetKeyDown(VK_CONTROL, false);
    Key(sheet, WM_KEYUP, VK_NEXT, true);
    Key(sheet, WM_KEYUP, VK_CONTROL, false);
    return PageIndex(sheet);
}

// What the test does with the open sheet, run from its modal loop.
std::function<void(COptionSheet&)> g_action;
void CALLBACK RunAction(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto* sheet = dynamic_cast<COptionSheet*>(CPropertySheet::Open());
    if (sheet && g_action) g_action(*sheet);
}

class OptionSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitWindowClasses();
        ASSERT_TRUE(lang.EnumLanguages(kLanguageFolder, "vm*.lng"));
        ASSERT_TRUE(lang.LoadLanguage(kLanguageFolder + "\\vmdeu.lng"));
        lookup = [this](const std::string& section, const std::string& key, std::string& text) {
            return lang.GetString(section, key, text);
        };
        options.m_bCheckUpdate = 1;
        options.m_bPauseOnScreenSaver = 0;
        options.m_bAutoStart = 1;
        options.m_nThumbWidth = options.m_nThumbHeight = 100;
        options.m_nFadeMs = 700;  // not offered: the nearest entry, 0.5 s
    }
    std::string Lang(const char* section, const char* key) {
        std::string text;
        EXPECT_TRUE(lang.GetString(section, key, text)) << section << "/" << key;
        return text;
    }
    PreferencesOutcome Run(std::function<void(COptionSheet&)> action) {
        g_action = std::move(action);
        SetTimer(nullptr, 0, 10, RunAction);
        return RunPreferencesSheet(nullptr, options, lookup);
    }

    CLanguageManager lang;
    TextLookup lookup;
    COptionData options;
};

TEST_F(OptionSheetTest, PagesShowTheOptionsInTheLanguageWithOnlyOkAndCancel) {
    COptionSheet sheet(lookup);
    sheet.CopyFrom(options);
    ASSERT_TRUE(sheet.Create());
    HWND hwnd = sheet.GetSafeHwnd();
    EXPECT_EQ(CControl(hwnd).Text(), Lang("Strings", "Preferences"));
    // Apply and Help are hidden; Cancel ends where the pages end.
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(hwnd, CPropertySheet::kApplyButton)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(hwnd, IDHELP)));
    RECT cancel, tabs;
    GetWindowRect(GetDlgItem(hwnd, IDCANCEL), &cancel);
    GetWindowRect(reinterpret_cast<HWND>(SendMessageA(hwnd, PSM_GETTABCONTROL, 0, 0)), &tabs);
    EXPECT_EQ(cancel.right, tabs.right);

    sheet.SetActivePage(1);
    Pump(sheet);
    HWND hotkeys = sheet.CurrentPageHwnd();
    EXPECT_EQ(CHotKeyCtrl(hotkeys, IDC_HOTKEY_FIRST).HotKey(), 0x0E24);  // Ctrl + Alt + Home

    // F1 shows the help's contents.
    static std::vector<std::string> asked;
    asked.clear();
    HelpRequestHandler old = SetHelpRequestHandler([](const std::string& topic) { asked.push_back(topic); });
    HELPINFO info{};
    info.cbSize = sizeof info;
    SendMessageA(hotkeys, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    SetHelpRequestHandler(old);
    EXPECT_EQ(asked, (std::vector<std::string>{""}));
    EXPECT_TRUE(CPropertySheet::CancelOpen());
    EXPECT_TRUE(sheet.CheckEnded());
}

TEST_F(OptionSheetTest, CtrlPageDownInAHotkeyControlIsAHotkeyNotAPageTurn) {
    uint16_t recorded = 0;
    COptionSheet sheet(lookup);
    ASSERT_TRUE(sheet.Create());
    EXPECT_EQ(TypeCtrlPageDown(sheet, recorded), 1);
    EXPECT_EQ(recorded & 0xFF, VK_NEXT);
    EXPECT_TRUE((recorded >> 8) & HOTKEYF_CONTROL);
    CPropertySheet::CancelOpen();
    sheet.CheckEnded();
}

TEST_F(OptionSheetTest, OkStoresTheChosenValuesAndTellsAThumbnailSizeChange) {
    PreferencesOutcome outcome = Run([](COptionSheet& sheet) {
        HWND page = sheet.CurrentPageHwnd();
        CComboBoxCtrl(page, IDC_PREF_THUMB_SIZE).SetCurSel(6);
        CComboBoxCtrl(page, IDC_PREF_FADE).SetCurSel(3);
        CheckDlgButton(page, IDC_PREF_CHECK_UPDATE, BST_UNCHECKED);
        CheckDlgButton(page, IDC_PREF_PAUSE, BST_CHECKED);
        sheet.SetActivePage(1);
        CHotKeyCtrl(sheet.CurrentPageHwnd(), IDC_HOTKEY_FIRST + 3).SetHotKey(0x0650);  // Ctrl + Alt + P
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_TRUE(outcome.confirmed);
    EXPECT_TRUE(outcome.thumbSizeChanged);
    EXPECT_EQ(options.m_nThumbWidth, 256);
    EXPECT_EQ(options.m_nThumbHeight, 256);
    EXPECT_EQ(options.m_bCheckUpdate, 0);
    EXPECT_EQ(options.m_bPauseOnScreenSaver, 1);
    EXPECT_EQ(options.m_nFadeMs, 2000);
    EXPECT_EQ(options.m_hotkeys[COptionData::HK_PREVIOUS], CHotKeyItem('P', 6));
    EXPECT_EQ(options.m_hotkeys[COptionData::HK_ENABLE], CHotKeyItem(36, 14));

    // OK without a change stores 128 for a stored 100, which is a change of size.
    options.m_nThumbWidth = options.m_nThumbHeight = 100;
    outcome = Run([](COptionSheet& sheet) { sheet.PressButton(PSBTN_OK); });
    EXPECT_TRUE(outcome.thumbSizeChanged);
    EXPECT_EQ(options.m_nThumbWidth, 128);
}

TEST_F(OptionSheetTest, CancelAfterChangingEveryControlLeavesTheOptions) {
    const std::string before = OptionDataToJson(options, 0);
    const PreferencesOutcome outcome = Run([](COptionSheet& sheet) {
        HWND page = sheet.CurrentPageHwnd();
        CComboBoxCtrl(page, IDC_PREF_THUMB_SIZE).SetCurSel(0);
        CComboBoxCtrl(page, IDC_PREF_FADE).SetCurSel(0);
        for (int id : {IDC_PREF_CHECK_UPDATE, IDC_PREF_PAUSE, IDC_PREF_AUTOSTART})
            CheckDlgButton(page, id, IsDlgButtonChecked(page, id) ? BST_UNCHECKED : BST_CHECKED);
        sheet.SetActivePage(1);
        for (int id = IDC_HOTKEY_FIRST; id <= IDC_HOTKEY_LAST; ++id)
            CHotKeyCtrl(sheet.CurrentPageHwnd(), id).SetHotKey(0);
        sheet.SetActivePage(0);
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_FALSE(outcome.confirmed);
    EXPECT_EQ(OptionDataToJson(options, 0), before);
}

}  // namespace
