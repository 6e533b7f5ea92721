#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "base/Trace.h"
#include "imagelist/Watch.h"

namespace {
// Change notifications in memory. Every handle is a distinct number; closing one twice,
// or closing one that was never handed out, is recorded as a fault.
class FakeNotifier : public IChangeNotifier {
public:
    struct Note {
        std::string folder;
        bool directoryNames;
        bool open = true;
        bool signalled = false;
    };

    Handle NewStopSignal() override {
        std::lock_guard<std::mutex> lock(m);
        if (failStop) return nullptr;
        ++stopsCreated;
        return Id(stops);
    }
    void SetStop(Handle h) override { Set(stops, h, true); }
    void ResetStop(Handle h) override { Set(stops, h, false); }
    void CloseStop(Handle h) override {
        std::lock_guard<std::mutex> lock(m);
        if (!stops.erase(h)) faults.push_back("stop closed twice");
    }
    Handle Watch(const std::string& folder, bool directoryNames) override {
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
        if (it == notes.end() || !it->second.open) {
            faults.push_back("notification closed twice or unknown");
            return;
        }
        it->second.open = false;
        ++closed;
        cv.notify_all();
    }
    int Wait(Handle stop, const std::vector<Handle>& handles) override {
        std::unique_lock<std::mutex> lock(m);
        if (handles.size() > kMaxWaitHandles) return kWaitFailed;
        ++waiting;
        widestWait = std::max(widestWait, handles.size());
        cv.notify_all();
        for (;;) {
            if (failWaits) {
                --waiting;
                return kWaitFailed;
            }
            if (stops.count(stop) && stops[stop]) {
                --waiting;
                return kStopped;
            }
            for (size_t i = 0; i < handles.size(); ++i) {
                Note& n = notes[handles[i]];
                if (!n.open) faults.push_back("waiting on a closed notification");
                if (n.signalled) {
                    n.signalled = false;
                    --waiting;
                    return static_cast<int>(i);
                }
            }
            cv.wait(lock);
        }
    }

