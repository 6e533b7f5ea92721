#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/File.h"
#include "base/ProgramPath.h"
#include "base/Sync.h"
#include "ui/ImageDisplayDlg.h"
#include "tests/support/Pictures.h"
#include "tests/support/Regions.h"
#include "tests/support_win/ProcessCounts.h"

namespace {

std::string PluginPath() {
    return ProgramFolder() + "\\..\\program\\tg.dll";
}

std::string TempFile(const std::string& name) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

void WriteBmp(const std::string& path, int w, int h, uint32_t rgb) {
    ASSERT_TRUE(WriteFileReplacing(path, BmpBytes(w, h, rgb)));
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
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

RECT WindowRect(const CImageDisplayDlg& dlg) {
    RECT r = {};
    GetWindowRect(dlg.FrontWindow(), &r);
    return r;
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
        WriteBmp(TempFile("velum-red.bmp"), 800, 600, 0xFF0000);
        WriteBmp(TempFile("velum-green.bmp"), 200, 100, 0x00FF00);
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

TEST_F(ImageDisplay, WithoutThePluginTheWindowCannotStart) {
    CImageDisplayDlg broken(TempFile("no-such-folder\\tg.dll"));
    ASSERT_TRUE(broken.Create());
    EXPECT_FALSE(broken.InitLayered());
    EXPECT_FALSE(broken.ShowImage(128));
}

TEST_F(ImageDisplay, FailedRenderKeepsThePictureAndRetriesLater) {
    m_dlg.SetImagePath(m_green);
    ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
    const RECT before = WindowRect(m_dlg);
    const std::string later = TempFile("velum-later.bmp");
    DeleteFileA(later.c_str());
    m_dlg.SetImagePath(later);
    EXPECT_FALSE(ShowFromWorker(m_dlg, 128));
    EXPECT_TRUE(m_dlg.IsVisible());
    const RECT after = WindowRect(m_dlg);
    EXPECT_TRUE(EqualRect(&before, &after));
    // The failure did not count as shown: the same path renders once it exists.
    WriteBmp(later, 300, 200, 0x0000FF);
    ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
    EXPECT_EQ(WindowRect(m_dlg).right - WindowRect(m_dlg).left, 300);
    DeleteFileA(later.c_str());
}

TEST_F(ImageDisplay, HidingWinsOverAPictureStillOnItsWay) {
    m_dlg.SetImagePath(m_red);
    Thread worker;
    bool shown = false;
    worker.Start([&] { shown = m_dlg.ShowImage(128); });
    worker.Join();
    ASSERT_TRUE(shown);
    m_dlg.Hide();  // the configuration window opened before the window thread took the picture
    Pump();
    EXPECT_FALSE(m_dlg.IsVisible());
    // Not counted as shown: the next attempt renders it again.
    ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
    EXPECT_TRUE(m_dlg.IsVisible());
    EXPECT_EQ(m_dlg.RenderCount(), 2);
}

TEST_F(ImageDisplay, AFadeCrossesFromTheLeavingWindowAndEndsWithoutATimerLeft) {
    const HWND main = m_dlg.GetSafeHwnd();
    m_dlg.SetFadeTime(10000);
    m_dlg.SetImagePath(m_red);
    ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
    EXPECT_FALSE(m_dlg.IsFading());  // nothing on show to fade from
    EXPECT_EQ(WindowAlpha(m_dlg.FrontWindow()), 128);

    // The red picture's window is left as it is; the green one comes in the other, above it.
    const HWND leaving = m_dlg.FrontWindow();
    m_dlg.SetImagePath(m_green);
    ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
    ASSERT_TRUE(m_dlg.IsFading());
    ASSERT_EQ(m_dlg.LeavingWindow(), leaving);
    const HWND front = m_dlg.FrontWindow();
    ASSERT_NE(front, leaving);
    EXPECT_EQ(GetWindow(front, GW_HWNDNEXT), leaving);
    EXPECT_TRUE(GetWindowLongA(leaving, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_LE(WindowAlpha(front), 4);  // rising from transparent
    EXPECT_GE(WindowAlpha(leaving), 124);
    EXPECT_EQ(m_dlg.RenderCount(), 2);

    // An opacity change during the fade is where it ends; Next ends it at once.
    m_dlg.SetAlpha(200);
    EXPECT_LE(WindowAlpha(front), 8);
    m_dlg.EndFade();
    EXPECT_FALSE(m_dlg.IsFading());
    EXPECT_EQ(WindowAlpha(front), 200);
    EXPECT_EQ(WindowAlpha(leaving), 0);
    EXPECT_FALSE(KillTimer(main, CImageDisplayDlg::kFadeTimerId));

    // Hiding during a fade hides both at once.
    m_dlg.SetImagePath(m_red);
    ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
    ASSERT_TRUE(m_dlg.IsFading());
    m_dlg.Hide();
    EXPECT_FALSE(m_dlg.IsFading());
    EXPECT_FALSE(IsWindowVisible(m_dlg.FrontWindow()) || IsWindowVisible(m_dlg.LeavingWindow()));

    // Left alone, a fade ends by itself at the picture's alpha and stops its timer.
    m_dlg.ReShow();
    m_dlg.SetFadeTime(200);
    m_dlg.SetImagePath(m_green);
    ASSERT_TRUE(ShowFromWorker(m_dlg, 90));
    ASSERT_TRUE(m_dlg.IsFading());
    ASSERT_TRUE(WaitForFadeEnd(m_dlg, 5000));
    EXPECT_EQ(WindowAlpha(m_dlg.FrontWindow()), 90);
    EXPECT_EQ(WindowAlpha(m_dlg.LeavingWindow()), 0);
    EXPECT_FALSE(KillTimer(main, CImageDisplayDlg::kFadeTimerId));
    EXPECT_EQ(m_dlg.RenderCount(), 4);
}

TEST_F(ImageDisplay, ThreeHundredRendersLeaveNoGdiObjectOrHandleBehind) {
    m_dlg.SetImagePath(m_red);
    ASSERT_TRUE(ShowFromWorker(m_dlg, 128));  // first use loads what stays loaded
    m_dlg.SetImagePath(m_green);
    ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
    // So is what the first fade needs (the leaving window's surface).
    m_dlg.SetFadeTime(40);
    m_dlg.SetImagePath(m_red);
    ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
    ASSERT_TRUE(WaitForFadeEnd(m_dlg, 5000));
    m_dlg.SetFadeTime(0);
    const ProcessCounts before = CountProcessObjects();
    for (int i = 0; i < 300; ++i) {
        m_dlg.SetImagePath(i % 2 ? m_green : m_red);
        ASSERT_TRUE(ShowFromWorker(m_dlg, 100 + i % 100));
        if (i % 50 == 0) m_dlg.SetAlpha(90);
    }
    // The same with fading: half the fades cut short as Next does, half left to end.
    for (int i = 0; i < 300; ++i) {
        m_dlg.SetFadeTime(i % 2 ? 10000 : 40);
        m_dlg.SetImagePath(i % 2 ? m_green : m_red);
        ASSERT_TRUE(ShowFromWorker(m_dlg, 128));
        if (i % 2) {
            ASSERT_TRUE(m_dlg.IsFading()) << i;
            m_dlg.EndFade();
        } else {
            // On a loaded machine 40 ms may be over before the show has been worked off.
            ASSERT_TRUE(WaitForFadeEnd(m_dlg, 5000)) << i;
        }
    }
    const ProcessCounts after = CountProcessObjects();
    EXPECT_GT(before.gdiObjects, 0u);
    EXPECT_GT(before.handles, 0u);
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.handles, before.handles);
}

}  // namespace
