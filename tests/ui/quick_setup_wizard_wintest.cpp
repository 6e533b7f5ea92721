// The quick setup wizard in process: its caption, what Finish and Cancel leave in the
// options and the language, and the question on Cancel.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/SetupIds.h"
#include "framework/Controls.h"
#include "lang/LanguageManager.h"
#include "ui/QuickSetupWizard.h"
#include "tests/support_win/WindowTests.h"

namespace {

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
