// Whether the program in front is full screen on the monitor the pictures are on (a game,
// a film, a presentation), so that the slideshow steps aside as it does for the screen saver.
#pragma once
#include <string>

#include "display/Monitors.h"

// What the system says about the foreground window.
struct CForegroundFacts {
    bool present = false;
    std::string className;
    bool caption = false;
    CScreenRect window;
    CScreenRect windowMonitor;    // the monitor the window is mostly on
    CScreenRect picturesMonitor;  // the monitor the display window is on
    // The shell's own verdict (Vista and later); 0 where it cannot tell.
    int notificationState = 0;
};

// The shell's notification states that mean a full-screen program or a presentation.
constexpr int kNotifyBusy = 2;
constexpr int kNotifyDirect3DFullScreen = 3;
constexpr int kNotifyPresentation = 4;

// A window without caption covering the whole monitor (work area and taskbar included), or
// one the shell calls full screen. The desktop and the taskbar never count.
bool IsFullScreenInFront(const CForegroundFacts& facts);
