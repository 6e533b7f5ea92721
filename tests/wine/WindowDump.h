// Shared by the Wine test helpers: lists the visible top-level windows on stderr, so a
// time-out shows what was there instead.
#pragma once
#include <windows.h>

#include <cstdio>

inline BOOL CALLBACK PrintVisible(HWND hwnd, LPARAM) {
    char title[128] = {}, cls[64] = {};
    if (!IsWindowVisible(hwnd)) return TRUE;
    GetWindowTextA(hwnd, title, sizeof title);
    GetClassNameA(hwnd, cls, sizeof cls);
    fprintf(stderr, "  window %p class \"%s\" title \"%s\"\n", static_cast<void*>(hwnd), cls, title);
    return TRUE;
}
