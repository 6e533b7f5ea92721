#pragma once
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "imagelist/Watch.h"

// Change notifications in memory. Handles are distinct numbers; a handle closed twice,
// never handed out, or waited on after closing is recorded as a fault.
class FakeNotifier : public IChangeNotifier {
public:
    Handle NewStopSignal() override {
        std::lock_guard<std::mutex> lock(m);
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
        if (onWatch) onWatch();
        if (openDelayMs) std::this_thread::sleep_for(std::chrono::milliseconds(openDelayMs));
        std::lock_guard<std::mutex> lock(m);
        Handle h = NewHandle();
        notes[h] = Note{folder, directoryNames};
        ++opened;
        return h;
    }
    bool Rearm(Handle) override { return true; }
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
    std::vector<std::string> faults;
    uintptr_t lastHandle = 0;
    int opened = 0, closed = 0, waiting = 0;
    size_t widestWait = 0;
    int openDelayMs = 0;            // a slow file system
    std::function<void()> onWatch;  // runs before each folder is opened, outside the lock

private:
    Handle NewHandle() { return reinterpret_cast<Handle>(++lastHandle); }
    void SetStopTo(Handle h, bool v) {
        std::lock_guard<std::mutex> lock(m);
        if (!stops.count(h)) faults.push_back("unknown stop signal");
        stops[h] = v;
        cv.notify_all();
    }
};
