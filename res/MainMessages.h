// What the main window shares with the rest of the program and with a second start: its
// private messages, its timers and the marker that tells it from other windows titled "Velum".
// Plain numbers (WM_USER is 0x0400), so that the portable folder watcher posts the same one.
#pragma once

enum : unsigned int {
    // wParam 1 for files (names, last-write times), 0 for sub-folder names.
    WM_FOLDERCHANGED = 0x0400 + 201,
    // Posted by the slideshow's worker when the display list a tick waited for is built; carries nothing.
    WM_DISPLAYLIST_READY = 0x0400 + 202,
    // Posted by the header reader when sizes of added files wait to be shown; carries nothing.
    WM_HEADERS_READY = 0x0400 + 203,
    // The tray icon's mouse events, and its menu about to open (wParam: the menu).
    WM_TRAY_NOTIFY = 0x0400 + 1000,
    WM_START_HIDDEN = 0x0400 + 1001,
    WM_TRAY_MENU = 0x0400 + 1002,
    WM_SITELIST_READY = 0x0400 + 1010,
    WM_UPDATE_CHECKED = 0x0400 + 1011,
    // Posted by a thumbnail worker when it has left a result with the view; carries nothing.
    // Sent to ask for counts (for tests and the benchmark): wParam 0 the live
    // thumbnails, 1 the picture rows the plug-in could not read, 2 the jobs waiting or in flight.
    WM_THUMBNAIL_READY = 0x0400 + 1020,
    WM_THUMBNAIL_COUNT = 0x0400 + 1021,
    WM_QUIT_INSTANCE = 0x0400 + 1083,
};

enum : unsigned int { TIMER_SLIDESHOW = 1001, TIMER_UPDATE_RETRY = 1002, TIMER_SITELIST_RETRY = 1003 };

// Set on the main window once start-up has titled it, so that a second start finds this
// program's window and not any other window that happens to be called "Velum".
constexpr char kMainWindowMarker[] = "VelumMainWindow";
