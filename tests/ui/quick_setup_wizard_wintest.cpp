// The quick setup wizard in process: its caption and buttons, a language chosen on its
// page reaching every page, the size page's proposal from a given clock on a given screen,
// what Finish and Cancel leave in the options, and the question on Cancel.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/SetupIds.h"
#include "framework/Controls.h"
#include "lang/LanguageManager.h"
#include "settings/OptionDataJson.h"
#include "ui/QuickSetupWizard.h"
#include "tests/support/Regions.h"
#include "tests/support_win/WindowTests.h"

namespace {

const std::string kLanguageFolder = SourceLanguageFolder();
const std::string kEnglish = kLanguageFolder + "\\vmeng.lng";
const std::string kGerman = kLanguageFolder + "\\vmdeu.lng";

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
    // The wizard as the program prepares it, with a measured clock and a screen of the test's.
    void Open(uint32_t mhz, int screenWidth, int screenHeight, QuickSetupStart start = QuickSetupStart::FirstStart) {
        wizard.reset(new CQuickSetupWizard(lang));
        run.reset(new CQuickSetupRun(options, lang, start));
        run->Prepare(*wizard);
        wizard->m_sizePage.m_measure = [mhz] { return mhz; };
        wizard->m_sizePage.m_screen = ScreenRect{0, 0, screenWidth, screenHeight};
        ASSERT_TRUE(wizard->Create());
        Pump(*wizard);
    }
    void Press(int button) {
        wizard->PressButton(button);
        Pump(*wizard);
    }
    HWND Page() const { return wizard->CurrentPageHwnd(); }
    std::string Caption() const { return CControl(wizard->GetSafeHwnd()).Text(); }
    std::string Lang(const char* section, const char* key) {
        std::string text;
        EXPECT_TRUE(lang.GetString(section, key, text)) << section << "/" << key;
        return text;
    }
    // Selects an entry as a user does: the list tells its page.
    // Deutsch's place in the language list, as the system sorts it.
    int German() {
        return static_cast<int>(SendDlgItemMessageA(Page(), IDC_QS_LANGUAGE_LIST, CB_FINDSTRINGEXACT,
                                                    static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Deutsch")));
    }
    void Choose(int id, int index) {
        CComboBoxCtrl list(Page(), id);
        list.SetCurSel(index);
        SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list.Hwnd()));
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
    Open(650, 1024, 768);
    EXPECT_EQ(Caption(), "Velum Quick Setup Wizard");
    // Whatever the wizard window is given as its caption, it shows its own.
    SetWindowTextA(wizard->GetSafeHwnd(), "Something else");
    EXPECT_EQ(Caption(), "Velum Quick Setup Wizard");
}

TEST_F(QuickSetupTest, AChosenLanguageReachesEveryPageAndFinishStoresTheChoices) {
    Open(650, 1024, 768);
    Press(PSBTN_NEXT);
    EXPECT_EQ(CComboBoxCtrl(Page(), IDC_QS_LANGUAGE_LIST).Text(), "English");
    Press(PSBTN_NEXT);
    CHotKeyCtrl(Page(), IDC_HOTKEY_FIRST).SetHotKey(0x0623);  // Ctrl + Alt + End
    Press(PSBTN_NEXT);
    CComboBoxCtrl sizes(Page(), IDC_DISPLAY_SIZE);
    Choose(IDC_DISPLAY_SIZE, 9);
    EXPECT_EQ(sizes.Text(), "800 x 600");

    Press(PSBTN_BACK);
    Press(PSBTN_BACK);
    Choose(IDC_QS_LANGUAGE_LIST, German());
    EXPECT_EQ(Caption(), "Velum - Schnelleinrichtung");
    Press(PSBTN_NEXT);
    Press(PSBTN_NEXT);
    EXPECT_EQ(sizes.ItemText(0), Lang("Image Size Custon Dialog", "0008"));
    EXPECT_EQ(sizes.Text(), "800 x 600");

    Press(PSBTN_FINISH);
    ASSERT_TRUE(wizard->CheckEnded());
    ASSERT_EQ(wizard->Result(), IDOK);
    run->Store(*wizard, true);
    EXPECT_EQ(options.m_strLanguageFile, kGerman);
    EXPECT_EQ(options.m_nSizeMode, 3);
    // The screen's own centre, not the miniature's.
    EXPECT_EQ(options.m_region, MakeRegion(800, 600, 112, 84, 1, 1));
    EXPECT_EQ(options.m_hotkeys[COptionData::HK_ENABLE], CHotKeyItem(35, 6));
    EXPECT_EQ(options.m_hotkeys[COptionData::HK_NEXT], CHotKeyItem(190, 6));
}

TEST_F(QuickSetupTest, CancelAsksFirstAndFallsBackToTheEnglishQuestion) {
    // A language that lacks the question.
    ASSERT_TRUE(
        lang.LoadLanguageFromBytes("[info]\r\nlang name=Bare\r\n[Quick Setup Wizard]\r\n0001=%s Bare\r\n", "bare.lng"));
    options.m_strLanguageFile = "bare.lng";
    Open(650, 1024, 768);
    EXPECT_EQ(Caption(), "Velum Bare");
    g_answer = IDNO;
    SetTimer(nullptr, 0, 10, AnswerQuestion);
    Press(PSBTN_CANCEL);
    EXPECT_EQ(g_questions, std::vector<std::string>{"Do you really want to cancel the Quick Setup Wizard?"});
    EXPECT_FALSE(wizard->CheckEnded());
    g_answer = IDYES;
    SetTimer(nullptr, 0, 10, AnswerQuestion);
    Press(PSBTN_CANCEL);
    EXPECT_TRUE(wizard->CheckEnded());
    EXPECT_EQ(wizard->Result(), IDCANCEL);
}

TEST_F(QuickSetupTest, CancelAtAFirstStartKeepsTheDefaultsAndAChosenLanguage) {
    const std::string defaults = OptionDataToJson(options, 0);
    Open(650, 1024, 768);
    Press(PSBTN_NEXT);
    Press(PSBTN_NEXT);
    CHotKeyCtrl(Page(), IDC_HOTKEY_FIRST).SetHotKey(0);
    Press(PSBTN_BACK);
    CPropertySheet::CancelOpen();
    ASSERT_TRUE(wizard->CheckEnded());
    run->Store(*wizard, false);
    EXPECT_EQ(OptionDataToJson(options, 0), defaults);

    Open(650, 1024, 768);
    Press(PSBTN_NEXT);
    Choose(IDC_QS_LANGUAGE_LIST, German());
    CPropertySheet::CancelOpen();
    ASSERT_TRUE(wizard->CheckEnded());
    run->Store(*wizard, false);
    EXPECT_EQ(options.m_strLanguageFile, kGerman);
    std::string current;
    EXPECT_TRUE(lang.GetCurrentPath(current));
    EXPECT_EQ(current, kGerman);
}

TEST_F(QuickSetupTest, CancelFromTheCommandPutsTheLanguageBack) {
    options.m_strLanguageFile = kEnglish;
    ASSERT_TRUE(lang.LoadLanguage(kEnglish));
    Open(650, 1024, 768, QuickSetupStart::Command);
    Press(PSBTN_NEXT);
    Choose(IDC_QS_LANGUAGE_LIST, German());
    EXPECT_EQ(Caption(), "Velum - Schnelleinrichtung");
    CPropertySheet::CancelOpen();
    ASSERT_TRUE(wizard->CheckEnded());
    run->Store(*wizard, false);
    EXPECT_EQ(options.m_strLanguageFile, kEnglish);
    std::string current;
    EXPECT_TRUE(lang.GetCurrentPath(current));
    EXPECT_EQ(current, kEnglish);
}

}  // namespace
