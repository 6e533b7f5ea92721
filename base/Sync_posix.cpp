#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "base/Sync.h"
#include "base/Trace.h"

struct Mutex::Impl {
    std::recursive_mutex m;  // a critical section is re-entrant too
};

Mutex::Mutex() : m_impl(new Impl) {}
Mutex::~Mutex() = default;
void Mutex::Lock() {
    m_impl->m.lock();
}
void Mutex::Unlock() {
    m_impl->m.unlock();
}

struct Event::Impl {
    std::mutex m;
    std::condition_variable cv;
    bool manual = false;
    bool signalled = false;
};

Event::Event(bool manualReset, bool initialState, const char*) : m_impl(new Impl) {
    m_impl->manual = manualReset;
    m_impl->signalled = initialState;
}
Event::~Event() = default;
bool Event::IsValid() const {
    return true;
}
void Event::Set() {
    {
        std::lock_guard<std::mutex> lock(m_impl->m);
        m_impl->signalled = true;
    }
    if (m_impl->manual) {
        m_impl->cv.notify_all();
    } else {
        m_impl->cv.notify_one();
    }
}
void Event::Reset() {
    std::lock_guard<std::mutex> lock(m_impl->m);
    m_impl->signalled = false;
}
bool Event::Wait(uint32_t timeoutMs) {
    std::unique_lock<std::mutex> lock(m_impl->m);
    auto ready = [this] { return m_impl->signalled; };
    if (timeoutMs == kInfinite) {
        m_impl->cv.wait(lock, ready);
    } else if (!m_impl->cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready)) {
        return false;
    }
    if (!m_impl->manual) m_impl->signalled = false;
    return true;
}
void* Event::NativeHandle() const {
    return nullptr;
}

struct Thread::Impl {
    std::thread thread;
    std::shared_ptr<Event> done;
};

Thread::Thread() : m_impl(new Impl) {}
Thread::~Thread() {
    Join();
}

bool Thread::Start(std::function<void()> fn, Priority) {
    if (m_impl->thread.joinable()) return false;
    auto done = std::make_shared<Event>(true, false);
    m_impl->done = done;
    m_impl->thread = std::thread([fn = std::move(fn), done] {
        try {
            fn();
        } catch (...) {
            VL_TRACE();
        }
        done->Set();
    });
    return true;
}

bool Thread::IsRunning() const {
    return m_impl->thread.joinable() && !m_impl->done->Wait(0);
}

bool Thread::Join(uint32_t timeoutMs) {
    if (!m_impl->thread.joinable()) return true;
    if (timeoutMs != Event::kInfinite && !m_impl->done->Wait(timeoutMs)) return false;
    m_impl->thread.join();
    return true;
}

bool StartDetachedThread(std::function<void()> fn) {
    try {
        std::thread([fn = std::move(fn)] {
            try {
                fn();
            } catch (...) {
                VL_TRACE();
            }
        }).detach();
        return true;
    } catch (...) {
        VL_TRACE();
        return false;
    }
}

void SleepMs(uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
