#include "ui/AddFolderDlg.h"

#include <shlobj.h>

#include "base/SystemFolder_win.h"
#include "base/Trace.h"
#include "base/WideName_win.h"
#include "lang/LangKeys.h"

namespace {

// A name in lower case (UTF-8 has no lower case of its own bytes).
std::string Lower(const std::string& name) {
    std::wstring s = WideName(name);
    if (!s.empty()) CharLowerBuffW(&s[0], static_cast<DWORD>(s.size()));
    return NameFromWide(s);
}

// The file system path of an item of the browser; false for My Computer, a network place, ...
bool PathOfItem(LPCITEMIDLIST pidl, std::string& path) {
    wchar_t buf[MAX_PATH + 1] = {};
    if (!pidl || !SHGetPathFromIDListW(pidl, buf) || !buf[0]) return false;
    path = NameFromWide(buf);
    return true;
}

}  // namespace

CAddFolderDlg::CAddFolderDlg(std::string caption, std::string checkText)
    : m_strCaption(std::move(caption)), m_strCheckText(std::move(checkText)) {}

int CALLBACK CAddFolderDlg::BrowseCallback(HWND hwnd, UINT msg, LPARAM lParam, LPARAM data) {
    auto* self = reinterpret_cast<CAddFolderDlg*>(data);
    if (msg == BFFM_INITIALIZED) {
        if (self) self->OnInitialized(hwnd);
    } else if (msg == BFFM_SELCHANGED) {
        if (self && self->GetSafeHwnd()) {
            self->OnSelectionChanged(hwnd, lParam);
        } else {
            std::string path;
            SendMessageA(hwnd, BFFM_ENABLEOK, 0, PathOfItem(reinterpret_cast<LPCITEMIDLIST>(lParam), path));
        }
    }
    return 0;
}

void CAddFolderDlg::OnInitialized(HWND browser) {
    if (!Subclass(browser)) VL_TRACE();
    if (!m_strCaption.empty()) SetWindowTextA(browser, m_strCaption.c_str());
    HWND title = GetDlgItem(browser, kTitleId);
    RECT rc;
    if (title && GetWindowRect(title, &rc)) {
        MapWindowPoints(nullptr, browser, reinterpret_cast<POINT*>(&rc), 2);
        if (rc.bottom >= 20) {
            HWND check = CreateWindowExA(
                0, "BUTTON", m_strCheckText.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, rc.left + 3,
                rc.bottom - 20, rc.right - rc.left - 3, 20, browser,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCheckBoxId)), GetModuleHandleA(nullptr), nullptr);
            if (check) {
                SendMessageA(check, WM_SETFONT, SendMessageA(GetDlgItem(browser, IDOK), WM_GETFONT, 0, 0), FALSE);
                SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
            }
        }
    }
    wchar_t nethood[MAX_PATH + 1] = {};
    m_strExcluded =
        SHGetSpecialFolderPathW(browser, nethood, CSIDL_NETHOOD, FALSE) ? Lower(NameFromWide(nethood)) : std::string();
}

void CAddFolderDlg::OnSelectionChanged(HWND browser, LPARAM pidl) const {
    std::string path;
    bool enable = PathOfItem(reinterpret_cast<LPCITEMIDLIST>(pidl), path);
    if (enable && !m_strExcluded.empty()) enable = Lower(path).find(m_strExcluded) == std::string::npos;
    SendMessageA(browser, BFFM_ENABLEOK, 0, enable ? TRUE : FALSE);
}

bool CAddFolderDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT&) {
    if (msg != WM_COMMAND || LOWORD(wParam) != IDOK) return false;
    if (HWND check = GetDlgItem(m_hWnd, kCheckBoxId))
        m_bInclude = SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED;
    // The browser is given back; the OK goes on to it.
    Unsubclass();
    return false;
}

bool BrowseForImageFolder(HWND owner, const CLanguageManager& language, std::string& path, bool& includeSubFolders) {
    const HRESULT com = CoInitialize(nullptr);
    std::string caption, checkText;
    if (!language.GetString(langsec::kAddFolderDialog, addfolderkey::kCaption, caption)) caption.clear();
    if (!language.GetString(langsec::kAddFolderDialog, addfolderkey::kIncludeSubFolders, checkText))
        checkText = "Include Sub Folders";
    CAddFolderDlg dlg(caption, checkText);
    wchar_t display[MAX_PATH + 1] = {};
    BROWSEINFOW bi{};
    bi.hwndOwner = owner;
    bi.pszDisplayName = display;
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN | BIF_STATUSTEXT | BIF_NEWDIALOGSTYLE;
    bi.lpfn = &CAddFolderDlg::BrowseCallback;
    bi.lParam = reinterpret_cast<LPARAM>(&dlg);
    const CKeepCurrentFolder keep;
    LPITEMIDLIST chosen = SHBrowseForFolderW(&bi);
    bool ok = false;
    if (chosen) {
        ok = PathOfItem(chosen, path);
        CoTaskMemFree(chosen);
    }
    if (ok) includeSubFolders = dlg.IncludeSubFolders();
    if (SUCCEEDED(com)) CoUninitialize();
    return ok;
}
