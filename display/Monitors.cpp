#include "display/Monitors.h"

#include <cstdint>

namespace {

int64_t DistanceSquared(const CScreenRect& r, int x, int y) {
    const int64_t dx = x < r.left ? r.left - x : (x >= r.right ? x - (r.right - 1) : 0);
    const int64_t dy = y < r.top ? r.top - y : (y >= r.bottom ? y - (r.bottom - 1) : 0);
    return dx * dx + dy * dy;
}

}  // namespace

const CScreenRect& MonitorAt(const MonitorList& monitors, int x, int y) {
    size_t best = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (monitors[i].Contains(x, y)) return monitors[i];
        if (DistanceSquared(monitors[i], x, y) < DistanceSquared(monitors[best], x, y)) best = i;
    }
    return monitors[best];
}
