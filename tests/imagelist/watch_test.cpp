#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "imagelist/Watch.h"
#include "tests/imagelist/FakeNotifier.h"

namespace {
// What the owner window receives.
struct Inbox {
    std::mutex m;
    std::condition_variable cv;
    std::vector<uint32_t> messages;
    std::function<void(uint32_t)> Poster() {
        return [this](uint32_t w) {
            std::lock_guard<std::mutex> lock(m);
            messages.push_back(w);
            cv.notify_all();
        };
    }
    bool WaitFor(size_t count) {
        std::unique_lock<std::mutex> lock(m);
        return cv.wait_for(lock, std::chrono::seconds(5), [&] { return messages.size() >= count; });
    }
};

struct Rig {
    Rig() { watcher.SetOwner(inbox.Poster()); }
    // Changes the folder and waits until the owner has had `messages` in all.
    bool Change(const std::string& folder, bool directoryNames, size_t messages) {
        return fake.Change(folder, directoryNames) && inbox.WaitFor(messages);
    }
    bool Waiting(int threads, int openedTotal = -1) {
        return fake.WaitUntil(
            [&] { return fake.waiting == threads && (openedTotal < 0 || fake.opened == openedTotal); });
    }
    FakeNotifier fake;
    Inbox inbox;
    CFolderWatcher watcher{fake};
};
}  // namespace

TEST(FolderWatcher, ReportsFilesAsOneAndSubFoldersAsZeroAndArmsAgain) {
    Rig rig;
    EXPECT_EQ(rig.watcher.AddFolder("C:\\Watched"), 0);
    rig.watcher.SetWatching(true);
    ASSERT_TRUE(rig.Waiting(1));
    ASSERT_TRUE(rig.Change("c:\\watched", false, 1));
    ASSERT_TRUE(rig.Change("c:\\watched", true, 2));
    ASSERT_TRUE(rig.Change("c:\\watched", false, 3));
    EXPECT_EQ(rig.inbox.messages, (std::vector<uint32_t>{1, 0, 1}));
    EXPECT_EQ(rig.fake.opened, 2);  // armed again, not replaced
    rig.watcher.Clear();
    rig.fake.ExpectAllReleased();
}

TEST(FolderWatcher, WatchesAnyNumberOfFolders) {
    Rig rig;
    const int n = 100;
    auto name = [](int i) { return "c:\\f" + std::to_string(100 + i); };
    for (int i = n - 1; i >= 0; --i) rig.watcher.AddFolder(name(i));
    rig.watcher.Start();
    const int threads = (n + CFolderWatcher::kFoldersPerThread - 1) / CFolderWatcher::kFoldersPerThread;
    ASSERT_TRUE(rig.Waiting(threads));
    EXPECT_LE(rig.fake.widestWait, IChangeNotifier::kMaxWaitHandles);
    for (int i = 0; i < n; ++i) {
        ASSERT_TRUE(rig.Change(name(i), i % 2 == 0, i + 1));
        EXPECT_EQ(rig.inbox.messages[i], i % 2 == 0 ? 0u : 1u);
    }
    rig.watcher.Stop();
    EXPECT_EQ(rig.fake.opened, 2 * n);
    rig.fake.ExpectAllReleased();
}

TEST(FolderWatcher, StartReturnsOnlyOnceEveryThreadHasItsNotificationsOpen) {
    Rig rig;
    rig.fake.openDelayMs = 5;
    for (int i = 0; i < 40; ++i) rig.watcher.AddFolder("c:\\f" + std::to_string(i));
    rig.watcher.Start();
    EXPECT_EQ(rig.fake.opened, 80);
    rig.watcher.Clear();
    rig.fake.ExpectAllReleased();
}
