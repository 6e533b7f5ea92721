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
    std::map<Hive, bool> open{{LocalMachine, true}, {CurrentUser, true}};
    std::map<Hive, std::map<std::string, std::string>> values;
};

const char kExe[] = "C:\\Program Files\\Velum\\velum.exe";

TEST(AutoStart, WritesTheQuotedPathWithRunHiddenUnderTheMachineKey) {
    FakeRunKeys keys;
    COptionData d;
    d.m_bAutoStart = 1;
    EXPECT_TRUE(d.ApplyAutoStart(keys, kExe));
    EXPECT_EQ(keys.values[IAutoStartStore::LocalMachine]["Velum"], "\"C:\\Program Files\\Velum\\velum.exe\" -r");
    EXPECT_TRUE(keys.values[IAutoStartStore::CurrentUser].empty());
}

TEST(AutoStart, FallsBackToTheUserKeyWhenTheMachineKeyIsClosed) {
    FakeRunKeys keys;
    keys.open[IAutoStartStore::LocalMachine] = false;
    COptionData d;
    d.m_bAutoStart = 1;
    EXPECT_TRUE(d.ApplyAutoStart(keys, kExe));
    EXPECT_EQ(keys.values[IAutoStartStore::CurrentUser]["Velum"], "\"C:\\Program Files\\Velum\\velum.exe\" -r");
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

TEST(AutoStart, LongExecutablePathIsCutAt260Characters) {
    const std::string longPath(300, 'a');
    EXPECT_EQ(COptionData::AutoStartCommand(longPath), "\"" + std::string(260, 'a') + "\" -r");
}

std::string Record(const std::string& name, const std::string& url, const std::string& description = "") {
    std::string r = "<wallpaper_site>\r\n<name>" + name + "</name>\r\n<url>" + url + "</url>\r\n";
    if (!description.empty()) r += "<description>" + description + "</description>\r\n";
    return r + "</wallpaper_site>\r\n";
}

TEST(SiteList, FortyRecordsKeepTheFirst25AndStampTheDay) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += Record("Site " + std::to_string(i), "http://s" + std::to_string(i) + ".example");
    COptionData d;
    d.UpdateSiteList(text, 17);
    ASSERT_EQ(d.m_sites.size(), 25u);
    EXPECT_EQ(d.m_sites[0].m_strName, "Site 0");
    EXPECT_EQ(d.m_sites[24].m_strUrl, "http://s24.example");
    EXPECT_EQ(d.m_nSiteListDay, 17);
}

TEST(SiteList, TextWithoutValidRecordsKeepsTheOldListAndDay) {
    COptionData d;
    d.SetDefaultSites();
    d.m_nSiteListDay = 3;
    const auto before = d.m_sites;
    for (const std::string& text : {std::string(), std::string("no tags at all"), Record("x", "www.example.com"),
                                    std::string("<wallpaper_site><name>a</name><url>http://a"),
                                    std::string("<wallpaper_site><><name>a</name>")}) {
        d.UpdateSiteList(text, 20);
        EXPECT_EQ(d.m_sites, before) << text;
        EXPECT_EQ(d.m_nSiteListDay, 3);
    }
}

TEST(SiteList, ARecordWithoutADescriptionKeepsThePreviousOne) {
    COptionData d;
    d.UpdateSiteList(Record("One", "http://one", "first desc") + Record("Two", "http://two"), 9);
    ASSERT_EQ(d.m_sites.size(), 2u);
    EXPECT_EQ(d.m_sites[1].m_strDescription, "first desc");
}

TEST(SiteList, AnInvalidRecordEndsTheParsingButKeepsWhatCameBefore) {
    COptionData d;
    d.UpdateSiteList(Record("One", "http://one") + Record("Bad", "one.example.com") + Record("Three", "http://three"),
                     9);
    ASSERT_EQ(d.m_sites.size(), 1u);
    EXPECT_EQ(d.m_sites[0].m_strName, "One");
}

TEST(SiteList, RefreshIsDueWhenNeverDoneOrFiveDaysOld) {
    COptionData d;
    struct Case {
        int stamp, today;
        bool due;
    } cases[] = {
        {0, 10, true},  {255, 10, true}, {31, 31, true},  {10, 10, false}, {10, 14, false},
        {10, 15, true}, {28, 2, false},  {28, 3, true},   {30, 4, false}, {30, 5, true},   {1, 30, true},
        {30, 30, false}, {5, 1, true},
    };
    for (const Case& c : cases) {
        d.m_nSiteListDay = static_cast<uint8_t>(c.stamp);
        EXPECT_EQ(d.IsSiteListRefreshDue(c.today), c.due) << c.stamp << " " << c.today;
    }
}

TEST(ParseSite, NormalisesTheAddressAndAcceptsFtp) {
    const std::string text =
        "junk < Wallpaper_Site >\n<  NAME >  Big Pics  </name>< URL>  HTTP://Pics.Example.COM/A  </URL>"
        "<extra>dropped</extra></ignored></wallpaper_site >"
        "<wallpaper_site><name>F</name><url>ftp://files</url></wallpaper_site>";
    CSiteItem site;
    long long pos = 0;
    ASSERT_TRUE(ParseSite(site, text, pos));
    EXPECT_EQ(site.m_strName, "Big Pics");
    EXPECT_EQ(site.m_strUrl, "http://pics.example.com/a");
    ASSERT_TRUE(ParseSite(site, text, pos));
    EXPECT_EQ(site.m_strUrl, "ftp://files");
    EXPECT_EQ(pos, static_cast<long long>(text.size()));
    EXPECT_FALSE(ParseSite(site, text, pos));
}

TEST(ParseSite, MalformedRecordsFail) {
    const char* bad[] = {
        "<wallpaper_site><name>a</name><wallpaper_site><url>http://a</url></wallpaper_site>",  // second start
        "<wallpaper_site><name>a</name><  ><url>http://a</url></wallpaper_site>",             // empty tag
        "<wallpaper_site><name>a</name><url>http</url></wallpaper_site>",                     // too short
        "<wallpaper_site><name> </name><url>http://a</url></wallpaper_site>",                 // blank name
        "<wallpaper_site><name>a</name><url>http://a",                                        // no '<' after value
        "<wallpaper_site><name>a</name><url",                                                 // no '>'
        "<wallpaper_sites><name>a</name><url>http://a</url></wallpaper_site>",                // no start tag
    };
    for (const char* text : bad) {
        CSiteItem site;
        long long pos = 0;
        EXPECT_FALSE(ParseSite(site, text, pos)) << text;
    }
    CSiteItem site;
    long long pos = -1;
    EXPECT_FALSE(ParseSite(site, "<wallpaper_site><name>a</name><url>http://a</url>", pos));
}

TEST(ParseSite, ATextEndingWithoutTheEndTagIsJudgedAsItStands) {
    CSiteItem site;
    long long pos = 0;
    EXPECT_TRUE(ParseSite(site, "<wallpaper_site><name>a</name><url>http://a</url>", pos));
    EXPECT_EQ(site.m_strUrl, "http://a");
}

}  // namespace
