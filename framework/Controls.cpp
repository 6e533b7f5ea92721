#include "framework/Controls.h"

#include <vector>

std::string CControl::Text() const {
    if (!m_hWnd) return std::string();
    int length = GetWindowTextLengthA(m_hWnd);
    std::vector<char> buf(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    int n = GetWindowTextA(m_hWnd, buf.data(), static_cast<int>(buf.size()));
    return std::string(buf.data(), n > 0 ? static_cast<size_t>(n) : 0);
}

std::string CComboBoxCtrl::ItemText(int index) const {
    LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR || length < 0) return std::string();
    std::vector<char> buf(static_cast<size_t>(length) + 1, '\0');
    Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buf.data()));
    return std::string(buf.data());
}

int CListViewCtrl::ColumnCount() const {
    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

bool CListViewCtrl::InsertColumn(int index, const std::string& title, int width, int format) const {
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    col.fmt = format;
    col.cx = width;
    std::string text = title;
    col.pszText = &text[0];
    col.iSubItem = index;
    return Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col)) >= 0;
}

bool CListViewCtrl::SetColumnTitle(int index, const std::string& title) const {
    LVCOLUMNA col{};
    // With its alignment: some list views rebuild the header item's format from a new title.
    col.mask = LVCF_FMT;
    if (!Send(LVM_GETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col))) col.mask = 0;
    col.mask |= LVCF_TEXT;
    std::string text = title;
    col.pszText = &text[0];
    return Send(LVM_SETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col)) != 0;
}

std::string CListViewCtrl::ColumnTitle(int index) const {
    char buf[256] = {};
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT;
    col.pszText = buf;
    col.cchTextMax = sizeof buf;
    if (!Send(LVM_GETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col))) return std::string();
    return buf;
}

void CWindowTexts::Apply(HWND window, const TextEntry* table, size_t count, const TextLookup& lookup) {
    for (size_t i = 0; i < count; ++i) {
        CControl control(window, static_cast<int>(table[i].id));
        if (!control) continue;
        auto original = m_templateTexts.find(table[i].id);
        if (original == m_templateTexts.end()) original = m_templateTexts.emplace(table[i].id, control.Text()).first;
        std::string text;
        if (!lookup || !lookup(table[i].section, table[i].key, text)) text = original->second;
        control.SetText(text);
    }
}
