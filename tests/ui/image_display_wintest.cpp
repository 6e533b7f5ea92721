#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/File.h"
#include "base/ProgramPath.h"
#include "base/Sync.h"
#include "ui/ImageDisplayDlg.h"
#include "tests/support/Pictures.h"
#include "tests/support/Regions.h"
#include "tests/support_win/TempFolder.h"

namespace {

std::string PluginPath() {
    return ProgramFolder() + "\\..\\program\\tg.dll";
}

std::string TempFile(const std::string& name) {
    return TempFolder("velum-display") + "\\" + name;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// GDI objects and kernel handles of this process, for leak checks.
struct ProcessCounts {
    unsigned long gdiObjects = 0;
    unsigned long handles = 0;
};

ProcessCounts CountProcessObjects() {
    ProcessCounts c;
    c.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (c.gdiObjects == 0) {
        // Wine answers 0 there; its GDI handles accept a bare table index, so count the live ones.
        for (ULONG_PTR i = 1; i < 0x10000; ++i)
            if (GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0) ++c.gdiObjects;
    }
    using HandleCountFn = BOOL(WINAPI*)(HANDLE, PDWORD);
    auto fn = reinterpret_cast<HandleCountFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetProcessHandleCount")));
    DWORD n = 0;
    if (fn && fn(GetCurrentProcess(), &n)) c.handles = n;
    if (c.handles == 0) {
        // Wine does not count them; its kernel handles are small multiples of four.
        for (ULONG_PTR h = 4; h < 0x10000; h += 4) {
            DWORD flags;
            if (GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags)) ++c.handles;
        }
    }
    return c;
}

// ShowImage as the slideshow's worker calls it: on another thread, then the window's thread
// works off what was posted.
bool ShowFromWorker(CImageDisplayDlg& dlg, int alpha) {
    bool shown = false;
    Thread worker;
    worker.Start([&] { shown = dlg.ShowImage(alpha); });
    worker.Join();
    Pump();
    return shown;
}

// The constant alpha of a layered window; -1 when it cannot be read.
int WindowAlpha(HWND hwnd) {
    using GetFn = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);
    static const auto get = reinterpret_cast<GetFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetLayeredWindowAttributes")));
    BYTE alpha = 0;
    DWORD flags = 0;
    return get && get(hwnd, nullptr, &alpha, &flags) ? alpha : -1;
}

// Works off messages and timers until the fade is over, at most timeoutMs.
bool WaitForFadeEnd(const CImageDisplayDlg& dlg, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (dlg.IsFading()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        Pump();
    }
    return true;
}

class ImageDisplay : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(WriteFileReplacing(TempFile("velum-red.bmp"), BmpBytes(800, 600, 0xFF0000)));
        ASSERT_TRUE(WriteFileReplacing(TempFile("velum-green.bmp"), BmpBytes(200, 100, 0x00FF00)));
    }
    void SetUp() override {
        ASSERT_TRUE(m_dlg.Create());
        ASSERT_TRUE(m_dlg.InitLayered());
        m_dlg.SetSizeMode(3);
        m_dlg.SetRegion(MakeRegion(400, 300, 100, 50, 0, 1));
    }
    CImageDisplayDlg m_dlg{PluginPath()};
    const std::string m_red = TempFile("velum-red.bmp");
    const std::string m_green = TempFile("velum-green.bmp");
};

TEST_F(ImageDisplay, AFadeEndsWithoutATimerLeftAndHidingHidesBothPictures) {
    m_dlg.SetFadeTime(10000);
    m_dlg.SetImagePath(m_red);
    ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
    m_dlg.SetImagePath(m_green);
    ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
    ASSERT_TRUE(m_dlg.IsFading());
    m_dlg.Hide();
    EXPECT_FALSE(IsWindowVisible(m_dlg.FrontWindow()) || IsWindowVisible(m_dlg.LeavingWindow()));

    // Left alone, a fade ends by itself at the picture's alpha and stops its timer.
    m_dlg.ReShow();
    m_dlg.SetFadeTime(200);
    m_dlg.SetImagePath(m_red);
    ASSERT_TRUE(ShowFromWorker(m_dlg, 90));
    ASSERT_TRUE(m_dlg.IsFading());
    ASSERT_TRUE(WaitForFadeEnd(m_dlg, 5000));
    EXPECT_EQ(WindowAlpha(m_dlg.FrontWindow()), 90);
    EXPECT_FALSE(KillTimer(m_dlg.GetSafeHwnd(), CImageDisplayDlg::kFadeTimerId));
}

TEST_F(ImageDisplay, RendersAndFadesLeaveNoGdiObjectOrHandleBehind) {
    // The first show and the first fade load what stays loaded.
    m_dlg.SetFadeTime(40);
    for (const std::string* path : {&m_red, &m_green}) {
        m_dlg.SetImagePath(*path);
        ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
        ASSERT_TRUE(WaitForFadeEnd(m_dlg, 5000));
    }
    const ProcessCounts before = CountProcessObjects();
    for (int i = 0; i < 40; ++i) {
        // Half the shows without a fade, half with one cut short as Next does.
        m_dlg.SetFadeTime(i < 20 ? 0 : 10000);
        m_dlg.SetImagePath(i % 2 ? m_green : m_red);
        ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
        m_dlg.EndFade();
    }
    const ProcessCounts after = CountProcessObjects();
    EXPECT_GT(before.gdiObjects, 0u);
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.handles, before.handles);
}

}  // namespace
