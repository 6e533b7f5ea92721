#pragma once
#include <string>

// Full path of the running executable (GetModuleFileName on Windows).
std::string ProgramFilePath();
// Its folder, without a trailing separator.
std::string ProgramFolder();
