#include <windows.h>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <x86intrin.h>
#endif

#include <cstring>

#include "ui/core/SpeedTest.h"

namespace {

// One measurement at a time: it keeps the calling thread's priority and affinity to restore.
class WinCpuCounters : public ICpuCounters {
public:
    CpuIdentity Identify() override {
        CpuIdentity id;
#if defined(__i386__) || defined(__x86_64__)
        unsigned a, b, c, d;
        // On 32-bit, __get_cpuid first checks that the ID flag of EFLAGS toggles, i.e. that CPUID exists.
        if (!__get_cpuid(0, &a, &b, &c, &d)) return id;
        id.hasCpuid = true;
        char vendor[13] = {};
        std::memcpy(vendor, &b, 4);
        std::memcpy(vendor + 4, &d, 4);
        std::memcpy(vendor + 8, &c, 4);
        id.vendor = vendor;
        if (a >= 1 && __get_cpuid(1, &a, &b, &c, &d)) {
            id.family = static_cast<int>((a >> 8) & 0xF);
            id.hasTimeStampCounter = (d & (1u << 4)) != 0;
        }
#endif
        return id;
    }

    uint64_t ReadTimeStamp() override {
#if defined(__i386__) || defined(__x86_64__)
        return __rdtsc();
#else
        return 0;
#endif
    }

    uint64_t PerformanceFrequency() override {
        LARGE_INTEGER f;
        if (!QueryPerformanceFrequency(&f) || f.QuadPart <= 0) return 0;
        return static_cast<uint64_t>(f.QuadPart);
    }

    uint64_t ReadPerformanceCounter() override {
        LARGE_INTEGER c;
        QueryPerformanceCounter(&c);
        return static_cast<uint64_t>(c.QuadPart);
    }

    uint64_t TimeBitScans(uint32_t count) override {
        const uint64_t start = ReadPerformanceCounter();
#if defined(__i386__) || defined(__x86_64__)
        unsigned value = 0x80000000u, index;
        for (uint32_t i = 0; i < count; ++i) __asm__ volatile("bsf %1, %0" : "=r"(index) : "r"(value));
#endif
        return ReadPerformanceCounter() - start;
    }

    uint32_t Milliseconds() override {
        return GetTickCount();
    }

    // The time-stamp counters of two processors need not agree.
    void PinToOneProcessor() override {
        DWORD_PTR process = 0, system = 0;
        if (!GetProcessAffinityMask(GetCurrentProcess(), &process, &system) || process == 0) return;
        m_oldAffinity = SetThreadAffinityMask(GetCurrentThread(), process & (~process + 1));
    }

    void UnpinProcessor() override {
        if (m_oldAffinity) SetThreadAffinityMask(GetCurrentThread(), m_oldAffinity);
        m_oldAffinity = 0;
    }

    void RaisePriority() override {
        const int old = GetThreadPriority(GetCurrentThread());
        m_raised =
            old != THREAD_PRIORITY_ERROR_RETURN && SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
        if (m_raised) m_oldPriority = old;
    }

    void RestorePriority() override {
        if (m_raised) SetThreadPriority(GetCurrentThread(), m_oldPriority);
        m_raised = false;
    }

private:
    DWORD_PTR m_oldAffinity = 0;
    int m_oldPriority = THREAD_PRIORITY_NORMAL;
    bool m_raised = false;
};

}  // namespace

ICpuCounters& SystemCpuCounters() {
    static WinCpuCounters counters;
    return counters;
}
