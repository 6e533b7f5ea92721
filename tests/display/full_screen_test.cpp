#include <gtest/gtest.h>

#include <string>

#include "display/FullScreen.h"

namespace {

const CScreenRect kLeft{-1280, 0, 0, 1024}, kMain{0, 0, 1920, 1080};

CForegroundFacts Borderless(const CScreenRect& window, const CScreenRect& monitor = kMain) {
    CForegroundFacts f;
    f.present = true;
    f.className = "GameWindow";
    f.window = window;
    f.windowMonitor = monitor;
    f.picturesMonitor = kMain;
    return f;
}

}  // namespace

TEST(FullScreen, OnlyACaptionlessWindowOverTheWholeMonitorOfThePicturesCounts) {
    EXPECT_TRUE(IsFullScreenInFront(Borderless(kMain)));
    EXPECT_TRUE(IsFullScreenInFront(Borderless({-8, -8, 1928, 1088})));  // larger than the monitor

    CForegroundFacts maximised = Borderless(kMain);  // taskbar hidden: the work area is the monitor
    maximised.caption = true;
    EXPECT_FALSE(IsFullScreenInFront(maximised));
    EXPECT_FALSE(IsFullScreenInFront(Borderless({0, 0, 1920, 1040})));  // the work area only
    EXPECT_FALSE(IsFullScreenInFront(Borderless(kLeft, kLeft)));        // a film on the other monitor
    for (const char* shell : {"Progman", "WorkerW", "Shell_TrayWnd"}) {
        CForegroundFacts desktop = Borderless(kMain);
        desktop.className = shell;
        EXPECT_FALSE(IsFullScreenInFront(desktop)) << shell;
    }
    EXPECT_FALSE(IsFullScreenInFront(CForegroundFacts()));

    // Where the shell can tell, its word holds, but only for the monitor of the pictures.
    CForegroundFacts presentation = maximised;
    presentation.notificationState = kNotifyPresentation;
    EXPECT_TRUE(IsFullScreenInFront(presentation));
    CForegroundFacts elsewhere = Borderless({-1280, 0, -200, 700}, kLeft);
    elsewhere.notificationState = kNotifyDirect3DFullScreen;
    EXPECT_FALSE(IsFullScreenInFront(elsewhere));
}
