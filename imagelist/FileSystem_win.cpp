#include <windows.h>

#include <atomic>
#include <vector>

#include "imagelist/FileSystem_win.h"

#include "base/WideName_win.h"

namespace {
class WinAttributes : public IFileAttributes {
public:
    PathKind Kind(const std::string& path) override {
        DWORD attributes = GetFileAttributesW(WideName(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Directory : PathKind::File;
    }
};

class WinSearch : public IDirectorySearch {
    static constexpr FINDEX_INFO_LEVELS kFindExInfoBasic = static_cast<FINDEX_INFO_LEVELS>(1);
    static constexpr DWORD kFindFirstExLargeFetch = 2;
    std::atomic<bool> m_basicInfo{true};

public:
    bool Find(const std::string& pattern, const std::function<bool(const std::string&, bool)>& onEntry) override {
        WIN32_FIND_DATAW data;
        HANDLE find = INVALID_HANDLE_VALUE;
        const std::wstring widePattern = WideName(pattern);
        // Windows 7 and later (and Wine) can skip the short names, which costs each entry
        // a name mangling under Wine; older systems refuse the level and get the plain search.
        if (m_basicInfo) {
            find = FindFirstFileExW(widePattern.c_str(), kFindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                    kFindFirstExLargeFetch);
            if (find == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER) m_basicInfo = false;
        }
        if (!m_basicInfo) find = FindFirstFileW(widePattern.c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) return false;
        std::string name;
        do {
            name = NameFromWide(data.cFileName);
            if (!onEntry(name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)) break;
        } while (FindNextFileW(find, &data));
        FindClose(find);
        return true;
    }

    std::string FolderIdentity(const std::string& folder) override { return WinFolderIdentity(folder); }

    std::string FullPath(const std::string& path) override {
        const std::wstring wide = WideName(path);
        wchar_t buffer[MAX_PATH];
        DWORD n = GetFullPathNameW(wide.c_str(), MAX_PATH, buffer, nullptr);
        if (n == 0) return path;
        if (n < MAX_PATH) return NameFromWide(buffer, n);
        std::vector<wchar_t> big(n);
        DWORD m = GetFullPathNameW(wide.c_str(), n, big.data(), nullptr);
        return (m > 0 && m < n) ? NameFromWide(big.data(), m) : path;
    }
};
}  // namespace

std::string WinFolderIdentity(const std::string& folder) {
    HANDLE h = CreateFileW(WideName(folder).c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::string();
    BY_HANDLE_FILE_INFORMATION info;
    const BOOL ok = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    if (!ok) return std::string();
    char id[40];
    wsprintfA(id, "%08lx:%08lx%08lx", info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow);
    return id;
}

IFileAttributes& PlatformFileAttributes() {
    static WinAttributes attributes;
    return attributes;
}

IDirectorySearch& Win32DirectorySearch() {
    static WinSearch search;
    return search;
}
