#pragma once
#include <windows.h>

#include "display/Slideshow.h"

// What the slideshow asks of the system's display, and the one place the user can change it.
int DesktopColorDepth();
bool IsScreenSaverRunning();
void OpenDisplaySettings();

// The slideshow's timer runs as TIMER_SLIDESHOW of the window that hears its WM_TIMER.
class CWinSlideshowSystem : public ISlideshowSystem {
public:
    explicit CWinSlideshowSystem(HWND timerWindow) : m_hWnd(timerWindow) {}
    bool IsScreenSaverRunning() const override { return ::IsScreenSaverRunning(); }
    int DesktopColorDepth() const override { return ::DesktopColorDepth(); }
    void SetSlideshowTimer(uint32_t periodMs) override;
    void KillSlideshowTimer() override;

private:
    HWND m_hWnd;
};
