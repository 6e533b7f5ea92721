#include "imagelist/Watch.h"

#include <algorithm>
#include <exception>

#include "base/StringUtil.h"
#include "base/Trace.h"

void CFolderSet::Add(const std::string& path) {
    std::string key = AsciiLower(path);
    auto at = std::lower_bound(m_folders.begin(), m_folders.end(), key);
    if (at != m_folders.end() && *at == key) return;
    m_folders.insert(at, std::move(key));
}

CFolderWatcher::~CFolderWatcher() {
    ClearAll();
}

void CFolderWatcher::SetOwner(std::function<void(uint32_t)> post) {
    LockGuard lock(m_lock);
    m_post = std::move(post);
}

std::vector<std::string> CFolderWatcher::Folders() const {
    LockGuard lock(m_lock);
    return m_folders.Folders();
}

void CFolderWatcher::Clear() {
    ClearAll();
}

void CFolderWatcher::ClearAll() {
    try {
        LockGuard lock(m_lock);
        StopLocked();
        if (m_stop) m_notifier.CloseStop(m_stop);
        m_stop = nullptr;
        m_folders.Clear();
    } catch (const std::exception& e) {
        VL_TRACE_MSG(e.what());
    }
}

int CFolderWatcher::AddFolder(const std::string& path) {
    try {
        LockGuard lock(m_lock);
        const bool wasWatching = m_watching.load();
        if (wasWatching) StopLocked();
        m_folders.Add(path);
        if (wasWatching) StartLocked();
        return 0;
    } catch (const std::exception& e) {
        VL_TRACE_MSG(e.what());
        return -1;
    }
}

void CFolderWatcher::SetWatching(bool watching) {
    if (watching)
        Start();
    else
        Stop();
}

struct CFolderWatcher::Armed {
    Mutex lock;
    size_t threadsLeft = 0;
    Event all{true, false};
    void Expect(size_t threads) {
        LockGuard guard(lock);
        threadsLeft = threads;
    }
    void OneDone() {
        LockGuard guard(lock);
        if (threadsLeft > 0 && --threadsLeft == 0) all.Set();
    }
};

void CFolderWatcher::Start() {
    auto armed = std::make_shared<Armed>();
    {
        LockGuard lock(m_lock);
        if (m_watching.load()) return;
        StartLocked(armed);
        if (!m_watching.load()) return;  // no thread to wait for
    }
    // Outside the lock: a Stop must not wait for a thread stuck opening a notification.
    armed->all.Wait(kArmMs);
}

void CFolderWatcher::Stop() {
    LockGuard lock(m_lock);
    StopLocked();
}

bool CFolderWatcher::StopWithin(uint32_t timeoutMs) {
    LockGuard lock(m_lock);
    return StopLocked(timeoutMs);
}

void CFolderWatcher::StartLocked(const std::shared_ptr<Armed>& armed) {
    if (m_watching.load()) return;
    if (!m_stop) {
        m_stop = m_notifier.NewStopSignal();
        if (!m_stop) {
            VL_TRACE_MSG("Unable to create event");
            return;
        }
    } else {
        m_notifier.ResetStop(m_stop);
    }
    // One wait takes at most 64 handles, so the folders are shared among threads;
    // an empty set still gets one thread, waiting on the stop signal alone.
    const std::vector<std::string>& all = m_folders.Folders();
    if (armed) armed->Expect(std::max<size_t>(1, (all.size() + kFoldersPerThread - 1) / kFoldersPerThread));
    size_t first = 0;
    do {
        const size_t last = std::min(all.size(), first + kFoldersPerThread);
        std::vector<std::string> group(all.begin() + first, all.begin() + last);
        auto thread = std::make_unique<Thread>();
        IChangeNotifier::Handle stop = m_stop;
        std::function<void(uint32_t)> post = m_post;
        if (!thread->Start([this, group, stop, post, armed] {
                WatchFolders(group, stop, post, armed ? [armed] { armed->OneDone(); } : std::function<void()>());
            })) {
            VL_TRACE_MSG("Unable to create thread");
            m_watching.store(true);
            StopLocked();
            return;
        }
        m_threads.push_back(std::move(thread));
        first = last;
    } while (first < all.size());
    m_watching.store(true);
}

bool CFolderWatcher::StopLocked(uint32_t timeoutMs) {
    if (!m_watching.load()) return true;
    if (m_stop) m_notifier.SetStop(m_stop);
    // The threads wake at once on the stop signal; waiting for them means nobody else
    // ever closes their notifications.
    const Deadline deadline(timeoutMs);
    for (auto& thread : m_threads) {
        // One still in a call keeps the watcher watching, so a later Stop or Clear waits for it.
        if (!thread->Join(deadline.LeftMs())) return false;
    }
    m_threads.clear();
    m_watching.store(false);
    return true;
}

void CFolderWatcher::WatchFolders(const std::vector<std::string>& folders, IChangeNotifier::Handle stop,
                                  const std::function<void(uint32_t)>& post, const std::function<void()>& opened) {
    struct Slot {
        const std::string* folder;
        bool directoryNames;
    };
    std::vector<IChangeNotifier::Handle> handles;
    std::vector<Slot> slots;
    bool told = false;
    auto tellOpened = [&] {
        if (told || !opened) return;
        told = true;
        opened();
    };
    try {
        handles.reserve(folders.size() * 2);
        slots.reserve(folders.size() * 2);
        // A folder that cannot be watched (gone, unplugged) is left out; the next
        // rebuild starts the watcher afresh and tries it again.
        for (const std::string& folder : folders) {
            for (bool directoryNames : {false, true}) {
                IChangeNotifier::Handle h = m_notifier.Watch(folder, directoryNames);
                if (!h) {
                    VL_TRACE_MSG(("Unable to watch " + folder).c_str());
                    continue;
                }
                handles.push_back(h);
                slots.push_back(Slot{&folder, directoryNames});
            }
        }
        tellOpened();
        for (;;) {
            const int r = m_notifier.Wait(stop, handles);
            if (r == IChangeNotifier::kStopped) break;
            if (r < 0 || static_cast<size_t>(r) >= handles.size()) {
                VL_TRACE_MSG("Wait failed");
                break;
            }
            if (post) post(slots[r].directoryNames ? 0u : 1u);
            if (m_notifier.Rearm(handles[r])) continue;
            m_notifier.Close(handles[r]);
            IChangeNotifier::Handle again = m_notifier.Watch(*slots[r].folder, slots[r].directoryNames);
            if (again) {
                handles[r] = again;
            } else {
                VL_TRACE_MSG(("Unable to watch " + *slots[r].folder).c_str());
                handles.erase(handles.begin() + r);
                slots.erase(slots.begin() + r);
            }
        }
    } catch (const std::exception& e) {
        VL_TRACE_MSG(e.what());
    } catch (...) {
        VL_TRACE();
    }
    tellOpened();  // an exception while opening still ends the wait for this thread
    for (IChangeNotifier::Handle h : handles) m_notifier.Close(h);
}
