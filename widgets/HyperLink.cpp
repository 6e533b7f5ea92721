#include "widgets/HyperLink.h"

#include <shellapi.h>

#include "base/Trace.h"
#include "base/Unicode.h"
#include "base/WideName_win.h"
#include "online/LinkOpen.h"

namespace {
// The default value of a key under HKEY_CLASSES_ROOT, as UTF-8: it names a program.
bool ReadClassesRootDefault(const std::string& subKey, std::string& value) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, WideName(subKey).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    wchar_t buf[2048];
    DWORD size = sizeof buf - sizeof(wchar_t), type = 0;
    LONG rc = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    buf[size / sizeof(wchar_t) < 2048 ? size / sizeof(wchar_t) : 2047] = L'\0';
    value = NameFromWide(buf);
    return true;
}

// WinExec without the code page: the browser's folder may be outside it.
long RunCommandLine(const std::string& line, int show) {
    std::wstring wide = WideName(line);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, &wide[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? static_cast<long>(error) : 0;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return 33;  // what WinExec answers for a started program: above 31
}
}  // namespace

CHyperLink::~CHyperLink() {
    Detach();
}

bool CHyperLink::Attach(HWND dialog, int id, const std::string& address, const std::string& text) {
    Detach();
    HWND control = GetDlgItem(dialog, id);
    // A control that is a link already would call itself through the chain of procedures.
    if (!Subclass(control)) return false;
    m_strAddress = address;
    m_strText = text.empty() ? address : text;
    SetWindowTextA(control, m_strText.c_str());
    LOGFONTA lf{};
    HFONT base = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    if (!base || !GetObjectA(base, sizeof lf, &lf)) GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfUnderline = TRUE;
    m_hFont = CreateFontIndirectA(&lf);
    InvalidateRect(control, nullptr, TRUE);
    return true;
}

void CHyperLink::Detach() {
    Unsubclass();
    if (m_hFont) {
        DeleteObject(m_hFont);
        m_hFont = nullptr;
    }
}

long CHyperLink::GotoURL(const std::string& address, int showCommand) {
    const std::string name = AnsiToName(address);
    long result = ShellOpen(nullptr, name, showCommand);
    if (result > 32) return result;
    std::string htmClass, command;
    if (!ReadClassesRootDefault(".htm", htmClass)) return result;
    if (!ReadClassesRootDefault(htmClass + "\\shell\\open\\command", command)) return result;
    return RunCommandLine(BrowserCommandLine(command, name), showCommand);
}

void CHyperLink::Follow() {
    long result = Open();
    if (result > 32) {
        m_bVisited = true;
        if (m_hWnd) InvalidateRect(m_hWnd, nullptr, TRUE);
    } else {
        MessageBeep(MB_ICONEXCLAMATION);
        ReportError(result);
    }
}

void CHyperLink::ReportError(long code) {
    std::string message = HyperLinkErrorMessage(code);
    MessageBoxA(m_hWnd ? GetParent(m_hWnd) : nullptr, message.c_str(), nullptr, MB_ICONEXCLAMATION | MB_OK);
}

void CHyperLink::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    HWND parent = GetParent(m_hWnd);
    HBRUSH brush = reinterpret_cast<HBRUSH>(
        SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_hWnd)));
    FillRect(dc, &rc, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_bVisited ? RGB(128, 0, 128) : RGB(0, 0, 255));
    HGDIOBJ old = SelectObject(dc, m_hFont ? m_hFont : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, m_strText.c_str(), -1, &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(m_hWnd, &ps);
}

bool CHyperLink::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    switch (msg) {
        case WM_NCHITTEST:
            result = HTCLIENT;  // a plain static lets clicks through to the dialog
            return true;
        case WM_SETCURSOR:
            SetCursor(LoadCursor(nullptr, IDC_HAND));
            result = TRUE;
            return true;
        case WM_PAINT:
            Paint();
            result = 0;
            return true;
        case WM_LBUTTONUP:
            Follow();
            result = 0;
            return true;
        default:
            return false;
    }
}
