// The layered, click-through, topmost window in which the pictures appear.
//
// ShowImage renders on the worker thread; everything that touches the window runs on the
// thread that created it (calls from other threads are posted to it), so the worker never
// waits for a busy or closing user-interface thread.
#pragma once
#include <windows.h>

#include <atomic>
#include <string>

#include "base/Random.h"
#include "base/Sync.h"
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

    // How many pictures the plug-in rendered (tests tell a re-show from a new render).
    int RenderCount() const { return m_nRenderCount.load(); }

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

    void MapDisplayMessages();
    bool OnWindowThread() const;
    void ShowPending();
    void DoReShow();
    void DoSetAlpha(BYTE alpha);
    static void FreeRendered(HDC dc, HBITMAP previous);

    using UpdateLayeredFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);

    HMODULE m_hUser32 = nullptr;
    UpdateLayeredFn m_pfnUpdateLayered = nullptr;
    CPaintLibThumbnailGenerater m_generator;
    CForegroundHook m_foregroundHook;
    CRuntimeRandom m_random;
    // The picture on show, kept on the window's thread: a new alpha is applied by handing it
    // over again, since not every system takes a bare alpha change (Wine ignores it).
    Pending m_shown;

    // Shared by the threads.
    mutable Mutex m_lock;
    BLENDFUNCTION m_blend = {AC_SRC_OVER, 0, 0, 0};
    int m_nSizeMode = 0;
    CDisplayRegion m_region;
    std::string m_strPath;
    std::string m_strShownPath;
    Pending m_pending;
    std::atomic<unsigned> m_nHideCount{0};
    std::atomic<int> m_nRenderCount{0};
};
