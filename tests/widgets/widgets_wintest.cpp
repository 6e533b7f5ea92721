#include <windows.h>

#include <gtest/gtest.h>

#include "res/TrayIds.h"
#include "app/AboutDlg.h"
#include "widgets/Skin.h"

namespace {

// A link whose opening is scripted, so that a click can be checked without a browser.
class ScriptedLink : public CHyperLink {
public:
    long result = 0;
    long reported = -1000;

protected:
    long Open() override { return result; }
    void ReportError(long code) override { reported = code; }
};

TEST(HyperLink, TakesTheMouseAndReportsALinkThatDoesNotOpen) {
    CAboutDlg about{MenuTextLookup()};
    ASSERT_TRUE(about.Create(nullptr));
    ScriptedLink link;
    ASSERT_TRUE(link.Attach(about.GetSafeHwnd(), IDC_ABOUT_PRODUCT, "http://a.example/", "a link"));
    // A plain static would pass the mouse through to the dialog.
    EXPECT_EQ(SendMessageA(link.GetSafeHwnd(), WM_NCHITTEST, 0, 0), HTCLIENT);
    link.result = 2;
    SendMessageA(link.GetSafeHwnd(), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(link.reported, 2);
    about.DestroyWindow();
}

TEST(Skin, MagentaPixelsLetTheBackgroundThrough) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 2, 1);
    HBITMAP picture = CreateCompatibleBitmap(screen, 2, 1);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, picture);
    SetPixel(dc, 0, 0, kMagenta);
    SetPixel(dc, 1, 0, RGB(200, 10, 20));
    SelectObject(dc, target);
    for (int x = 0; x < 2; ++x) SetPixel(dc, x, 0, RGB(0, 128, 0));
    ASSERT_TRUE(DrawTransparentBitmap(dc, picture, 0, 0, kMagenta));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 128, 0));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(200, 10, 20));
    SelectObject(dc, old);
    DeleteObject(picture);
    DeleteObject(target);
    DeleteDC(dc);
}

}  // namespace
