// The Preferences and quick setup commands in process, on a window of the test's: the
// hotkeys are free while the sheet or wizard is open and held again after either ending;
// what the hub is asked to do after OK, Cancel and the wizard's Cancel.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "res/SetupIds.h"
#include "res/VelumIds.h"
#include "ui/HotKeys.h"
#include "framework/Controls.h"
#include "framework/PropertySheet.h"
#include "lang/LanguageManager.h"
#include "ui/SetupCommands.h"
#include "tests/support_win/WindowTests.h"

namespace {

struct FakeHost : ISetupHost {
    COptionData options;
    int saves = 0;
    int changes = 0;
    bool thumbnails = false, sizeChosen = false;
    COptionData& Options() override { return options; }
    void SaveSettingsKeepingEdits() override { ++saves; }
    void OptionsChangedBySetup(bool thumbnailSizeChanged, bool size) override {
        ++changes;
        thumbnails = thumbnailSizeChanged;
        sizeChosen = size;
    }
};

// Whether another program could take Ctrl + Alt + Home now.
bool EnableHotKeyIsFree() {
    if (!RegisterHotKey(nullptr, 77, MOD_CONTROL | MOD_ALT, VK_HOME)) return false;
    UnregisterHotKey(nullptr, 77);
    return true;
}

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

TEST_F(SetupCommandsTest, PreferencesFreesTheHotkeysWhileOpenAndOkHandsTheOptionsOn) {
    ASSERT_TRUE(RegisterHotKey(main, 10, MOD_CONTROL | MOD_ALT, VK_HOME));
    bool freeMeanwhile = false;
    CPropertySheet* second = nullptr;
    Command(ID_PREFERENCES, [&](CPropertySheet& sheet) {
        freeMeanwhile = EnableHotKeyIsFree();
        // A second Preferences brings this one forward instead of opening another.
        LRESULT result = 0;
        commands.RouteMapped(WM_COMMAND, ID_PREFERENCES, 0, result);
        second = CPropertySheet::Open();
        CComboBoxCtrl(sheet.CurrentPageHwnd(), IDC_PREF_THUMB_SIZE).SetCurSel(6);
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_TRUE(freeMeanwhile);
    EXPECT_NE(second, nullptr);
    EXPECT_EQ(CPropertySheet::Open(), nullptr);
    EXPECT_EQ(host.options.m_nThumbWidth, 256);
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(host.changes, 1);
    EXPECT_TRUE(host.thumbnails);
    EXPECT_FALSE(EnableHotKeyIsFree());
}

TEST_F(SetupCommandsTest, TheWizardsEndingFromOutsideKeepsTheSettingsAndTakesTheHotkeysBack) {
    host.options.m_images.resize(3);
    host.options.m_nSizeMode = 0;
    bool freeMeanwhile = false;
    Command(ID_QUICK_SETUP, [&](CPropertySheet&) {
        freeMeanwhile = EnableHotKeyIsFree();
        // As Exit does: no question, and nothing stored.
        CPropertySheet::CancelOpen();
    });
    EXPECT_TRUE(freeMeanwhile);
    EXPECT_EQ(host.options.m_images.size(), 3u);
    EXPECT_EQ(host.options.m_nSizeMode, 0);
    EXPECT_EQ(host.saves, 0);
    // The options go on to the slideshow and the windows either way; no size was chosen.
    EXPECT_EQ(host.changes, 1);
    EXPECT_FALSE(host.sizeChosen);
    EXPECT_FALSE(EnableHotKeyIsFree());
}

TEST_F(SetupCommandsTest, TheWizardsFinishHandsItsSizeOnOverOneStillPending) {
    host.options.m_nSizeMode = 0;
    Command(ID_QUICK_SETUP, [](CPropertySheet& wizard) { wizard.PressButton(PSBTN_FINISH); });
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(host.changes, 1);
    EXPECT_TRUE(host.sizeChosen);
}

}  // namespace
