// The system side of stepping aside for full-screen programs.
#pragma once
#include <windows.h>

#include <functional>

// Calls back on the installing thread whenever another program's window comes to the front;
// nothing runs in between (an out-of-context event hook, no polling).
class CForegroundHook {
public:
    CForegroundHook() = default;
    ~CForegroundHook() { Remove(); }
    CForegroundHook(const CForegroundHook&) = delete;
    CForegroundHook& operator=(const CForegroundHook&) = delete;

    bool Install(std::function<void()> onChange);
    void Remove();

private:
    static void CALLBACK Proc(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG object, LONG child, DWORD thread,
                              DWORD time);
    HWINEVENTHOOK m_hook = nullptr;
    std::function<void()> m_onChange;
};

// Whether the foreground window is a full-screen program on the monitor that holds
// picturesWindow. Any thread.
bool IsFullScreenProgramInFront(HWND picturesWindow);
