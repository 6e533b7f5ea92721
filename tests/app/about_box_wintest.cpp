#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "res/TrayIds.h"
#include "app/AboutDlg.h"

namespace {

std::string Text(HWND dlg, int id = 0) {
    char buf[256] = {};
    GetWindowTextA(id ? GetDlgItem(dlg, id) : dlg, buf, sizeof buf);
    return buf;
}

// Each control takes its own key, and a '%' in the caption's format other than the first
// "%s" stays text.
TEST(AboutBox, EachTextComesFromItsOwnListedKey) {
    CAboutDlg about([](const std::string& s, const std::string& k, std::string& t) {
        t = (s == "About Dialog") ? "Info %s %d" : s + "/" + k;
        return true;
    });
    ASSERT_TRUE(about.Create(nullptr));
    HWND dlg = about.GetSafeHwnd();
    EXPECT_EQ(Text(dlg), "Info Velum %d");
    EXPECT_EQ(Text(dlg, IDC_HOME_PAGE_LABEL), "Strings/Home Page");
    EXPECT_EQ(Text(dlg, IDC_ABOUT_VERSION), "Info 1.10 %d");
    EXPECT_EQ(Text(dlg, IDC_FEEDBACK_LINK), "feedback@velum-project.org");  // the bare mail address
    about.DestroyWindow();
}

}  // namespace
