#include <gtest/gtest.h>

#include <map>
#include <string>

#include "settings/OptionData.h"

namespace {

class FakeRunKeys : public IAutoStartStore {
public:
    bool CanOpen(Hive hive) override { return open[hive]; }
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
    std::map<Hive, bool> open{{LocalMachine, true}, {CurrentUser, true}};
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

    keys.open[IAutoStartStore::LocalMachine] = false;
    EXPECT_TRUE(d.ApplyAutoStart(keys, std::string(300, 'a')));  // a long path is cut at 260
    EXPECT_EQ(keys.values[IAutoStartStore::CurrentUser]["Velum"], "\"" + std::string(260, 'a') + "\" -r");
    keys.open[IAutoStartStore::CurrentUser] = false;
    EXPECT_FALSE(d.ApplyAutoStart(keys, kExe));
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
