#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Clock.h"
#include "display/Slideshow.h"
#include "imagelist/FileSystem_win.h"
#include "imagelist/Rebuild.h"
#include "imagelist/Watch_win.h"

namespace {
std::vector<WPARAM> g_received;
CSlideshow* g_slideshow = nullptr;
DWORD g_lastNoted = 0;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kWmFolderChanged) {
        g_received.push_back(wParam);
        if (g_slideshow) {
            g_lastNoted = GetTickCount();
            g_slideshow->OnFolderChanged();
        }
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A hidden window standing in for the configuration window.
HWND OwnerWindow() {
    static HWND hwnd = nullptr;
    if (!hwnd) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VelumWatchTestOwner";
        RegisterClassA(&wc);
        hwnd = CreateWindowA("VelumWatchTestOwner", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }
    return hwnd;
}

// Handles messages until count of them have come or ms have passed.
bool PumpUntil(size_t count, DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
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

std::string TempFolder(const char* name) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string path = std::string(base) + name + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

void Touch(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    CloseHandle(h);
}

// The watching thread arms its notifications on its own time: change a file until one is seen.
bool WaitArmed(const std::string& folder) {
    for (int i = 0; i < 50; ++i) {
        Touch(folder + "\\probe" + std::to_string(i) + ".txt");
        if (PumpUntil(1, 200)) {
            Drain();
            return true;
        }
    }
    return false;
}

bool Contains(const std::vector<WPARAM>& v, WPARAM w) {
    for (WPARAM x : v)
        if (x == w) return true;
    return false;
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

    Touch(sub + "\\new picture.jpg");
    ASSERT_TRUE(PumpUntil(1, 5000));
    Drain();  // collects what came with it
    Touch(sub + "\\second.jpg");
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

TEST(WinFolderWatcher, FortyFoldersAndAMissingOneAllReport) {
    std::vector<std::string> folders;
    CFolderWatcher watcher(Win32ChangeNotifier());
    watcher.SetOwner(FolderChangedPoster(OwnerWindow()));
    watcher.AddFolder("C:\\velum no such folder");
    for (int i = 0; i < 40; ++i) {
        folders.push_back(TempFolder(("vlmany" + std::to_string(i) + "_").c_str()));
        watcher.AddFolder(folders.back());
    }
    watcher.Start();
    ASSERT_TRUE(WaitArmed(folders[0]));
    // Each folder is changed alone, so every message comes from that folder.
    for (size_t i = 0; i < folders.size(); ++i) {
        ASSERT_TRUE(WaitArmed(folders[i])) << folders[i];
    }
    // Stopping and starting again gives every folder fresh notifications.
    watcher.Stop();
    watcher.Start();
    ASSERT_TRUE(WaitArmed(folders[39]));
    watcher.Clear();
}

namespace {
class NullDisplay : public IImageDisplay {
public:
    void SetImagePath(const std::string&) override {}
    bool ShowImage(int) override { return true; }
    void ReShow() override {}
    void SetAlpha(int) override {}
    void SetSizeMode(int) override {}
    void SetRegion(const CDisplayRegion&) override {}
    void Hide() override {}
    bool IsVisible() const override { return false; }
};

class HiddenHost : public ISlideshowHost {
public:
    bool IsConfigWindowVisible() const override { return false; }
    bool IsScreenSaverRunning() const override { return false; }
    int DesktopColorDepth() const override { return 32; }
    void SetSlideshowTimer(uint32_t) override {}
    void KillSlideshowTimer() override {}
    void UpdateTrayIcon(bool) override {}
    void SelectOpacityItem(int) override {}
    void SetModified() override {}
};
}  // namespace

// The slideshow's worker, woken as by its ticks, rebuilds once the burst has been quiet.
TEST(WinFolderWatcher, BurstOfChangesGivesOneRebuildAfterFiveQuietSeconds) {
    const std::string root = TempFolder("vlburst");
    CreateDirectoryA((root + "\\deep").c_str(), nullptr);
    Touch(root + "\\deep\\a.jpg");

    COptionData options;
    options.SetDefaults();
    options.m_images = {CImageItem(root, true, true)};
    CDisplayList list;
    NullDisplay display;
    HiddenHost host;
    CFolderWatcher watcher(Win32ChangeNotifier());
    watcher.SetOwner(FolderChangedPoster(OwnerWindow()));
    CDisplayListRebuild rebuild(Win32DirectorySearch(), &watcher);
    volatile LONG rebuilds = 0;
    volatile DWORD rebuiltAt = 0;
    {
        CSlideshow slideshow(options, list, display, host, SystemClock());
        slideshow.SetRebuild([&](const std::vector<CImageItem>& images) {
            rebuiltAt = GetTickCount();
            InterlockedIncrement(&rebuilds);
            return rebuild.BuildPaths(images);
        });
        ASSERT_TRUE(slideshow.RebuildDisplayList());
        ASSERT_EQ(list.Count(), 1u);
        ASSERT_TRUE(watcher.IsWatching());
        rebuilds = 0;
        ASSERT_TRUE(WaitArmed(root));
        ASSERT_TRUE(slideshow.StartWorker());
        g_slideshow = &slideshow;

        for (int i = 0; i < 50; ++i) {
            Touch(root + "\\deep\\burst" + std::to_string(i) + ".jpg");
            PumpUntil(g_received.size() + 1, 60);
            SetEvent(slideshow.EventHandle());
        }
        const DWORD burstEnd = GetTickCount();
        // Late messages still belong to the burst; the worker wakes four times a second.
        const DWORD end = GetTickCount() + 9000;
        while (GetTickCount() < end) {
            PumpUntil(~size_t(0), 250);
            SetEvent(slideshow.EventHandle());
        }
        g_slideshow = nullptr;
        slideshow.StopWorker();
        EXPECT_GE(g_lastNoted, burstEnd - 100);
    }
    EXPECT_EQ(rebuilds, 1);
    EXPECT_GT(rebuiltAt - g_lastNoted, 5000u) << "rebuilt " << (rebuiltAt - g_lastNoted) << " ms after";
    EXPECT_EQ(list.Count(), 51u);
    watcher.Clear();
    Drain();
}

namespace {
// Counts the worker's passes: each one asks first whether the configuration window is open.
class CountingHost : public HiddenHost {
public:
    bool IsConfigWindowVisible() const override {
        InterlockedIncrement(&passes);
        return true;
    }
    mutable volatile LONG passes = 0;
};
}  // namespace

// Another program may hold the name the worker's event once had, as another kind of object
// or as an event left signalled for good.
TEST(WinSlideshowWorker, ItsEventIsNotReachableByAName) {
    COptionData options;
    CDisplayList list;
    NullDisplay display;
    HANDLE foreign = CreateMutexA(nullptr, FALSE, "ImageProcess");
    ASSERT_NE(foreign, nullptr);
    {
        CountingHost host;
        CSlideshow slideshow(options, list, display, host, SystemClock());
        EXPECT_TRUE(slideshow.StartWorker());
        EXPECT_TRUE(slideshow.IsWorkerRunning());
    }
    CloseHandle(foreign);

    HANDLE stuck = CreateEventA(nullptr, TRUE, TRUE, "ImageProcess");
    ASSERT_NE(stuck, nullptr);
    {
        CountingHost host;
        CSlideshow slideshow(options, list, display, host, SystemClock());
        ASSERT_TRUE(slideshow.StartWorker());
        Sleep(300);
        EXPECT_EQ(host.passes, 0) << "the worker woke without a tick";
    }
    CloseHandle(stuck);
}
