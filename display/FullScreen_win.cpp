#include "display/FullScreen_win.h"

#include <vector>

#include "base/Trace.h"
#include "display/FullScreen.h"

namespace {

// Hooks by handle: the system's callback carries no pointer of ours. Installed, removed and
// called on the user-interface thread only.
std::vector<std::pair<HWINEVENTHOOK, CForegroundHook*>>& Hooks() {
    static std::vector<std::pair<HWINEVENTHOOK, CForegroundHook*>> hooks;
    return hooks;
}

CScreenRect ToRect(const RECT& r) {
    return CScreenRect{r.left, r.top, r.right, r.bottom};
}

CScreenRect MonitorOf(HWND hwnd) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &info))
        return CScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return ToRect(info.rcMonitor);
}

// Vista and later; 0 where the shell cannot tell.
int ShellNotificationState() {
    using QueryFn = HRESULT(WINAPI*)(int*);
    static QueryFn query = [] {
        HMODULE shell = GetModuleHandleA("shell32.dll");
        if (!shell) shell = LoadLibraryA("shell32.dll");
        return shell ? reinterpret_cast<QueryFn>(GetProcAddress(shell, "SHQueryUserNotificationState")) : nullptr;
    }();
    int state = 0;
    if (!query || FAILED(query(&state))) return 0;
    return state;
}

}  // namespace

bool CForegroundHook::Install(std::function<void()> onChange) {
    Remove();
    m_onChange = std::move(onChange);
    m_hook = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, Proc, 0, 0,
                             WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    if (!m_hook) {
        VL_TRACE();
        return false;
    }
    Hooks().emplace_back(m_hook, this);
    return true;
}

void CForegroundHook::Remove() {
    if (!m_hook) return;
    UnhookWinEvent(m_hook);
    auto& hooks = Hooks();
    for (size_t i = 0; i < hooks.size(); ++i) {
        if (hooks[i].first == m_hook) {
            hooks.erase(hooks.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    m_hook = nullptr;
}

void CALLBACK CForegroundHook::Proc(HWINEVENTHOOK hook, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    try {
        for (const auto& h : Hooks()) {
            if (h.first == hook && h.second->m_onChange) {
                h.second->m_onChange();
                return;
            }
        }
    } catch (...) {
        VL_TRACE();
    }
}

bool IsFullScreenProgramInFront(HWND picturesWindow) {
    CForegroundFacts f;
    HWND front = GetForegroundWindow();
    RECT r;
    f.present = front && front != GetDesktopWindow() && IsWindowVisible(front) && GetWindowRect(front, &r);
    if (!f.present) return false;
    char cls[64] = "";
    GetClassNameA(front, cls, sizeof cls);
    f.className = cls;
    f.caption = (GetWindowLongA(front, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    f.window = ToRect(r);
    f.windowMonitor = MonitorOf(front);
    f.picturesMonitor = MonitorOf(picturesWindow);
    f.notificationState = ShellNotificationState();
    return IsFullScreenInFront(f);
}
