// The wallpaper site list: records read from a download, the refresh rhythm, the menu.
#include <gtest/gtest.h>

#include <string>

#include "online/SiteMenu.h"
#include "settings/OptionData.h"

namespace {

TEST(ParseSite, TagsIgnoreCaseAndBlanksAndTheAddressIsNormalised) {
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

TEST(SiteList, RefreshIsDueWhenNeverDoneOrFiveDaysOld) {
    COptionData d;
    struct Case {
        int stamp, today;
        bool due;
    } cases[] = {
        {0, 10, true}, {10, 14, false}, {10, 15, true}, {28, 2, false}, {28, 3, true}, {5, 1, true},
    };
    for (const Case& c : cases) {
        d.m_nSiteListDay = static_cast<uint8_t>(c.stamp);
        EXPECT_EQ(d.IsSiteListRefreshDue(c.today), c.due) << c.stamp << " " << c.today;
    }
}

TEST(SiteMenu, OfThirtySitesOnlyTheFirstTwentySixAreListedAndOpen) {
    COptionData d;
    for (int i = 0; i < 30; ++i)
        d.m_sites.emplace_back("Site " + std::to_string(i), "http://site" + std::to_string(i) + ".example/", "");
    d.m_sites[3].m_strName = "Art & Photo";  // an '&' is shown, not taken for a mnemonic
    auto entries = SiteMenuEntries(d);
    ASSERT_EQ(entries.size(), 26u);
    EXPECT_EQ(entries[25].id, 37125u);
    EXPECT_EQ(entries[3].text, "Art && Photo");
    std::string url;
    ASSERT_TRUE(SiteUrlForCommand(d, 37125, url));
    EXPECT_EQ(url, "http://site25.example/");
    EXPECT_FALSE(SiteUrlForCommand(d, 37126, url));
}

}  // namespace
