#include "base/SystemFolder_win.h"

#include <vector>

#include "base/Trace.h"
#include "base/WideName_win.h"

std::string SystemFilePath(const char* name) {
    wchar_t folder[MAX_PATH] = {};
    UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) {
        VL_TRACE();
        return std::string();
    }
    std::string path = NameFromWide(folder, n);
    if (path.back() != '\\') path += '\\';
    return path + name;
}

HMODULE LoadSystemLibrary(const char* name) {
    const std::string path = SystemFilePath(name);
    return path.empty() ? nullptr : LoadLibraryW(WideName(path).c_str());
}

bool StartSystemProgram(const char* name, const std::string& arguments, WORD show, HANDLE* process) {
    const std::string path = SystemFilePath(name);
    if (path.empty()) return false;
    const std::wstring widePath = WideName(path);
    std::wstring line = L"\"" + widePath + L"\" " + WideName(arguments);
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(widePath.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        VL_TRACE_MSG(path.c_str());
        return false;
    }
    CloseHandle(info.hThread);
    if (process)
        *process = info.hProcess;
    else
        CloseHandle(info.hProcess);
    return true;
}

void KeepCurrentFolderOutOfTheWay(const std::string& programFolder) {
    using SetDllDirectoryFn = BOOL(WINAPI*)(LPCSTR);
    // Windows 2000 and XP before SP1 lack it; there the current folder comes late in the search.
    auto setDllDirectory = reinterpret_cast<SetDllDirectoryFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDllDirectoryA")));
    if (setDllDirectory && !setDllDirectory("")) VL_TRACE();
    if (!programFolder.empty() && !SetCurrentDirectoryW(WideName(programFolder).c_str())) VL_TRACE();
}

CKeepCurrentFolder::CKeepCurrentFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD n = GetCurrentDirectoryW(MAX_PATH + 1, folder);
    if (n > 0 && n < MAX_PATH + 1) m_strFolder.assign(folder, n);
}

CKeepCurrentFolder::~CKeepCurrentFolder() {
    if (!m_strFolder.empty() && !SetCurrentDirectoryW(m_strFolder.c_str())) VL_TRACE();
}
