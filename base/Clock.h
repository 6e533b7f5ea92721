// Time as the program sees it; tests pass their own clock.
#pragma once
#include <cstdint>

class IClock {
public:
    virtual ~IClock() = default;
    virtual int LocalDayOfMonth() const = 0;  // 1..31
    virtual uint32_t TickCount() const = 0;   // milliseconds, wraps like GetTickCount
    virtual uint64_t PerformanceCounter() const = 0;
};

IClock& SystemClock();
