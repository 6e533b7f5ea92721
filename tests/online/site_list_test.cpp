// The wallpaper site list: records read from a download, the refresh rhythm, the menu.
#include <gtest/gtest.h>

#include <string>

#include "online/SiteMenu.h"
#include "settings/OptionData.h"

namespace {

std::string Record(const std::string& name, const std::string& url, const std::string& description = "") {
    std::string r = "<wallpaper_site>\r\n<name>" + name + "</name>\r\n<url>" + url + "</url>\r\n";
    if (!description.empty()) r += "<description>" + description + "</description>\r\n";
    return r + "</wallpaper_site>\r\n";
}

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
    // A text that ends without the end tag is judged as it stands.
    pos = 0;
    EXPECT_TRUE(ParseSite(site, "<wallpaper_site><name>a</name><url>http://b</url>", pos));
    EXPECT_EQ(site.m_strUrl, "http://b");
}

TEST(ParseSite, MalformedRecordsFail) {
    const char* bad[] = {
        "<wallpaper_site><name>a</name><wallpaper_site><url>http://a</url></wallpaper_site>",  // second start
        "<wallpaper_site><name> </name><url>http://a</url></wallpaper_site>",                  // blank name
        "<wallpaper_site><name>a</name><url>www.a.example</url></wallpaper_site>",             // no scheme
        "<wallpaper_site><name>a</name><url>http://a",                                         // no '<' after value
        "<wallpaper_sites><name>a</name><url>http://a</url></wallpaper_site>",                 // no start tag
    };
    for (const char* text : bad) {
        CSiteItem site;
        long long pos = 0;
        EXPECT_FALSE(ParseSite(site, text, pos)) << text;
    }
    CSiteItem site;
    long long pos = -1;
    EXPECT_FALSE(ParseSite(site, Record("a", "http://a"), pos));
}

TEST(SiteList, ADownloadKeepsItsFirst25RecordsUpToTheFirstBadOne) {
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += Record("Site " + std::to_string(i), "http://s" + std::to_string(i) + ".example");
    COptionData d;
    d.UpdateSiteList(text, 17);
    ASSERT_EQ(d.m_sites.size(), 25u);
    EXPECT_EQ(d.m_sites[24].m_strUrl, "http://s24.example");
    EXPECT_EQ(d.m_nSiteListDay, 17);

    // A record without a description keeps the one before; a bad record ends the list.
    d.UpdateSiteList(Record("One", "http://one", "first") + Record("Two", "http://two") + Record("Bad", "one.example") +
                         Record("Three", "http://three"),
                     9);
    ASSERT_EQ(d.m_sites.size(), 2u);
    EXPECT_EQ(d.m_sites[1].m_strDescription, "first");

    // Nothing usable: the old list and day stay.
    const auto before = d.m_sites;
    for (const std::string& none : {std::string(), std::string("no tags"), Record("x", "www.example.com")}) {
        d.UpdateSiteList(none, 20);
        EXPECT_EQ(d.m_sites, before) << none;
        EXPECT_EQ(d.m_nSiteListDay, 9);
    }
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

TEST(SiteMenu, AnEmptyListGetsTheTwoBuiltInSitesOnce) {
    COptionData d;
    auto entries = SiteMenuEntries(d);
    ASSERT_EQ(entries.size(), 2u);
    ASSERT_EQ(d.m_sites.size(), 2u);
    EXPECT_EQ(entries[1].id, 37101u);
    EXPECT_EQ(entries[0].text, d.m_sites[0].m_strName);
    EXPECT_EQ(SiteMenuEntries(d).size(), 2u);
    for (CSiteItem site : d.m_sites) EXPECT_TRUE(IsValidSite(site)) << site.m_strUrl;
    // A list that is not empty is left alone.
    d.m_sites.resize(1);
    d.SetDefaultSites();
    EXPECT_EQ(d.m_sites.size(), 1u);
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
    url = "unchanged";
    EXPECT_FALSE(SiteUrlForCommand(d, 37126, url));
    EXPECT_FALSE(SiteUrlForCommand(d, 37099, url));
    d.m_sites.resize(1);
    EXPECT_FALSE(SiteUrlForCommand(d, 37101, url));
    EXPECT_EQ(url, "unchanged");
}

}  // namespace
