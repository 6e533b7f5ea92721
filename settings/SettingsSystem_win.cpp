#include <windows.h>
#include <shlobj.h>

#include "settings/SettingsSystem_win.h"

#include "base/ProgramPath.h"
#include "base/Trace.h"

namespace {
const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kInstallKey[] = "Software\\Velum";

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
    // The size counts the terminating NUL, which readers of the value rely on.
    LONG rc = RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>(text.size() + 1));
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

std::string CWinAutoStartStore::InstallFolder() {
    HKEY key = nullptr;
    LONG rc = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInstallKey, 0, KEY_QUERY_VALUE, &key);
#if defined(_WIN64)
    // The installer is a 32-bit program: its keys are in the 32-bit view.
    if (rc != ERROR_SUCCESS)
        rc = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInstallKey, 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &key);
#endif
    if (rc != ERROR_SUCCESS) return std::string();
    char folder[MAX_PATH + 1] = {};
    DWORD type = 0, size = MAX_PATH;  // one byte short, so the text always ends in a NUL
    rc = RegQueryValueExA(key, "InstallDir", nullptr, &type, reinterpret_cast<BYTE*>(folder), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || !folder[0]) return std::string();
    char full[MAX_PATH + 1] = {}, longName[MAX_PATH + 1] = {};
    const DWORD n = GetFullPathNameA(folder, sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full) return std::string();
    // The program's own path comes in long names; so must this.
    const DWORD m = GetLongPathNameA(full, longName, sizeof longName);
    return m > 0 && m < sizeof longName ? std::string(longName) : std::string(full);
}

bool ApplyAutoStart(const COptionData& data) {
    CWinAutoStartStore store;
    return data.ApplyAutoStart(store, ProgramFilePath());
}
