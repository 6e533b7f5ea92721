// The preferences sheet in process: the button row, Page Down typed into a hotkey
// control, and what OK and Cancel leave in the options.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "res/SetupIds.h"
#include "framework/Controls.h"
#include "lang/LanguageManager.h"
#include "settings/OptionDataJson.h"
#include "ui/OptionSheet.h"
#include "tests/support_win/WindowTests.h"

namespace {

// A key pressed in the focused control, through the sheet's loop as a user's key goes.
void Key(CPropertySheet& sheet, UINT message, WPARAM vk) {
    MSG msg{};
    msg.hwnd = GetFocus();
    msg.message = message;
    msg.wParam = vk;
    msg.lParam = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(vk), 0) << 16 | 1 |
                                     (vk == VK_NEXT ? 1 << 24 : 0) | (message == WM_KEYUP ? 0xC0000000u : 0));
    if (!sheet.PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    Pump(sheet);
}

void SetControlDown(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
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
        ASSERT_TRUE(lang.LoadLanguage(SourceLanguageFolder() + "\\vmdeu.lng"));
        lookup = [this](const std::string& section, const std::string& key, std::string& text) {
            return lang.GetString(section, key, text);
        };
        options.m_nFadeMs = 700;  // not offered: the nearest entry, 0.5 s
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

TEST_F(OptionSheetTest, NoApplyButtonAndCtrlPageDownInAHotkeyControlIsAHotkeyNotAPageTurn) {
    COptionSheet sheet(lookup);
    ASSERT_TRUE(sheet.Create());
    HWND hwnd = sheet.GetSafeHwnd();
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(hwnd, CPropertySheet::kApplyButton)));

    sheet.SetActivePage(1);
    Pump(sheet);
    HWND page = sheet.CurrentPageHwnd(), control = GetDlgItem(page, IDC_HOTKEY_FIRST + 1);
    SetFocus(control);
    SetControlDown(true);
    Key(sheet, WM_KEYDOWN, VK_CONTROL);
    Key(sheet, WM_KEYDOWN, VK_NEXT);
    const uint16_t recorded = CHotKeyCtrl(control).HotKey();
    SetControlDown(false);
    Key(sheet, WM_KEYUP, VK_NEXT);
    Key(sheet, WM_KEYUP, VK_CONTROL);
    EXPECT_EQ(sheet.CurrentPageHwnd(), page);
    EXPECT_EQ(recorded & 0xFF, VK_NEXT);
    CPropertySheet::CancelOpen();
    sheet.CheckEnded();
}

TEST_F(OptionSheetTest, OkStoresTheChosenValuesAndCancelNone) {
    PreferencesOutcome outcome = Run([](COptionSheet& sheet) {
        CComboBoxCtrl(sheet.CurrentPageHwnd(), IDC_PREF_FADE).SetCurSel(3);
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_TRUE(outcome.confirmed);
    EXPECT_EQ(options.m_nFadeMs, 2000);

    const std::string before = OptionDataToJson(options, 0);
    outcome = Run([](COptionSheet& sheet) {
        CComboBoxCtrl(sheet.CurrentPageHwnd(), IDC_PREF_FADE).SetCurSel(0);
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_FALSE(outcome.confirmed);
    EXPECT_EQ(OptionDataToJson(options, 0), before);
}

}  // namespace
