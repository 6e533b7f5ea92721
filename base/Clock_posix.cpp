#include <chrono>
#include <ctime>

#include "base/Clock.h"

namespace {
class PosixClock : public IClock {
public:
    int LocalDayOfMonth() const override {
        std::time_t now = std::time(nullptr);
        std::tm tm{};
        localtime_r(&now, &tm);
        return tm.tm_mday;
    }
    uint32_t TickCount() const override {
        using namespace std::chrono;
        return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    uint64_t PerformanceCounter() const override {
        return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
};
}  // namespace

IClock& SystemClock() {
    static PosixClock clock;
    return clock;
}
