#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/File.h"
#include "settings/SettingsStore.h"
#include "tests/support/TraceCapture.h"

namespace {

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
    TraceCapture quiet;
};

COptionData WithInterval(int32_t seconds) {
    COptionData d;
    d.m_nInterval = seconds;
    return d;
}

// A damaged file used to be overwritten by the defaults at the end of the run.
TEST_F(SettingsStoreTest, AFileThatDidNotLoadIsSetAsideOnceBeforeTheFirstSave) {
    const std::string damaged = SaveSettingsBytes(WithInterval(40)).substr(0, 30);
    ASSERT_TRUE(WriteFileReplacing(path, damaged));
    ASSERT_TRUE(WriteFileReplacing(path + ".bad", "an older one"));
    CSettingsStore store(path, 0);
    EXPECT_EQ(store.Load(), SettingsLoad::Damaged);
    store.Options().SetDefaults();
    EXPECT_EQ(store.Save(), SettingsSave::Saved);
    EXPECT_EQ(Read(path + ".bad"), damaged);
    EXPECT_EQ(SavedInterval(), 30);

    // A file that loads is replaced as always, and the kept bytes stay as they are.
    CSettingsStore next(path, 0);
    EXPECT_EQ(next.Load(), SettingsLoad::Loaded);
    next.Options().m_nInterval = 50;
    EXPECT_EQ(next.Save(), SettingsSave::Saved);
    EXPECT_EQ(SavedInterval(), 50);
    EXPECT_EQ(Read(path + ".bad"), damaged);

    // No file yet: nothing to keep.
    CSettingsStore first(m_dir + "/none.dat", 0);
    EXPECT_EQ(first.Load(), SettingsLoad::Missing);
    EXPECT_EQ(first.Save(), SettingsSave::Saved);
    EXPECT_EQ(Read(m_dir + "/none.dat.bad"), "(none)");
}

TEST_F(SettingsStoreTest, AFailedSaveIsReportedAndTheEditsStayUnsaved) {
    ASSERT_TRUE(WriteFileReplacing(path, "not a settings file"));
    CSettingsStore store(path, 0);
    ASSERT_EQ(store.Load(), SettingsLoad::Damaged);
    store.SetModified(true);
    // The damaged file cannot be moved aside: it is not written over either.
    Shell("mkdir '" + path + ".bad' && touch '" + path + ".bad/x'");
    EXPECT_EQ(store.Save(), SettingsSave::NotSetAside);
    EXPECT_EQ(Read(path), "not a settings file");
    EXPECT_TRUE(store.IsModified());

    Shell("rm -rf '" + path + ".bad' && mkdir '" + path + ".new'");
    EXPECT_EQ(store.Save(), SettingsSave::NotWritten);
    EXPECT_TRUE(store.IsModified());
    Shell("rmdir '" + path + ".new'");
    EXPECT_EQ(store.Save(), SettingsSave::Saved);
    EXPECT_FALSE(store.IsModified());
    EXPECT_EQ(Read(path + ".bad"), "not a settings file");

    // Saved from a dialog while the window still holds edits: they stay pending.
    store.SetModified(true);
    store.Options().m_nInterval = 45;
    EXPECT_EQ(store.SaveKeepingEdits(), SettingsSave::Saved);
    EXPECT_TRUE(store.IsModified());
    EXPECT_EQ(SavedInterval(), 45);
    store.SetModified(false);
    EXPECT_EQ(store.SaveKeepingEdits(), SettingsSave::Saved);
    EXPECT_FALSE(store.IsModified());
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

    // A file that cannot be read must not cost the configuration; the next save sets it aside.
    ASSERT_TRUE(WriteFileReplacing(path, "not a settings file"));
    o.m_nInterval = 77;
    store.SetModified(true);
    EXPECT_EQ(store.Revert(), SettingsLoad::Damaged);
    EXPECT_EQ(o.m_nInterval, 77);
    EXPECT_FALSE(store.IsModified());
    EXPECT_EQ(store.Save(), SettingsSave::Saved);
    EXPECT_EQ(Read(path + ".bad"), "not a settings file");
    EXPECT_EQ(SavedInterval(), 77);
}

}  // namespace
