#include <windows.h>

#include "base/Clock.h"

namespace {
class WinClock : public IClock {
public:
    int LocalDayOfMonth() const override {
        SYSTEMTIME st;
        GetLocalTime(&st);
        return st.wDay;
    }
    uint32_t TickCount() const override { return GetTickCount(); }
    uint64_t PerformanceCounter() const override {
        LARGE_INTEGER li;
        if (!QueryPerformanceCounter(&li)) return GetTickCount();
        return static_cast<uint64_t>(li.QuadPart);
    }
};
}  // namespace

IClock& SystemClock() {
    static WinClock clock;
    return clock;
}
