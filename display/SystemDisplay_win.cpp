#include "display/SystemDisplay_win.h"

#include <windows.h>

#include "base/SystemFolder_win.h"
#include "res/MainMessages.h"

int DesktopColorDepth() {
    HWND desktop = GetDesktopWindow();
    HDC dc = GetDC(desktop);
    if (!dc) return 0;
    int bits = GetDeviceCaps(dc, BITSPIXEL);
    ReleaseDC(desktop, dc);
    return bits;
}

bool IsScreenSaverRunning() {
    BOOL running = FALSE;
    return SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0) && running;
}

void OpenDisplaySettings() {
    StartSystemProgram("rundll32.exe", "shell32.dll,Control_RunDLL desk.cpl,,3", SW_RESTORE);
}

void CWinSlideshowSystem::SetSlideshowTimer(uint32_t periodMs) {
    ::SetTimer(m_hWnd, TIMER_SLIDESHOW, periodMs, nullptr);
}

void CWinSlideshowSystem::KillSlideshowTimer() {
    ::KillTimer(m_hWnd, TIMER_SLIDESHOW);
}
