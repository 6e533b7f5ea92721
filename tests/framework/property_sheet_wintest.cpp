// The property sheet wrapper: which page hears what, the results of OK, Cancel, Finish and
// of an end from outside, one sheet at a time, the quit message, and keys that bypass the
// sheet's own keyboard handling.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/SetupIds.h"
#include "framework/PropertySheet.h"
#include "tests/support_win/WindowTests.h"

namespace {

// Records what each page is told, by the page's template id.
struct Log {
    std::vector<std::string> lines;
    void Add(UINT id, const char* what) { lines.push_back(std::to_string(id) + " " + what); }
    bool Has(const std::string& line) const {
        for (const std::string& l : lines) {
            if (l == line) return true;
        }
        return false;
    }
};

class LogPage : public CPropertyPage {
public:
    LogPage(UINT id, Log& log) : CPropertyPage(id), m_log(log) {}
    bool refuseFinish = false;
    LRESULT next = 0;

protected:
    BOOL OnInitDialog() override {
        m_log.Add(TemplateId(), "init");
        return TRUE;
    }
    bool OnKillActive() override {
        m_log.Add(TemplateId(), "kill");
        return true;
    }
    bool OnApply() override {
        m_log.Add(TemplateId(), "apply");
        return true;
    }
    void OnReset() override { m_log.Add(TemplateId(), "reset"); }
    bool OnQueryCancel() override {
        m_log.Add(TemplateId(), "query-cancel");
        return true;
    }
    LRESULT OnWizardNext() override {
        m_log.Add(TemplateId(), "next");
        return next;
    }
    bool OnWizardFinish() override {
        m_log.Add(TemplateId(), "finish");
        return !refuseFinish;
    }

private:
    Log& m_log;
};

int PageIndex(const CPropertySheet& sheet) {
    HWND page = sheet.CurrentPageHwnd();
    return page
               ? static_cast<int>(SendMessageA(sheet.GetSafeHwnd(), PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0))
               : -1;
}

class PropertySheetTest : public ::testing::Test {
protected:
    void SetUp() override { InitWindowClasses(); }
    Log log;
};

TEST_F(PropertySheetTest, WizardTurnsPagesAndFinishes) {
    LogPage first(IDD_QS_WELCOME, log), second(IDD_QS_LANGUAGE, log), third(IDD_QS_HOTKEY, log);
    CPropertySheet wizard("Wizard", true);
    wizard.AddPage(first);
    wizard.AddPage(second);
    wizard.AddPage(third);
    ASSERT_TRUE(wizard.Create());
    Pump(wizard);
    wizard.PressButton(PSBTN_NEXT);
    Pump(wizard);
    EXPECT_EQ(PageIndex(wizard), 1);

    // -1 keeps the page; a template id jumps to that page.
    second.next = -1;
    wizard.PressButton(PSBTN_NEXT);
    Pump(wizard);
    EXPECT_EQ(PageIndex(wizard), 1);
    second.next = IDD_QS_HOTKEY;
    wizard.PressButton(PSBTN_NEXT);
    Pump(wizard);
    EXPECT_EQ(PageIndex(wizard), 2);

    third.refuseFinish = true;
    wizard.PressButton(PSBTN_FINISH);
    Pump(wizard);
    EXPECT_FALSE(wizard.CheckEnded());
    third.refuseFinish = false;
    wizard.PressButton(PSBTN_FINISH);
    Pump(wizard);
    EXPECT_TRUE(wizard.CheckEnded());
    EXPECT_EQ(wizard.Result(), IDOK);
}

TEST_F(PropertySheetTest, OkAppliesEveryShownPageAndCancelResetsThem) {
    LogPage general(IDD_GENERAL_PAGE, log), hotkey(IDD_HOTKEY_PAGE, log);
    {
        CPropertySheet sheet("Sheet", false);
        sheet.AddPage(general);
        sheet.AddPage(hotkey);
        ASSERT_TRUE(sheet.Create());
        // A page never shown has nothing to apply.
        sheet.PressButton(PSBTN_OK);
        Pump(sheet);
        EXPECT_TRUE(sheet.CheckEnded());
        EXPECT_EQ(sheet.Result(), IDOK);
        EXPECT_TRUE(log.Has("105 apply"));
        EXPECT_FALSE(log.Has("106 init"));
    }
    log.lines.clear();
    {
        CPropertySheet sheet("Sheet", false);
        sheet.AddPage(general);
        sheet.AddPage(hotkey);
        ASSERT_TRUE(sheet.Create());
        sheet.SetActivePage(1);
        Pump(sheet);
        EXPECT_TRUE(log.Has("105 kill"));
        sheet.PressButton(PSBTN_CANCEL);
        Pump(sheet);
        EXPECT_TRUE(sheet.CheckEnded());
        EXPECT_EQ(sheet.Result(), IDCANCEL);
        EXPECT_TRUE(log.Has("105 reset"));
        EXPECT_TRUE(log.Has("106 reset"));
        EXPECT_FALSE(log.Has("105 apply"));
    }
}

TEST_F(PropertySheetTest, OneSheetAtATimeAndAnEndFromOutsideAsksNoPage) {
    LogPage a(IDD_GENERAL_PAGE, log), b(IDD_HOTKEY_PAGE, log);
    CPropertySheet first("First", false), second("Second", false);
    first.AddPage(a);
    second.AddPage(b);
    EXPECT_FALSE(CPropertySheet::CancelOpen());
    EXPECT_FALSE(CPropertySheet::BringOpenToFront());
    ASSERT_TRUE(first.Create());
    EXPECT_EQ(CPropertySheet::Open(), &first);
    EXPECT_FALSE(second.Create());
    EXPECT_EQ(second.DoModal(), -1);
    EXPECT_FALSE(b.IsCreated());

    EXPECT_TRUE(CPropertySheet::CancelOpen());
    EXPECT_TRUE(first.CheckEnded());
    EXPECT_EQ(first.Result(), IDCANCEL);
    EXPECT_FALSE(log.Has("105 query-cancel"));
    EXPECT_FALSE(log.Has("105 reset"));
    EXPECT_EQ(CPropertySheet::Open(), nullptr);
}

// Presses a button of the open sheet once its loop runs; a thread timer needs no window.
UINT g_button = 0;
void CALLBACK PressOpenSheetButton(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (CPropertySheet* open = CPropertySheet::Open()) open->PressButton(static_cast<int>(g_button));
}

TEST_F(PropertySheetTest, DoModalDisablesTheOwnerUntilItEndsAndHandsItTheFocusBack) {
    struct OwnerPage : LogPage {
        OwnerPage(Log& log, HWND owner) : LogPage(IDD_GENERAL_PAGE, log), owner(owner) {}
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
    OwnerPage page(log, owner);
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

TEST_F(PropertySheetTest, AQuitMessageEndsTheSheetAsCancelledAndStaysQueued) {
    LogPage page(IDD_GENERAL_PAGE, log);
    CPropertySheet sheet("Quit", false);
    sheet.AddPage(page);
    PostQuitMessage(5);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_FALSE(sheet.IsOpen());
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
}

}  // namespace
