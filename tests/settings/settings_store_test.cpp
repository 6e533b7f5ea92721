#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/File.h"
#include "settings/SettingsStore.h"
#include "tests/support/TraceCapture.h"

namespace {

// The real files, except that one path can be held by another program for a number of reads.
class HeldFiles : public ISettingsFiles {
public:
    ReadResult Read(const std::string& path, std::string& bytes) override {
        if (IsHeld(path)) {
            if (heldReads > 0) --heldReads;
            return ReadResult::CannotOpen;
        }
        return SystemSettingsFiles().Read(path, bytes);
    }
    bool Write(const std::string& path, const std::string& bytes) override {
        return !IsHeld(path) && SystemSettingsFiles().Write(path, bytes);
    }
    bool MoveKeeping(const std::string& from, const std::string& to) override {
        return !IsHeld(from) && SystemSettingsFiles().MoveKeeping(from, to);
    }
    bool IsHeld(const std::string& path) const { return path == held && heldReads > 0; }

    std::string held;
    int heldReads = 0;
};

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/velum-store-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        m_dir = tmpl;
        path = m_dir + "/vm.dat";
    }
    void TearDown() override { std::system(("rm -rf '" + m_dir + "'").c_str()); }

    std::string Read(const std::string& file) {
        std::string bytes;
        return ReadFileBytes(file, bytes, 1 << 20) == ReadResult::Ok ? bytes : "(none)";
    }
    void Shell(const std::string& command) { ASSERT_EQ(std::system(command.c_str()), 0) << command; }
    int32_t SavedInterval() {
        COptionData back;
        return LoadSettingsFile(path, back) ? back.m_nInterval : -1;
    }

    std::string m_dir;
    std::string path;
    HeldFiles files;
    TraceCapture quiet;
};

COptionData WithInterval(int32_t seconds) {
    COptionData d;
    d.m_nInterval = seconds;
    return d;
}

TEST_F(SettingsStoreTest, ACopySetAsideIsNeverReplacedAndFiveAreTheMost) {
    const std::string names[] = {".bad", ".bad2", ".bad3", ".bad4", ".bad5"};
    for (int i = 0; i < 5; ++i) {
        const std::string bytes = "damaged " + std::to_string(i);
        ASSERT_TRUE(WriteFileReplacing(path, bytes));
        CSettingsStore store(path, 0);
        ASSERT_EQ(store.Load(), SettingsLoad::Damaged);
        EXPECT_EQ(store.Save(), SettingsSave::Saved) << i;
        for (int j = 0; j <= i; ++j) EXPECT_EQ(Read(path + names[j]), "damaged " + std::to_string(j));
    }
    // Every name taken: the sixth file is neither set aside nor saved over.
    ASSERT_TRUE(WriteFileReplacing(path, "damaged 5"));
    CSettingsStore store(path, 0);
    ASSERT_EQ(store.Load(), SettingsLoad::Damaged);
    EXPECT_EQ(store.Save(), SettingsSave::NotSetAside);
    EXPECT_EQ(Read(path), "damaged 5");
    EXPECT_EQ(Read(path + ".bad6"), "(none)");
    EXPECT_EQ(Read(path + ".bad"), "damaged 0");
}

