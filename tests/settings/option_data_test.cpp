#include <gtest/gtest.h>

#include <map>
#include <string>

#include "settings/OptionData.h"

namespace {

class FakeRunKeys : public IAutoStartStore {
public:
    bool CanOpen(Hive hive) override { return open[hive]; }
    bool HasValue(Hive hive, const std::string& name) override { return values[hive].count(name) != 0; }
    bool SetValue(Hive hive, const std::string& name, const std::string& text) override {
        if (!open[hive]) return false;
        values[hive][name] = text;
        return true;
    }
    bool DeleteValue(Hive hive, const std::string& name) override {
        if (!open[hive]) return false;
        values[hive].erase(name);
        return true;
    }
    std::string InstallFolder() override { return installFolder; }
    std::map<Hive, bool> open{{LocalMachine, true}, {CurrentUser, true}};
    std::string installFolder = "C:\\Program Files\\Velum";
    std::map<Hive, std::map<std::string, std::string>> values;
};

const char kExe[] = "C:\\Program Files\\Velum\\velum.exe";

TEST(AutoStart, WritesTheQuotedPathUnderTheMachineKeyOrElseTheUsersOne) {
    FakeRunKeys keys;
    COptionData d;
    d.m_bAutoStart = 1;
    EXPECT_TRUE(d.ApplyAutoStart(keys, kExe));
    EXPECT_EQ(keys.values[IAutoStartStore::LocalMachine]["Velum"], "\"C:\\Program Files\\Velum\\velum.exe\" -r");
    EXPECT_TRUE(keys.values[IAutoStartStore::CurrentUser].empty());

    // Without rights to the machine's key, and no value of ours there, the user's key.
    keys.values[IAutoStartStore::LocalMachine].clear();
    keys.open[IAutoStartStore::LocalMachine] = false;
    EXPECT_TRUE(d.ApplyAutoStart(keys, std::string(300, 'a')));  // a long path is cut at 260
    EXPECT_EQ(keys.values[IAutoStartStore::CurrentUser]["Velum"], "\"" + std::string(260, 'a') + "\" -r");
    keys.open[IAutoStartStore::CurrentUser] = false;
    EXPECT_FALSE(d.ApplyAutoStart(keys, kExe));
}

// A machine value for a copy in a folder its user can write would run that user's file at
// every user's log-on.
TEST(AutoStart, OnlyTheCopyInTheInstallersFolderWritesTheMachinesValue) {
    const IAutoStartStore::Hive machine = IAutoStartStore::LocalMachine, user = IAutoStartStore::CurrentUser;
    COptionData d;
    d.m_bAutoStart = 1;
    FakeRunKeys keys;
    keys.installFolder = "c:/PROGRAM FILES/velum\\";
    EXPECT_TRUE(d.ApplyAutoStart(keys, kExe));
    EXPECT_EQ(keys.values[machine].count("Velum"), 1u);
    for (const char* other : {"C:\\Users\\ann\\Velum\\velum.exe", "C:\\Program Files\\Velum2\\velum.exe",
                              "C:\\Program Files\\Velum\\old\\velum.exe", "velum.exe"}) {
        EXPECT_TRUE(d.ApplyAutoStart(keys, other));
        EXPECT_EQ(keys.values[user]["Velum"], COptionData::AutoStartCommand(other));
        EXPECT_EQ(keys.values[machine].count("Velum"), 0u) << "one value: " << other;
        keys.values[machine]["Velum"] = "x";
    }
    keys.installFolder.clear();  // nothing installed
    EXPECT_TRUE(d.ApplyAutoStart(keys, kExe));
    EXPECT_EQ(keys.values[machine].count("Velum"), 0u);
    EXPECT_EQ(keys.values[user].count("Velum"), 1u);
}

TEST(AutoStart, TurningItOffRemovesTheValueFromBothKeys) {
    FakeRunKeys keys;
    keys.values[IAutoStartStore::LocalMachine]["Velum"] = "x";
    keys.values[IAutoStartStore::CurrentUser]["Velum"] = "y";
    keys.values[IAutoStartStore::CurrentUser]["Other"] = "z";
    COptionData d;
    d.m_bAutoStart = 0;
    EXPECT_TRUE(d.ApplyAutoStart(keys, kExe));
    EXPECT_TRUE(keys.values[IAutoStartStore::LocalMachine].empty());
    EXPECT_EQ(keys.values[IAutoStartStore::CurrentUser].size(), 1u);
    // Nothing to remove is no failure.
    EXPECT_TRUE(d.ApplyAutoStart(keys, kExe));
}

}  // namespace
// A run with the rights to the machine's key and one without must not leave a value in
// each key: Windows would start the program twice at log-on.
TEST(AutoStart, OnlyOneValueIsLeftWhateverTheRights) {
    FakeRunKeys keys;
    COptionData d;
    d.m_bAutoStart = 1;
    keys.values[IAutoStartStore::CurrentUser]["Velum"] = "\"C:\\Old\\velum.exe\" -r";
    keys.values[IAutoStartStore::CurrentUser]["Other"] = "z";
    EXPECT_TRUE(d.ApplyAutoStart(keys, kExe));
    EXPECT_EQ(keys.values[IAutoStartStore::LocalMachine].count("Velum"), 1u);
    EXPECT_EQ(keys.values[IAutoStartStore::CurrentUser].count("Velum"), 0u);
    EXPECT_EQ(keys.values[IAutoStartStore::CurrentUser].count("Other"), 1u);

    // Now without the rights: the machine's value already starts the program.
    keys.open[IAutoStartStore::LocalMachine] = false;
    keys.values[IAutoStartStore::CurrentUser]["Velum"] = "y";
    EXPECT_TRUE(d.ApplyAutoStart(keys, kExe));
    EXPECT_EQ(keys.values[IAutoStartStore::CurrentUser].count("Velum"), 0u);
    EXPECT_EQ(keys.values[IAutoStartStore::LocalMachine]["Velum"], "\"C:\\Program Files\\Velum\\velum.exe\" -r");

    // Turning it off without the rights cannot remove the machine's value, and says so.
    d.m_bAutoStart = 0;
    EXPECT_FALSE(d.ApplyAutoStart(keys, kExe));
    EXPECT_EQ(keys.values[IAutoStartStore::LocalMachine].count("Velum"), 1u);
    keys.open[IAutoStartStore::LocalMachine] = true;
    EXPECT_TRUE(d.ApplyAutoStart(keys, kExe));
    EXPECT_TRUE(keys.values[IAutoStartStore::LocalMachine].empty());
}
