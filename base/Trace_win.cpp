#include <windows.h>

#include "base/Trace.h"

void PlatformDebugOutput(const char* text) {
    OutputDebugStringA(text);
    OutputDebugStringA("\n");
}
