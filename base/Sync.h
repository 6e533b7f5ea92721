// Threads and locks that build for Windows 2000 (the win32-model MinGW has no standard
// thread or mutex classes) and natively for the tests.
#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

class Mutex {
public:
    Mutex();
    ~Mutex();
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;
    void Lock();
    void Unlock();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

class LockGuard {
public:
    explicit LockGuard(Mutex& m) : m_mutex(m) { m_mutex.Lock(); }
    ~LockGuard() { m_mutex.Unlock(); }
    LockGuard(const LockGuard&) = delete;
    LockGuard& operator=(const LockGuard&) = delete;

private:
    Mutex& m_mutex;
};

class Event {
public:
    static constexpr uint32_t kInfinite = 0xFFFFFFFFu;
    // name: a named kernel event on Windows (nullptr for an unnamed one); ignored natively.
    Event(bool manualReset, bool initialState, const char* name = nullptr);
    ~Event();
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    bool IsValid() const;
    void Set();
    void Reset();
    // True when signalled, false on time-out.
    bool Wait(uint32_t timeoutMs = kInfinite);
    // The HANDLE on Windows, nullptr natively.
    void* NativeHandle() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

class Thread {
public:
    enum class Priority { Normal, Lowest, Idle };
    Thread();
    ~Thread();  // joins a thread that is still running
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    // The function must not throw; it runs once on the new thread.
    bool Start(std::function<void()> fn, Priority priority = Priority::Normal);
    bool IsRunning() const;
    // Waits for the end; false on time-out (the thread keeps running).
    bool Join(uint32_t timeoutMs = Event::kInfinite);

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};

// Runs fn once on a thread that nobody joins: for work the program must never wait for at
// exit (a download on a slow line). fn must only touch what outlives the program's objects.
bool StartDetachedThread(std::function<void()> fn);

void SleepMs(uint32_t ms);

// One time limit shared by several waits; Event::kInfinite never runs out.
class Deadline {
public:
    explicit Deadline(uint32_t ms) : m_ms(ms), m_start(std::chrono::steady_clock::now()) {}
    uint32_t LeftMs() const {
        if (m_ms == Event::kInfinite) return Event::kInfinite;
        const auto spent =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_start);
        return spent.count() < m_ms ? m_ms - static_cast<uint32_t>(spent.count()) : 0;
    }

private:
    uint32_t m_ms;
    std::chrono::steady_clock::time_point m_start;
};
