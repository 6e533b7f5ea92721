// The layered, click-through, topmost window in which the pictures appear, and a second one
// like it. They take turns: the next picture fades in in the window that is not on show,
// raised above the one that is, so that the start of a fade changes nothing on the screen.
//
// ShowImage renders on the worker thread; everything that touches the windows runs on the
// thread that created them (calls from other threads are posted to it), so the worker never
// waits for a busy or closing user-interface thread.
//
// Each window keeps its rendered picture and paints it itself; the picture's opacity is the
// window's constant alpha, so changing it (an opacity step, each step of a fade) neither
// renders nor hands the picture over again.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>

#include "base/Random.h"
#include "base/Sync.h"
#include "display/Fade.h"
#include "display/FullScreen_win.h"
#include "display/ImageDisplay.h"
#include "framework/Dialog.h"
#include "plugin/PaintLibThumbnailGenerater_win.h"
#include "settings/OptionData.h"

class CImageDisplayDlg : public CDialog, public IImageDisplay {
public:
    // pluginPath: empty for tg.dll beside the executable.
    explicit CImageDisplayDlg(std::string pluginPath = std::string());
    ~CImageDisplayDlg() override;
    CImageDisplayDlg(const CImageDisplayDlg&) = delete;
    CImageDisplayDlg& operator=(const CImageDisplayDlg&) = delete;

    // Creates the hidden window from its template (no parent); on the user-interface thread.
    bool Create();
    // Layered-window functions, the plug-in, styles and full-screen size. False on any failure.
    bool InitLayered();

    void SetImagePath(const std::string& path) override;
    bool ShowImage(int alpha) override;
    void ReShow() override;
    void SetAlpha(int alpha) override;
    void SetSizeMode(int sizeMode) override;
    void SetRegion(const CDisplayRegion& region) override;
    void Hide() override;
    bool IsVisible() const override;
    bool IsCoveredByFullScreen() const override;
    void SetForegroundListener(std::function<void()> listener) override;
    void SetFadeTime(uint32_t ms) override { m_nFadeMs = ms; }
    void EndFade() override;

    // How many pictures the plug-in rendered (tests tell a re-show from a new render).
    int RenderCount() const { return m_nRenderCount.load(); }
    // Window thread: a fade is running (its step timer with it).
    bool IsFading() const { return m_fade.IsRunning(); }
    // The window of the picture on show (or fading in), and the other one.
    HWND FrontWindow() const { return m_bOtherInFront ? m_other.GetSafeHwnd() : m_hWnd; }
    HWND LeavingWindow() const { return m_bOtherInFront ? m_hWnd : m_other.GetSafeHwnd(); }
    static constexpr UINT_PTR kFadeTimerId = 1;

private:
    // A rendered picture on its way from the worker to the window's thread.
    struct Pending {
        HDC dc = nullptr;
        HBITMAP previous = nullptr;
        POINT pos = {0, 0};
        SIZE size = {0, 0};
        POINT src = {0, 0};
        BYTE alpha = 0;
        unsigned hideCount = 0;
        std::string path;
    };
    enum : UINT {
        WM_SHOW_PENDING = WM_APP + 40,
        WM_RESHOW = WM_APP + 41,
        WM_HIDE_DISPLAY = WM_APP + 42,
        WM_SET_DISPLAY_ALPHA = WM_APP + 43
    };

    enum : UINT { WM_END_FADE = WM_APP + 44 };

    // The second picture window: shows what it is given, takes no input.
    class CPictureWindow : public CDialog {
    public:
        CPictureWindow();
        Pending m_picture;
    };

    void MapDisplayMessages();
    bool OnWindowThread() const;
    // Runs action here on the window's thread, else posts message (with wParam) for it to run there.
    bool RunOnWindowThread(UINT message, WPARAM wParam, const std::function<void()>& action);
    void ShowPending();
    void DoReShow();
    void DoSetAlpha(BYTE alpha);
    void DoHide();
    void DoEndFade();
    void OnTimer(UINT_PTR id) override;
    void SetWindowAlpha(HWND hwnd, BYTE alpha);
    Pending& FrontPicture() { return m_bOtherInFront ? m_other.m_picture : m_shown; }
    Pending& LeavingPicture() { return m_bOtherInFront ? m_shown : m_other.m_picture; }
    static void PlacePicture(HWND hwnd, const Pending& p);
    static void PaintPicture(HWND hwnd, const Pending& p);
    static void FreeRendered(HDC dc, HBITMAP previous);
    static void FreeRendered(Pending& p);

    using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    HMODULE m_hUser32 = nullptr;
    SetLayeredFn m_pfnSetLayered = nullptr;
    CPaintLibThumbnailGenerater m_generator;
    CForegroundHook m_foregroundHook;
    CRuntimeRandom m_random;
    // The picture of this window, kept on the window's thread and painted from.
    Pending m_shown;
    CPictureWindow m_other;
    // Written on the window's thread only.
    std::atomic<bool> m_bOtherInFront{false};
    CFade m_fade;
    std::atomic<uint32_t> m_nFadeMs{0};

    // Shared by the threads.
    mutable Mutex m_lock;
    int m_nSizeMode = 0;
    CDisplayRegion m_region;
    std::string m_strPath;
    std::string m_strShownPath;
    Pending m_pending;
    std::atomic<unsigned> m_nHideCount{0};
    std::atomic<int> m_nRenderCount{0};
};
