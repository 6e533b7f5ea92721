#include "ui/ConfigKeys.h"

#include "res/ConfigIds.h"

namespace {

bool IsEditControl(HWND hwnd) {
    char name[16] = {};
    return GetClassNameA(hwnd, name, sizeof name) > 0 && lstrcmpiA(name, "Edit") == 0;
}

}  // namespace

bool CConfigKeys::Load() {
    if (!m_hTable) m_hTable = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_CONFIG_KEYS));
    return m_hTable != nullptr;
}

bool CConfigKeys::Translate(HWND window, MSG& msg) const {
    if (!m_hTable || !window || !msg.hwnd || (msg.hwnd != window && !IsChild(window, msg.hwnd))) return false;
    // Selects the text being typed in, not the rows.
    if (msg.message == WM_KEYDOWN && msg.wParam == 'A' && IsEditControl(msg.hwnd)) return false;
    return TranslateAcceleratorA(window, m_hTable, &msg) != 0;
}
