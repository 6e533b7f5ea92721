#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "res/VelumIds.h"
#include "framework/Dialog.h"
#include "framework/Window.h"
#include "tests/support/TraceCapture.h"

namespace {

const UINT WM_TEST_ASK = WM_APP + 1;
const UINT WM_TEST_THROW = WM_APP + 2;
const UINT WM_TEST_DONE = WM_APP + 3;

// Posts itself a script of messages from OnInitDialog and records what arrives where.
class ScriptDialog : public CDialog {
public:
    ScriptDialog() : CDialog(IDD_VL_DIALOG) {
        MapCommandRange(100, 110, [this](UINT id) { log.push_back("range " + std::to_string(id)); });
        MapCommand(200, [this](UINT) { log.push_back("single"); });
        MapCommand(300, [](UINT) -> void { throw std::runtime_error("command"); });
        MapMessage(WM_TEST_ASK, [](WPARAM w, LPARAM, LRESULT& result) {
            result = static_cast<LRESULT>(w) * 2;
            return true;
        });
        MapMessage(WM_TEST_THROW, [](WPARAM, LPARAM, LRESULT&) -> bool { throw 42; });
        MapMessage(WM_TEST_DONE, [this](WPARAM code, LPARAM, LRESULT&) {
            EndDialog(static_cast<INT_PTR>(code));
            return true;
        });
    }

    std::vector<UINT> posts;
    std::vector<std::string> log;
    LRESULT asked = 0;
    HWND seenInInit = nullptr;
    CDialog* fromHandle = nullptr;
    bool destroyed = false;
    bool throwInInit = false;

protected:
    BOOL OnInitDialog() override {
        seenInInit = m_hWnd;
        fromHandle = FromHandle(m_hWnd);
        if (throwInInit) throw std::runtime_error("init");
        asked = SendMessageA(m_hWnd, WM_TEST_ASK, 21, 0);
        // A control notification other than a click is not a command.
        PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(200, EN_CHANGE), 0);
        for (UINT id : posts) PostMessageA(m_hWnd, WM_COMMAND, id, 0);
        return TRUE;
    }
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (msg == WM_APP + 9) {
            log.push_back("by number");
            return true;
        }
        return CDialog::OnMessage(msg, wParam, lParam, result);
    }
    void OnTimer(UINT_PTR id) override {
        KillTimer(m_hWnd, id);
        log.push_back("timer " + std::to_string(id));
        PostMessageA(m_hWnd, WM_TEST_DONE, 7, 0);
    }
    void OnDestroy() override { destroyed = true; }
    void OnOK() override {
        log.push_back("ok");
        CDialog::OnOK();
    }
};

TEST(Dialog, RoutesCommandsByIdAndRangeAndEndsWithTheGivenCode) {
    ScriptDialog dlg;
    dlg.posts = {105, 110, 111, 99, 200, IDOK};
    INT_PTR result = dlg.DoModal();
    EXPECT_EQ(result, IDOK);
    EXPECT_NE(dlg.seenInInit, nullptr);
    EXPECT_EQ(dlg.fromHandle, &dlg);
    EXPECT_EQ(dlg.asked, 42);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"range 105", "range 110", "single", "ok"}));
    EXPECT_FALSE(IsWindow(dlg.seenInInit));
}

// Adds a throwing message, a message handled by number and a timer to the script.
class TimerDialog : public ScriptDialog {
protected:
    BOOL OnInitDialog() override {
        ScriptDialog::OnInitDialog();
        PostMessageA(m_hWnd, WM_TEST_THROW, 0, 0);
        PostMessageA(m_hWnd, WM_APP + 9, 0, 0);
        SetTimer(m_hWnd, 55, 10, nullptr);
        return TRUE;
    }
};

TEST(Dialog, AnExceptionInAHandlerIsCaughtAndTheDialogGoesOn) {
    TraceCapture quiet;
    TimerDialog dlg;
    dlg.posts = {300, 200, 105};
    // The timer fires after the posted messages and ends the dialog with 7.
    EXPECT_EQ(dlg.DoModal(), 7);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"single", "range 105", "by number", "timer 55"}));
}

TEST(Dialog, AFailedSetUpEndsTheDialogBeforeItIsShown) {
    TraceCapture quiet;
    ScriptDialog dlg;
    dlg.throwInInit = true;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.destroyed);
}

TEST(Dialog, AQuitMessageEndsTheModalLoopAndStaysQueued) {
    struct Quitter : ScriptDialog {
        BOOL OnInitDialog() override {
            PostQuitMessage(3);
            return TRUE;
        }
    } dlg;
    EXPECT_EQ(dlg.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST(Dialog, ModelessDialogsLiveUntilDestroyed) {
    ScriptDialog dlg;
    ASSERT_TRUE(dlg.Create());
    HWND hwnd = dlg.GetSafeHwnd();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_FALSE(dlg.Create());  // one window per object
    dlg.EndDialog(IDOK);
    EXPECT_TRUE(dlg.destroyed);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

TEST(Dialog, AMissingTemplateFailsCleanly) {
    TraceCapture quiet;
    struct NoTemplate : CDialog {
        NoTemplate() : CDialog(9999) {}
    } dlg;
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_FALSE(dlg.Create());
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

class TestWindow : public CWindow {
public:
    int seen = 0;
    bool destroyed = false;

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (msg == WM_TEST_ASK) {
            ++seen;
            result = static_cast<LRESULT>(wParam) + 1;
            return true;
        }
        if (msg == WM_TEST_THROW) throw std::runtime_error("window");
        return CWindow::OnMessage(msg, wParam, lParam, result);
    }
    void OnDestroy() override { destroyed = true; }
};

TEST(Window, KeepsItsObjectAndNeverLetsAnExceptionOut) {
    TraceCapture quiet;
    ASSERT_TRUE(CWindow::RegisterClassOnce("VelumTestWindow"));
    ASSERT_TRUE(CWindow::RegisterClassOnce("VelumTestWindow"));
    TestWindow w;
    ASSERT_TRUE(w.Create(0, "VelumTestWindow", "t", WS_POPUP, 0, 0, 10, 10));
    HWND hwnd = w.GetSafeHwnd();
    EXPECT_EQ(CWindow::FromHandle(hwnd), &w);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST_ASK, 4, 0), 5);
    // The throwing message falls back to the default window procedure (0 for WM_APP).
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST_THROW, 0, 0), 0);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST_ASK, 1, 0), 2);
    w.Destroy();
    EXPECT_TRUE(w.destroyed);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(w.GetSafeHwnd(), nullptr);
}

}  // namespace
