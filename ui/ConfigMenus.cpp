// The configuration window's tooltips, its buttons' menus and the commands of its buttons
// and option controls.
#include "ui/ConfigWindow.h"

#include <commctrl.h>

#include "res/ConfigIds.h"
#include "base/Trace.h"
#include "ui/PopupMenu.h"
#include "ui/core/ConfigTexts.h"

// ---------------------------------------------------------------------------------------
// Tooltips

void CConfigWindow::CreateToolTips() {
    m_hToolTip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!m_hToolTip) {
        VL_TRACE();
        return;
    }
    for (const TextEntry& e : kConfigToolTipTexts) {
        HWND control = GetDlgItem(m_hWnd, static_cast<int>(e.id));
        if (!control) continue;
        TTTOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = m_hWnd;
        ti.uId = reinterpret_cast<UINT_PTR>(control);
        ti.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    SendMessageA(m_hToolTip, TTM_SETMAXTIPWIDTH, 0, 400);
}

bool CConfigWindow::OnToolTipText(NMHDR* header) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    auto* wide = reinterpret_cast<NMTTDISPINFOW*>(header);
    const bool isWide = header->code == TTN_NEEDTEXTW;
    UINT id = static_cast<UINT>(header->idFrom);
    if ((isWide ? wide->uFlags : info->uFlags) & TTF_IDISHWND)
        id = static_cast<UINT>(GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)));
    const TextEntry* entry = ToolTipEntry(id);
    if (!entry) return false;
    std::string text;
    if (!m_language.GetString(entry->section, entry->key, text)) text.clear();
    if (text.size() > 79) text.resize(79);  // the notification's own buffer holds 80
    if (isWide) {
        wide->szText[0] = 0;
        int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), wide->szText, 79);
        wide->szText[n > 0 ? n : 0] = 0;
        wide->lpszText = wide->szText;
        wide->hinst = nullptr;
    } else {
        lstrcpynA(info->szText, text.c_str(), sizeof info->szText);
        info->lpszText = info->szText;
        info->hinst = nullptr;
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Buttons, menus and option controls

void CConfigWindow::MapControls() {
    MapCommand(IDC_SYSTEM_BUTTON, [this](UINT) { ShowMenuBelow(IDC_SYSTEM_BUTTON, false); });
    MapCommand(IDC_MINIMIZE_BUTTON, [this](UINT) { ShowWindow(m_hWnd, SW_MINIMIZE); });
    MapCommand(IDC_MAXIMIZE_BUTTON, [this](UINT) { ToggleMaximize(); });
    // Closing applies and saves, as OK does.
    MapCommand(IDC_CLOSE_BUTTON, [this](UINT) { SendMessageA(m_hWnd, WM_COMMAND, IDOK, 0); });
    MapCommand(IDC_ADD, [this](UINT) { ShowMenuBelow(IDC_ADD, true); });
    MapCommand(IDC_LIST_MODE, [this](UINT) { ShowMenuBelow(IDC_LIST_MODE, false); });
    MapControl(IDC_OPACITY, CBN_SELCHANGE, [this](UINT) { Modified(); });
    MapControl(IDC_SIZE_MODE, CBN_SELCHANGE, [this](UINT) { Modified(); });
    MapControl(IDC_SEQUENCE, CBN_SELCHANGE, [this](UINT) { Modified(); });
    MapControl(IDC_INTERVAL, EN_CHANGE, [this](UINT) { Modified(); });
    // Confirmed, even when "Custom" was selected already.
    MapControl(IDC_SIZE_MODE, CBN_SELENDOK, [this](UINT) {
        if (CComboBoxCtrl(m_hWnd, IDC_SIZE_MODE).CurSel() == 3) OnCustomSizeChosen();
    });
}

HMENU CConfigWindow::BuildWindowMenu() {
    HMENU root = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_CONFIG_MENU));
    HMENU popup = root ? GetSubMenu(root, 0) : nullptr;
    if (!popup) {
        VL_TRACE();
        return root;
    }
    COptionData& o = m_host.Options();
    ApplyMenuTexts(popup, MenuTexts(kConfigMenuTexts, CountOfMenu(kConfigMenuTexts), m_language.Lookup(),
                                    o.m_bEnabled != 0, o.m_hotkeys));
    FillLanguageMenu(GetSubMenu(popup, kConfigLanguageMenuPosition), m_language);
    FillSiteMenu(GetSubMenu(popup, kConfigSiteMenuPosition), o);
    return root;
}

void CConfigWindow::ShowMenu(UINT resourceId, POINT at) {
    if (resourceId == IDR_CONFIG_MENU) {
        HMENU root = BuildWindowMenu();
        if (!root) return;
        SetForegroundWindow(m_hWnd);
        TrackPopupMenu(GetSubMenu(root, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWnd, nullptr);
        PostMessageA(m_hWnd, WM_NULL, 0, 0);
        DestroyMenu(root);
        return;
    }
    CPopupMenu menu(resourceId);
    const COptionData& o = m_host.Options();
    const MenuTextEntry* table = resourceId == IDR_LIST_MENU  ? kListMenuTexts
                                 : resourceId == IDR_ADD_MENU ? kAddMenuTexts
                                                              : kListModeMenuTexts;
    const size_t count = resourceId == IDR_LIST_MENU  ? CountOfMenu(kListMenuTexts)
                         : resourceId == IDR_ADD_MENU ? CountOfMenu(kAddMenuTexts)
                                                      : CountOfMenu(kListModeMenuTexts);
    ApplyMenuTexts(menu.Popup(), MenuTexts(table, count, m_language.Lookup(), o.m_bEnabled != 0, o.m_hotkeys));
    menu.Track(m_hWnd, at);
}

void CConfigWindow::ShowMenuBelow(int buttonId, bool rightCorner) {
    RECT rc;
    if (!GetWindowRect(GetDlgItem(m_hWnd, buttonId), &rc)) return;
    // The Add menu opens at the button's top-right corner, the others below its left edge.
    POINT at = rightCorner ? POINT{rc.right, rc.top} : POINT{rc.left, rc.bottom};
    UINT menu = buttonId == IDC_ADD ? IDR_ADD_MENU : buttonId == IDC_LIST_MODE ? IDR_LIST_MODE_MENU : IDR_CONFIG_MENU;
    ShowMenu(menu, at);
}
