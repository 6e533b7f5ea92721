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

}  // namespace
