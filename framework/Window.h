// Plain (non-dialog) windows: the object lives in GWLP_USERDATA from WM_NCCREATE on,
// messages go to OnMessage and OnTimer/OnDestroy, and anything not handled goes to
// DefWindowProc. No exception leaves the window procedure.
#pragma once
#include <windows.h>

class CWindow {
public:
    CWindow() = default;
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    // Registers className once per process with this framework's window procedure.
    static bool RegisterClassOnce(const char* className, UINT classStyle = 0, HICON icon = nullptr,
                                  HBRUSH background = nullptr);
    bool Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                int height, HWND parent = nullptr);
    void Destroy();

    HWND GetSafeHwnd() const { return m_hWnd; }
    static CWindow* FromHandle(HWND hwnd);

protected:
    // True when handled; result goes back to the sender.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual void OnTimer(UINT_PTR id) { (void)id; }
    virtual void OnDestroy() {}

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
