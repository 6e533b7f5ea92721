#include "framework/Window.h"

#include "base/Trace.h"

CWindow::~CWindow() {
    if (HWND hwnd = m_hWnd) {
        DetachHandle();
        ::DestroyWindow(hwnd);
    }
}

bool CWindow::RegisterClassOnce(const char* className, UINT classStyle, HICON icon, HBRUSH background) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (GetClassInfoA(instance, className, &existing)) return true;
    WNDCLASSA wc = {};
    wc.style = classStyle;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc)) {
        VL_TRACE();
        return false;
    }
    return true;
}

bool CWindow::Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                     int height, HWND parent, UINT id) {
    if (m_hWnd) return false;
    HMENU menuOrId = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    HWND hwnd = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                                GetModuleHandleA(nullptr), this);
    if (!hwnd) VL_TRACE();
    return hwnd != nullptr;
}

void CWindow::Destroy() {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

CWindow* CWindow::FromHandle(HWND hwnd) {
    return dynamic_cast<CWindow*>(CWindowBase::FromHandle(hwnd));
}

bool CWindow::Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (CWindowBase::Route(msg, wParam, lParam, result)) return true;
    if (msg == WM_TIMER) {
        OnTimer(static_cast<UINT_PTR>(wParam));
        return true;
    }
    if (msg == WM_DESTROY) OnDestroy();
    return false;
}

LRESULT CALLBACK CWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWindow* self = nullptr;
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<CWindow*>(cs->lpCreateParams);
        if (self && !self->AttachHandle(hwnd)) self = nullptr;
    } else {
        self = FromHandle(hwnd);
    }
    LRESULT result = 0;
    bool handled = self && Dispatch(self, msg, wParam, lParam, result);
    if (self && msg == WM_NCDESTROY) self->DetachHandle();
    return handled ? result : DefWindowProcA(hwnd, msg, wParam, lParam);
}

CSubclassWindow::~CSubclassWindow() {
    Unsubclass();
}

bool CSubclassWindow::Subclass(HWND control) {
    if (!control || m_hWnd || CWindowBase::FromHandle(control)) return false;
    if (!AttachHandle(control)) return false;
    m_oldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSubclassWindow::SubclassProc)));
    if (!m_oldProc) {
        VL_TRACE();
        DetachHandle();
        return false;
    }
    return true;
}

void CSubclassWindow::Unsubclass() {
    if (!m_hWnd) return;
    if (IsWindow(m_hWnd)) SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldProc));
    DetachHandle();
}

LRESULT CSubclassWindow::CallOriginal(UINT msg, WPARAM wParam, LPARAM lParam) {
    return m_oldProc ? CallWindowProcA(m_oldProc, m_hWnd, msg, wParam, lParam) : 0;
}

LRESULT CALLBACK CSubclassWindow::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = dynamic_cast<CSubclassWindow*>(CWindowBase::FromHandle(hwnd));
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    WNDPROC old = self->m_oldProc;
    LRESULT result = 0;
    if (msg != WM_NCDESTROY && Dispatch(self, msg, wParam, lParam, result)) return result;
    if (msg == WM_NCDESTROY) {
        Dispatch(self, msg, wParam, lParam, result);
        self->Unsubclass();
    }
    return CallWindowProcA(old, hwnd, msg, wParam, lParam);
}
