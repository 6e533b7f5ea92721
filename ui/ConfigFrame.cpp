// The configuration window's skinned frame: its shape, the layout of its controls, the hit
// zones of its border, moving, sizing, maximizing, showing and hiding.
#include "ui/ConfigWindow.h"

#include <windowsx.h>

#include "res/ConfigIds.h"
#include "base/ResString_win.h"
#include "base/Trace.h"
#include "ui/core/OptionControls.h"
#include "ui/core/ConfigLayout.h"
#include "ui/core/ConfigTexts.h"

namespace {

// Extra height of a drop-down list beyond its 20-pixel field.
const int kOpacityDropHeight = 260;
const int kComboDropHeight = 120;
// The system's move command for a drag started with the mouse.
const WPARAM kMoveByMouse = 0xF011;

RECT ToRect(const UiRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Shape and layout

void CConfigWindow::ApplyShape(int width, int height) {
    UiRect rects[kRegionRectCount];
    ConfigRegionRects(width, height, rects);
    struct {
        RGNDATAHEADER header;
        RECT rects[kRegionRectCount];
    } data{};
    data.header.dwSize = sizeof(RGNDATAHEADER);
    data.header.iType = RDH_RECTANGLES;
    data.header.nCount = kRegionRectCount;
    data.header.nRgnSize = sizeof data.rects;
    data.header.rcBound = RECT{0, 0, width, height};
    for (int i = 0; i < kRegionRectCount; ++i) data.rects[i] = ToRect(rects[i]);
    HRGN region = ExtCreateRegion(nullptr, sizeof data, reinterpret_cast<const RGNDATA*>(&data));
    // The system owns the region from here on and deletes the one it replaces.
    if (!region || !SetWindowRgn(m_hWnd, region, TRUE)) {
        VL_TRACE();
        if (region) DeleteObject(region);
    }
}

void CConfigWindow::ApplyLayout(int width, int height) {
    const ConfigLayout l = LayoutConfigWindow(width, height);
    auto place = [this](HWND hwnd, const UiRect& r, int extraHeight = 0) {
        if (hwnd) MoveWindow(hwnd, r.left, r.top, r.Width(), r.Height() + extraHeight, FALSE);
    };
    auto item = [this](int id) { return GetDlgItem(m_hWnd, id); };
    if (m_captionPanel) place(m_captionPanel->GetSafeHwnd(), l.captionPanel);
    if (m_bodyPanel) place(m_bodyPanel->GetSafeHwnd(), l.bodyPanel);
    if (m_buttonPanel) place(m_buttonPanel->GetSafeHwnd(), l.buttonPanel);
    for (int i = 0; i < 4; ++i) {
        if (m_bars[i]) place(m_bars[i]->GetSafeHwnd(), l.bars[i]);
    }
    place(item(IDC_SYSTEM_BUTTON), l.systemButton);
    place(item(IDC_MINIMIZE_BUTTON), l.minimizeButton);
    place(item(IDC_MAXIMIZE_BUTTON), l.maximizeButton);
    place(item(IDC_CLOSE_BUTTON), l.closeButton);
    place(item(IDC_ADD), l.add);
    place(item(IDC_REMOVE), l.remove);
    place(item(IDC_CLEAR), l.clear);
    place(item(IDC_LIST_MODE), l.listMode);
    place(item(IDC_IMAGE_LIST), l.list);
    place(item(IDC_TOP), l.top);
    place(item(IDC_UP), l.up);
    place(item(IDC_DOWN), l.down);
    place(item(IDC_BOTTOM), l.bottom);
    place(item(IDC_OPACITY), l.opacity, kOpacityDropHeight);
    place(item(IDC_SEQUENCE), l.sequence, kComboDropHeight);
    place(item(IDC_SIZE_MODE), l.sizeMode, kComboDropHeight);
    place(item(IDC_INTERVAL), l.interval);
    place(item(IDOK), l.ok);
    place(item(IDCANCEL), l.cancel);
    // The spin follows the edit box only when it is attached again.
    CUpDownCtrl spin(m_hWnd, IDC_INTERVAL_SPIN);
    spin.SetBuddy(item(IDC_INTERVAL));
    spin.SetRange(kIntervalMin, kIntervalMax);
    UpdateCaptions();
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CConfigWindow::UpdateCaptions() {
    if (m_captionPanel) {
        RECT rc;
        GetClientRect(m_captionPanel->GetSafeHwnd(), &rc);
        m_captionPanel->SetTexts({{rc, LoadResString(IDS_PRODUCT_NAME), m_titleFont.Handle(),
                                   DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX}});
    }
    if (m_bodyPanel) {
        RECT rc;
        GetClientRect(m_bodyPanel->GetSafeHwnd(), &rc);
        const OptionCaptionLayout c = LayoutOptionCaptions(rc.left, rc.right, rc.bottom);
        const UiRect places[4] = {c.opacity, c.intervals, c.sequence, c.sizePosition};
        TextLookup lookup = m_language.Lookup();
        std::vector<CSkinPanel::Text> texts;
        for (int i = 0; i < 4; ++i) {
            texts.push_back({ToRect(places[i]), TextOrEnglish(lookup, kOptionCaptionTexts[i]), m_captionFont.Handle(),
                             DT_RIGHT | DT_VCENTER | DT_SINGLELINE});
        }
        m_bodyPanel->SetTexts(std::move(texts));
    }
}

// ---------------------------------------------------------------------------------------
// Showing, hiding, maximizing

void CConfigWindow::Show() {
    if (!m_hWnd) return;
    if (IsWindowVisible(m_hWnd)) {
        if (IsIconic(m_hWnd)) ShowWindow(m_hWnd, SW_RESTORE);
        SetForegroundWindow(m_hWnd);
        return;
    }
    LONG ex = GetWindowLongA(m_hWnd, GWL_EXSTYLE);
    SetWindowLongA(m_hWnd, GWL_EXSTYLE, (ex & ~WS_EX_TOOLWINDOW) | WS_EX_APPWINDOW);
    if (!IsZoomed(m_hWnd)) {
        // The size the user gave it stays; only the place is new.
        RECT rc, work;
        GetWindowRect(m_hWnd, &rc);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        int w = rc.right - rc.left, h = rc.bottom - rc.top;
        SetWindowPos(m_hWnd, nullptr, work.left + (work.right - work.left - w) / 2,
                     work.top + (work.bottom - work.top - h) / 2, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    NoteShownValues();
    ShowWindow(m_hWnd, IsIconic(m_hWnd) ? SW_RESTORE : SW_SHOW);
    SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(m_hWnd);
    SetFocus(GetDlgItem(m_hWnd, IDC_IMAGE_LIST));
}

void CConfigWindow::Hide() {
    if (!m_hWnd) return;
    ShowWindow(m_hWnd, SW_HIDE);
    LONG ex = GetWindowLongA(m_hWnd, GWL_EXSTYLE);
    SetWindowLongA(m_hWnd, GWL_EXSTYLE, (ex & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
}

void CConfigWindow::ToggleMaximize() {
    if (!IsZoomed(m_hWnd)) {
        ShowWindow(m_hWnd, SW_SHOWMAXIMIZED);
        // The whole screen, not the work area.
        SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                     SWP_NOACTIVATE);
    } else {
        ShowWindow(m_hWnd, SW_RESTORE);
    }
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    ApplyShape(rc.right, rc.bottom);
    ApplyLayout(rc.right, rc.bottom);
}

// ---------------------------------------------------------------------------------------
// Messages of the frame

void CConfigWindow::MapFrameMessages() {
    MapMessage(WM_SIZE, [this](WPARAM type, LPARAM size, LRESULT&) {
        if (type != SIZE_MINIMIZED && LOWORD(size) > 0) {
            ApplyShape(LOWORD(size), HIWORD(size));
            ApplyLayout(LOWORD(size), HIWORD(size));
        }
        return false;
    });
    MapMessage(WM_WINDOWPOSCHANGING, [](WPARAM, LPARAM lParam, LRESULT&) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOSIZE))
            ClampWindowSize(pos->cx, pos->cy, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        return false;
    });
    MapMessage(WM_ERASEBKGND, [](WPARAM, LPARAM, LRESULT& result) {
        result = 1;  // the panels cover the whole shape
        return true;
    });
    MapMessage(WM_SETCURSOR, [this](WPARAM, LPARAM, LRESULT& result) {
        result = TRUE;
        return OnSetCursor();
    });
    MapMessage(WM_LBUTTONDOWN, [this](WPARAM, LPARAM lParam, LRESULT&) {
        OnLButtonDown(lParam);
        return true;
    });
    MapMessage(WM_MOUSEMOVE, [this](WPARAM, LPARAM lParam, LRESULT&) {
        OnMouseMove(lParam);
        return m_bResizing;
    });
    MapMessage(WM_LBUTTONUP, [this](WPARAM, LPARAM, LRESULT&) {
        if (!m_bResizing) return false;
        ReleaseCapture();
        return true;
    });
    MapMessage(WM_CAPTURECHANGED, [this](WPARAM, LPARAM, LRESULT&) {
        m_bResizing = false;
        return false;
    });
    MapMessage(WM_LBUTTONDBLCLK, [this](WPARAM, LPARAM lParam, LRESULT&) {
        RECT rc;
        GetClientRect(m_hWnd, &rc);
        if (!InCaptionBand(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), rc.right))
            return false;
        ToggleMaximize();
        return true;
    });
    MapMessage(WM_CONTEXTMENU, [this](WPARAM wParam, LPARAM lParam, LRESULT&) {
        OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
        return true;
    });
    MapMessage(WM_ACTIVATE, [this](WPARAM wParam, LPARAM, LRESULT&) {
        if (LOWORD(wParam) == WA_INACTIVE || HIWORD(wParam)) return false;
        SetFocus(GetDlgItem(m_hWnd, IDC_IMAGE_LIST));
        return true;
    });
    MapNotify(kAnyControl, TTN_NEEDTEXTA, [this](NMHDR* header, LRESULT&) { return OnToolTipText(header); });
    MapNotify(kAnyControl, TTN_NEEDTEXTW, [this](NMHDR* header, LRESULT&) { return OnToolTipText(header); });
}

int CConfigWindow::ZoneAt(POINT client) const {
    if (IsZoomed(m_hWnd) || IsIconic(m_hWnd) || !IsWindowVisible(m_hWnd)) return kZoneNone;
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    return BorderZone(client.x, client.y, rc.right, rc.bottom);
}

bool CConfigWindow::OnSetCursor() {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(m_hWnd, &pt);
    m_nHitZone = ZoneAt(pt);
    LPCSTR shape = nullptr;
    switch (m_nHitZone) {
        case kZoneLeft:
        case kZoneRight:
            shape = IDC_SIZEWE;
            break;
        case kZoneTop:
        case kZoneBottom:
            shape = IDC_SIZENS;
            break;
        case kZoneTopLeft:
        case kZoneBottomRight:
            shape = IDC_SIZENWSE;
            break;
        case kZoneTopRight:
        case kZoneBottomLeft:
            shape = IDC_SIZENESW;
            break;
        default:
            return false;
    }
    SetCursor(LoadCursorA(nullptr, shape));
    return true;
}

void CConfigWindow::OnLButtonDown(LPARAM lParam) {
    // The press's own point, not the cursor's by now: a quick drag may be under way already.
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    m_nHitZone = ZoneAt(pt);
    if (m_nHitZone != kZoneNone) {
        SetCapture(m_hWnd);
        m_bResizing = true;
        m_dragStart = pt;
        ClientToScreen(m_hWnd, &m_dragStart);
        GetWindowRect(m_hWnd, &m_dragStartRect);
        return;
    }
    if (IsZoomed(m_hWnd)) return;
    // Any free point of the surface drags the window.
    SendMessageA(m_hWnd, WM_SYSCOMMAND, kMoveByMouse, 0);
}

void CConfigWindow::OnMouseMove(LPARAM lParam) {
    if (!m_bResizing) return;
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(m_hWnd, &pt);
    const UiRect start = {m_dragStartRect.left, m_dragStartRect.top, m_dragStartRect.right, m_dragStartRect.bottom};
    const UiRect r = ResizedWindowRect(m_nHitZone, start, pt.x - m_dragStart.x, pt.y - m_dragStart.y);
    SetWindowPos(m_hWnd, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    // The controls follow at once instead of lagging behind the frame.
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CConfigWindow::OnContextMenu(HWND clicked, LPARAM lParam) {
    POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {  // from the keyboard: at the window's top-left corner
        at = POINT{0, 0};
        ClientToScreen(clicked ? clicked : m_hWnd, &at);
    }
    if (clicked == GetDlgItem(m_hWnd, IDC_IMAGE_LIST)) {
        ShowMenu(IDR_LIST_MENU, at);
    } else if (clicked == m_hWnd) {
        ShowMenu(IDR_CONFIG_MENU, at);
    }
}
