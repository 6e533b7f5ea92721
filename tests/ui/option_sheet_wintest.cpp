// The preferences sheet and the quick setup wizard in process: the preferences' button
// row, Page Down typed into a hotkey control, and what OK and Cancel leave in the
// options; the wizard's caption, what Finish and Cancel leave in the options and the
// language, the question on Cancel, and what the hub is told after its Finish.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "res/SetupIds.h"
#include "res/VelumIds.h"
#include "framework/Controls.h"
#include "lang/LanguageManager.h"
#include "settings/OptionDataJson.h"
#include "ui/HotKeys.h"
#include "ui/OptionSheet.h"
#include "ui/QuickSetupWizard.h"
#include "ui/SetupCommands.h"
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

// What the test does with the open sheet or wizard, run from its modal loop.
std::function<void(CPropertySheet&)> g_action;
void CALLBACK RunAction(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (CPropertySheet* open = CPropertySheet::Open()) g_action(*open);
}
void Later(std::function<void(CPropertySheet&)> action) {
    g_action = std::move(action);
    SetTimer(nullptr, 0, 10, RunAction);
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
    PreferencesOutcome Run(std::function<void(CPropertySheet&)> action) {
        Later(std::move(action));
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
    PreferencesOutcome outcome = Run([](CPropertySheet& sheet) {
        CComboBoxCtrl(sheet.CurrentPageHwnd(), IDC_PREF_FADE).SetCurSel(3);
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_TRUE(outcome.confirmed);
    EXPECT_EQ(options.m_nFadeMs, 2000);

    const std::string before = OptionDataToJson(options, 0);
    outcome = Run([](CPropertySheet& sheet) {
        CComboBoxCtrl(sheet.CurrentPageHwnd(), IDC_PREF_FADE).SetCurSel(0);
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_FALSE(outcome.confirmed);
    EXPECT_EQ(OptionDataToJson(options, 0), before);
}

struct FakeSetupHost : ISetupHost {
    COptionData options;
    int saves = 0;
    bool sizeChosen = false;
    COptionData& Options() override { return options; }
    void SaveSettingsKeepingEdits() override { ++saves; }
    void OptionsChangedBySetup(bool, bool size) override { sizeChosen = size; }
};

TEST(SetupCommandsTest, TheWizardsFinishHandsItsSizeOnOverOneStillPending) {
    InitWindowClasses();
    HWND main = CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(main, nullptr);
    FakeSetupHost host;
    host.options.m_bAutoStart = 0;
    host.options.m_nSizeMode = 0;
    CLanguageManager language;
    CSetupCommands commands{host, language};
    commands.Attach(main);
    // Sent as a menu does; Finish is pressed once the wizard's loop runs.
    Later([](CPropertySheet& wizard) { wizard.PressButton(PSBTN_FINISH); });
    LRESULT result = 0;
    EXPECT_TRUE(commands.RouteMapped(WM_COMMAND, ID_QUICK_SETUP, 0, result));
    EXPECT_EQ(host.saves, 1);
    EXPECT_TRUE(host.sizeChosen);
    UnregisterHotKeys(main);
    DestroyWindow(main);
}

const std::string kLanguageFolder = SourceLanguageFolder();
const std::string kEnglish = kLanguageFolder + "\\vmeng.lng";

// The message boxes the wizard asks, and the answer the test gives.
std::vector<std::string> g_questions;
int g_answer = IDNO;

BOOL CALLBACK AnswerBox(HWND hwnd, LPARAM) {
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    HWND text = GetDlgItem(hwnd, 0xFFFF);
    if (strcmp(cls, "#32770") != 0 || !text || !IsWindowVisible(hwnd)) return TRUE;
    g_questions.push_back(CControl(text).Text());
    PostMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(g_answer), 0);
    return FALSE;
}

// Runs inside the message box's own loop.
void CALLBACK AnswerQuestion(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EnumThreadWindows(GetCurrentThreadId(), AnswerBox, 0);
}

class QuickSetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitWindowClasses();
        ASSERT_TRUE(lang.EnumLanguages(kLanguageFolder, "vm*.lng"));
        options.SetDefaults();
        options.m_strLanguageFile = kEnglish;
        g_questions.clear();
    }
    // The wizard as the program prepares it, with a clock of the test's.
    void Open(QuickSetupStart start = QuickSetupStart::FirstStart) {
        wizard.reset(new CQuickSetupWizard(lang));
        run.reset(new CQuickSetupRun(options, lang, start));
        run->Prepare(*wizard);
        wizard->m_sizePage.m_measure = [] { return 650u; };
        ASSERT_TRUE(wizard->Create());
        Pump(*wizard);
    }
    void Press(int button) {
        wizard->PressButton(button);
        Pump(*wizard);
    }
    HWND Page() const { return wizard->CurrentPageHwnd(); }
    std::string Caption() const { return CControl(wizard->GetSafeHwnd()).Text(); }
    // Picks Deutsch as a user does: the list tells its page.
    void ChooseGerman() {
        CComboBoxCtrl list(Page(), IDC_QS_LANGUAGE_LIST);
        list.SetCurSel(static_cast<int>(SendMessageA(list.Hwnd(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                     reinterpret_cast<LPARAM>("Deutsch"))));
        SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_QS_LANGUAGE_LIST, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list.Hwnd()));
        Pump(*wizard);
    }
    void TearDown() override {
        CPropertySheet::CancelOpen();
        if (wizard) wizard->CheckEnded();
    }

    CLanguageManager lang;
    COptionData options;
    std::unique_ptr<CQuickSetupWizard> wizard;
    std::unique_ptr<CQuickSetupRun> run;
};

TEST_F(QuickSetupTest, KeepsItsOwnCaption) {
    Open();
    // Whatever the wizard window is given as its caption, it shows its own.
    SetWindowTextA(wizard->GetSafeHwnd(), "Something else");
    EXPECT_EQ(Caption(), "Velum Quick Setup Wizard");
}

TEST_F(QuickSetupTest, FinishStoresTheHotkeysSetInIt) {
    Open();
    Press(PSBTN_NEXT);
    Press(PSBTN_NEXT);
    CHotKeyCtrl(Page(), IDC_HOTKEY_FIRST).SetHotKey(0x0623);  // Ctrl + Alt + End
    Press(PSBTN_NEXT);
    Press(PSBTN_FINISH);
    ASSERT_TRUE(wizard->CheckEnded());
    ASSERT_EQ(wizard->Result(), IDOK);
    run->Store(*wizard, true);
    EXPECT_EQ(options.m_hotkeys[COptionData::HK_ENABLE], CHotKeyItem(35, 6));
}

TEST_F(QuickSetupTest, CancelAsksFirstAndNoGoesOn) {
    Open();
    g_answer = IDNO;
    SetTimer(nullptr, 0, 10, AnswerQuestion);
    Press(PSBTN_CANCEL);
    EXPECT_EQ(g_questions, std::vector<std::string>{"Do you really want to cancel the Quick Setup Wizard?"});
    EXPECT_FALSE(wizard->CheckEnded());
}

TEST_F(QuickSetupTest, CancelFromTheCommandPutsTheLanguageBack) {
    ASSERT_TRUE(lang.LoadLanguage(kEnglish));
    Open(QuickSetupStart::Command);
    Press(PSBTN_NEXT);
    ChooseGerman();
    CPropertySheet::CancelOpen();
    ASSERT_TRUE(wizard->CheckEnded());
    run->Store(*wizard, false);
    EXPECT_EQ(options.m_strLanguageFile, kEnglish);
    std::string current;
    EXPECT_TRUE(lang.GetCurrentPath(current));
    EXPECT_EQ(current, kEnglish);
}

}  // namespace
