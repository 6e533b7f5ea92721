// The configuration window's keys that work wherever its focus is: Ctrl+A (Select All)
// and Ctrl+Q (Invert Selection), translated in the window's message loop before the
// dialog's own keyboard handling. Delete and Shift+A stay the list's own keys, and F1
// stays a help request for the focused window's own page.
#pragma once
#include <windows.h>

class CConfigKeys {
public:
    // The table of the program's resources; false when it is missing.
    bool Load();
    // True when msg, for window or one of its controls, was a key of the table and has
    // been sent to window as its command. An edit control keeps its own Ctrl+A.
    bool Translate(HWND window, MSG& msg) const;

private:
    HACCEL m_hTable = nullptr;
};
