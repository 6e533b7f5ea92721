#include <windows.h>
#include <shlobj.h>

#include "settings/SettingsSystem_win.h"

#include "base/ProgramPath.h"
#include "base/Trace.h"

namespace {
const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

HKEY Root(IAutoStartStore::Hive hive) {
    return hive == IAutoStartStore::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// Only the rights the step needs: a standard user may read the machine's Run key but
// never gets full access to it. A fresh profile may lack the user's Run key (create).
LONG OpenRun(IAutoStartStore::Hive hive, REGSAM access, bool create, HKEY& key) {
    key = nullptr;
    if (create && hive == IAutoStartStore::CurrentUser)
        return RegCreateKeyExA(Root(hive), kRunKey, 0, nullptr, 0, access, nullptr, &key, nullptr);
    return RegOpenKeyExA(Root(hive), kRunKey, 0, access, &key);
}

typedef BOOL(WINAPI* SHGetSpecialFolderPathAFn)(HWND, LPSTR, int, BOOL);
}  // namespace

std::string UserSettingsPath() {
    CWinSettingsLocation location;
    return GetSettingsPath(location);
}

bool CWinSettingsLocation::AppDataFolder(std::string& folder) {
    // shell32 of Windows 2000 has it; resolved at run time all the same, as older shells lack it.
    HMODULE shell = GetModuleHandleA("shell32.dll");
    if (!shell) shell = LoadLibraryA("shell32.dll");
    auto fn = shell ? reinterpret_cast<SHGetSpecialFolderPathAFn>(
                          reinterpret_cast<void*>(GetProcAddress(shell, "SHGetSpecialFolderPathA")))
                    : nullptr;
    char buf[MAX_PATH + 1] = {};
    if (!fn || !fn(nullptr, buf, CSIDL_APPDATA, FALSE)) return false;
    folder = buf;
    return true;
}

bool CWinSettingsLocation::IsDirectory(const std::string& path) {
    DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool CWinSettingsLocation::MakeDirectory(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

std::string CWinSettingsLocation::ExecutablePath() {
    return ProgramFilePath();
}

bool CWinAutoStartStore::CanOpen(Hive hive) {
    HKEY key;
    if (OpenRun(hive, KEY_SET_VALUE, true, key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool CWinAutoStartStore::HasValue(Hive hive, const std::string& name) {
    HKEY key;
    if (OpenRun(hive, KEY_QUERY_VALUE, false, key) != ERROR_SUCCESS) return false;
    LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

bool CWinAutoStartStore::SetValue(Hive hive, const std::string& name, const std::string& text) {
    HKEY key;
    if (OpenRun(hive, KEY_SET_VALUE, true, key) != ERROR_SUCCESS) {
        VL_TRACE();
        return false;
    }
    LONG rc = RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>(text.size()));
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) VL_TRACE();
    return rc == ERROR_SUCCESS;
}

bool CWinAutoStartStore::DeleteValue(Hive hive, const std::string& name) {
    HKEY key;
    LONG rc = OpenRun(hive, KEY_SET_VALUE, false, key);
    if (rc == ERROR_FILE_NOT_FOUND) return true;  // no Run key, so no value either
    if (rc != ERROR_SUCCESS) return false;
    rc = RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

bool ApplyAutoStart(const COptionData& data) {
    CWinAutoStartStore store;
    return data.ApplyAutoStart(store, ProgramFilePath());
}
