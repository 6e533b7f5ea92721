#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "res/TrayIds.h"
#include "app/AboutDlg.h"
#include "lang/LangKeys.h"

namespace {

std::string Text(HWND dlg, int id = 0) {
    char buf[256] = {};
    GetWindowTextA(id ? GetDlgItem(dlg, id) : dlg, buf, sizeof buf);
    return buf;
}

// Each control takes its own key, every key is one the language files are held to, and a
// '%' in the caption's format other than the first "%s" stays text.
TEST(AboutBox, EachTextComesFromItsOwnListedKey) {
    std::set<std::pair<std::string, std::string>> asked;
    CAboutDlg about([&asked](const std::string& s, const std::string& k, std::string& t) {
        asked.insert({s, k});
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
    EXPECT_EQ(asked.size(), 5u);

    CAboutDlg bare([](const std::string&, const std::string&, std::string&) { return false; });
    ASSERT_TRUE(bare.Create(nullptr));
    EXPECT_EQ(Text(bare.GetSafeHwnd()), "About Velum");  // missing texts keep the template's
    EXPECT_EQ(Text(bare.GetSafeHwnd(), IDC_ABOUT_VERSION), "Version 1.10");
    bare.DestroyWindow();
}

}  // namespace
