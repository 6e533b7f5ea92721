// Which page a help request asks for, seen through the help call's seam: the HTML Help
// viewer of the Wine test prefix cannot show pages, so no window could tell.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/VelumIds.h"
#include "app/AboutDlg.h"
#include "ui/Help.h"
#include "ui/HelpTopicDialog.h"
#include "app/VLDlg.h"
#include "base/File.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsSystem_win.h"
#include "tests/support_win/WindowTests.h"

namespace {

std::vector<std::string> g_asked;

void Record(const std::string& topic) {
    g_asked.push_back(topic);
}

class HelpRequests : public ::testing::Test {
protected:
    void SetUp() override {
        g_asked.clear();
        m_previous = SetHelpRequestHandler(Record);
    }
    void TearDown() override { SetHelpRequestHandler(m_previous); }

    // F1 as the system reports it for a control of the dialog.
    static LRESULT PressF1(HWND dialog) {
        HELPINFO info = {};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = IDOK;
        info.hItemHandle = dialog;
        return SendMessageA(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    }

    HelpRequestHandler m_previous = nullptr;
};

TEST_F(HelpRequests, F1ShowsTheDialogsPageOrTheContents) {
    CHelpTopicDialog sizeDialog(IDD_VL_DIALOG, kHelpImageSizeCustomDialog);
    ASSERT_TRUE(sizeDialog.Create(nullptr));
    EXPECT_EQ(PressF1(sizeDialog.GetSafeHwnd()), TRUE);
    sizeDialog.DestroyWindow();

    CAboutDlg about{MenuTextLookup()};
    ASSERT_TRUE(about.Create(nullptr));
    PressF1(about.GetSafeHwnd());
    about.DestroyWindow();

    // No page (the preferences and the wizard): the contents.
    CHelpTopicDialog noPage(IDD_VL_DIALOG, nullptr);
    ASSERT_TRUE(noPage.Create(nullptr));
    PressF1(noPage.GetSafeHwnd());
    noPage.DestroyWindow();
    EXPECT_EQ(g_asked, (std::vector<std::string>{"image_size_custom_dialog.htm", "about.htm", ""}));
}

// The settings file of the prefix's user, put back as it was after the test.
class SettingsFileKeeper {
public:
    SettingsFileKeeper() {
        CWinSettingsLocation location;
        m_path = GetSettingsPath(location);
        m_existed = ReadFileBytes(m_path, m_saved, 1 << 20) == ReadResult::Ok;
    }
    ~SettingsFileKeeper() {
        if (m_existed)
            WriteFileReplacing(m_path, m_saved);
        else
            DeleteFileAt(m_path);
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path, m_saved;
    bool m_existed = false;
};

// The real configuration window, started hidden as at log-on, with settings that keep it
// off the network and out of the first-run wizard.
TEST_F(HelpRequests, ConfigurationWindowHelpShowsTheContentsAndF1ItsPage) {
    SettingsFileKeeper keeper;
    COptionData options;
    options.m_bCheckUpdate = 0;
    options.m_bRefreshSites = 0;
    ASSERT_TRUE(SaveSettingsFile(keeper.Path(), options));
    {
        CVLDlg window(true);
        ASSERT_TRUE(window.Create(nullptr)) << "needs tg.dll beside the test program";
        HWND hwnd = window.GetSafeHwnd();
        ASSERT_NE(hwnd, nullptr);
        SendMessageA(hwnd, WM_COMMAND, ID_HELP_CONTENTS, 0);
        PressF1(hwnd);
        window.DestroyWindow();
    }
    EXPECT_EQ(g_asked, (std::vector<std::string>{"", "ConfigWin.htm"}));
}

}  // namespace
