#include <windows.h>
#include <shlobj.h>

#include "settings/SettingsSystem_win.h"

#include "base/ProgramPath.h"
#include "base/Trace.h"
#include "base/WideName_win.h"

namespace {
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kInstallKey[] = L"Software\\Velum";

HKEY Root(IAutoStartStore::Hive hive) {
    return hive == IAutoStartStore::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// Only the rights the step needs: a standard user may read the machine's Run key but
// never gets full access to it. A fresh profile may lack the user's Run key (create).
LONG OpenRun(IAutoStartStore::Hive hive, REGSAM access, bool create, HKEY& key) {
    key = nullptr;
    if (create && hive == IAutoStartStore::CurrentUser)
        return RegCreateKeyExW(Root(hive), kRunKey, 0, nullptr, 0, access, nullptr, &key, nullptr);
    return RegOpenKeyExW(Root(hive), kRunKey, 0, access, &key);
}

typedef BOOL(WINAPI* SHGetSpecialFolderPathWFn)(HWND, LPWSTR, int, BOOL);
}  // namespace

std::string UserSettingsPath() {
    CWinSettingsLocation location;
    return GetSettingsPath(location);
}

bool CWinSettingsLocation::AppDataFolder(std::string& folder) {
    // shell32 of Windows 2000 has it; resolved at run time all the same, as older shells lack it.
    HMODULE shell = GetModuleHandleA("shell32.dll");
    if (!shell) shell = LoadLibraryA("shell32.dll");
    auto fn = shell ? reinterpret_cast<SHGetSpecialFolderPathWFn>(
                          reinterpret_cast<void*>(GetProcAddress(shell, "SHGetSpecialFolderPathW")))
                    : nullptr;
    wchar_t buf[MAX_PATH + 1] = {};
    if (!fn || !fn(nullptr, buf, CSIDL_APPDATA, FALSE)) return false;
    folder = NameFromWide(buf);
    return true;
}

bool CWinSettingsLocation::IsDirectory(const std::string& path) {
    DWORD attr = GetFileAttributesW(WideName(path).c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool CWinSettingsLocation::MakeDirectory(const std::string& path) {
    return CreateDirectoryW(WideName(path).c_str(), nullptr) != 0;
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
    LONG rc = RegQueryValueExW(key, WideName(name).c_str(), nullptr, nullptr, nullptr, nullptr);
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
    const std::wstring wide = WideName(text);
    LONG rc = RegSetValueExW(key, WideName(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                             static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) VL_TRACE();
    return rc == ERROR_SUCCESS;
}

bool CWinAutoStartStore::DeleteValue(Hive hive, const std::string& name) {
    HKEY key;
    LONG rc = OpenRun(hive, KEY_SET_VALUE, false, key);
    if (rc == ERROR_FILE_NOT_FOUND) return true;  // no Run key, so no value either
    if (rc != ERROR_SUCCESS) return false;
    rc = RegDeleteValueW(key, WideName(name).c_str());
    RegCloseKey(key);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

std::string CWinAutoStartStore::InstallFolder() {
    HKEY key = nullptr;
    LONG rc = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kInstallKey, 0, KEY_QUERY_VALUE, &key);
#if defined(_WIN64)
    // The installer is a 32-bit program: its keys are in the 32-bit view.
    if (rc != ERROR_SUCCESS)
        rc = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kInstallKey, 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &key);
#endif
    if (rc != ERROR_SUCCESS) return std::string();
    wchar_t folder[MAX_PATH + 1] = {};
    DWORD type = 0, size = MAX_PATH * sizeof(wchar_t);  // one short, so the text always ends in a NUL
    rc = RegQueryValueExW(key, L"InstallDir", nullptr, &type, reinterpret_cast<BYTE*>(folder), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || !folder[0]) return std::string();
    wchar_t full[MAX_PATH + 1] = {}, longName[MAX_PATH + 1] = {};
    const DWORD n = GetFullPathNameW(folder, MAX_PATH + 1, full, nullptr);
    if (n == 0 || n >= MAX_PATH + 1) return std::string();
    // The program's own path comes in long names; so must this.
    const DWORD m = GetLongPathNameW(full, longName, MAX_PATH + 1);
    return NameFromWide(m > 0 && m < MAX_PATH + 1 ? longName : full);
}

bool ApplyAutoStart(const COptionData& data) {
    CWinAutoStartStore store;
    return data.ApplyAutoStart(store, ProgramFilePath());
}
