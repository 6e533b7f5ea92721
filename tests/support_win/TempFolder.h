// A scratch folder of this test run in the temporary folder; two runs on one machine
// keep apart by the process id.
#pragma once
#include <windows.h>

#include <string>

inline std::string TempFolder(const char* name) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string path = std::string(base) + name + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}
