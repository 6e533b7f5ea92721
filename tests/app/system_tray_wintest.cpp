#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/TrayIds.h"
#include "app/SystemTray.h"

namespace {

// A window standing in for the main window: it records what the tray sends it and
// closes any menu as soon as it is open.
struct Owner {
    HWND hwnd = nullptr;
    const CSystemTray* tray = nullptr;
    bool menuWasOpening = false;  // the tray vouched for the menu it sent
    std::vector<HMENU> menus;     // handed over with WM_TRAY_MENU
    std::string firstItem;

    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<Owner*>(GetWindowLongPtrA(h, GWLP_USERDATA));
        if (self && msg == WM_TRAY_MENU) {
            HMENU sub = reinterpret_cast<HMENU>(wp);
            self->menus.push_back(sub);
            self->menuWasOpening = self->tray && self->tray->IsOpeningMenu(sub);
            char text[128] = {};
            GetMenuStringA(sub, 0, text, sizeof text, MF_BYPOSITION);
            self->firstItem = text;
            SetTimer(h, 1, 50, nullptr);
        }
        if (self && (msg == WM_ENTERIDLE || msg == WM_TIMER)) {
            KillTimer(h, 1);
            EndMenu();
        }
        return DefWindowProcA(h, msg, wp, lp);
    }
    Owner() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VelumTrayTestOwner";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, wc.lpszClassName, "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                               nullptr);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Owner() { DestroyWindow(hwnd); }
};

HICON AppIcon() {
    return LoadIcon(nullptr, IDI_APPLICATION);
}

TEST(SystemTray, IconComesBackWhenTheTaskbarIsRebuilt) {
    Owner owner;
    CSystemTray tray;
    const HICON disabled = LoadIcon(nullptr, IDI_WARNING);
    tray.SetStateIcons(AppIcon(), disabled);
    ASSERT_TRUE(tray.AddIcon(owner.hwnd, "Velum again", tray.StateIcon(true), IDR_TRAYMENU));
    ASSERT_TRUE(tray.ShowState(false));  // the slideshow was switched off meanwhile
    // The notification area loses every icon, as when Explorer restarts.
    NOTIFYICONDATAA gone = tray.NotifyIconData();
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &gone));

    SendMessageA(tray.GetSafeHwnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(tray.IsIconPresent());
    // The icon that came back has its callback and tip again, not only the last icon change.
    EXPECT_EQ(tray.NotifyIconData().uFlags, 7u);
    EXPECT_EQ(tray.NotifyIconData().hIcon, disabled);
    EXPECT_EQ(tray.NotifyIconData().uCallbackMessage, static_cast<UINT>(WM_TRAY_NOTIFY));
}

TEST(SystemTray, RightClickHandsTheFreshMenuToTheWindowBeforeItOpens) {
    Owner owner;
    CSystemTray tray;
    owner.tray = &tray;
    ASSERT_TRUE(tray.AddIcon(owner.hwnd, "Velum", AppIcon(), IDR_TRAYMENU));
    tray.SetDefaultCommand(ID_CONFIGURE, false);
    EXPECT_EQ(tray.HandleIconMessage(132, WM_RBUTTONUP), 1);
    ASSERT_EQ(owner.menus.size(), 1u);
    // Only while it is being opened: the same message posted later names no menu of the tray.
    EXPECT_TRUE(owner.menuWasOpening);
    EXPECT_FALSE(tray.IsOpeningMenu(owner.menus[0]));
    HMENU other = CreatePopupMenu();
    EXPECT_FALSE(tray.IsOpeningMenu(other));
    DestroyMenu(other);
    EXPECT_EQ(owner.firstItem, "&Configure");  // the tray menu's first submenu
}

}  // namespace
