#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/ProgramPath.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsSystem_win.h"

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

TEST(WinAutoStart, WritesAndRemovesTheRunValue) {
    COptionData d;
    d.m_bAutoStart = 1;
    ASSERT_TRUE(ApplyAutoStart(d));
    std::string text;
    ASSERT_TRUE(ReadRunValue(HKEY_LOCAL_MACHINE, text));
    EXPECT_EQ(text, "\"" + ProgramFilePath() + "\" -r");

    d.m_bAutoStart = 0;
    EXPECT_TRUE(ApplyAutoStart(d));
    EXPECT_FALSE(ReadRunValue(HKEY_LOCAL_MACHINE, text));
    EXPECT_FALSE(ReadRunValue(HKEY_CURRENT_USER, text));
    EXPECT_TRUE(ApplyAutoStart(d));  // nothing left to remove
}

TEST(WinSettingsPath, LiesInTheUsersApplicationDataFolder) {
    CWinSettingsLocation location;
    const std::string path = GetSettingsPath(location);
    EXPECT_NE(path.find("\\Velum\\vm.dat"), std::string::npos) << path;
    EXPECT_TRUE(location.IsDirectory(path.substr(0, path.size() - 7)));
}

}  // namespace
