// Lets the Wine scripts look at and talk to a running velum.exe:
//   velumctl count                  number of main windows titled "Velum"
//   velumctl wait-window SECONDS    exit 0 once one exists, 1 on time-out
//   velumctl wait-gone SECONDS      exit 0 once none exists, 1 on time-out
//   velumctl visible                prints "visible" or "hidden"; exit 1 when there is none
//   velumctl foreground             prints "front" when it is the foreground window, else "behind"
//   velumctl text                   prints the texts of its child windows, one a line
//   velumctl sync                   returns once the window has worked off its sent messages
//   velumctl command ID             posts WM_COMMAND ID to it
//   velumctl message NUMBER [W L]   sends the message and prints the answer
//   velumctl post NUMBER W [L]      posts the message (L 0 when left out), e.g. a WM_TIMER
//   velumctl rect                   prints "X Y W H", its window rectangle on the screen
//   velumctl item-text ID           prints the text of its child control ID
//   velumctl set-text ID TEXT       sets the text of child control ID
//   velumctl combo ID               prints "INDEX TEXT" of the selection of combo box ID
//   velumctl select ID INDEX        selects an entry of combo box ID as a user does (with CBN_SELCHANGE)
//   velumctl at X Y                 prints "velum" or "other": whose window is at client point (X, Y)
//   velumctl key VK                 presses and releases the key in the control that has the focus
//   velumctl zoomed                 prints "zoomed" or "normal"
//   velumctl moving                 prints "moving" while its thread runs the system's move or size loop
//   velumctl tray-keys KEY...       opens the tray menu as a right click on the icon does and
//                                   presses the keys in it: up, down, left, right, return, escape
#include <windows.h>

#include "WindowDump.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

