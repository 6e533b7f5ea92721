#include <windows.h>

#include "base/Trace.h"
#include "base/WideName_win.h"

void PlatformDebugOutput(const char* text) {
    // A trace may name a file: names are UTF-8.
    OutputDebugStringW(WideName(text).c_str());
    OutputDebugStringW(L"\n");
}
