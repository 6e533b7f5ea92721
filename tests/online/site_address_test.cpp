#include <gtest/gtest.h>

#include <string>

#include "online/SiteMenu.h"
#include "online/WallpaperSiteItem.h"

namespace {

std::string Record(const std::string& name, const std::string& url) {
    return "<wallpaper_site><name>" + name + "</name><url>" + url + "</url></wallpaper_site>";
}

TEST(SiteAddress, OnlyWebAndFtpAddressesWithAHost) {
    for (const char* url : {"http://a", "https://a.example/walls?x=1&y=2", "ftp://files.example/pub",
                            "HTTP://A.EXAMPLE/", "http://a.example/%20x", "http://b\xE4r.example/"}) {
        EXPECT_TRUE(IsSafeSiteAddress(url)) << url;
    }
    // Each of these begins with "http" or "ftp", and the shell would run a program for some.
    for (const char* url : {"http.bat", "ftp.exe", "https.cmd", "httpfoo", "ftp:files", "http:/a", "http://",
                            "https:///x", "file://c:/x", "mailto:a@b", "", "javascript:alert(1)"}) {
        EXPECT_FALSE(IsSafeSiteAddress(url)) << url;
    }
}

TEST(SiteAddress, NoBlanksQuotesOrControlCharactersAndAtMost2048) {
    for (const char* url :
         {"http://a.example/a b", "http://a.example/\"x\"", "http://a.example/'x'", "http://a.example/`x`",
          "http://a.example/\tx", "http://a.example/\x7F", "http://a.example/x\r\ny"}) {
        EXPECT_FALSE(IsSafeSiteAddress(url)) << url;
    }
    const std::string base = "http://a.example/";
    EXPECT_TRUE(IsSafeSiteAddress(base + std::string(2048 - base.size(), 'x')));
    EXPECT_FALSE(IsSafeSiteAddress(base + std::string(2049 - base.size(), 'x')));
}

TEST(SiteAddress, TheParserEndsAtAnUnsafeAddress) {
    COptionData d;
    d.UpdateSiteList(
        Record("One", "http://one.example/") + Record("Runs", "http.bat") + Record("Three", "http://three.example/"),
        4);
    ASSERT_EQ(d.m_sites.size(), 1u);
    EXPECT_EQ(d.m_sites[0].m_strName, "One");
    // A blank around the address is trimmed; one inside it is refused.
    CSiteItem site;
    long long pos = 0;
    EXPECT_TRUE(ParseSite(site, Record("A", "  https://a.example/  "), pos));
    pos = 0;
    EXPECT_FALSE(ParseSite(site, Record("A", "https://a.example/ calc.exe"), pos));
}

TEST(SiteAddress, OpeningChecksTheStoredAddressAgain) {
    // A settings file edited by hand never reached the parser.
    COptionData d;
    d.m_sites.emplace_back("Good", "https://good.example/", "");
    d.m_sites.emplace_back("Bad", "ftp.exe", "");
    d.m_sites.emplace_back("Quoted", "http://a.example/\" /c calc", "");
    std::string url;
    ASSERT_TRUE(SiteUrlForCommand(d, 37100, url));
    EXPECT_EQ(url, "https://good.example/");
    url = "unchanged";
    EXPECT_FALSE(SiteUrlForCommand(d, 37101, url));
    EXPECT_FALSE(SiteUrlForCommand(d, 37102, url));
    EXPECT_EQ(url, "unchanged");
}

}  // namespace
