#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "imagelist/Watch.h"
#include "tests/imagelist/FakeNotifier.h"
#include "tests/support/TraceCapture.h"

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

TEST(FolderSet, LowerCasedSortedAndEachOnce) {
    CFolderSet set;
    for (const char* p : {"C:\\Pics", "c:\\pics", "D:\\a", "C:\\PICS\\Sub", "c:\\a\xC4", "C:\\A", "d:\\A"}) set.Add(p);
    EXPECT_EQ(set.Folders(), (std::vector<std::string>{"c:\\a", "c:\\a\xC4", "c:\\pics", "c:\\pics\\sub", "d:\\a"}));
}

TEST(FolderWatcher, ReportsFilesAsOneAndSubFoldersAsZeroAndArmsAgain) {
    Rig rig;
    EXPECT_EQ(rig.watcher.AddFolder("C:\\Watched"), 0);
    rig.watcher.SetWatching(true);
    EXPECT_TRUE(rig.watcher.IsWatching());
    ASSERT_TRUE(rig.Waiting(1));
    ASSERT_TRUE(rig.Change("c:\\watched", false, 1));
    ASSERT_TRUE(rig.Change("c:\\watched", true, 2));
    ASSERT_TRUE(rig.Change("c:\\watched", false, 3));
    EXPECT_EQ(rig.inbox.messages, (std::vector<uint32_t>{1, 0, 1}));
    EXPECT_EQ(rig.fake.opened, 2);  // armed again, not replaced
    rig.watcher.Clear();
    EXPECT_FALSE(rig.watcher.IsWatching());
    EXPECT_TRUE(rig.watcher.Folders().empty());
    EXPECT_TRUE(rig.fake.stops.empty());
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

TEST(FolderWatcher, UnwatchableFolderIsLeftOutAndTriedAgainAtRestart) {
    Rig rig;
    rig.fake.unwatchable.insert("e:\\unplugged");
    rig.watcher.AddFolder("E:\\Unplugged");
    rig.watcher.AddFolder("C:\\Here");
    rig.watcher.Start();
    ASSERT_TRUE(rig.Waiting(1));
    ASSERT_TRUE(rig.Change("c:\\here", false, 1));
    // The rebuild starts the watcher afresh: the folder is back by then.
    rig.watcher.Stop();
    rig.fake.unwatchable.clear();
    rig.watcher.Start();
    ASSERT_TRUE(rig.Waiting(1));
    ASSERT_TRUE(rig.Change("e:\\unplugged", true, 2));
    rig.watcher.Clear();
    rig.fake.ExpectAllReleased();
}

TEST(FolderWatcher, NotificationThatCannotBeArmedIsOpenedAgainOrDropped) {
    Rig rig;
    rig.watcher.AddFolder("C:\\x");
    rig.watcher.Start();
    ASSERT_TRUE(rig.Waiting(1));
    rig.fake.Locked([&] { rig.fake.failRearm = true; });
    ASSERT_TRUE(rig.Change("c:\\x", false, 1));
    ASSERT_TRUE(rig.Waiting(1, 3));
    // Gone meanwhile: its slot is dropped and the other notification still works.
    rig.fake.Locked([&] { rig.fake.unwatchable.insert("c:\\x"); });
    ASSERT_TRUE(rig.Change("c:\\x", false, 2));
    ASSERT_TRUE(rig.Waiting(1));
    ASSERT_TRUE(rig.Change("c:\\x", true, 3));
    rig.watcher.Clear();
    rig.fake.ExpectAllReleased();
}

TEST(FolderWatcher, FailedWaitEndsWatchingUntilCleared) {
    Rig rig;
    rig.watcher.AddFolder("C:\\x");
    rig.fake.Locked([&] { rig.fake.failWaits = true; });
    rig.watcher.Start();
    ASSERT_TRUE(rig.fake.WaitUntil([&] { return rig.fake.closed == 2; }));
    // The flag stays set, so only a Clear (the next rebuild) brings a new thread.
    EXPECT_TRUE(rig.watcher.IsWatching());
    rig.watcher.Start();
    EXPECT_EQ(rig.fake.opened, 2);
    rig.watcher.Clear();
    rig.fake.Locked([&] { rig.fake.failWaits = false; });
    rig.watcher.AddFolder("C:\\x");
    rig.watcher.Start();
    ASSERT_TRUE(rig.Waiting(1, 4));
    EXPECT_EQ(rig.fake.stopsCreated, 2);
    rig.watcher.Clear();
    rig.fake.ExpectAllReleased();
}

TEST(FolderWatcher, AddingWhileWatchingRestartsWithTheNewFolder) {
    Rig rig;
    rig.watcher.Start();  // an empty set waits on the stop signal alone
    ASSERT_TRUE(rig.Waiting(1));
    EXPECT_EQ(rig.fake.widestWait, 0u);
    rig.watcher.AddFolder("C:\\New");
    EXPECT_TRUE(rig.watcher.IsWatching());
    ASSERT_TRUE(rig.Waiting(1, 2));
    ASSERT_TRUE(rig.Change("c:\\new", false, 1));
    rig.watcher.Stop();
    rig.watcher.Stop();
    EXPECT_EQ(rig.fake.stopsCreated, 1);
    rig.fake.ExpectAllReleased();
}

TEST(FolderWatcher, NoStopSignalMeansNoWatching) {
    Rig rig;
    TraceCapture trace;
    rig.watcher.AddFolder("C:\\x");
    rig.fake.failStop = true;
    rig.watcher.SetWatching(true);
    EXPECT_FALSE(rig.watcher.IsWatching());
    EXPECT_EQ(rig.fake.opened, 0);
    EXPECT_TRUE(trace.Has("; error msg: Unable to create event"));
}
