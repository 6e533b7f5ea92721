#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/File.h"
#include "base/ProgramPath.h"
#include "base/Sync.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsSystem_win.h"
#include "tests/support_win/TempFolder.h"

namespace {

const char kRun[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

bool ReadRunValue(HKEY root, std::string& text) {
    HKEY key;
    if (RegOpenKeyExA(root, kRun, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    char buf[1024];
    DWORD size = sizeof buf, type = 0;
    LONG rc = RegQueryValueExA(key, "Velum", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_SZ) return false;
    text.assign(buf, size);
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return true;
}

// The installer's record of its folder, here this program's folder in other letters.
struct InstalledHere {
    InstalledHere() {
        std::string folder = ProgramFilePath();
        CharUpperA(&folder[0]);
        folder.erase(folder.find_last_of('\\') + 1);  // with a trailing backslash
        HKEY key;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Velum", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                            nullptr) != ERROR_SUCCESS)
            return;
        RegSetValueExA(key, "InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>(folder.size() + 1));
        RegCloseKey(key);
    }
    ~InstalledHere() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Velum"); }
};

TEST(WinAutoStart, WritesAndRemovesTheRunValue) {
    COptionData d;
    d.m_bAutoStart = 1;
    std::string text;
    // Not installed: the user's value only.
    ASSERT_TRUE(ApplyAutoStart(d));
    EXPECT_FALSE(ReadRunValue(HKEY_LOCAL_MACHINE, text));
    ASSERT_TRUE(ReadRunValue(HKEY_CURRENT_USER, text));
    EXPECT_EQ(text, "\"" + ProgramFilePath() + "\" -r");

    InstalledHere installed;
    ASSERT_TRUE(ApplyAutoStart(d));
    ASSERT_TRUE(ReadRunValue(HKEY_LOCAL_MACHINE, text));
    EXPECT_EQ(text, "\"" + ProgramFilePath() + "\" -r");
    EXPECT_FALSE(ReadRunValue(HKEY_CURRENT_USER, text));

    d.m_bAutoStart = 0;
    EXPECT_TRUE(ApplyAutoStart(d));
    EXPECT_FALSE(ReadRunValue(HKEY_LOCAL_MACHINE, text));
    EXPECT_FALSE(ReadRunValue(HKEY_CURRENT_USER, text));
    EXPECT_TRUE(ApplyAutoStart(d));  // nothing left to remove
}

// Another program (a backup, a virus scanner) may hold the file open for a moment.
TEST(WinSettingsFile, AFileHeldOpenIsWaitedForAndNotSetAsideWhileHeld) {
    const std::string path = TempFolder("velum-held") + "\\settings.dat";
    COptionData back;
    back.m_nInterval = 21;
    ASSERT_TRUE(SaveSettingsFile(path, back));
    back.m_nInterval = 0;
    auto hold = [&path] {
        return CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    };

    HANDLE held = hold();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Thread release;
    ASSERT_TRUE(release.Start([held] {
        SleepMs(400);
        CloseHandle(held);
    }));
    EXPECT_EQ(LoadSettingsFileWaiting(path, back, nullptr, 3000), SettingsLoad::Loaded);
    EXPECT_EQ(back.m_nInterval, 21);
    release.Join();

    held = hold();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(LoadSettingsFileWaiting(path, back, nullptr, 300), SettingsLoad::Busy);
    EXPECT_FALSE(SetAsideSettingsFile(path));
    CloseHandle(held);
    EXPECT_TRUE(FileExists(path));
    ASSERT_TRUE(SetAsideSettingsFile(path));
    EXPECT_FALSE(FileExists(path));
}

}  // namespace
