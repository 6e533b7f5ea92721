#include "widgets/SkinButtons.h"

#include <string>

bool COwnerDrawButton::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_LBUTTONDBLCLK:
            result = CallOriginal(WM_LBUTTONDOWN, wParam, lParam);
            return true;
        case WM_ERASEBKGND:
            result = 1;
            return true;
        default:
            return false;
    }
}

bool COwnerDrawButton::OnReflectedMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg != WM_DRAWITEM) return false;
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void CSkinButton::SetStyle(const CButtonStyle& style) {
    m_font.Create(style);
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CSkinButton::Draw(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT rc = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    if (!DrawBitmap(dc, pressed ? m_skin.FaceDown() : m_skin.FaceUp(), rc.left, rc.top)) {
        // No face image: a plain raised button in the panel's colours.
        HBRUSH face = CreateSolidBrush(pressed ? RGB(40, 70, 130) : RGB(60, 100, 170));
        FillRect(dc, &rc, face);
        DeleteObject(face);
        DrawEdge(dc, &rc, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    char text[256] = {};
    GetWindowTextA(item.hwndItem, text, sizeof text);
    RECT textRect = rc;
    if (pressed) OffsetRect(&textRect, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? RGB(150, 160, 180) : RGB(255, 255, 255));
    HGDIOBJ oldFont = SelectObject(dc, m_font.Handle() ? m_font.Handle() : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, text, -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = rc;
        InflateRect(&focus, -5, -5);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

CCaptionButton::CCaptionButton(int upBitmap, int downBitmap, UINT fallback)
    : m_hUp(LoadArtBitmap(upBitmap)), m_hDown(LoadArtBitmap(downBitmap)), m_nFallback(fallback) {}

CCaptionButton::~CCaptionButton() {
    Unsubclass();
    if (m_hUp) DeleteObject(m_hUp);
    if (m_hDown) DeleteObject(m_hDown);
}

void CCaptionButton::Draw(const DRAWITEMSTRUCT& item) {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    if (DrawBitmap(item.hDC, pressed && m_hDown ? m_hDown : m_hUp, item.rcItem.left, item.rcItem.top)) return;
    RECT rc = item.rcItem;
    DrawFrameControl(item.hDC, &rc, DFC_CAPTION, m_nFallback | (pressed ? DFCS_PUSHED : 0));
}

CArrowButton::CArrowButton(const CSkin& skin, int bitmap, bool pointsUp, bool toEnd)
    : m_skin(skin), m_hBitmap(LoadArtBitmap(bitmap)), m_bUp(pointsUp), m_bToEnd(toEnd) {}

CArrowButton::~CArrowButton() {
    Unsubclass();
    if (m_hBitmap) DeleteObject(m_hBitmap);
}

void CArrowButton::Draw(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT rc = item.rcItem;
    const int shift = (item.itemState & ODS_SELECTED) ? 1 : 0;
    m_skin.FillBackground(dc, item.hwndItem, rc);
    if (DrawTransparentBitmap(dc, m_hBitmap, rc.left + shift, rc.top + shift, kMagenta)) return;
    // No bitmap: a white triangle, with a bar at the end for Top and Bottom.
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    const int cx = rc.left + w / 2 + shift;
    const int tip = m_bUp ? rc.top + 1 + shift : rc.bottom - 2 + shift;
    const int base = m_bUp ? tip + h / 2 : tip - h / 2;
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    for (int row = 0; row <= (base > tip ? base - tip : tip - base); ++row) {
        const int y = m_bUp ? tip + row : tip - row;
        MoveToEx(dc, cx - row, y, nullptr);
        LineTo(dc, cx + row + 1, y);
    }
    if (m_bToEnd) {
        const int y = m_bUp ? rc.top + shift : rc.bottom - 1 + shift;
        MoveToEx(dc, rc.left + 2, y, nullptr);
        LineTo(dc, rc.right - 2, y);
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}
