// Plain (non-dialog) windows on the common window base: the object is stored from
// WM_NCCREATE on, and anything not handled goes to DefWindowProc.
#pragma once
#include <windows.h>

#include "framework/WindowBase.h"

class CWindow : public CWindowBase {
public:
    CWindow() = default;
    ~CWindow() override;

    // Registers className once per process with this framework's window procedure.
    static bool RegisterClassOnce(const char* className, UINT classStyle = 0, HICON icon = nullptr,
                                  HBRUSH background = nullptr);
    bool Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                int height, HWND parent = nullptr, UINT id = 0);
    void Destroy();

    static CWindow* FromHandle(HWND hwnd);

protected:
    virtual void OnTimer(UINT_PTR id) { (void)id; }
    virtual void OnDestroy() {}
    bool Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

// An existing control (a template's button, a static) whose messages this object sees
// first; what it leaves goes to the control's own procedure. Subclassed by window
// property and SetWindowLongPtr, as SetWindowSubclass is not exported by name on
// Windows 2000.
class CSubclassWindow : public CWindowBase {
public:
    CSubclassWindow() = default;
    ~CSubclassWindow() override;

    // False when there is no such window or an object of this framework has it already.
    bool Subclass(HWND control);
    bool SubclassDlgItem(HWND dialog, int id) { return Subclass(GetDlgItem(dialog, id)); }
    void Unsubclass();

protected:
    LRESULT CallOriginal(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    WNDPROC m_oldProc = nullptr;
};
