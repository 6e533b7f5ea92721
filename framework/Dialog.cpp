#include "framework/Dialog.h"

#include "base/Trace.h"

CDialog::CDialog(UINT templateId, HINSTANCE instance)
    : m_hInstance(instance ? instance : GetModuleHandleA(nullptr)), m_nTemplateId(templateId) {}

CDialog::~CDialog() {
    // A modeless dialog that outlives its object must not call back into it.
    if (m_hWnd) {
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        ::DestroyWindow(m_hWnd);
    }
}

CDialog* CDialog::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    return reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
}

INT_PTR CDialog::DoModal(HWND owner) {
    m_bEndModal = false;
    m_nModalResult = -1;
    HWND hwnd = CreateDialogParamA(m_hInstance, MAKEINTRESOURCEA(m_nTemplateId), owner, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
    if (!hwnd) {
        VL_TRACE();
        return -1;
    }
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    if (!m_bEndModal && m_hWnd && !(GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE)) ShowWindow(m_hWnd, SW_SHOWNORMAL);

    m_bInModalLoop = true;
    MSG msg;
    while (!m_bEndModal) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT ends the loop; leave it for any outer loop as well.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) {
            VL_TRACE();
            break;
        }
        if (PreTranslateMessage(msg)) continue;
        if (m_hWnd && IsDialogMessageA(m_hWnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    m_bInModalLoop = false;

    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (m_hWnd) ::DestroyWindow(m_hWnd);
    return m_nModalResult;
}

bool CDialog::Create(HWND owner) {
    if (m_hWnd) return false;
    m_bModeless = true;
    HWND hwnd = CreateDialogParamA(m_hInstance, MAKEINTRESOURCEA(m_nTemplateId), owner, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
    if (!hwnd) VL_TRACE();
    return hwnd != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
    if (m_bModeless) {
        DestroyWindow();
        return;
    }
    m_nModalResult = result;
    m_bEndModal = true;
    if (m_hWnd) {
        ShowWindow(m_hWnd, SW_HIDE);
        // Wakes the modal loop so that it sees the end at once.
        PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
}

void CDialog::DestroyWindow() {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

void CDialog::MapCommandRange(UINT first, UINT last, CommandHandler handler) {
    m_commands[last] = std::make_pair(first, std::move(handler));
}

bool CDialog::OnCommand(UINT id, UINT notifyCode, HWND control) {
    (void)control;
    // Menus and accelerators send code 0 or 1, buttons BN_CLICKED (0); other control
    // notifications are for an OnCommand override.
    if (notifyCode > 1) return false;
    auto it = m_commands.lower_bound(id);
    if (it != m_commands.end() && it->second.first <= id) {
        it->second.second(id);
        return true;
    }
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool CDialog::PreTranslateMessage(MSG&) {
    return false;
}

bool CDialog::Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    auto mapped = m_messages.find(msg);
    if (mapped != m_messages.end()) return mapped->second(wParam, lParam, result);
    if (OnMessage(msg, wParam, lParam, result)) return true;
    switch (msg) {
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return true;
        case WM_DESTROY:
            OnDestroy();
            return true;
        default:
            return false;
    }
}

INT_PTR CDialog::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) return OnInitDialog();
    LRESULT result = 0;
    if (!Route(msg, wParam, lParam, result)) return FALSE;
    switch (msg) {
        // These answer through the return value itself, not DWLP_MSGRESULT.
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
            return static_cast<INT_PTR>(result);
        default:
            SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        if (!self) return FALSE;
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->m_hWnd = hwnd;
    } else {
        self = FromHandle(hwnd);
    }
    if (!self) return FALSE;
    INT_PTR answer = FALSE;
    try {
        answer = self->Dispatch(msg, wParam, lParam);
    } catch (...) {
        VL_TRACE();
        answer = FALSE;
        // A dialog whose set-up failed half-way is not shown.
        if (msg == WM_INITDIALOG) self->EndDialog(IDCANCEL);
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    return answer;
}
