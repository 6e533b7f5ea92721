#include "imagelist/Watch_win.h"

#include <set>

#include "base/WideName_win.h"
#include "imagelist/FileSystem_win.h"

namespace {
bool RunningUnderWine() {
    static const bool wine = [] {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return wine;
}

// Wine watches a sub-tree only in the sub-folders made after the watch began and in those
// opened since; opening each one once, parents first, brings the older ones in too. A link
// back to a parent is not followed round again.
void OpenSubFolders(const std::string& folder, int depth, std::set<std::string>& visited) {
    if (depth > 128 || folder.size() >= MAX_PATH) return;
    const std::string identity = WinFolderIdentity(folder);
    if (!identity.empty() && !visited.insert(identity).second) return;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(WideName(folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        if (!lstrcmpW(data.cFileName, L".") || !lstrcmpW(data.cFileName, L"..")) continue;
        OpenSubFolders(folder + "\\" + NameFromWide(data.cFileName), depth + 1, visited);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

class WinChangeNotifier : public IChangeNotifier {
public:
    Handle NewStopSignal() override { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }
    void SetStop(Handle stop) override { SetEvent(stop); }
    void ResetStop(Handle stop) override { ResetEvent(stop); }
    void CloseStop(Handle stop) override { CloseHandle(stop); }

    Handle Watch(const std::string& folder, bool directoryNames) override {
        const DWORD filter = directoryNames ? FILE_NOTIFY_CHANGE_DIR_NAME
                                            : (FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE);
        HANDLE h = FindFirstChangeNotificationW(WideName(folder).c_str(), TRUE, filter);
        if (h == INVALID_HANDLE_VALUE) return nullptr;
        if (directoryNames && RunningUnderWine()) {
            std::string root = folder;
            while (!root.empty() && (root.back() == '\\' || root.back() == '/')) root.pop_back();
            std::set<std::string> visited;
            OpenSubFolders(root, 0, visited);
        }
        return h;
    }
    bool Rearm(Handle notification) override { return FindNextChangeNotification(notification) != FALSE; }
    void Close(Handle notification) override { FindCloseChangeNotification(notification); }

    int Wait(Handle stop, const std::vector<Handle>& notifications) override {
        HANDLE all[MAXIMUM_WAIT_OBJECTS];
        if (notifications.size() + 1 > MAXIMUM_WAIT_OBJECTS) return kWaitFailed;
        all[0] = stop;
        for (size_t i = 0; i < notifications.size(); ++i) all[i + 1] = notifications[i];
        const DWORD count = static_cast<DWORD>(notifications.size() + 1);
        const DWORD r = WaitForMultipleObjects(count, all, FALSE, INFINITE);
        if (r == WAIT_OBJECT_0) return kStopped;
        if (r > WAIT_OBJECT_0 && r < WAIT_OBJECT_0 + count) return static_cast<int>(r - WAIT_OBJECT_0 - 1);
        return kWaitFailed;
    }
};
}  // namespace

IChangeNotifier& Win32ChangeNotifier() {
    static WinChangeNotifier notifier;
    return notifier;
}

std::function<void(uint32_t)> FolderChangedPoster(HWND owner) {
    return [owner](uint32_t wParam) {
        if (owner) PostMessageA(owner, WM_FOLDERCHANGED, wParam, 0);
    };
}
