#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ProgramPath.h"
#include "base/SystemFolder_win.h"
#include "tests/support_win/TempFolder.h"

namespace {

// Files of system names in the program's folder and in the current folder, as a download
// folder may hold them; they are removed again at the end.
class Decoys : public ::testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, m_oldCurrent);
        m_current = TempFolder("velum-decoys");
        ASSERT_TRUE(SetCurrentDirectoryA(m_current.c_str()));
    }
    void TearDown() override {
        SetCurrentDirectoryA(m_oldCurrent);
        for (const std::string& f : m_files) DeleteFileA(f.c_str());
        RemoveDirectoryA(m_current.c_str());
    }
    // Copies a file of the build under name into both folders.
    void Plant(const std::string& source, const char* name) {
        for (const std::string& folder : {ProgramFolder(), m_current}) {
            const std::string target = folder + "\\" + name;
            ASSERT_TRUE(CopyFileA(source.c_str(), target.c_str(), FALSE)) << target;
            m_files.push_back(target);
        }
    }
    std::string Build(const char* file) { return ProgramFolder() + "\\" + file; }

    char m_oldCurrent[MAX_PATH] = {};
    std::string m_current;
    std::vector<std::string> m_files;
};

std::string ModulePath(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, sizeof path);
    return path;
}

TEST_F(Decoys, SystemLibrariesComeFromTheSystemFolder) {
    Plant(Build("..\\program\\tg.dll"), "hhctrl.ocx");
    const std::string expected = SystemFilePath("hhctrl.ocx");
    ASSERT_FALSE(expected.empty());
    HMODULE help = LoadSystemLibrary("hhctrl.ocx");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(lstrcmpiA(ModulePath(help).c_str(), expected.c_str()), 0) << ModulePath(help);
    FreeLibrary(help);
}

// After the start the current folder is the program's, so that a stick or share the user
// picked pictures from is not held; a dialog's change of it is put back. (Wine keeps the
// current folder in the library search even after SetDllDirectory(""), so that half of the
// rule cannot be shown here.)
TEST_F(Decoys, TheCurrentFolderIsTheProgramsAndDialogsPutItBack) {
    KeepCurrentFolderOutOfTheWay(ProgramFolder());
    char now[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof now, now);
    EXPECT_EQ(lstrcmpiA(now, ProgramFolder().c_str()), 0) << now;
    {
        const CKeepCurrentFolder keep;
        ASSERT_TRUE(SetCurrentDirectoryA(m_current.c_str()));
    }
    GetCurrentDirectoryA(sizeof now, now);
    EXPECT_EQ(lstrcmpiA(now, ProgramFolder().c_str()), 0) << "not put back: " << now;
    using SetDllDirectoryFn = BOOL(WINAPI*)(LPCSTR);
    if (auto reset = reinterpret_cast<SetDllDirectoryFn>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDllDirectoryA"))))
        reset(nullptr);
}

}  // namespace
