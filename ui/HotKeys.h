// The five global hotkeys, registered with the main window, which receives WM_HOTKEY.
#pragma once
#include <windows.h>

#include "settings/HotKey.h"

class CWindowHotKeys : public IHotKeyRegistrar {
public:
    explicit CWindowHotKeys(HWND window) : m_hWnd(window) {}
    bool Register(int id, unsigned registerModifiers, unsigned virtualKey) override;
    void Unregister(int id) override;

private:
    HWND m_hWnd;
};

// Nothing is registered or released without a main window.
bool RegisterHotKeys(HWND mainWindow, const COptionData& options);
void UnregisterHotKeys(HWND mainWindow);
