#include <windows.h>
#include <process.h>

#include "base/Sync.h"
#include "base/Trace.h"

struct Mutex::Impl {
    CRITICAL_SECTION cs;
};

Mutex::Mutex() : m_impl(new Impl) {
    InitializeCriticalSection(&m_impl->cs);
}
Mutex::~Mutex() {
    DeleteCriticalSection(&m_impl->cs);
}
void Mutex::Lock() {
    EnterCriticalSection(&m_impl->cs);
}
void Mutex::Unlock() {
    LeaveCriticalSection(&m_impl->cs);
}

struct Event::Impl {
    HANDLE handle = nullptr;
};

Event::Event(bool manualReset, bool initialState, const char* name) : m_impl(new Impl) {
    m_impl->handle = CreateEventA(nullptr, manualReset ? TRUE : FALSE, initialState ? TRUE : FALSE, name);
    if (!m_impl->handle) VL_TRACE();
}
Event::~Event() {
    if (m_impl->handle) CloseHandle(m_impl->handle);
}
bool Event::IsValid() const {
    return m_impl->handle != nullptr;
}
void Event::Set() {
    if (m_impl->handle) SetEvent(m_impl->handle);
}
void Event::Reset() {
    if (m_impl->handle) ResetEvent(m_impl->handle);
}
bool Event::Wait(uint32_t timeoutMs) {
    if (!m_impl->handle) return false;
    return WaitForSingleObject(m_impl->handle, timeoutMs == kInfinite ? INFINITE : timeoutMs) == WAIT_OBJECT_0;
}
void* Event::NativeHandle() const {
    return m_impl->handle;
}

struct Thread::Impl {
    HANDLE handle = nullptr;
    std::function<void()> fn;
};

namespace {
unsigned __stdcall DetachedEntry(void* arg) {
    std::unique_ptr<std::function<void()>> fn(static_cast<std::function<void()>*>(arg));
    try {
        (*fn)();
    } catch (...) {
        VL_TRACE();
    }
    return 0;
}

unsigned __stdcall ThreadEntry(void* arg) {
    auto* impl = static_cast<Thread::Impl*>(arg);
    try {
        impl->fn();
    } catch (...) {
        VL_TRACE();
    }
    return 0;
}
}  // namespace

Thread::Thread() : m_impl(new Impl) {}
Thread::~Thread() {
    Join();
}

bool Thread::Start(std::function<void()> fn, Priority priority) {
    if (m_impl->handle) return false;
    m_impl->fn = std::move(fn);
    uintptr_t h = _beginthreadex(nullptr, 0, ThreadEntry, m_impl.get(), CREATE_SUSPENDED, nullptr);
    if (!h) {
        VL_TRACE();
        return false;
    }
    m_impl->handle = reinterpret_cast<HANDLE>(h);
    if (priority == Priority::Lowest) SetThreadPriority(m_impl->handle, THREAD_PRIORITY_LOWEST);
    if (priority == Priority::Idle) SetThreadPriority(m_impl->handle, THREAD_PRIORITY_IDLE);
    ResumeThread(m_impl->handle);
    return true;
}

bool Thread::IsRunning() const {
    return m_impl->handle && WaitForSingleObject(m_impl->handle, 0) == WAIT_TIMEOUT;
}

bool Thread::Join(uint32_t timeoutMs) {
    if (!m_impl->handle) return true;
    if (WaitForSingleObject(m_impl->handle, timeoutMs == Event::kInfinite ? INFINITE : timeoutMs) != WAIT_OBJECT_0)
        return false;
    CloseHandle(m_impl->handle);
    m_impl->handle = nullptr;
    return true;
}

bool StartDetachedThread(std::function<void()> fn) {
    auto* arg = new std::function<void()>(std::move(fn));
    uintptr_t h = _beginthreadex(nullptr, 0, DetachedEntry, arg, 0, nullptr);
    if (!h) {
        delete arg;
        VL_TRACE();
        return false;
    }
    CloseHandle(reinterpret_cast<HANDLE>(h));
    return true;
}

void SleepMs(uint32_t ms) {
    Sleep(ms);
}
