// The program's icon in the notification area. Mouse messages of the icon go to the
// parent window, which passes them to HandleIconMessage: a right click opens the
// command menu, a double click runs the default command.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/Window.h"
#include "res/MainMessages.h"

// The record as Windows 2000 and XP know it: 488 bytes in a 32-bit program.
constexpr DWORD kNotifyIconDataSize = NOTIFYICONDATAA_V2_SIZE;

// The object's own small hidden window hears Explorer's "TaskbarCreated" broadcast.
class CSystemTray : public CWindow {
public:
    CSystemTray() = default;
    ~CSystemTray() override;

    // Adds the icon; the menu with resource id `id` is the one a right click opens. Its mouse
    // events reach the parent as WM_TRAY_NOTIFY, the menu about to open as WM_TRAY_MENU.
    bool AddIcon(HWND parent, const char* tip, HICON icon, UINT id);
    void RemoveIcon();
    bool ChangeIcon(HICON icon);
    // The icon shows whether the slideshow runs: `enabled` while it does, `disabled` while it is off.
    void SetStateIcons(HICON enabled, HICON disabled);
    HICON StateIcon(bool enabled) const { return enabled ? m_hEnabledIcon : m_hDisabledIcon; }
    bool ShowState(bool enabled) { return ChangeIcon(StateIcon(enabled)); }
    bool SetDefaultCommand(UINT item, bool byPosition);
    // 0 for messages of another icon, else 1.
    virtual LRESULT HandleIconMessage(WPARAM wParam, LPARAM lParam);

    bool IsIconPresent() const { return m_bIconPresent; }
    const NOTIFYICONDATAA& NotifyIconData() const { return m_nid; }
    // The command id a double click sends.
    UINT DefaultCommandId() const;
    // Whether menu is the one the tray hands over with WM_TRAY_MENU and is about to
    // open: that message can come from any program, with any handle in it.
    bool IsOpeningMenu(HMENU menu) const { return menu && menu == m_hOpeningMenu && IsMenu(menu); }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool CreateHiddenWindow();
    // Explorer rebuilt the notification area: put the icon back.
    void OnTaskbarCreated();

    bool m_bIconPresent = false;
    bool m_bIconWanted = false;  // AddIcon ran; an Explorer restart re-adds the icon
    NOTIFYICONDATAA m_nid{};
    UINT m_nDefaultItem = 0;
    HICON m_hEnabledIcon = nullptr;
    HICON m_hDisabledIcon = nullptr;
    bool m_bDefaultByPosition = false;
    HMENU m_hOpeningMenu = nullptr;
};
