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

// Libraries loaded by bare name no longer come from the current folder (where the system has
// SetDllDirectory), and the current folder is the program's: a stick or share the user
// picked pictures from is neither searched nor held open.
void KeepCurrentFolderOutOfTheWay(const std::string& programFolder);

// The open and save dialogs and the folder browser may change the current folder (the
// flag that should stop them is documented to have no effect on the open dialog): this
// puts it back when it goes.
class CKeepCurrentFolder {
public:
    CKeepCurrentFolder();
    ~CKeepCurrentFolder();
    CKeepCurrentFolder(const CKeepCurrentFolder&) = delete;
    CKeepCurrentFolder& operator=(const CKeepCurrentFolder&) = delete;

private:
    std::wstring m_strFolder;
};