// A file held by a backup or a virus scanner used to be taken for a damaged one.
TEST_F(SettingsStoreTest, ABusyFileIsWaitedForAtStartAndThenTakenWithTheConfirmedChanges) {
    COptionData saved = WithInterval(40);
    saved.m_nOpacity = 60;
    ASSERT_TRUE(SaveSettingsFile(path, saved));

    // Still held when the wait is over: pending, never set aside or saved over.
    files.held = path;
    files.heldReads = 1000;
    CSettingsStore store(path, 300, files);
    ASSERT_EQ(store.Load(), SettingsLoad::Busy);
    COptionData& o = store.Options();
    o.SetDefaults();
    o.m_bEnabled = 0;
    o.m_nOpacity = 80;  // set by start-up, not by the user
    store.StartupDone();
    o.m_nInterval = 90;  // confirmed by the user meanwhile
    store.SetModified(true);
    EXPECT_EQ(store.Save(), SettingsSave::NotWritten);
    EXPECT_TRUE(store.IsModified());
    EXPECT_EQ(store.Revert(), SettingsLoad::Busy);
    EXPECT_EQ(o.m_nInterval, 90);
    EXPECT_EQ(SavedInterval(), 40);

    // Freed, but not read yet: neither a save nor Cancel goes past it.
    files.heldReads = 0;
    EXPECT_EQ(store.Save(), SettingsSave::NotWritten);
    EXPECT_EQ(SavedInterval(), 40);
    EXPECT_EQ(store.Revert(), SettingsLoad::Busy);
    EXPECT_EQ(o.m_nInterval, 90);
    bool changed = false;
    EXPECT_EQ(store.TakePendingFile(changed), SettingsLoad::Loaded);
    EXPECT_TRUE(changed);
    EXPECT_EQ(o.m_nInterval, 90);
    EXPECT_EQ(o.m_nOpacity, 60);
    EXPECT_EQ(o.m_bEnabled, 0);
    EXPECT_EQ(store.Save(), SettingsSave::Saved);
}

TEST_F(SettingsStoreTest, AFailedSaveIsReportedAndTheEditsStayUnsaved) {
    ASSERT_TRUE(WriteFileReplacing(path, "not a settings file"));
    CSettingsStore store(path, 0, files);
    ASSERT_EQ(store.Load(), SettingsLoad::Damaged);
    store.SetModified(true);
    // The damaged file cannot be moved aside: it is not written over either.
    files.held = path;
    files.heldReads = 1000;
    EXPECT_EQ(store.Save(), SettingsSave::NotSetAside);
    files.heldReads = 0;
    EXPECT_EQ(Read(path), "not a settings file");
    EXPECT_EQ(Read(path + ".bad"), "(none)");
    EXPECT_TRUE(store.IsModified());

    Shell("mkdir '" + path + ".new'");
    EXPECT_EQ(store.Save(), SettingsSave::NotWritten);
    EXPECT_TRUE(store.IsModified());
    EXPECT_EQ(Read(path + ".bad"), "not a settings file");
    Shell("rmdir '" + path + ".new'");
    EXPECT_EQ(store.Save(), SettingsSave::Saved);
    EXPECT_FALSE(store.IsModified());
    EXPECT_EQ(Read(path + ".bad"), "not a settings file");
}

TEST_F(SettingsStoreTest, RevertBringsBackTheFileButKeepsTheRunStateAndTheLanguage) {
    COptionData saved = WithInterval(40);
    saved.m_bEnabled = 1;
    saved.m_strLanguageFile = "C:\\V\\en.lng";
    ASSERT_TRUE(SaveSettingsFile(path, saved));
    CSettingsStore store(path, 0);
    ASSERT_EQ(store.Load(), SettingsLoad::Loaded);
    COptionData& o = store.Options();
    o.m_nInterval = 77;
    o.m_bEnabled = 0;
    o.m_strLanguageFile = "C:\\V\\de.lng";
    store.SetModified(true);
    EXPECT_EQ(store.Revert(), SettingsLoad::Loaded);
    EXPECT_EQ(o.m_nInterval, 40);
    EXPECT_EQ(o.m_bEnabled, 0);
    EXPECT_EQ(o.m_strLanguageFile, "C:\\V\\de.lng");
    EXPECT_FALSE(store.IsModified());

    // A file that cannot be read must not cost the configuration, and Cancel marks nothing.
    ASSERT_TRUE(WriteFileReplacing(path, "not a settings file"));
    o.m_nInterval = 77;
    store.SetModified(true);
    EXPECT_EQ(store.Revert(), SettingsLoad::Damaged);
    EXPECT_EQ(o.m_nInterval, 77);
    EXPECT_FALSE(store.IsModified());
    EXPECT_EQ(store.Save(), SettingsSave::Saved);
    EXPECT_EQ(Read(path + ".bad"), "(none)");
    EXPECT_EQ(SavedInterval(), 77);
}

}  // namespace
