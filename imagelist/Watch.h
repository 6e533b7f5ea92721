// The folder watcher: notices changes in the folders of the image list and tells its
// owner, which stamps the time so that the display list is rebuilt once they are quiet.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Sync.h"
#include "imagelist/Rebuild.h"
#include "res/MainMessages.h"

// The watched folders: lower-cased, sorted by byte value, each once.
class CFolderSet {
public:
    void Add(const std::string& path);
    void Clear() { m_folders.clear(); }
    const std::vector<std::string>& Folders() const { return m_folders; }

private:
    std::vector<std::string> m_folders;
};

// The system's change notifications (FindFirstChangeNotificationW on Windows).
class IChangeNotifier {
public:
    using Handle = void*;
    // Handles one wait takes beside the stop signal (64 in all on Windows).
    static constexpr size_t kMaxWaitHandles = 63;

    virtual ~IChangeNotifier() = default;
    // A manual-reset signal, created not set; null on failure.
    virtual Handle NewStopSignal() = 0;
    virtual void SetStop(Handle stop) = 0;
    virtual void ResetStop(Handle stop) = 0;
    virtual void CloseStop(Handle stop) = 0;
    // A notification for the folder's whole sub-tree: file names and last-write times,
    // or (directoryNames) sub-folder names. Null when the folder cannot be watched.
    virtual Handle Watch(const std::string& folder, bool directoryNames) = 0;
    // Arms a signalled notification for the next change; false when it cannot be.
    virtual bool Rearm(Handle notification) = 0;
    virtual void Close(Handle notification) = 0;
    // Waits without time-out; the index of a signalled notification, kStopped, or kWaitFailed.
    static constexpr int kStopped = -1;
    static constexpr int kWaitFailed = -2;
    virtual int Wait(Handle stop, const std::vector<Handle>& notifications) = 0;
};

class CFolderWatcher : public IFolderWatch {
public:
    // Folders watched by one thread: two notifications each must fit into one wait.
    static constexpr size_t kFoldersPerThread = IChangeNotifier::kMaxWaitHandles / 2;
    // Start waits this long at most for the notifications to be open (a network folder
    // may take its time); a change after Start has returned is never missed.
    static constexpr uint32_t kArmMs = 2000;

    explicit CFolderWatcher(IChangeNotifier& notifier) : m_notifier(notifier) {}
    ~CFolderWatcher() override;

    // post(wParam) delivers WM_FOLDERCHANGED to the owner window; called on a watching thread.
    void SetOwner(std::function<void(uint32_t wParam)> post);
    void Clear() override;
    int AddFolder(const std::string& path) override;
    bool IsWatching() const override { return m_watching.load(); }
    void SetWatching(bool watching) override;
    // Returns once every watching thread has its notifications open, or after kArmMs.
    void Start();
    // Ends the watching threads; each releases its own notifications before it ends.
    void Stop();
    // Stop, waiting at most timeoutMs: false when a thread is still inside a system call
    // (an unreachable network folder). It is left running and the watcher must outlive it.
    bool StopWithin(uint32_t timeoutMs);

    std::vector<std::string> Folders() const;

private:
    void ClearAll();
    // armed counts down as the threads have their notifications open.
    struct Armed;
    void StartLocked(const std::shared_ptr<Armed>& armed = nullptr);
    bool StopLocked(uint32_t timeoutMs = Event::kInfinite);
    // opened runs once the notifications are open (or could not be).
    void WatchFolders(const std::vector<std::string>& folders, IChangeNotifier::Handle stop,
                      const std::function<void(uint32_t)>& post, const std::function<void()>& opened);

    IChangeNotifier& m_notifier;
    mutable Mutex m_lock;
    CFolderSet m_folders;
    IChangeNotifier::Handle m_stop = nullptr;
    std::vector<std::unique_ptr<Thread>> m_threads;
    std::atomic<bool> m_watching{false};
    std::function<void(uint32_t)> m_post;
};