    // Signals the open notification of folder; false when there is none.
    bool Change(const std::string& folder, bool directoryNames) {
        std::lock_guard<std::mutex> lock(m);
        for (auto& kv : notes) {
            if (kv.second.open && kv.second.folder == folder && kv.second.directoryNames == directoryNames) {
                kv.second.signalled = true;
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
    int OpenCount() {
        std::lock_guard<std::mutex> lock(m);
        return opened - closed;
    }

    std::mutex m;
    std::condition_variable cv;
    std::map<Handle, Note> notes;
    std::map<Handle, bool> stops;
    std::set<std::string> unwatchable;
    std::vector<std::string> faults;
    std::deque<char> handleSpace;  // each handle is the address of one element
    int opened = 0, closed = 0, waiting = 0, stopsCreated = 0;
    size_t widestWait = 0;
    bool failStop = false, failRearm = false, failWaits = false;

private:
    Handle NewHandle() {
        handleSpace.emplace_back();
        return &handleSpace.back();
    }
    Handle Id(std::map<Handle, bool>& into) {
        Handle h = NewHandle();
        into[h] = false;
        return h;
    }
    void Set(std::map<Handle, bool>& into, Handle h, bool v) {
        std::lock_guard<std::mutex> lock(m);
        if (!into.count(h)) faults.push_back("unknown stop signal");
        into[h] = v;
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

std::string Name(int i) {
    return "c:\\f" + std::to_string(100 + i);
}
}  // namespace

TEST(FolderSet, LowerCasedSortedAndEachOnce) {
    CFolderSet set;
    for (const char* p : {"C:\\Pics", "c:\\pics", "D:\\a", "C:\\PICS\\Sub", "c:\\a\xC4", "C:\\A", "d:\\A"}) set.Add(p);
    EXPECT_EQ(set.Folders(), (std::vector<std::string>{"c:\\a", "c:\\a\xC4", "c:\\pics", "c:\\pics\\sub", "d:\\a"}));
}

TEST(FolderWatcher, ReportsFilesAsOneAndSubFoldersAsZero) {
    FakeNotifier fake;
    Inbox inbox;
    CFolderWatcher watcher(fake);
    watcher.SetOwner(inbox.Poster());
    EXPECT_EQ(watcher.AddFolder("C:\\Watched"), 0);
    watcher.SetWatching(true);
    EXPECT_TRUE(watcher.IsWatching());
    ASSERT_TRUE(fake.WaitUntil([&] { return fake.waiting == 1; }));
    ASSERT_TRUE(fake.Change("c:\\watched", false));
    ASSERT_TRUE(inbox.WaitFor(1));
    ASSERT_TRUE(fake.Change("c:\\watched", true));
    ASSERT_TRUE(inbox.WaitFor(2));
    // The notification was armed again, not replaced.
    ASSERT_TRUE(fake.Change("c:\\watched", false));
    ASSERT_TRUE(inbox.WaitFor(3));
    EXPECT_EQ(inbox.messages, (std::vector<uint32_t>{1, 0, 1}));
    EXPECT_EQ(fake.opened, 2);
    watcher.Clear();
    EXPECT_FALSE(watcher.IsWatching());
    EXPECT_TRUE(watcher.Folders().empty());
    EXPECT_EQ(fake.OpenCount(), 0);
    EXPECT_TRUE(fake.stops.empty());
    EXPECT_TRUE(fake.faults.empty()) << fake.faults[0];
}

TEST(FolderWatcher, WatchesAnyNumberOfFolders) {
    FakeNotifier fake;
    Inbox inbox;
    CFolderWatcher watcher(fake);
    watcher.SetOwner(inbox.Poster());
    const int n = 100;
    for (int i = n - 1; i >= 0; --i) watcher.AddFolder(Name(i));
    watcher.Start();
    const int threads = (n + CFolderWatcher::kFoldersPerThread - 1) / CFolderWatcher::kFoldersPerThread;
    ASSERT_TRUE(fake.WaitUntil([&] { return fake.waiting == threads; }));
    EXPECT_LE(fake.widestWait, IChangeNotifier::kMaxWaitHandles);
    for (int i = 0; i < n; ++i) {
        ASSERT_TRUE(fake.Change(Name(i), i % 2 == 0)) << i;
        ASSERT_TRUE(inbox.WaitFor(i + 1)) << i;
        EXPECT_EQ(inbox.messages[i], i % 2 == 0 ? 0u : 1u);
    }
    watcher.Stop();
    EXPECT_EQ(fake.opened, 2 * n);
    EXPECT_EQ(fake.OpenCount(), 0);
    EXPECT_TRUE(fake.faults.empty());
}

TEST(FolderWatcher, UnwatchableFolderIsLeftOutAndTriedAgainAtRestart) {
    FakeNotifier fake;
    Inbox inbox;
    CFolderWatcher watcher(fake);
    watcher.SetOwner(inbox.Poster());
    fake.unwatchable.insert("e:\\unplugged");
    watcher.AddFolder("E:\\Unplugged");
    watcher.AddFolder("C:\\Here");
    watcher.Start();
    ASSERT_TRUE(fake.WaitUntil([&] { return fake.waiting == 1; }));
    ASSERT_TRUE(fake.Change("c:\\here", false));
    ASSERT_TRUE(inbox.WaitFor(1));
    // The rebuild starts the watcher afresh: the folder is back by then.
    watcher.Stop();
    fake.unwatchable.clear();
    watcher.Start();
    ASSERT_TRUE(fake.WaitUntil([&] { return fake.waiting == 1; }));
    ASSERT_TRUE(fake.Change("e:\\unplugged", true));
    ASSERT_TRUE(inbox.WaitFor(2));
    EXPECT_EQ(inbox.messages[1], 0u);
    watcher.Clear();
    EXPECT_EQ(fake.OpenCount(), 0);
    EXPECT_TRUE(fake.faults.empty());
}

TEST(FolderWatcher, NotificationThatCannotBeArmedIsOpenedAgain) {
    FakeNotifier fake;
    Inbox inbox;
    CFolderWatcher watcher(fake);
    watcher.SetOwner(inbox.Poster());
    watcher.AddFolder("C:\\x");
    watcher.Start();
    ASSERT_TRUE(fake.WaitUntil([&] { return fake.waiting == 1; }));
    fake.Locked([&] { fake.failRearm = true; });
    ASSERT_TRUE(fake.Change("c:\\x", false));
    ASSERT_TRUE(inbox.WaitFor(1));
    ASSERT_TRUE(fake.WaitUntil([&] { return fake.waiting == 1 && fake.opened == 3; }));
    // Gone meanwhile: its slot is dropped and the other notification still works.
    fake.Locked([&] { fake.unwatchable.insert("c:\\x"); });
    ASSERT_TRUE(fake.Change("c:\\x", false));
    ASSERT_TRUE(inbox.WaitFor(2));
    ASSERT_TRUE(fake.WaitUntil([&] { return fake.waiting == 1; }));
    ASSERT_TRUE(fake.Change("c:\\x", true));
    ASSERT_TRUE(inbox.WaitFor(3));
    watcher.Clear();
    EXPECT_EQ(fake.OpenCount(), 0);
    EXPECT_TRUE(fake.faults.empty());
}

TEST(FolderWatcher, FailedWaitEndsWatchingUntilCleared) {
    FakeNotifier fake;
    CFolderWatcher watcher(fake);
    watcher.AddFolder("C:\\x");
    fake.Locked([&] { fake.failWaits = true; });
    watcher.Start();
    ASSERT_TRUE(fake.WaitUntil([&] { return fake.closed == 2; }));
    // The flag stays set, so only a Clear (the next rebuild) brings a new thread.
    EXPECT_TRUE(watcher.IsWatching());
    watcher.Start();
    EXPECT_EQ(fake.opened, 2);
    watcher.Clear();
    fake.Locked([&] { fake.failWaits = false; });
    watcher.AddFolder("C:\\x");
    watcher.Start();
    ASSERT_TRUE(fake.WaitUntil([&] { return fake.waiting == 1; }));
    EXPECT_EQ(fake.opened, 4);
    EXPECT_EQ(fake.stopsCreated, 2);
    watcher.Clear();
    EXPECT_EQ(fake.OpenCount(), 0);
    EXPECT_TRUE(fake.faults.empty());
}

TEST(FolderWatcher, AddingWhileWatchingRestartsWithTheNewFolder) {
    FakeNotifier fake;
    Inbox inbox;
    CFolderWatcher watcher(fake);
    watcher.SetOwner(inbox.Poster());
    watcher.Start();  // an empty set waits on the stop signal alone
    ASSERT_TRUE(fake.WaitUntil([&] { return fake.waiting == 1; }));
    EXPECT_EQ(fake.widestWait, 0u);
    watcher.AddFolder("C:\\New");
    EXPECT_TRUE(watcher.IsWatching());
    ASSERT_TRUE(fake.WaitUntil([&] { return fake.waiting == 1 && fake.opened == 2; }));
    ASSERT_TRUE(fake.Change("c:\\new", false));
    ASSERT_TRUE(inbox.WaitFor(1));
    watcher.Stop();
    watcher.Stop();
    EXPECT_EQ(fake.stopsCreated, 1);
    EXPECT_EQ(fake.OpenCount(), 0);
    EXPECT_TRUE(fake.faults.empty());
}

TEST(FolderWatcher, NoStopSignalMeansNoWatching) {
    FakeNotifier fake;
    std::vector<std::string> trace;
    SetTraceSink([&](const std::string& line) { trace.push_back(line); });
    CFolderWatcher watcher(fake);
    watcher.AddFolder("C:\\x");
    fake.failStop = true;
    watcher.SetWatching(true);
    SetTraceSink({});
    EXPECT_FALSE(watcher.IsWatching());
    EXPECT_EQ(fake.opened, 0);
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_NE(trace[0].find("; error msg: Unable to create event"), std::string::npos) << trace[0];
}
