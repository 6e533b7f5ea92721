#include "ui/ImageDisplayDlg.h"

#include "base/Trace.h"
#include "display/DisplayLayout.h"
#include "res/ImageDisplayIds.h"

#ifndef LWA_ALPHA
#define LWA_ALPHA 0x00000002
#endif
#ifndef WS_EX_LAYERED
#define WS_EX_LAYERED 0x00080000
#endif

namespace {
const LONG kLayerStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
const UINT kShowFlags = SWP_NOACTIVATE | SWP_SHOWWINDOW;

BYTE ClampAlpha(int alpha) {
    return static_cast<BYTE>(alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha));
}
}  // namespace

CImageDisplayDlg::CPictureWindow::CPictureWindow() : CDialog(IDD_IMAGE_DISPLAY) {
    MapMessage(WM_ERASEBKGND, [](WPARAM, LPARAM, LRESULT& result) {
        result = 1;  // the picture covers the whole window
        return true;
    });
    MapMessage(WM_PAINT, [this](WPARAM, LPARAM, LRESULT& result) {
        PaintPicture(m_hWnd, m_picture);
        result = 0;
        return true;
    });
}

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
    m_other.DestroyWindow();
    FreeRendered(m_pending);  // a picture the window never took
    FreeRendered(m_shown);
    FreeRendered(m_other.m_picture);
}

bool CImageDisplayDlg::Create() {
    if (m_hWnd) return true;
    if (!CDialog::Create(nullptr) || !m_hWnd) {
        VL_TRACE();
        return false;
    }
    ShowWindow(m_hWnd, SW_HIDE);
    if (!m_other.Create(nullptr) || !m_other.GetSafeHwnd()) {
        VL_TRACE();
        return false;
    }
    ShowWindow(m_other.GetSafeHwnd(), SW_HIDE);
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
    m_pfnSetLayered = reinterpret_cast<SetLayeredFn>(reinterpret_cast<void*>(attributes));
    if (!m_generator.Load()) {
        VL_TRACE();
        return false;
    }
    for (HWND hwnd : {m_hWnd, m_other.GetSafeHwnd()}) {
        SetWindowLongA(hwnd, GWL_EXSTYLE, kLayerStyle);
        EnableWindow(hwnd, FALSE);
        MoveWindow(hwnd, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), TRUE);
    }
    return true;
}

void CImageDisplayDlg::SetImagePath(const std::string& path) {
    LockGuard lock(m_lock);
    m_strPath = path;
}

bool CImageDisplayDlg::ShowImage(int alpha) {
    if (!m_generator.CanRender() || !m_pfnSetLayered) {
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
    p.alpha = ClampAlpha(alpha);
    p.hideCount = hideCount;
    p.path = path;
    {
        LockGuard lock(m_lock);
        FreeRendered(m_pending);  // one not yet shown is overtaken
        m_pending = p;
    }
    // False when the window is gone; the destructor frees the picture.
    return RunOnWindowThread(WM_SHOW_PENDING, 0, [this] { ShowPending(); });
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
            FreeRendered(p);
            return;
        }
    }
    DoEndFade();  // a picture that comes during a fade ends it
    const uint32_t fadeMs = m_nFadeMs.load();
    const bool fade = fadeMs > 0 && IsVisible() && FrontPicture().dc && m_other.GetSafeHwnd();
    // A fading picture comes in the other window, transparent and above the one on show,
    // which stays as it is: handing that one over would flash both at once on the screen.
    if (fade) m_bOtherInFront = !m_bOtherInFront;
    FreeRendered(FrontPicture());
    FrontPicture() = p;
    const HWND front = FrontWindow();
    SetWindowAlpha(front, fade ? 0 : p.alpha);
    PlacePicture(front, p);
    if (fade) {
        m_fade.Start(GetTickCount(), fadeMs, p.alpha);
        SetTimer(m_hWnd, kFadeTimerId, CFade::kStepMs, nullptr);
    }
    LockGuard lock(m_lock);
    m_strShownPath = p.path;
}

void CImageDisplayDlg::PlacePicture(HWND hwnd, const Pending& p) {
    SetWindowPos(hwnd, HWND_TOPMOST, p.pos.x, p.pos.y, p.size.cx, p.size.cy, kShowFlags);
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

void CImageDisplayDlg::PaintPicture(HWND hwnd, const Pending& p) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc && p.dc) BitBlt(dc, 0, 0, p.size.cx, p.size.cy, p.dc, p.src.x, p.src.y, SRCCOPY);
    EndPaint(hwnd, &ps);
}

