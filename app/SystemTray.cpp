#include "app/SystemTray.h"

#include <cstring>

#include "base/Trace.h"

#if !defined(_WIN64)
static_assert(kNotifyIconDataSize == 488, "the notify-icon record of Windows 2000 and XP");
#endif

namespace {
const char kTrayWindowClass[] = "VelumTrayWindow";

UINT TaskbarCreatedMessage() {
    static UINT msg = RegisterWindowMessageA("TaskbarCreated");
    return msg;
}
}  // namespace

CSystemTray::~CSystemTray() {
    RemoveIcon();
}

bool CSystemTray::CreateHiddenWindow() {
    if (m_hWnd) return true;
    if (!RegisterClassOnce(kTrayWindowClass)) return false;
    return Create(0, kTrayWindowClass, "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, 10, 10);
}

bool CSystemTray::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg != TaskbarCreatedMessage()) return false;
    OnTaskbarCreated();
    result = 0;
    return true;
}

bool CSystemTray::AddIcon(HWND parent, const char* tip, HICON icon, UINT id) {
    if (LOBYTE(LOWORD(GetVersion())) < 4) {
        m_bIconPresent = false;
        return false;
    }
    if (!CreateHiddenWindow()) {
        VL_TRACE();
        return false;
    }
    std::memset(&m_nid, 0, sizeof m_nid);
    m_nid.cbSize = kNotifyIconDataSize;
    m_nid.hWnd = parent ? parent : m_hWnd;
    m_nid.uID = id;
    m_nid.hIcon = icon;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = WM_TRAY_NOTIFY;
    if (tip) {
        std::strncpy(m_nid.szTip, tip, sizeof m_nid.szTip - 1);
        m_nid.szTip[sizeof m_nid.szTip - 1] = '\0';
    }
    m_bIconWanted = true;
    m_bIconPresent = Shell_NotifyIconA(NIM_ADD, &m_nid) != FALSE;
    return m_bIconPresent;
}

void CSystemTray::OnTaskbarCreated() {
    // Also covers a start with Windows before the notification area was ready, when
    // the first NIM_ADD failed.
    if (!m_bIconWanted) return;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_bIconPresent = Shell_NotifyIconA(NIM_ADD, &m_nid) != FALSE;
    if (!m_bIconPresent) VL_TRACE();
}

void CSystemTray::RemoveIcon() {
    m_bIconWanted = false;
    if (!m_bIconPresent) return;
    m_nid.uFlags = 0;
    Shell_NotifyIconA(NIM_DELETE, &m_nid);
    m_bIconPresent = false;
}

bool CSystemTray::ChangeIcon(HICON icon) {
    // Kept even without an icon, so that a re-added icon shows the current state.
    m_nid.hIcon = icon;
    if (!m_bIconPresent) return false;
    m_nid.uFlags = NIF_ICON;
    return Shell_NotifyIconA(NIM_MODIFY, &m_nid) != FALSE;
}

void CSystemTray::SetStateIcons(HICON enabled, HICON disabled) {
    m_hEnabledIcon = enabled;
    m_hDisabledIcon = disabled;
}

bool CSystemTray::SetDefaultCommand(UINT item, bool byPosition) {
    m_nDefaultItem = item;
    m_bDefaultByPosition = byPosition;
    return true;
}

UINT CSystemTray::DefaultCommandId() const {
    if (!m_bDefaultByPosition) return m_nDefaultItem;
    UINT id = 0;
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nid.uID));
    if (!menu) return 0;
    if (HMENU sub = GetSubMenu(menu, 0)) id = GetMenuItemID(sub, static_cast<int>(m_nDefaultItem));
    DestroyMenu(menu);
    return id == static_cast<UINT>(-1) ? 0 : id;
}

LRESULT CSystemTray::HandleIconMessage(WPARAM wParam, LPARAM lParam) {
    if (wParam != m_nid.uID) return 0;
    HWND target = m_nid.hWnd;
    if (static_cast<UINT>(lParam) == WM_RBUTTONUP) {
        HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nid.uID));
        if (!menu) {
            VL_TRACE();
            return 1;
        }
        HMENU sub = GetSubMenu(menu, 0);
        if (sub) {
            SetMenuDefaultItem(sub, m_nDefaultItem, m_bDefaultByPosition ? TRUE : FALSE);
            POINT pos{};
            GetCursorPos(&pos);
            // Without the foreground the menu would not close when the user clicks elsewhere.
            SetForegroundWindow(target);
            m_hOpeningMenu = sub;
            SendMessageA(target, WM_TRAY_MENU, reinterpret_cast<WPARAM>(sub), m_nid.uID);
            m_hOpeningMenu = nullptr;
            TrackPopupMenu(sub, TPM_LEFTALIGN | TPM_RIGHTBUTTON, pos.x, pos.y, 0, target, nullptr);
            PostMessageA(target, WM_NULL, 0, 0);
        }
        DestroyMenu(menu);
    } else if (static_cast<UINT>(lParam) == WM_LBUTTONDBLCLK) {
        SetForegroundWindow(target);
        UINT id = DefaultCommandId();
        if (id) SendMessageA(target, WM_COMMAND, id, 0);
    }
    return 1;
}
