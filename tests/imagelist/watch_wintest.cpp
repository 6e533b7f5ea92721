#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "imagelist/Watch_win.h"
#include "tests/support_win/TempFolder.h"

namespace {
std::vector<WPARAM> g_received;

// A hidden window standing in for the configuration window; its messages are taken off the queue.
HWND OwnerWindow() {
    static HWND hwnd = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    return hwnd;
}

// Handles messages until count of them have come or ms have passed.
bool PumpUntil(size_t count, DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_FOLDERCHANGED) g_received.push_back(msg.wParam);
            DispatchMessageA(&msg);
        }
        if (g_received.size() >= count) return true;
        if (GetTickCount() - start > ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// Lets the messages of earlier changes come in, until none has come for a while.
void Drain() {
    size_t seen;
    do {
        seen = g_received.size();
        PumpUntil(seen + 1, 400);
    } while (g_received.size() != seen);
    g_received.clear();
}

// The watching thread arms its notifications on its own time: change a file until one is seen.
bool WaitArmed(const std::string& folder) {
    for (int i = 0; i < 50; ++i) {
        WriteFileBytes(folder + "\\probe" + std::to_string(i) + ".txt", "");
        if (PumpUntil(1, 200)) {
            Drain();
            return true;
        }
    }
    return false;
}

bool Contains(const std::vector<WPARAM>& v, WPARAM w) {
    return std::find(v.begin(), v.end(), w) != v.end();
}
}  // namespace

TEST(WinFolderWatcher, PictureInSubFolderIsFileChangeNewSubFolderIsFolderChange) {
    const std::string root = TempFolder("vlwatch");
    const std::string sub = root + "\\Sub";
    CreateDirectoryA(sub.c_str(), nullptr);
    CFolderWatcher watcher(Win32ChangeNotifier());
    watcher.SetOwner(FolderChangedPoster(OwnerWindow()));
    watcher.AddFolder(root);
    watcher.SetWatching(true);
    ASSERT_TRUE(watcher.IsWatching());
    ASSERT_TRUE(WaitArmed(root));

    ASSERT_TRUE(WriteFileBytes(sub + "\\new picture.jpg", ""));
    ASSERT_TRUE(PumpUntil(1, 5000));
    Drain();  // collects what came with it
    ASSERT_TRUE(WriteFileBytes(sub + "\\second.jpg", ""));
    ASSERT_TRUE(PumpUntil(1, 5000));
    EXPECT_TRUE(Contains(g_received, 1));
    Drain();

    ASSERT_TRUE(CreateDirectoryA((sub + "\\Deeper").c_str(), nullptr));
    ASSERT_TRUE(PumpUntil(1, 5000));
    std::vector<WPARAM> got = g_received;
    Drain();
    got.insert(got.end(), g_received.begin(), g_received.end());
    EXPECT_TRUE(Contains(got, 0));
    watcher.Clear();
    EXPECT_FALSE(watcher.IsWatching());
}
