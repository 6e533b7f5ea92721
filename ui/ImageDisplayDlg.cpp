#include "ui/ImageDisplayDlg.h"

#include "base/Trace.h"
#include "display/DisplayLayout.h"
#include "res/ImageDisplayIds.h"

#ifndef ULW_ALPHA
#define ULW_ALPHA 0x00000002
#endif
#ifndef WS_EX_LAYERED
#define WS_EX_LAYERED 0x00080000
#endif

CImageDisplayDlg::CImageDisplayDlg(std::string pluginPath)
    : CDialog(IDD_IMAGE_DISPLAY), m_generator(std::move(pluginPath)), m_random(GetTickCount()) {
    MapDisplayMessages();
}

CImageDisplayDlg::~CImageDisplayDlg() {
    m_foregroundHook.Remove();
    // The window goes first, so that no posted picture reaches a half-destroyed object.
    if (HWND hwnd = m_hWnd) {
        DetachHandle();
        ::DestroyWindow(hwnd);
    }
    FreeRendered(m_pending.dc, m_pending.previous);  // a picture the window never took
    FreeRendered(m_shown.dc, m_shown.previous);
}

bool CImageDisplayDlg::Create() {
    if (m_hWnd) return true;
    if (!CDialog::Create(nullptr) || !m_hWnd) {
        VL_TRACE();
        return false;
    }
    ShowWindow(m_hWnd, SW_HIDE);
    return true;
}

bool CImageDisplayDlg::InitLayered() {
    if (!m_hWnd) {
        VL_TRACE();
        return false;
    }
    m_hUser32 = GetModuleHandleA("USER32.DLL");
    FARPROC update = m_hUser32 ? GetProcAddress(m_hUser32, "UpdateLayeredWindow") : nullptr;
    FARPROC attributes = m_hUser32 ? GetProcAddress(m_hUser32, "SetLayeredWindowAttributes") : nullptr;
    if (!update || !attributes) {
        VL_TRACE();
        return false;
    }
    m_pfnUpdateLayered = reinterpret_cast<UpdateLayeredFn>(reinterpret_cast<void*>(update));
    if (!m_generator.Load()) {
        VL_TRACE();
        return false;
    }
    SetWindowLongA(m_hWnd, GWL_EXSTYLE, WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    EnableWindow(m_hWnd, FALSE);
    MoveWindow(m_hWnd, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), TRUE);
    return true;
}

void CImageDisplayDlg::SetImagePath(const std::string& path) {
    LockGuard lock(m_lock);
    m_strPath = path;
}

bool CImageDisplayDlg::ShowImage(int alpha) {
    if (!m_generator.CanRender() || !m_pfnUpdateLayered) {
        VL_TRACE();
        return false;
    }
    std::string path;
    int sizeMode;
    CDisplayRegion region;
    bool alreadyShown;
    {
        LockGuard lock(m_lock);
        path = m_strPath;
        alreadyShown = !m_strShownPath.empty() && path == m_strShownPath;
        sizeMode = m_nSizeMode;
        region = m_region;
    }
    if (alreadyShown) {
        // Same picture, same layout: back on top, neither rendered again nor re-blended.
        ReShow();
        return true;
    }
    const unsigned hideCount = m_nHideCount.load();
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    int boxW = 0, boxH = 0;
    RequestedRenderSize(region, screenW, screenH, boxW, boxH);
    SIZE size = {boxW, boxH};
    const uint32_t mode = (static_cast<uint32_t>(sizeMode) & 0xFFFF) | (static_cast<uint32_t>(region.m_nFitMode) << 16);
    HDC dc = nullptr;
    HBITMAP previous = nullptr;
    if (!m_generator.GenerateToDC(path.c_str(), mode, dc, size, previous)) return false;  // the old picture stays
    ++m_nRenderCount;
    const CDisplayPlacement place =
        LayoutPicture(sizeMode, region, SystemMonitors(), size.cx, size.cy, [this] { return m_random.Next(); });

    Pending p;
    p.dc = dc;
    p.previous = previous;
    p.pos = {place.x, place.y};
    p.size = {place.width, place.height};
    p.src = {place.srcX, place.srcY};
    p.alpha = static_cast<BYTE>(alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha));
    p.hideCount = hideCount;
    p.path = path;
    {
        LockGuard lock(m_lock);
        FreeRendered(m_pending.dc, m_pending.previous);  // one not yet shown is overtaken
        m_pending = p;
    }
    if (OnWindowThread()) {
        ShowPending();
    } else if (!PostMessageA(m_hWnd, WM_SHOW_PENDING, 0, 0)) {
        return false;  // the window is gone; the destructor frees the picture
    }
    return true;
}

