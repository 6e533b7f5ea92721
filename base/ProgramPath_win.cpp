#include <windows.h>

#include "base/ProgramPath.h"

std::string ProgramFilePath() {
    char buf[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
    return std::string(buf, n > MAX_PATH ? MAX_PATH : n);
}
