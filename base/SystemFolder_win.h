// Files of the system folder, always taken by their full path: by a bare name Windows
// would take a file of that name from the program's or the current folder first.
#pragma once
#include <windows.h>

#include <string>

// "<system folder>\name"; empty when the system does not tell its folder.
std::string SystemFilePath(const char* name);
HMODULE LoadSystemLibrary(const char* name);
// Starts a program of the system folder with these arguments, shown as show says.
// process, when given, receives the process handle, which the caller closes.
bool StartSystemProgram(const char* name, const std::string& arguments, WORD show, HANDLE* process = nullptr);