void CImageDisplayDlg::ShowPending() {
    Pending p;
    {
        LockGuard lock(m_lock);
        p = m_pending;
        m_pending = Pending();
        if (!p.dc) return;
        // Hidden since the render began (disabled, configuration window opened): stay hidden.
        if (p.hideCount != m_nHideCount.load()) {
            FreeRendered(p.dc, p.previous);
            return;
        }
        m_blend = {AC_SRC_OVER, 0, p.alpha, 0};
    }
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, p.alpha, 0};
    m_pfnUpdateLayered(m_hWnd, nullptr, &p.pos, &p.size, p.dc, &p.src, 0, &blend, ULW_ALPHA);
    SetWindowPos(m_hWnd, HWND_TOPMOST, p.pos.x, p.pos.y, p.size.cx, p.size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    FreeRendered(m_shown.dc, m_shown.previous);
    m_shown = p;
    LockGuard lock(m_lock);
    m_strShownPath = p.path;
}

void CImageDisplayDlg::FreeRendered(HDC dc, HBITMAP previous) {
    if (!dc) return;
    HGDIOBJ picture = SelectObject(dc, previous);
    if (picture && picture != HGDI_ERROR) DeleteObject(picture);
    DeleteDC(dc);
}

bool CImageDisplayDlg::OnWindowThread() const {
    return m_hWnd && GetWindowThreadProcessId(m_hWnd, nullptr) == GetCurrentThreadId();
}

void CImageDisplayDlg::ReShow() {
    if (!m_hWnd) return;
    if (OnWindowThread()) {
        DoReShow();
    } else {
        PostMessageA(m_hWnd, WM_RESHOW, 0, 0);
    }
}

void CImageDisplayDlg::DoReShow() {
    {
        LockGuard lock(m_lock);
        if (m_strShownPath.empty()) return;
    }
    RECT r;
    if (!GetWindowRect(m_hWnd, &r)) return;
    SetWindowPos(m_hWnd, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CImageDisplayDlg::SetAlpha(int alpha) {
    if (!m_hWnd || !m_pfnUpdateLayered) return;
    const BYTE a = static_cast<BYTE>(alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha));
    if (OnWindowThread()) {
        DoSetAlpha(a);
    } else {
        PostMessageA(m_hWnd, WM_SET_DISPLAY_ALPHA, a, 0);
    }
}

void CImageDisplayDlg::DoSetAlpha(BYTE alpha) {
    BLENDFUNCTION blend;
    {
        LockGuard lock(m_lock);
        m_blend = {AC_SRC_OVER, 0, alpha, 0};
        blend = m_blend;
        if (m_pending.dc) m_pending.alpha = alpha;  // a picture on its way comes with the new alpha
    }
    BOOL ok;
    if (m_shown.dc) {
        m_shown.alpha = alpha;
        ok = m_pfnUpdateLayered(m_hWnd, nullptr, &m_shown.pos, &m_shown.size, m_shown.dc, &m_shown.src, 0, &blend,
                                ULW_ALPHA);
    } else {
        ok = m_pfnUpdateLayered(m_hWnd, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA);
    }
    if (!ok) VL_TRACE();
}

void CImageDisplayDlg::SetSizeMode(int sizeMode) {
    LockGuard lock(m_lock);
    if (sizeMode != m_nSizeMode) {
        m_strShownPath.clear();
        m_nSizeMode = sizeMode;
    }
}

void CImageDisplayDlg::SetRegion(const CDisplayRegion& region) {
    LockGuard lock(m_lock);
    m_strShownPath.clear();
    m_region = region;
}

void CImageDisplayDlg::Hide() {
    if (!m_hWnd) return;
    ++m_nHideCount;
    if (OnWindowThread()) {
        ShowWindow(m_hWnd, SW_HIDE);
    } else {
        PostMessageA(m_hWnd, WM_HIDE_DISPLAY, 0, 0);
    }
}

bool CImageDisplayDlg::IsVisible() const {
    return m_hWnd && IsWindowVisible(m_hWnd);
}

void CImageDisplayDlg::MapDisplayMessages() {
    MapMessage(WM_ERASEBKGND, [](WPARAM, LPARAM, LRESULT& result) {
        result = 1;  // nothing of its own to draw
        return true;
    });
    MapMessage(WM_PAINT, [this](WPARAM, LPARAM, LRESULT& result) {
        PAINTSTRUCT ps;
        BeginPaint(m_hWnd, &ps);
        EndPaint(m_hWnd, &ps);
        result = 0;
        return true;
    });
    MapMessage(WM_SHOW_PENDING, [this](WPARAM, LPARAM, LRESULT&) {
        ShowPending();
        return true;
    });
    MapMessage(WM_RESHOW, [this](WPARAM, LPARAM, LRESULT&) {
        DoReShow();
        return true;
    });
    MapMessage(WM_HIDE_DISPLAY, [this](WPARAM, LPARAM, LRESULT&) {
        ShowWindow(m_hWnd, SW_HIDE);
        return true;
    });
    MapMessage(WM_SET_DISPLAY_ALPHA, [this](WPARAM wParam, LPARAM, LRESULT&) {
        DoSetAlpha(static_cast<BYTE>(wParam));
        return true;
    });
}

bool CImageDisplayDlg::IsCoveredByFullScreen() const {
    return m_hWnd && IsFullScreenProgramInFront(m_hWnd);
}

void CImageDisplayDlg::SetForegroundListener(std::function<void()> listener) {
    if (listener)
        m_foregroundHook.Install(std::move(listener));
    else
        m_foregroundHook.Remove();
}
