// GDI objects and kernel handles of this process, for leak checks.
#pragma once
#include <windows.h>

struct ProcessCounts {
    unsigned long gdiObjects = 0;
    unsigned long handles = 0;
};

inline ProcessCounts CountProcessObjects() {
    ProcessCounts c;
    c.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (c.gdiObjects == 0) {
        // Wine answers 0 there; its GDI handles accept a bare table index, so count the live ones.
        for (ULONG_PTR i = 1; i < 0x10000; ++i)
            if (GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0) ++c.gdiObjects;
    }
    using HandleCountFn = BOOL(WINAPI*)(HANDLE, PDWORD);
    auto fn = reinterpret_cast<HandleCountFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetProcessHandleCount")));
    DWORD n = 0;
    if (fn && fn(GetCurrentProcess(), &n)) c.handles = n;
    if (c.handles == 0) {
        // Wine does not count them; its kernel handles are small multiples of four.
        for (ULONG_PTR h = 4; h < 0x10000; h += 4) {
            DWORD flags;
            if (GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags)) ++c.handles;
        }
    }
    return c;
}
