#pragma once

// What the slideshow asks of the system's display, and the one place the user can change it.
int DesktopColorDepth();
bool IsScreenSaverRunning();
void OpenDisplaySettings();
