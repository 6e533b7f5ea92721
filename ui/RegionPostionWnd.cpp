#include "ui/RegionPostionWnd.h"

#include <windowsx.h>

#include "res/ArtIds.h"
#include "base/Trace.h"
#include "widgets/Skin.h"

namespace {

const char kPickerClass[] = "VelumRegionPicker";

RECT ToRect(const PickerRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

void Fill(HDC dc, const RECT& rc, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rc, brush);
    DeleteObject(brush);
}

// Without the monitor picture: a plain grey case around a dark screen.
void PaintPlainMonitor(HDC dc) {
    const RECT monitorCase = {0, 0, kPickerWidth, 72};
    Fill(dc, monitorCase, RGB(192, 192, 192));
    FrameRect(dc, &monitorCase, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    Fill(dc, ToRect(kPickerScreenArea), RGB(0, 0, 128));
}

}  // namespace

ScreenRect PrimaryScreenRect() {
    return ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

CRegionPostionWnd::CRegionPostionWnd()
    : m_picker(PrimaryScreenRect()),
      m_hMonitor(LoadArtBitmap(IDB_MONITOR)),
      m_hBlockCursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_BLOCK_CURSOR))) {}

CRegionPostionWnd::~CRegionPostionWnd() {
    Destroy();
    if (m_hMonitor) DeleteObject(m_hMonitor);
}

bool CRegionPostionWnd::CreateOver(HWND dialog, int placeholderId) {
    HWND placeholder = GetDlgItem(dialog, placeholderId);
    if (!placeholder || GetSafeHwnd() || !RegisterClassOnce(kPickerClass)) return false;
    RECT rc;
    GetWindowRect(placeholder, &rc);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
    const DWORD style = WS_CHILD | WS_VISIBLE | (m_bEnabled ? 0 : WS_DISABLED);
    if (!Create(0, kPickerClass, "", style, rc.left, rc.top, kPickerWidth, kPickerHeight, dialog,
                static_cast<UINT>(placeholderId))) {
        return false;
    }
    SetWindowPos(m_hWnd, placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::DestroyWindow(placeholder);
    return true;
}

void CRegionPostionWnd::MoveTo(int x, int y) {
    if (m_hWnd) SetWindowPos(m_hWnd, nullptr, x, y, kPickerWidth, kPickerHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CRegionPostionWnd::SetScreen(const ScreenRect& screen) {
    m_picker = CRegionPicker(screen);
    m_monitors.clear();
    Redraw();
}

void CRegionPostionWnd::SetMonitors(const MonitorList& monitors) {
    if (monitors.size() < 2) return;
    SetScreen(BoundingScreen(monitors));
    m_monitors = monitors;
}

void CRegionPostionWnd::SetRegionSize(int width, int height) {
    m_picker.SetRegionSize(width, height);
    Redraw();
}

void CRegionPostionWnd::SetPosition(int x, int y) {
    m_picker.SetPosition(x, y);
    Redraw();
}

POINT CRegionPostionWnd::GetPosition() const {
    const PickerPoint p = m_picker.GetPosition();
    return POINT{p.x, p.y};
}

void CRegionPostionWnd::Enable(bool enable) {
    m_bEnabled = enable;
    if (m_hWnd) EnableWindow(m_hWnd, enable ? TRUE : FALSE);
    Redraw();
}

// The monitors as they are arranged, on dark ground where the rectangle around them has none.
void CRegionPostionWnd::PaintMonitors(HDC dc) const {
    Fill(dc, ToRect(kPickerScreenArea), RGB(48, 48, 48));
    for (size_t i = 0; i < m_monitors.size(); ++i) {
        RECT r = ToRect(m_picker.ToPicker(m_monitors[i]));
        Fill(dc, r, i == 0 ? RGB(58, 110, 165) : RGB(40, 84, 130));  // the primary a little lighter
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
}

void CRegionPostionWnd::Paint(HDC dc) const {
    const RECT all = {0, 0, kPickerWidth, kPickerHeight};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    if (!DrawTransparentBitmap(dc, m_hMonitor, 0, 0, kMagenta)) PaintPlainMonitor(dc);
    RECT screen = ToRect(kPickerScreenArea);
    if (!m_bEnabled) {
        FillRect(dc, &screen, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    if (!m_monitors.empty()) PaintMonitors(dc);
    RECT block = ToRect(m_picker.BlockToPaint());
    FrameRect(dc, &block, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&block, -1, -1);
    if (block.right > block.left && block.bottom > block.top) {
        FillRect(dc, &block, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
}

bool CRegionPostionWnd::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (msg) {
        case WM_ERASEBKGND:
            result = 1;  // the paint covers every pixel
            return true;
        case WM_PAINT:
            OnPaint();
            return true;
        case WM_SETCURSOR:
            if (LOWORD(lParam) != HTCLIENT || !OnSetCursor()) return false;
            result = TRUE;
            return true;
        case WM_LBUTTONDOWN:
            OnButtonDown(lParam);
            return true;
        case WM_MOUSEMOVE:
            OnMouseMove(lParam);
            return true;
        case WM_LBUTTONUP:
            if (GetCapture() == m_hWnd) ReleaseCapture();
            return true;
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            EndDrag();
            return false;
        case WM_ENABLE:
            m_bEnabled = wParam != 0;
            if (!m_bEnabled && GetCapture() == m_hWnd) ReleaseCapture();
            Redraw();
            return true;
        default:
            return false;
    }
}

void CRegionPostionWnd::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    if (!dc) return;
    // One piece: the block never flickers over the monitor while it is dragged.
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bmp = mem ? CreateCompatibleBitmap(dc, kPickerWidth, kPickerHeight) : nullptr;
    if (bmp) {
        HGDIOBJ old = SelectObject(mem, bmp);
        Paint(mem);
        BitBlt(dc, 0, 0, kPickerWidth, kPickerHeight, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteObject(bmp);
    } else {
        VL_TRACE();
        Paint(dc);
    }
    if (mem) DeleteDC(mem);
    EndPaint(m_hWnd, &ps);
}

bool CRegionPostionWnd::OnSetCursor() {
    POINT pt;
    if (!m_bEnabled || !m_hBlockCursor || !GetCursorPos(&pt)) return false;
    ScreenToClient(m_hWnd, &pt);
    if (!m_picker.HitsBlock({pt.x, pt.y})) return false;
    SetCursor(m_hBlockCursor);
    return true;
}

void CRegionPostionWnd::OnButtonDown(LPARAM lParam) {
    if (!m_bEnabled || m_picker.Dragging()) return;
    m_blockAtPress = m_picker.Block();
    if (m_picker.BeginDrag({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) SetCapture(m_hWnd);
}

void CRegionPostionWnd::OnMouseMove(LPARAM lParam) {
    if (!m_picker.Dragging()) return;
    const PickerRect before = m_picker.Block();
    m_picker.DragTo({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (m_picker.Block() == before) return;
    InvalidateRect(m_hWnd, nullptr, FALSE);
    UpdateWindow(m_hWnd);
}

void CRegionPostionWnd::EndDrag() {
    if (!m_picker.Dragging()) return;
    m_picker.EndDrag();
    if (m_picker.Block() == m_blockAtPress) return;
    HWND parent = GetParent(m_hWnd);
    if (parent) {
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_hWnd), kPositionChanged),
                     reinterpret_cast<LPARAM>(m_hWnd));
    }
}

void CRegionPostionWnd::Redraw() {
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}
