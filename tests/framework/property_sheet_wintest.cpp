#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "res/SetupIds.h"
#include "framework/PropertySheet.h"
#include "tests/support_win/WindowTests.h"

namespace {

class WizardPage : public CPropertyPage {
public:
    explicit WizardPage(UINT id) : CPropertyPage(id) {}
    bool refuseFinish = false;

protected:
    bool OnWizardFinish() override { return !refuseFinish; }
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
};

TEST_F(PropertySheetTest, WizardTurnsPagesAndFinishesOnlyWhenThePageAgrees) {
    WizardPage first(IDD_QS_WELCOME), last(IDD_QS_LANGUAGE);
    CPropertySheet wizard("Wizard", true);
    wizard.AddPage(first);
    wizard.AddPage(last);
    ASSERT_TRUE(wizard.Create());
    Pump(wizard);
    wizard.PressButton(PSBTN_NEXT);
    Pump(wizard);
    EXPECT_EQ(PageIndex(wizard), 1);
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

TEST_F(PropertySheetTest, DoModalDisablesTheOwnerUntilItEndsAndHandsItTheFocusBack) {
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
