// Thin, non-owning wrappers of a dialog's controls with typed calls, so that windows read
// like what they do instead of a row of SendDlgItemMessage calls.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <map>
#include <string>

#include "lang/TextTable.h"

class CControl {
public:
    CControl() = default;
    explicit CControl(HWND hwnd) : m_hWnd(hwnd) {}
    CControl(HWND dialog, int id) : m_hWnd(GetDlgItem(dialog, id)) {}

    HWND Hwnd() const { return m_hWnd; }
    explicit operator bool() const { return m_hWnd != nullptr; }
    std::string Text() const;
    void SetText(const std::string& text) const { SetWindowTextA(m_hWnd, text.c_str()); }
    void Move(int x, int y, int width, int height, bool repaint = true) const {
        MoveWindow(m_hWnd, x, y, width, height, repaint ? TRUE : FALSE);
    }
    void SetFont(HFONT font, bool redraw = true) const {
        SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
    }
    void Enable(bool enable) const { EnableWindow(m_hWnd, enable ? TRUE : FALSE); }
    void Focus() const { SetFocus(m_hWnd); }

protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(m_hWnd, msg, wParam, lParam);
    }

    HWND m_hWnd = nullptr;
};

class CEditCtrl : public CControl {
public:
    using CControl::CControl;
    void SelectAll() const { Send(EM_SETSEL, 0, -1); }
};

class CComboBoxCtrl : public CControl {
public:
    using CControl::CControl;
    void ResetContent() const { Send(CB_RESETCONTENT); }
    int AddString(const std::string& text) const {
        return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    // -1 when nothing is selected.
    int CurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    // Sends no notification.
    void SetCurSel(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    std::string ItemText(int index) const;
};

class CUpDownCtrl : public CControl {
public:
    using CControl::CControl;
    void SetBuddy(HWND buddy) const { Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)); }
    void SetRange(int low, int high) const { Send(UDM_SETRANGE, 0, MAKELPARAM(high, low)); }
};

// The hotkey control's value: the key in the low byte, the modifier flags in the high byte.
class CHotKeyCtrl : public CControl {
public:
    using CControl::CControl;
    uint16_t HotKey() const { return static_cast<uint16_t>(Send(HKM_GETHOTKEY)); }
    void SetHotKey(uint16_t value) const { Send(HKM_SETHOTKEY, value); }
};

class CListViewCtrl : public CControl {
public:
    using CControl::CControl;
    int ColumnCount() const;
    bool InsertColumn(int index, const std::string& title, int width, int format) const;
    bool SetColumnTitle(int index, const std::string& title) const;
    std::string ColumnTitle(int index) const;
};

// Applies {control id, section, key} tables to a window. A key the language lacks puts
// back the control's own text from before the first apply (its template's), never the
// text of another control or of the language shown before.
class CWindowTexts {
public:
    void Apply(HWND window, const TextEntry* table, size_t count, const TextLookup& lookup);
    template <size_t N>
    void Apply(HWND window, const TextEntry (&table)[N], const TextLookup& lookup) {
        Apply(window, table, N, lookup);
    }

private:
    std::map<unsigned, std::string> m_templateTexts;
};
