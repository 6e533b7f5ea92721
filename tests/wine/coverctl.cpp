// Plays a full-screen program for the Wine scripts, and reports the display window of a
// running velum.exe.
//   coverctl cover STOPFILE   a borderless window over the primary monitor, in front, until
//                             STOPFILE exists (at most two minutes)
//   coverctl display          "visible W H", "hidden W H" or "none"
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

BOOL CALLBACK FindDisplay(HWND hwnd, LPARAM param) {
    const LONG ex = GetWindowLongA(hwnd, GWL_EXSTYLE);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if ((ex & WS_EX_LAYERED) && (ex & WS_EX_TRANSPARENT) && pid != GetCurrentProcessId()) {
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
    }
    return TRUE;
}

int Display() {
    HWND display = nullptr;
    EnumWindows(FindDisplay, reinterpret_cast<LPARAM>(&display));
    if (!display) {
        printf("none\n");
        return 0;
    }
    RECT r;
    GetWindowRect(display, &r);
    printf("%s %ld %ld\n", IsWindowVisible(display) ? "visible" : "hidden", r.right - r.left, r.bottom - r.top);
    return 0;
}

int Cover(const char* stopFile) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "CoverCtlFullScreen";
    if (!RegisterClassA(&wc)) return 1;
    HWND w = CreateWindowExA(0, wc.lpszClassName, "Full screen", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                             GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, wc.hInstance, nullptr);
    if (!w) return 1;
    ShowWindow(w, SW_SHOW);
    SetForegroundWindow(w);
    const DWORD start = GetTickCount();
    while (GetFileAttributesA(stopFile) == INVALID_FILE_ATTRIBUTES && GetTickCount() - start < 120000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    DestroyWindow(w);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && !strcmp(argv[1], "cover")) return Cover(argv[2]);
    if (argc == 2 && !strcmp(argv[1], "display")) return Display();
    fprintf(stderr, "usage: coverctl cover STOPFILE | coverctl display\n");
    return 2;
}
