#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "imagelist/Watch.h"
#include "tests/support/TraceCapture.h"

namespace {
// Change notifications in memory. Handles are distinct numbers; a handle closed twice,
// never handed out, or waited on after closing is recorded as a fault.
class FakeNotifier : public IChangeNotifier {
public:
    Handle NewStopSignal() override {
        std::lock_guard<std::mutex> lock(m);
        if (failStop) return nullptr;
        ++stopsCreated;
        Handle h = NewHandle();
        stops[h] = false;
        return h;
    }
    void SetStop(Handle h) override { SetStopTo(h, true); }
    void ResetStop(Handle h) override { SetStopTo(h, false); }
    void CloseStop(Handle h) override {
        std::lock_guard<std::mutex> lock(m);
        if (!stops.erase(h)) faults.push_back("stop closed twice");
    }
    Handle Watch(const std::string& folder, bool directoryNames) override {
        if (openDelayMs) std::this_thread::sleep_for(std::chrono::milliseconds(openDelayMs));
        std::lock_guard<std::mutex> lock(m);
        if (unwatchable.count(folder)) return nullptr;
        Handle h = NewHandle();
        notes[h] = Note{folder, directoryNames};
        ++opened;
        return h;
    }
    bool Rearm(Handle) override {
        std::lock_guard<std::mutex> lock(m);
        return !failRearm;
    }
    void Close(Handle h) override {
        std::lock_guard<std::mutex> lock(m);
        auto it = notes.find(h);
        if (it == notes.end() || !it->second.open) return faults.push_back("notification closed twice or unknown");
        it->second.open = false;
        ++closed;
        cv.notify_all();
    }
    int Wait(Handle stop, const std::vector<Handle>& handles) override {
        std::unique_lock<std::mutex> lock(m);
        if (handles.size() > kMaxWaitHandles) return kWaitFailed;
        widestWait = std::max(widestWait, handles.size());
        ++waiting;
        cv.notify_all();
        int result = kWaitFailed;
        cv.wait(lock, [&] {
            if (failWaits) return true;
            if (stops[stop]) return (result = kStopped), true;
            for (size_t i = 0; i < handles.size(); ++i) {
                Note& n = notes[handles[i]];
                if (!n.open) faults.push_back("waiting on a closed notification");
                if (n.signalled) return n.signalled = false, (result = static_cast<int>(i)), true;
            }
            return false;
        });
        --waiting;
        return result;
    }

    // Signals the open notification of folder; false when there is none.
    bool Change(const std::string& folder, bool directoryNames) {
        std::lock_guard<std::mutex> lock(m);
        for (auto& kv : notes) {
            Note& n = kv.second;
            if (n.open && n.folder == folder && n.directoryNames == directoryNames) {
                n.signalled = true;
                cv.notify_all();
                return true;
            }
        }
        return false;
    }
    bool WaitUntil(const std::function<bool()>& done) {
        std::unique_lock<std::mutex> lock(m);
        return cv.wait_for(lock, std::chrono::seconds(5), done);
    }
    void Locked(const std::function<void()>& fn) {
        std::lock_guard<std::mutex> lock(m);
        fn();
    }
    // Nothing left open and nothing done twice.
    void ExpectAllReleased() {
        std::lock_guard<std::mutex> lock(m);
        EXPECT_EQ(opened, closed);
        EXPECT_TRUE(faults.empty()) << faults.front();
    }

    struct Note {
        std::string folder;
        bool directoryNames;
        bool open = true;
        bool signalled = false;
    };
    std::mutex m;
    std::condition_variable cv;
    std::map<Handle, Note> notes;
    std::map<Handle, bool> stops;
    std::set<std::string> unwatchable;
    std::vector<std::string> faults;
    uintptr_t lastHandle = 0;
    int opened = 0, closed = 0, waiting = 0, stopsCreated = 0;
    size_t widestWait = 0;
    int openDelayMs = 0;  // a slow file system
    bool failStop = false, failRearm = false, failWaits = false;

private:
    Handle NewHandle() { return reinterpret_cast<Handle>(++lastHandle); }
    void SetStopTo(Handle h, bool v) {
        std::lock_guard<std::mutex> lock(m);
        if (!stops.count(h)) faults.push_back("unknown stop signal");
        stops[h] = v;
        cv.notify_all();
    }
};

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
