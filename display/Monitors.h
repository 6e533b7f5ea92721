// The monitors of the virtual screen, as the layout and the full-screen check see them.
// The Win32 list comes from Monitors_win.cpp; tests hand in their own arrangement.
#pragma once
#include <cstddef>
#include <vector>

struct CScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool Covers(const CScreenRect& r) const {
        return left <= r.left && top <= r.top && right >= r.right && bottom >= r.bottom;
    }
    bool operator==(const CScreenRect& r) const {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }
};

// Primary monitor first; never empty (a system that lists none gives the primary screen size).
using MonitorList = std::vector<CScreenRect>;

// The monitor that holds the point, else the nearest one (as the system picks).
const CScreenRect& MonitorAt(const MonitorList& monitors, int x, int y);

// The system's monitors now.
MonitorList SystemMonitors();
