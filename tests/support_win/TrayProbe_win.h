// Reads the tool tips of the icons that the notification area holds. Under Wine the
// area is the driver's tray window in another process, so the tips are read through
// memory allocated in that process.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace tray_probe {

inline bool IsTrayClass(const char* cls) {
    return std::string(cls) == "__winex11_standalone_tray" || std::string(cls) == "Shell_TrayWnd" ||
           std::string(cls) == "__wine_tray_icon" || std::string(cls) == "__winex11_tray_icon";
}

// Tooltip windows owned by a tray window.
inline BOOL CALLBACK CollectTooltip(HWND hwnd, LPARAM lParam) {
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) != "tooltips_class32") return TRUE;
    HWND owner = GetWindow(hwnd, GW_OWNER);
    char ownerCls[64] = {};
    if (owner) GetClassNameA(owner, ownerCls, sizeof ownerCls);
    if (owner && IsTrayClass(ownerCls)) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

inline void ReadTips(HWND tooltip, std::vector<std::string>& tips) {
    DWORD pid = 0;
    GetWindowThreadProcessId(tooltip, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return;
    const SIZE_T textBytes = 1024 * sizeof(WCHAR);
    auto* remote = static_cast<BYTE*>(
        VirtualAllocEx(process, nullptr, sizeof(TTTOOLINFOW) + textBytes, MEM_COMMIT, PAGE_READWRITE));
    if (remote) {
        int count = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            TTTOOLINFOW ti{};
            ti.cbSize = sizeof ti;
            ti.lpszText = reinterpret_cast<LPWSTR>(remote + sizeof(TTTOOLINFOW));
            WCHAR zero = 0;
            SIZE_T done = 0;
            WriteProcessMemory(process, remote + sizeof(TTTOOLINFOW), &zero, sizeof zero, &done);
            if (!WriteProcessMemory(process, remote, &ti, sizeof ti, &done)) break;
            if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(remote))) continue;
            WCHAR text[1024] = {};
            if (!ReadProcessMemory(process, remote + sizeof(TTTOOLINFOW), text, textBytes - sizeof(WCHAR), &done))
                continue;
            char narrow[2048] = {};
            WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow - 1, nullptr, nullptr);
            tips.push_back(narrow);
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
}

}  // namespace tray_probe

inline std::vector<std::string> TrayIconTips() {
    std::vector<HWND> tooltips;
    EnumWindows(tray_probe::CollectTooltip, reinterpret_cast<LPARAM>(&tooltips));
    std::vector<std::string> tips;
    for (HWND t : tooltips) tray_probe::ReadTips(t, tips);
    return tips;
}

inline bool WaitForTrayTip(const std::string& tip, bool present, unsigned timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        bool found = false;
        for (const std::string& t : TrayIconTips()) found = found || t == tip;
        if (found == present) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        // Let the shell's notifications reach our own windows meanwhile.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(50);
    }
}
