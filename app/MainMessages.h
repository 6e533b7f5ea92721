// What the main window shares with the rest of the program and with a second start: its
// private messages, its timers and the marker that tells it from other windows titled "Velum".
#pragma once
#include <windows.h>

enum : UINT {
    WM_FOLDERCHANGED = WM_USER + 201,
    WM_TRAY_NOTIFY = WM_USER + 1000,
    WM_START_HIDDEN = WM_USER + 1001,
    WM_TRAY_MENU = WM_USER + 1002,
    WM_SITELIST_READY = WM_USER + 1010,
    WM_UPDATE_CHECKED = WM_USER + 1011,
    WM_QUIT_INSTANCE = WM_USER + 1083,
};

enum : UINT_PTR { TIMER_SLIDESHOW = 1001, TIMER_UPDATE_RETRY = 1002, TIMER_SITELIST_RETRY = 1003 };

// Set on the main window once start-up has titled it, so that a second start finds this
// program's window and not any other window that happens to be called "Velum".
constexpr char kMainWindowMarker[] = "VelumMainWindow";
