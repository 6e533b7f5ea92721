// Where the display window puts a rendered picture and which part of it shows.
#pragma once
#include <functional>

#include "display/Monitors.h"

class CDisplayRegion;

struct CDisplayPlacement {
    int x = 0;  // window position on the screen
    int y = 0;
    int width = 0;  // window size
    int height = 0;
    int srcX = 0;  // top-left of the shown part within the rendered picture
    int srcY = 0;
};

// The size the plug-in is asked for: the region's, or the screen's for a full-screen region.
void RequestedRenderSize(const CDisplayRegion& region, int screenW, int screenH, int& w, int& h);

// Custom size mode (3) with a region of positive width: random or custom position inside
// the screen, clipped to the region around the picture's centre. Everything else: centred
// on the screen (cut equally on both sides when larger). random() gives non-negative numbers.
CDisplayPlacement LayoutPicture(int sizeMode, const CDisplayRegion& region, int screenW, int screenH, int picW,
                                int picH, const std::function<int()>& random);

// The same over several monitors (primary first). Custom regions go to the monitor that holds
// their centre: a random position stays on it and the window is clipped to it. Everything
// else is centred on the primary monitor.
CDisplayPlacement LayoutPicture(int sizeMode, const CDisplayRegion& region, const MonitorList& monitors, int picW,
                                int picH, const std::function<int()>& random);
