// GoogleTest wants std::mutex, which the win32 thread model of MinGW lacks. The test
// runner uses it only for gtest's own thread helpers, so a critical section will do.
#pragma once
#include <windows.h>

#include <condition_variable>
#include <mutex>

#if !defined(_GLIBCXX_HAS_GTHREADS)
namespace std {
class mutex {
public:
    mutex() { InitializeCriticalSection(&m_cs); }
    ~mutex() { DeleteCriticalSection(&m_cs); }
    mutex(const mutex&) = delete;
    mutex& operator=(const mutex&) = delete;
    void lock() { EnterCriticalSection(&m_cs); }
    void unlock() { LeaveCriticalSection(&m_cs); }

private:
    CRITICAL_SECTION m_cs;
};

class condition_variable {
public:
    template <class Lock, class Pred>
    void wait(Lock& lock, Pred pred) {
        while (!pred()) {
            lock.unlock();
            Sleep(1);
            lock.lock();
        }
    }
    void notify_one() {}
    void notify_all() {}
};
}  // namespace std
#endif
