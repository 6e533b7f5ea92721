#include <gtest/gtest.h>

#include <string>

#include "online/WallpaperSiteItem.h"

namespace {

// The address reaches the browser's command line, so nothing in it may end an argument.
TEST(SiteAddress, NoBlanksQuotesOrControlCharactersAndAtMost2048) {
    for (const char* url : {"http://a.example/a b", "http://a.example/\"x\"", "http://a.example/x\r\ny"}) {
        EXPECT_FALSE(IsSafeSiteAddress(url)) << url;
    }
    const std::string base = "http://a.example/";
    EXPECT_TRUE(IsSafeSiteAddress(base + std::string(2048 - base.size(), 'x')));
    EXPECT_FALSE(IsSafeSiteAddress(base + std::string(2049 - base.size(), 'x')));
}

}  // namespace
