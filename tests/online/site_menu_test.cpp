#include <gtest/gtest.h>

#include "online/SiteMenu.h"

namespace {

TEST(SiteMenu, EmptyListGetsTheTwoBuiltInSites) {
    COptionData d;
    ASSERT_TRUE(d.m_sites.empty());
    auto entries = SiteMenuEntries(d);
    ASSERT_EQ(entries.size(), 2u);
    ASSERT_EQ(d.m_sites.size(), 2u);
    EXPECT_EQ(entries[0].id, 37100u);
    EXPECT_EQ(entries[1].id, 37101u);
    EXPECT_EQ(entries[0].text, d.m_sites[0].m_strName);
    EXPECT_FALSE(entries[0].text.empty());
    // Opening a second time keeps them, without adding more.
    EXPECT_EQ(SiteMenuEntries(d).size(), 2u);
}

TEST(SiteMenu, ThirtySitesAreListedButOnlyTheFirstTwentySixOpen) {
    COptionData d;
    for (int i = 0; i < 30; ++i) {
        d.m_sites.emplace_back("Site " + std::to_string(i), "http://site" + std::to_string(i) + ".example/", "");
    }
    auto entries = SiteMenuEntries(d);
    ASSERT_EQ(entries.size(), 30u);
    EXPECT_EQ(entries[29].id, 37129u);
    EXPECT_EQ(entries[2].text, "Site 2");

    std::string url;
    ASSERT_TRUE(SiteUrlForCommand(d, 37102, url));
    EXPECT_EQ(url, "http://site2.example/");
    ASSERT_TRUE(SiteUrlForCommand(d, 37125, url));
    EXPECT_EQ(url, "http://site25.example/");
    url = "unchanged";
    EXPECT_FALSE(SiteUrlForCommand(d, 37126, url));
    EXPECT_FALSE(SiteUrlForCommand(d, 37099, url));
    EXPECT_EQ(url, "unchanged");
}

TEST(SiteMenu, CommandBeyondAShortListOpensNothing) {
    COptionData d;
    d.m_sites.emplace_back("Only", "http://only.example/", "");
    std::string url;
    EXPECT_TRUE(SiteUrlForCommand(d, 37100, url));
    EXPECT_FALSE(SiteUrlForCommand(d, 37101, url));
    d.m_sites.clear();
    EXPECT_FALSE(SiteUrlForCommand(d, 37100, url));
}

TEST(SiteMenu, AmpersandInADownloadedNameIsShownNotTakenAsMnemonic) {
    COptionData d;
    d.m_sites.emplace_back("Art & Photo", "http://a.example/", "");
    d.m_sites.emplace_back("&&", "http://b.example/", "");
    auto entries = SiteMenuEntries(d);
    EXPECT_EQ(entries[0].text, "Art && Photo");
    EXPECT_EQ(entries[1].text, "&&&&");
}

}  // namespace
