// How the download threads hand their results to the user-interface thread. A thread
// owns only its result: it leaves it here and posts a message that carries nothing, so
// a message from anyone else, or one that comes after the window is gone, finds no
// result or no reader. The mailbox is never destroyed, since a thread may still end
// after the program's objects are gone.
#pragma once
#include "base/Sync.h"
#include "online/UpdateCheck.h"

class COnlineMailbox {
public:
    void PutUpdate(const UpdateCheckOutcome& outcome) { Put(m_update, outcome); }
    bool TakeUpdate(UpdateCheckOutcome& outcome) { return Take(m_update, outcome); }
    void PutSiteList(const SiteListOutcome& outcome) { Put(m_siteList, outcome); }
    bool TakeSiteList(SiteListOutcome& outcome) { return Take(m_siteList, outcome); }

private:
    template <typename T>
    struct Held {
        bool full = false;
        T value;
    };

    template <typename T>
    void Put(Held<T>& held, const T& value) {
        LockGuard lock(m_lock);
        held.value = value;
        held.full = true;
    }

    template <typename T>
    bool Take(Held<T>& held, T& value) {
        LockGuard lock(m_lock);
        if (!held.full) return false;
        value = held.value;
        held = Held<T>();
        return true;
    }

    Mutex m_lock;
    Held<UpdateCheckOutcome> m_update;
    Held<SiteListOutcome> m_siteList;
};

COnlineMailbox& OnlineMailbox();

// One kind of download on the user-interface thread: at most one at a time, a retry only
// when one is awaited, and nothing more once it is done for this run.
class CDownloadSlot {
public:
    enum State { Idle, Running, WaitingRetry, Done };

    // Start-up: true when the download may start now.
    bool Begin();
    // The retry timer: true when a retry was awaited and may start now.
    bool BeginRetry();
    // A result arrived: false when none was awaited (it is then ignored). Offline
    // waits for the retry; anything else is done for this run.
    bool Finish(bool offline);
    // The thread could not be started.
    void Abandon();
    State GetState() const { return m_state; }

private:
    State m_state = Idle;
};
