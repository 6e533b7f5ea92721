#include "widgets/SkinPanel.h"

namespace {

const char kPanelClass[] = "VelumSkinPanel";

// The chrome rim: line i lies i pixels inside the panel, (top and left, bottom and right).
const COLORREF kRim[][2] = {
    {RGB(10, 18, 34), RGB(10, 18, 34)},
    {RGB(172, 196, 230), RGB(66, 88, 124)},
    {RGB(98, 126, 170), RGB(42, 60, 94)},
    {RGB(18, 30, 54), RGB(86, 114, 158)},
};

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, old);
    DeleteObject(pen);
}

}  // namespace

bool CSkinPanel::Create(HWND parent, const RECT& rc) {
    if (!RegisterClassOnce(kPanelClass)) return false;
    if (!CWindow::Create(0, kPanelClass, "", WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS, rc.left, rc.top,
                         rc.right - rc.left, rc.bottom - rc.top, parent)) {
        return false;
    }
    SetWindowPos(m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

void CSkinPanel::SetTexts(std::vector<Text> texts) {
    m_texts = std::move(texts);
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

bool CSkinPanel::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    switch (msg) {
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(m_hWnd, &ps);
            RECT client;
            GetClientRect(m_hWnd, &client);
            // Into a memory bitmap first, so that a resize does not flicker.
            HDC mem = CreateCompatibleDC(dc);
            HBITMAP bmp = mem ? CreateCompatibleBitmap(dc, client.right, client.bottom) : nullptr;
            if (bmp) {
                HGDIOBJ old = SelectObject(mem, bmp);
                Paint(mem, client);
                BitBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
                SelectObject(mem, old);
                DeleteObject(bmp);
            } else {
                Paint(dc, client);
            }
            if (mem) DeleteDC(mem);
            EndPaint(m_hWnd, &ps);
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

void CSkinPanel::Paint(HDC dc, const RECT& client) {
    if (m_hBar) {
        if (!DrawBitmap(dc, m_hBar, 0, 0)) {
            HBRUSH b = CreateSolidBrush(RGB(120, 150, 200));
            FillRect(dc, &client, b);
            DeleteObject(b);
        }
        return;
    }
    m_skin.FillBackground(dc, m_hWnd, client);
    const int right = client.right - 1, bottom = client.bottom - 1;
    for (int i = 0; i < 4 && right - i > i && bottom - i > i; ++i) {
        Line(dc, i, i, right - i, i, kRim[i][0]);
        Line(dc, i, i, i, bottom - i, kRim[i][0]);
        Line(dc, i, bottom - i, right - i + 1, bottom - i, kRim[i][1]);
        Line(dc, right - i, i, right - i, bottom - i, kRim[i][1]);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    for (const Text& t : m_texts) {
        RECT rc = t.rect;
        HGDIOBJ old = SelectObject(dc, t.font ? t.font : GetStockObject(DEFAULT_GUI_FONT));
        DrawTextA(dc, t.text.c_str(), -1, &rc, t.format);
        SelectObject(dc, old);
    }
}
