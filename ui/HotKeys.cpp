#include "ui/HotKeys.h"

bool CWindowHotKeys::Register(int id, unsigned registerModifiers, unsigned virtualKey) {
    return RegisterHotKey(m_hWnd, id, registerModifiers, virtualKey) != FALSE;
}

void CWindowHotKeys::Unregister(int id) {
    // An id that is not registered fails; that is expected and ignored.
    UnregisterHotKey(m_hWnd, id);
}

bool RegisterHotKeys(HWND mainWindow, const COptionData& options) {
    if (!mainWindow) return false;
    CWindowHotKeys registrar(mainWindow);
    return RegisterHotKeys(options.m_hotkeys, registrar);
}

void UnregisterHotKeys(HWND mainWindow) {
    if (!mainWindow) return;
    CWindowHotKeys registrar(mainWindow);
    UnregisterHotKeys(registrar);
}