void CImageDisplayDlg::SetWindowAlpha(HWND hwnd, BYTE alpha) {
    if (!m_pfnSetLayered(hwnd, 0, alpha, LWA_ALPHA)) VL_TRACE();
}

void CImageDisplayDlg::OnTimer(UINT_PTR id) {
    if (id != kFadeTimerId) return;
    const CFade::Alphas a = m_fade.At(GetTickCount());
    if (a.done) {
        DoEndFade();
        return;
    }
    SetWindowAlpha(FrontWindow(), static_cast<BYTE>(a.incoming));
    SetWindowAlpha(LeavingWindow(), static_cast<BYTE>(a.leaving));
}

void CImageDisplayDlg::EndFade() {
    if (!m_hWnd) return;
    RunOnWindowThread(WM_END_FADE, 0, [this] { DoEndFade(); });
}

void CImageDisplayDlg::DoEndFade() {
    if (!m_fade.IsRunning()) return;
    m_fade.End();
    KillTimer(m_hWnd, kFadeTimerId);
    SetWindowAlpha(FrontWindow(), static_cast<BYTE>(m_fade.Target()));
    // Made transparent rather than hidden: under Wine without a window manager each hide of
    // the window waits two seconds for an answer that never comes. It is hidden with the display.
    SetWindowAlpha(LeavingWindow(), 0);
    FreeRendered(LeavingPicture());
}

void CImageDisplayDlg::FreeRendered(Pending& p) {
    FreeRendered(p.dc, p.previous);
    p.dc = nullptr;
    p.previous = nullptr;
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

bool CImageDisplayDlg::RunOnWindowThread(UINT message, WPARAM wParam, const std::function<void()>& action) {
    if (OnWindowThread()) {
        action();
        return true;
    }
    return PostMessageA(m_hWnd, message, wParam, 0) != FALSE;
}

void CImageDisplayDlg::ReShow() {
    if (!m_hWnd) return;
    RunOnWindowThread(WM_RESHOW, 0, [this] { DoReShow(); });
}

void CImageDisplayDlg::DoReShow() {
    DoEndFade();
    {
        LockGuard lock(m_lock);
        if (m_strShownPath.empty()) return;
    }
    RECT r;
    const HWND front = FrontWindow();
    if (!GetWindowRect(front, &r)) return;
    SetWindowPos(front, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CImageDisplayDlg::SetAlpha(int alpha) {
    if (!m_hWnd || !m_pfnSetLayered) return;
    const BYTE a = ClampAlpha(alpha);
    RunOnWindowThread(WM_SET_DISPLAY_ALPHA, a, [this, a] { DoSetAlpha(a); });
}

void CImageDisplayDlg::DoSetAlpha(BYTE alpha) {
    {
        LockGuard lock(m_lock);
        if (m_pending.dc) m_pending.alpha = alpha;  // a picture on its way comes with the new alpha
    }
    FrontPicture().alpha = alpha;
    if (m_fade.IsRunning()) {
        m_fade.SetTarget(alpha);  // the next steps rise to it
    } else {
        SetWindowAlpha(FrontWindow(), alpha);
    }
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
    RunOnWindowThread(WM_HIDE_DISPLAY, 0, [this] { DoHide(); });
}

void CImageDisplayDlg::DoHide() {
    DoEndFade();
    ShowWindow(m_other.GetSafeHwnd(), SW_HIDE);
    ShowWindow(m_hWnd, SW_HIDE);
}

bool CImageDisplayDlg::IsVisible() const {
    return m_hWnd && IsWindowVisible(FrontWindow());
}

void CImageDisplayDlg::MapDisplayMessages() {
    MapMessage(WM_ERASEBKGND, [](WPARAM, LPARAM, LRESULT& result) {
        result = 1;  // the picture covers the whole window
        return true;
    });
    MapMessage(WM_PAINT, [this](WPARAM, LPARAM, LRESULT& result) {
        PaintPicture(m_hWnd, m_shown);
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
        DoHide();
        return true;
    });
    MapMessage(WM_END_FADE, [this](WPARAM, LPARAM, LRESULT&) {
        DoEndFade();
        return true;
    });
    MapMessage(WM_SET_DISPLAY_ALPHA, [this](WPARAM wParam, LPARAM, LRESULT&) {
        DoSetAlpha(static_cast<BYTE>(wParam));
        return true;
    });
}

bool CImageDisplayDlg::IsCoveredByFullScreen() const {
    return m_hWnd && IsFullScreenProgramInFront(FrontWindow());
}

void CImageDisplayDlg::SetForegroundListener(std::function<void()> listener) {
    if (listener)
        m_foregroundHook.Install(std::move(listener));
    else
        m_foregroundHook.Remove();
}