BOOL CALLBACK PrintText(HWND hwnd, LPARAM) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    if (*text) printf("%s\n", text);
    return TRUE;
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM lParam) {
    char title[64] = {}, cls[64] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(title, "Velum") == 0 && strcmp(cls, "#32770") == 0)
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> MainWindows() {
    std::vector<HWND> found;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool WaitFor(bool present, double seconds) {
    DWORD end = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    for (;;) {
        if (MainWindows().empty() != present) return true;
        if (static_cast<LONG>(GetTickCount() - end) >= 0) {
            fprintf(stderr, "velumctl: %s after %g s; visible windows:\n",
                    present ? "no window titled Velum" : "a window titled Velum is left", seconds);
            EnumWindows(PrintVisible, 0);
            return false;
        }
        Sleep(100);
    }
}

int Usage();

BOOL CALLBACK FindMenu(HWND hwnd, LPARAM lParam) {
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, "#32768") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The menu's own loop takes every key message of its thread, whichever window it is for.
int TrayKeys(HWND main, int count, char** keys) {
    const struct {
        const char* name;
        WPARAM key;
    } names[] = {{"up", VK_UP},       {"down", VK_DOWN},     {"left", VK_LEFT},
                 {"right", VK_RIGHT}, {"return", VK_RETURN}, {"escape", VK_ESCAPE}};
    const UINT kTrayNotify = WM_USER + 1000, kTrayMenuId = 132;
    if (!PostMessageA(main, kTrayNotify, kTrayMenuId, WM_RBUTTONUP)) return 1;
    HWND menu = nullptr;
    for (int i = 0; i < 100 && !menu; ++i) {
        Sleep(100);
        EnumWindows(FindMenu, reinterpret_cast<LPARAM>(&menu));
    }
    if (!menu) {
        fprintf(stderr, "velumctl: the tray menu did not open\n");
        return 1;
    }
    for (int i = 0; i < count; ++i) {
        WPARAM key = 0;
        for (const auto& n : names) {
            if (!strcmp(keys[i], n.name)) key = n.key;
        }
        if (!key) return Usage();
        PostMessageA(menu, WM_KEYDOWN, key, 1);
        PostMessageA(menu, WM_KEYUP, key, 0xC0000001);
        Sleep(100);
    }
    return 0;
}

int Usage() {
    fprintf(stderr,
            "usage: velumctl count|wait-window S|wait-gone S|visible|foreground|text|sync|command ID|message N [W L]|"
            "post N W [L]|rect|item-text ID|set-text ID TEXT|combo ID|select ID INDEX|at X Y|key VK|zoomed|moving|"
            "tray-keys KEY...\n");
    return 2;
}

bool SendTimeout(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, DWORD_PTR* answer = nullptr) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(hwnd, msg, wParam, lParam, SMTO_NORMAL, 20000, answer ? answer : &ignored) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const char* cmd = argv[1];
    if (!strcmp(cmd, "count")) {
        printf("%u\n", static_cast<unsigned>(MainWindows().size()));
        return 0;
    }
    if (!strcmp(cmd, "wait-window") && argc == 3) return WaitFor(true, atof(argv[2])) ? 0 : 1;
    if (!strcmp(cmd, "wait-gone") && argc == 3) return WaitFor(false, atof(argv[2])) ? 0 : 1;

    std::vector<HWND> windows = MainWindows();
    if (windows.empty()) {
        fprintf(stderr, "velumctl: no window titled Velum\n");
        return 1;
    }
    HWND hwnd = windows.front();
    if (!strcmp(cmd, "visible")) {
        printf("%s\n", IsWindowVisible(hwnd) ? "visible" : "hidden");
        return 0;
    }
    if (!strcmp(cmd, "foreground")) {
        printf("%s\n", GetForegroundWindow() == hwnd ? "front" : "behind");
        return 0;
    }
    if (!strcmp(cmd, "text")) {
        EnumChildWindows(hwnd, PrintText, 0);
        return 0;
    }
    if (!strcmp(cmd, "sync")) {
        DWORD_PTR answer = 0;
        return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer) ? 0 : 1;
    }
    if (!strcmp(cmd, "command") && argc == 3) {
        return PostMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(atoi(argv[2])), 0) ? 0 : 1;
    }
    if (!strcmp(cmd, "message") && (argc == 3 || argc == 5)) {
        DWORD_PTR answer = 0;
        WPARAM w = argc == 5 ? static_cast<WPARAM>(strtoul(argv[3], nullptr, 0)) : 0;
        LPARAM l = argc == 5 ? static_cast<LPARAM>(strtol(argv[4], nullptr, 0)) : 0;
        if (!SendTimeout(hwnd, static_cast<UINT>(atoi(argv[2])), w, l, &answer)) return 1;
        printf("%ld\n", static_cast<long>(answer));
        return 0;
    }
    if (!strcmp(cmd, "tray-keys") && argc >= 3) return TrayKeys(hwnd, argc - 2, argv + 2);
    if (!strcmp(cmd, "post") && (argc == 4 || argc == 5)) {
        LPARAM lParam = argc == 5 ? static_cast<LPARAM>(strtol(argv[4], nullptr, 0)) : 0;
        return PostMessageA(hwnd, static_cast<UINT>(atoi(argv[2])), static_cast<WPARAM>(strtoul(argv[3], nullptr, 0)),
                            lParam)
                   ? 0
                   : 1;
    }
    if (!strcmp(cmd, "rect")) {
        RECT rc;
        if (!GetWindowRect(hwnd, &rc)) return 1;
        printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
        return 0;
    }
    if (!strcmp(cmd, "moving")) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        bool moving = GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info) && (info.flags & GUI_INMOVESIZE);
        printf("%s\n", moving ? "moving" : "still");
        return 0;
    }
    if (!strcmp(cmd, "zoomed")) {
        printf("%s\n", IsZoomed(hwnd) ? "zoomed" : "normal");
        return 0;
    }
    if (!strcmp(cmd, "item-text") && argc == 3) {
        HWND item = GetDlgItem(hwnd, atoi(argv[2]));
        if (!item) return 1;
        char text[512] = {};
        GetWindowTextA(item, text, sizeof text);
        printf("%s\n", text);
        return 0;
    }
    if (!strcmp(cmd, "set-text") && argc == 4) {
        HWND item = GetDlgItem(hwnd, atoi(argv[2]));
        return item && SendTimeout(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3])) ? 0 : 1;
    }
    if (!strcmp(cmd, "combo") && argc == 3) {
        HWND item = GetDlgItem(hwnd, atoi(argv[2]));
        DWORD_PTR sel = 0, length = 0;
        if (!item || !SendTimeout(item, CB_GETCURSEL, 0, 0, &sel)) return 1;
        // Wide: Wine hands another process's combo text over as the control keeps it.
        WCHAR wide[512] = {};
        char text[1024] = {};
        int index = static_cast<int>(static_cast<LRESULT>(sel));
        if (index >= 0 && SendMessageTimeoutW(item, CB_GETLBTEXTLEN, index, 0, SMTO_NORMAL, 20000, &length) &&
            length < 512) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(item, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide), SMTO_NORMAL, 20000,
                                &ignored);
            WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text - 1, nullptr, nullptr);
        }
        printf("%d %s\n", index, text);
        return 0;
    }
    if (!strcmp(cmd, "select") && argc == 4) {
        int id = atoi(argv[2]);
        HWND item = GetDlgItem(hwnd, id);
        if (!item || !SendTimeout(item, CB_SETCURSEL, static_cast<WPARAM>(atoi(argv[3])), 0)) return 1;
        return SendTimeout(hwnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(item)) ? 0 : 1;
    }
    if (!strcmp(cmd, "at") && argc == 4) {
        POINT pt = {atoi(argv[2]), atoi(argv[3])};
        ClientToScreen(hwnd, &pt);
        HWND found = WindowFromPoint(pt);
        bool ours = found && (found == hwnd || IsChild(hwnd, found));
        printf("%s\n", ours ? "velum" : "other");
        return 0;
    }
    if (!strcmp(cmd, "key") && argc == 3) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
        HWND target = GetGUIThreadInfo(thread, &info) && info.hwndFocus ? info.hwndFocus : hwnd;
        WPARAM vk = static_cast<WPARAM>(strtoul(argv[2], nullptr, 0));
        return PostMessageA(target, WM_KEYDOWN, vk, 1) && PostMessageA(target, WM_KEYUP, vk, 0xC0000001) ? 0 : 1;
    }
    return Usage();
}
