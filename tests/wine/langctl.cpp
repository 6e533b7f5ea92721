// Lets the Wine scripts see the message boxes of velum.exe:
//   langctl answer-box SECONDS [TEXT] waits for a message box titled "Velum" (showing TEXT,
//                                     when given), answers it (No when it has that button,
//                                     else OK) and prints its text in hex, since the ANSI
//                                     bytes do not survive the console; exit 1 on time-out
//   langctl boxes                     prints the text of every message box titled "Velum"
// Before the command, "--title T" looks for boxes titled T instead, and "--yes" answers Yes.
#include <windows.h>

#include "WindowDump.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* g_title = "Velum";

struct Box {
    HWND hwnd;
    std::string text;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM lParam) {
    char title[64] = {}, cls[64] = {}, text[1024] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    // A message box is a dialog with a static text control of id 0xFFFF.
    HWND label = GetDlgItem(hwnd, 0xFFFF);
    if (strcmp(cls, "#32770") == 0 && strcmp(title, g_title) == 0 && label && IsWindowVisible(hwnd)) {
        GetWindowTextA(label, text, sizeof text);
        reinterpret_cast<std::vector<Box>*>(lParam)->push_back({hwnd, text});
    }
    return TRUE;
}

std::vector<Box> Boxes() {
    std::vector<Box> boxes;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&boxes));
    return boxes;
}

}  // namespace

int main(int argc, char** argv) {
    bool yes = false;
    while (argc >= 2 && (!strcmp(argv[1], "--title") || !strcmp(argv[1], "--yes"))) {
        if (!strcmp(argv[1], "--yes")) {
            yes = true;
            --argc;
            ++argv;
        } else if (argc >= 3) {
            g_title = argv[2];
            argc -= 2;
            argv += 2;
        } else {
            break;
        }
    }
    if (argc == 2 && !strcmp(argv[1], "boxes")) {
        for (const Box& box : Boxes()) printf("%s\n", box.text.c_str());
        return 0;
    }
    if ((argc == 3 || argc == 4) && !strcmp(argv[1], "answer-box")) {
        DWORD end = GetTickCount() + static_cast<DWORD>(atof(argv[2]) * 1000);
        for (;;) {
            for (const Box& box : Boxes()) {
                if (argc == 4 && box.text != argv[3]) continue;
                UINT button = GetDlgItem(box.hwnd, IDNO) ? IDNO : IDOK;
                if (yes && GetDlgItem(box.hwnd, IDYES)) button = IDYES;
                PostMessageA(box.hwnd, WM_COMMAND, button, 0);
                for (unsigned char c : box.text) printf("%02x", c);
                printf("\n");
                return 0;
            }
            if (static_cast<LONG>(GetTickCount() - end) >= 0) break;
            Sleep(100);
        }
        for (const Box& box : Boxes()) fprintf(stderr, "langctl: other box: %s\n", box.text.c_str());
        fprintf(stderr, "langctl: no matching box after %s s; visible windows:\n", argv[2]);
        EnumWindows(PrintVisible, 0);
        return 1;
    }
    fprintf(stderr, "usage: langctl [--title T] [--yes] answer-box SECONDS [TEXT] | boxes\n");
    return 2;
}
