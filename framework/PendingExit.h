// Ending the program while nested message loops run on its thread (a message box, a sheet
// or wizard, an open or save dialog, the folder browser, a menu). Each nested window is
// closed as cancelled, and the ending itself runs in the main window's loop once those
// loops have returned: nothing runs on a window that is half-way through its own ending,
// and nothing has to be posted again and again until the loops are gone.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

// Closes every nested window of this thread as cancelled: dialogs of ours that run their
// own loop, the open sheet, other dialogs and message boxes (IDCANCEL, or IDNO where a box
// has no Cancel button) and an open menu. `main` and modeless dialogs stay. Returns how
// many windows it closed.
int CloseNestedWindows(HWND main);

class CPendingExit {
public:
    // Closes the nested windows, notes act for RunIfDue and wakes main's loop once. Acts
    // noted before it still run, first.
    void Request(HWND main, std::function<void()> act);
    bool IsPending() const { return !m_acts.empty(); }
    // From the main window's loop before it waits: runs the noted acts, each once.
    bool RunIfDue();

private:
    std::vector<std::function<void()>> m_acts;
};
