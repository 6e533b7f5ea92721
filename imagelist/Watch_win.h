// The folder watcher's Windows side: change notifications and the owner window.
#pragma once
#include <windows.h>

#include "imagelist/Watch.h"

// FindFirstChangeNotificationW, FindNextChangeNotification, WaitForMultipleObjects.
IChangeNotifier& Win32ChangeNotifier();

// Posts WM_FOLDERCHANGED (wParam as given, lParam 0) to the window.
std::function<void(uint32_t)> FolderChangedPoster(HWND owner);
