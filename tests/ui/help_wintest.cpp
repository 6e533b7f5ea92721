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

}  // namespace
