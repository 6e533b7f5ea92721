// The size and position dialog over two monitors (faked: Wine under Xvfb shows one): a
// region on the left one comes back unchanged.
// With VELUM_PICKER_SHOT set, the shown dialog is also saved there as a BMP (the README's
// picture, taken by scripts/screenshots.sh).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "res/ImageSizeIds.h"
#include "lang/LanguageManager.h"
#include "tests/support/Regions.h"
#include "ui/ImageSizeCustomDlg.h"

namespace {

// 24-bit bottom-up BMP of the window as it is on the screen.
bool SaveWindowShot(HWND hwnd, const char* path) {
    RECT r;
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top, stride = (w * 3 + 3) & ~3;
    HDC screen = GetDC(nullptr), mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof bi.bmiHeader, w, h, 1, 24, BI_RGB};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    BITMAPFILEHEADER fh = {0x4D42, static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader + stride * h), 0, 0,
                           static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader)};
    FILE* f = fopen(path, "wb");
    const bool ok = f && fwrite(&fh, sizeof fh, 1, f) == 1 && fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 &&
                    fwrite(bits, static_cast<size_t>(stride) * h, 1, f) == 1;
    if (f) fclose(f);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace

TEST(MonitorPickerDialog, ShowsBothMonitorsAndKeepsARegionOnTheLeftOne) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    CLanguageManager lang;
    std::string folder = "Z:" + std::string(VELUM_SOURCE_DIR) + "/language/vmeng.lng";
    for (char& c : folder) c = c == '/' ? '\\' : c;
    ASSERT_TRUE(lang.LoadLanguage(folder));
    const MonitorList desk{{0, 0, 1920, 1080}, {-1280, 56, 0, 1080}};
    CImageSizeCustomDlg dlg(
        MakeRegion(400, 300, -1000, 100, 1, 1),
        [&lang](const std::string& s, const std::string& k, std::string& t) { return lang.GetString(s, k, t); },
        ScreenRect{0, 0, 1920, 1080}, desk);
    ASSERT_TRUE(dlg.Create());
    HWND hwnd = dlg.GetSafeHwnd();

    if (const char* shot = getenv("VELUM_PICKER_SHOT")) {
        SetWindowPos(hwnd, HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        for (int i = 0; i < 10; ++i) {
            Pump();
            Sleep(50);
        }
        EXPECT_TRUE(SaveWindowShot(hwnd, shot));
    }

    SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(dlg.Region().m_nLeft, -1000);
    EXPECT_EQ(dlg.Region().m_nTop, 100);
    EXPECT_EQ(dlg.Region().m_nWidth, 400);
}
