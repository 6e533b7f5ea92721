// The quick setup command in process, on a window of the test's: what the hub is told
// after the wizard's Finish.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "res/VelumIds.h"
#include "ui/HotKeys.h"
#include "framework/PropertySheet.h"
#include "lang/LanguageManager.h"
#include "ui/SetupCommands.h"
#include "tests/support_win/WindowTests.h"

namespace {

struct FakeHost : ISetupHost {
    COptionData options;
    int saves = 0;
    bool sizeChosen = false;
    COptionData& Options() override { return options; }
    void SaveSettingsKeepingEdits() override { ++saves; }
    void OptionsChangedBySetup(bool, bool size) override { sizeChosen = size; }
};

// What the test does with the open sheet or wizard, run from its modal loop.
std::function<void(CPropertySheet&)> g_action;
void CALLBACK RunAction(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (CPropertySheet* open = CPropertySheet::Open()) g_action(*open);
}

class SetupCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitWindowClasses();
        main = CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr),
                               nullptr);
        ASSERT_NE(main, nullptr);
        host.options.m_bAutoStart = 0;
        commands.Attach(main);
    }
    void TearDown() override {
        UnregisterHotKeys(main);
        DestroyWindow(main);
    }
    // Sends the command as a menu does; action runs once the sheet's loop does.
    void Command(UINT id, std::function<void(CPropertySheet&)> action) {
        g_action = std::move(action);
        SetTimer(nullptr, 0, 10, RunAction);
        LRESULT result = 0;
        ASSERT_TRUE(commands.RouteMapped(WM_COMMAND, id, 0, result));
    }

    HWND main = nullptr;
    FakeHost host;
    CLanguageManager language;
    CSetupCommands commands{host, language};
};

TEST_F(SetupCommandsTest, TheWizardsFinishHandsItsSizeOnOverOneStillPending) {
    host.options.m_nSizeMode = 0;
    Command(ID_QUICK_SETUP, [](CPropertySheet& wizard) { wizard.PressButton(PSBTN_FINISH); });
    EXPECT_EQ(host.saves, 1);
    EXPECT_TRUE(host.sizeChosen);
}

}  // namespace
