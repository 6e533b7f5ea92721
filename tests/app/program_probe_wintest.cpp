// Steps of the Wine script velum_tray_hotkeys.sh, run against a velum.exe that the
// script started. Each runs only when VELUM_PROBE names it; otherwise it is skipped.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "settings/HotKey.h"
#include "tests/app/TrayProbe_win.h"

namespace {

bool ProbeWanted(const char* name) {
    const char* probe = std::getenv("VELUM_PROBE");
    return probe && std::strcmp(probe, name) == 0;
}

BOOL CALLBACK FindMain(HWND hwnd, LPARAM lParam) {
    char title[64] = {}, cls[64] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::strcmp(title, "Velum") == 0 && std::strcmp(cls, "#32770") == 0) {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND ProgramWindow() {
    HWND found = nullptr;
    EnumWindows(FindMain, reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST(ProgramProbe, TrayHoldsTheProgramsIcon) {
    if (!ProbeWanted("tray")) GTEST_SKIP() << "set VELUM_PROBE=tray";
    EXPECT_TRUE(WaitForTrayTip("Velum", true, 20000));
}

BOOL CALLBACK FindIconWindow(HWND hwnd, LPARAM lParam) {
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::strcmp(cls, "__winex11_tray_icon") == 0 || std::strcmp(cls, "__wine_tray_icon") == 0) {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    EnumChildWindows(hwnd, FindIconWindow, lParam);
    return *reinterpret_cast<HWND*>(lParam) ? FALSE : TRUE;
}

// Prints "iconrect X Y W H": where on the screen the tray draws the (only) icon.
TEST(ProgramProbe, IconRectangle) {
    if (!ProbeWanted("icon-rect")) GTEST_SKIP() << "set VELUM_PROBE=icon-rect";
    HWND icon = nullptr;
    EnumWindows(FindIconWindow, reinterpret_cast<LPARAM>(&icon));
    ASSERT_NE(icon, nullptr);
    RECT rc;
    ASSERT_TRUE(GetWindowRect(icon, &rc));
    std::printf("iconrect %ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

// Posts WM_HOTKEY with the ids in VELUM_HOTKEY_IDS (blank-separated), each answered
// before the next goes.
TEST(ProgramProbe, PostHotKeys) {
    if (!ProbeWanted("post-hotkeys")) GTEST_SKIP() << "set VELUM_PROBE=post-hotkeys";
    HWND main = ProgramWindow();
    ASSERT_NE(main, nullptr);
    const char* ids = std::getenv("VELUM_HOTKEY_IDS");
    ASSERT_NE(ids, nullptr);
    COptionData defaults;
    for (const char* p = ids; *p;) {
        char* end = nullptr;
        long id = std::strtol(p, &end, 10);
        if (end == p) break;
        p = end;
        int slot = HotKeySlotOfId(static_cast<int>(id));
        ASSERT_GE(slot, 0) << id;
        const CHotKeyItem& hk = defaults.m_hotkeys[slot];
        ASSERT_TRUE(
            PostMessageA(main, WM_HOTKEY, id, MAKELPARAM(HotKeyRegisterModifiers(hk.m_wModifiers), hk.m_wVirtualKey)));
        DWORD_PTR answer = 0;
        ASSERT_TRUE(SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer));
    }
}

// A double click on the program's icon, as the notification area reports it.
TEST(ProgramProbe, DoubleClickTheIcon) {
    if (!ProbeWanted("double-click")) GTEST_SKIP() << "set VELUM_PROBE=double-click";
    HWND main = ProgramWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(PostMessageA(main, WM_USER + 1000, 132, WM_LBUTTONDBLCLK));
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer));
}

// Holds Ctrl + Alt + Home for another program until the file VELUM_RELEASE_FILE exists.
TEST(ProgramProbe, HoldEnableHotKey) {
    if (!ProbeWanted("hold")) GTEST_SKIP() << "set VELUM_PROBE=hold";
    const char* release = std::getenv("VELUM_RELEASE_FILE");
    ASSERT_NE(release, nullptr);
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_HOME));
    std::printf("holding\n");
    std::fflush(stdout);
    DWORD start = GetTickCount();
    while (GetFileAttributesA(release) == INVALID_FILE_ATTRIBUTES && GetTickCount() - start < 120000) Sleep(100);
    UnregisterHotKey(nullptr, 1);
}

// Another program can take Ctrl + Alt + Home: the program does not hold it now.
TEST(ProgramProbe, EnableHotKeyIsFree) {
    if (!ProbeWanted("home-free")) GTEST_SKIP() << "set VELUM_PROBE=home-free";
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_HOME));
    UnregisterHotKey(nullptr, 1);
}

// No default combination is free: the program holds them, or the holder of Ctrl + Alt + Home.
TEST(ProgramProbe, DefaultHotKeysAreTaken) {
    if (!ProbeWanted("check-taken")) GTEST_SKIP() << "set VELUM_PROBE=check-taken";
    COptionData defaults;
    for (int slot = 0; slot < COptionData::kUsedHotKeys; ++slot) {
        const CHotKeyItem& hk = defaults.m_hotkeys[slot];
        BOOL free = RegisterHotKey(nullptr, 100 + slot, HotKeyRegisterModifiers(hk.m_wModifiers), hk.m_wVirtualKey);
        if (free) UnregisterHotKey(nullptr, 100 + slot);
        EXPECT_FALSE(free) << "slot " << slot << " (" << HotKeyText(hk) << ") is not registered by anyone";
    }
}

}  // namespace
