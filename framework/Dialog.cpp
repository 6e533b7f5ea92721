#include "framework/Dialog.h"

#include "base/Trace.h"

CDialog::CDialog(UINT templateId, HINSTANCE instance) : CTemplateWindow(templateId, instance) {}

CDialog::~CDialog() {
    // A modeless dialog that outlives its object must not call back into it.
    if (HWND hwnd = m_hWnd) {
        DetachHandle();
        ::DestroyWindow(hwnd);
    }
}

CDialog* CDialog::FromHandle(HWND hwnd) {
    return dynamic_cast<CDialog*>(CWindowBase::FromHandle(hwnd));
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
    BeforeNextMessage();
    if (!m_bEndModal && m_hWnd && !(GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE)) ShowWindow(m_hWnd, SW_SHOWNORMAL);

    m_bInModalLoop = true;
    RunModalLoop(
        [this] {
            if (!m_bEndModal) BeforeNextMessage();
            return m_bEndModal;
        },
        [this](MSG& msg) { return PreTranslateMessage(msg) || (m_hWnd && IsDialogMessageA(m_hWnd, &msg)); });
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

bool CDialog::OnCommand(UINT id, UINT notifyCode, HWND control) {
    (void)control;
    if (notifyCode > 1) return false;
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

bool CDialog::PreTranslateMessage(MSG&) {
    return false;
}

bool CDialog::Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (CTemplateWindow::Route(msg, wParam, lParam, result)) return true;
    if (msg != WM_TIMER) return false;
    OnTimer(static_cast<UINT_PTR>(wParam));
    return true;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        if (!self || !self->AttachHandle(hwnd)) return FALSE;
    } else {
        self = FromHandle(hwnd);
    }
    if (!self) return FALSE;
    LRESULT result = 0;
    bool threw = false;
    bool handled = Dispatch(self, msg, wParam, lParam, result, &threw);
    // A dialog whose set-up failed half-way is not shown.
    if (threw && msg == WM_INITDIALOG) self->EndDialog(IDCANCEL);
    if (msg == WM_NCDESTROY) self->DetachHandle();
    if (!handled) return FALSE;
    return DialogAnswer(hwnd, msg, result);
}

INT_PTR DialogAnswer(HWND hwnd, UINT msg, LRESULT result) {
    switch (msg) {
        // These answer through the return value itself, not DWLP_MSGRESULT.
        case WM_INITDIALOG:
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
            // Only when it changes: setting it is a round trip to the server under Wine,
            // and a list asks for thousands of cell texts at a time.
            if (GetWindowLongPtrA(hwnd, DWLP_MSGRESULT) != result) SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
            return TRUE;
    }
}
