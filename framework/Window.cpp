#include "framework/Window.h"

#include "base/Trace.h"

CWindow::~CWindow() {
    if (m_hWnd) {
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        ::DestroyWindow(m_hWnd);
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
                     int height, HWND parent) {
    if (m_hWnd) return false;
    HWND hwnd = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, nullptr,
                                GetModuleHandleA(nullptr), this);
    if (!hwnd) VL_TRACE();
    return hwnd != nullptr;
}

void CWindow::Destroy() {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

CWindow* CWindow::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    return reinterpret_cast<CWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool CWindow::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT CALLBACK CWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWindow* self = nullptr;
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<CWindow*>(cs->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) self->m_hWnd = hwnd;
    } else {
        self = FromHandle(hwnd);
    }
    LRESULT result = 0;
    bool handled = false;
    if (self) {
        try {
            if (self->OnMessage(msg, wParam, lParam, result)) {
                handled = true;
            } else if (msg == WM_TIMER) {
                self->OnTimer(static_cast<UINT_PTR>(wParam));
                handled = true;
            } else if (msg == WM_DESTROY) {
                self->OnDestroy();
            }
        } catch (...) {
            VL_TRACE();
            handled = false;
        }
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->m_hWnd = nullptr;
        }
    }
    return handled ? result : DefWindowProcA(hwnd, msg, wParam, lParam);
}
