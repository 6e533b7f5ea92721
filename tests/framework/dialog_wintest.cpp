#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "res/ConfigIds.h"
#include "res/SetupIds.h"
#include "res/VelumIds.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/PropertySheet.h"
#include "tests/support/TraceCapture.h"
#include "tests/support_win/WindowTests.h"

namespace {

// Posts itself the given commands from OnInitDialog and records what arrives.
class ScriptDialog : public CDialog {
public:
    ScriptDialog() : CDialog(IDD_VL_DIALOG) {
        MapCommandRange(100, 110, [this](UINT id) { log.push_back("range " + std::to_string(id)); });
        MapCommand(200, [this](UINT) { log.push_back("single"); });
        MapCommand(300, [](UINT) -> void { throw std::runtime_error("command"); });
    }

    std::vector<UINT> posts;
    std::vector<std::string> log;

protected:
    BOOL OnInitDialog() override {
        // A control notification other than a click is not a command.
        PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(200, EN_CHANGE), 0);
        for (UINT id : posts) PostMessageA(m_hWnd, WM_COMMAND, id, 0);
        return TRUE;
    }
    void OnOK() override {
        log.push_back("ok");
        CDialog::OnOK();
    }
};

// A handler that throws costs its own message only.
TEST(Dialog, RoutesCommandsByIdAndRangeAndSurvivesAThrowingHandler) {
    TraceCapture quiet;
    ScriptDialog dlg;
    dlg.posts = {105, 110, 111, 99, 300, 200, IDOK};
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"range 105", "range 110", "single", "ok"}));
}

TEST(Dialog, AQuitMessageEndsTheModalLoopAndStaysQueued) {
    struct Quitter : ScriptDialog {
        BOOL OnInitDialog() override {
            PostQuitMessage(3);
            return TRUE;
        }
    } dlg;
    EXPECT_EQ(dlg.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST(WindowTexts, AMissingKeyPutsBackTheTemplatesTextNotTheLastLanguages) {
    ScriptDialog dlg;
    ASSERT_TRUE(dlg.Create());
    HWND hwnd = dlg.GetSafeHwnd();
    const TextEntry table[] = {{IDC_ADD, "Command Button", "Add", nullptr}};
    CWindowTexts texts;
    texts.Apply(hwnd, table, [](const std::string&, const std::string&, std::string& text) {
        text = "Hinzufuegen";
        return true;
    });
    EXPECT_EQ(CControl(hwnd, IDC_ADD).Text(), "Hinzufuegen");
    texts.Apply(hwnd, table, [](const std::string&, const std::string&, std::string&) { return false; });
    EXPECT_EQ(CControl(hwnd, IDC_ADD).Text(), "Add");
    dlg.DestroyWindow();
}

class WizardPage : public CPropertyPage {
public:
    explicit WizardPage(UINT id) : CPropertyPage(id) {}
    bool refuseFinish = false;

protected:
    bool OnWizardFinish() override { return !refuseFinish; }
};

TEST(PropertySheetTest, WizardTurnsPagesAndFinishesOnlyWhenThePageAgrees) {
    InitWindowClasses();
    WizardPage first(IDD_QS_WELCOME), last(IDD_QS_LANGUAGE);
    CPropertySheet wizard("Wizard", true);
    wizard.AddPage(first);
    wizard.AddPage(last);
    ASSERT_TRUE(wizard.Create());
    Pump(wizard);
    wizard.PressButton(PSBTN_NEXT);
    Pump(wizard);
    EXPECT_EQ(
        SendMessageA(wizard.GetSafeHwnd(), PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(wizard.CurrentPageHwnd()), 0), 1);
    last.refuseFinish = true;
    wizard.PressButton(PSBTN_FINISH);
    Pump(wizard);
    EXPECT_FALSE(wizard.CheckEnded());
    last.refuseFinish = false;
    wizard.PressButton(PSBTN_FINISH);
    Pump(wizard);
    EXPECT_TRUE(wizard.CheckEnded());
    EXPECT_EQ(wizard.Result(), IDOK);
}

// Presses a button of the open sheet once its loop runs; a thread timer needs no window.
UINT g_button = 0;
void CALLBACK PressOpenSheetButton(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (CPropertySheet* open = CPropertySheet::Open()) open->PressButton(static_cast<int>(g_button));
}

TEST(PropertySheetTest, DoModalDisablesTheOwnerUntilItEndsAndHandsItTheFocusBack) {
    InitWindowClasses();
    struct OwnerPage : CPropertyPage {
        explicit OwnerPage(HWND owner) : CPropertyPage(IDD_GENERAL_PAGE), owner(owner) {}
        HWND owner;
        bool ownerEnabledMeanwhile = true;
        bool OnApply() override {
            ownerEnabledMeanwhile = IsWindowEnabled(owner) != FALSE;
            return true;
        }
    };
    // Another top-level window, as another program's would be: the one Windows activates
    // when the sheet goes while its owner cannot take the focus.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 60, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(owner);
    OwnerPage page(owner);
    CPropertySheet sheet("Owned", false);
    sheet.AddPage(page);
    g_button = PSBTN_OK;
    SetTimer(nullptr, 0, 10, PressOpenSheetButton);
    EXPECT_EQ(sheet.DoModal(owner), IDOK);
    EXPECT_FALSE(page.ownerEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetForegroundWindow(), owner);
    EXPECT_FALSE(sheet.IsOpen());
    DestroyWindow(owner);
    DestroyWindow(other);
}

}  // namespace
