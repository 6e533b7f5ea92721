#include "ui/FileListHeader.h"

#include <commctrl.h>

namespace {

class CPenScope {
public:
    CPenScope(HDC dc, COLORREF colour) : m_dc(dc), m_pen(CreatePen(PS_SOLID, 1, colour)) {
        m_old = m_pen ? SelectObject(dc, m_pen) : nullptr;
    }
    ~CPenScope() {
        if (m_old) SelectObject(m_dc, m_old);
        if (m_pen) DeleteObject(m_pen);
    }
    CPenScope(const CPenScope&) = delete;
    CPenScope& operator=(const CPenScope&) = delete;

private:
    HDC m_dc;
    HPEN m_pen;
    HGDIOBJ m_old;
};

}  // namespace

int CFileListHeader::SetSortIndicator(int column, bool ascending) {
    const int previous = m_nSortColumn;
    const bool changed = column != m_nSortColumn || ascending != m_bAscending;
    m_nSortColumn = column;
    m_bAscending = ascending;
    // Only the sorted column is drawn here; the others keep the system's (themed) look.
    if (previous >= 0 && previous != column) SetOwnerDrawn(previous, false);
    if (column >= 0) SetOwnerDrawn(column, true);
    if (changed && m_hWnd) InvalidateRect(m_hWnd, nullptr, TRUE);
    return previous;
}

void CFileListHeader::SetOwnerDrawn(int column, bool ownerDrawn) {
    if (!m_hWnd) return;
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    if (!CallOriginal(HDM_GETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item))) return;
    item.fmt = ownerDrawn ? (item.fmt | HDF_OWNERDRAW) : ((item.fmt & ~HDF_OWNERDRAW) | HDF_STRING);
    CallOriginal(HDM_SETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
}

bool CFileListHeader::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if ((msg != HDM_SETITEMA && msg != HDM_SETITEMW) || !lParam || static_cast<int>(wParam) != m_nSortColumn)
        return false;
    // A new title from the list view may come with a format that drops the owner drawing.
    if (msg == HDM_SETITEMA) {
        HDITEMA item = *reinterpret_cast<const HDITEMA*>(lParam);
        if (item.mask & HDI_FORMAT) item.fmt |= HDF_OWNERDRAW;
        result = CallOriginal(msg, wParam, reinterpret_cast<LPARAM>(&item));
    } else {
        HDITEMW item = *reinterpret_cast<const HDITEMW*>(lParam);
        if (item.mask & HDI_FORMAT) item.fmt |= HDF_OWNERDRAW;
        result = CallOriginal(msg, wParam, reinterpret_cast<LPARAM>(&item));
    }
    return true;
}

bool CFileListHeader::OnReflectedMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg != WM_DRAWITEM || !lParam) return false;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void CFileListHeader::DrawItem(const DRAWITEMSTRUCT& di) {
    HDC dc = di.hDC;
    const RECT rc = di.rcItem;
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));

    char text[260] = {};
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    CallOriginal(HDM_GETITEMA, di.itemID, reinterpret_cast<LPARAM>(&item));

    HFONT font = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SIZE space = {0, 0};
    GetTextExtentPoint32A(dc, " ", 1, &space);
    const int margin = 2 * space.cx;
    const bool sorted = static_cast<int>(di.itemID) == m_nSortColumn;
    RECT label = rc;
    label.left += margin;
    label.right -= sorted ? 4 * margin : margin;  // room for the triangle
    if (di.itemState & ODS_SELECTED) OffsetRect(&label, 1, 2);
    UINT align = DT_LEFT;
    if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER) align = DT_CENTER;
    if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT) align = DT_RIGHT;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, text, -1, &label, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (oldFont) SelectObject(dc, oldFont);
    if (sorted) DrawTriangle(dc, rc);
}

void CFileListHeader::DrawTriangle(HDC dc, const RECT& rc) {
    const int r = rc.right;
    const int m = rc.top + (rc.bottom - rc.top - 6) / 2;
    if (m_bAscending) {
        {
            CPenScope light(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            MoveToEx(dc, r - 13, m + 6, nullptr);
            LineTo(dc, r - 9, m - 1);
        }
        CPenScope shadow(dc, GetSysColor(COLOR_BTNSHADOW));
        MoveToEx(dc, r - 9, m + 1, nullptr);
        LineTo(dc, r - 6, m + 6);
        LineTo(dc, r - 13, m + 6);
    } else {
        {
            CPenScope light(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            MoveToEx(dc, r - 6, m, nullptr);
            LineTo(dc, r - 13, m);
            LineTo(dc, r - 10, m + 6);
        }
        CPenScope shadow(dc, GetSysColor(COLOR_BTNSHADOW));
        MoveToEx(dc, r - 6, m, nullptr);
        LineTo(dc, r - 10, m + 6);
    }
}
