#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "res/TrayIds.h"
#include "app/AboutDlg.h"

namespace {

std::string WindowText(HWND hwnd) {
    char buf[256] = {};
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

// A link whose opening is scripted, so that a click can be checked without a browser.
class ScriptedLink : public CHyperLink {
public:
    long result = 0;
    long reported = -1000;
    int opened = 0;

protected:
    long Open() override {
        ++opened;
        return result;
    }
    void ReportError(long code) override { reported = code; }
};

TEST(HyperLink, ClickOpensAndMarksVisitedOrReportsTheCode) {
    CAboutDlg about{MenuTextLookup()};
    ASSERT_TRUE(about.Create(nullptr));
    HWND dlg = about.GetSafeHwnd();
    ScriptedLink link;
    // The About box's own links are taken; a second link on the same control is refused.
    EXPECT_FALSE(link.Attach(dlg, IDC_HOME_PAGE_LINK, "http://a.example/", "a link"));
    EXPECT_FALSE(link.Attach(dlg, 4242, "http://a.example/", "a link"));
    ASSERT_TRUE(link.Attach(dlg, IDC_ABOUT_PRODUCT, "http://a.example/", "a link"));
    EXPECT_EQ(WindowText(link.GetSafeHwnd()), "a link");
    // The control takes the mouse itself instead of passing it through to the dialog.
    EXPECT_EQ(SendMessageA(link.GetSafeHwnd(), WM_NCHITTEST, 0, 0), HTCLIENT);

    link.result = 2;
    SendMessageA(link.GetSafeHwnd(), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(link.opened, 1);
    EXPECT_EQ(link.reported, 2);
    EXPECT_FALSE(link.IsVisited());

    link.result = 42;
    link.reported = -1000;
    SendMessageA(link.GetSafeHwnd(), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(link.opened, 2);
    EXPECT_EQ(link.reported, -1000);
    EXPECT_TRUE(link.IsVisited());
    about.DestroyWindow();
    // The dialog took the control with it; the link let go of it on the way.
    EXPECT_EQ(link.GetSafeHwnd(), nullptr);
}

// When the shell has nothing for an address, the browser registered for ".htm" runs
// with the address in place of its "%1".
TEST(HyperLink, FallsBackToTheRegisteredWebBrowser) {
    char tempDir[MAX_PATH] = {};
    GetTempPathA(sizeof tempDir, tempDir);
    std::string marker = std::string(tempDir) + "velum_link_fallback.txt";
    DeleteFileA(marker.c_str());

    HKEY ext = nullptr, cmd = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, ".htm", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &ext, nullptr),
              ERROR_SUCCESS);
    char oldClass[256] = {};
    DWORD oldSize = sizeof oldClass;
    bool hadClass =
        RegQueryValueExA(ext, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(oldClass), &oldSize) == ERROR_SUCCESS;
    const char cls[] = "VelumTestPage";
    RegSetValueExA(ext, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(cls), sizeof cls);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, "VelumTestPage\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &cmd, nullptr),
              ERROR_SUCCESS);
    // The address lands behind "rem", so the line only creates the marker file.
    std::string line = "cmd.exe /c copy nul \"" + marker + "\" & rem \"%1\"";
    RegSetValueExA(cmd, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(line.c_str()),
                   static_cast<DWORD>(line.size() + 1));
    RegCloseKey(cmd);

    long result = CHyperLink::GotoURL("velumtest-noscheme:page", SW_HIDE);
    EXPECT_GT(result, 32);
    bool created = false;
    for (int i = 0; i < 100 && !created; ++i) {
        created = GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (!created) Sleep(100);
    }
    EXPECT_TRUE(created);

    DeleteFileA(marker.c_str());
    if (hadClass) {
        RegSetValueExA(ext, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(oldClass), oldSize);
    } else {
        RegDeleteValueA(ext, nullptr);
    }
    RegCloseKey(ext);
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "VelumTestPage\\shell\\open\\command");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "VelumTestPage\\shell\\open");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "VelumTestPage\\shell");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "VelumTestPage");
}

}  // namespace
