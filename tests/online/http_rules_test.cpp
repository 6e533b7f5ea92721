#include <gtest/gtest.h>

#include "online/HttpRules.h"

namespace {

HttpUrl Url(const std::string& address) {
    HttpUrl url;
    EXPECT_TRUE(ParseHttpUrl(address, url)) << address;
    return url;
}

TEST(HttpUrl, SchemeHostPortAndPathAreTakenApart) {
    HttpUrl u = Url("HTTPS://Download.Example.ORG/vm/version.txt?x=1#top");
    EXPECT_TRUE(u.secure);
    EXPECT_EQ(u.host, "download.example.org");
    EXPECT_EQ(u.port, 443u);
    EXPECT_EQ(u.path, "/vm/version.txt?x=1");
    u = Url("http://127.0.0.1:8080");
    EXPECT_FALSE(u.secure);
    EXPECT_EQ(u.port, 8080u);
    EXPECT_EQ(u.path, "/");
    EXPECT_EQ(Url("http://a.example?q").path, "/?q");
    EXPECT_EQ(HttpUrlText(Url("https://a.example:443/x")), "https://a.example/x");
    EXPECT_EQ(HttpUrlText(Url("http://a.example:81/x")), "http://a.example:81/x");
}

TEST(HttpUrl, AnythingElseIsRefused) {
    const std::string bad[] = {
        "ftp://a.example/",
        "https://",
        "http://user:pw@a.example/",  // credentials would be sent along
        "http://a.example:65536/",
        "http://a.example/with blank",
        "http://a.example/line\r\nHost: evil",
        "http://[::1]/",
        "http://a.example/" + std::string(kMaxAddressLength, 'x'),
    };
    for (const std::string& address : bad) {
        HttpUrl url;
        url.host = "kept";
        EXPECT_FALSE(ParseHttpUrl(address, url)) << address;
        EXPECT_EQ(url.host, "kept");
    }
}

TEST(Redirect, NeverFromHttpsDownToHttp) {
    HttpUrl to;
    EXPECT_FALSE(ResolveRedirect(Url("https://a.example/x"), "http://a.example/x", to));
    EXPECT_FALSE(ResolveRedirect(Url("https://a.example/x"), "HTTP://b.example/", to));
    // Upwards, and within the same scheme, is fine.
    ASSERT_TRUE(ResolveRedirect(Url("http://a.example/x"), "https://b.example/y", to));
    EXPECT_TRUE(to.secure);
    EXPECT_EQ(to.host, "b.example");
    ASSERT_TRUE(ResolveRedirect(Url("https://a.example/x"), "https://c.example:8443/z", to));
    EXPECT_EQ(to.port, 8443u);
}

TEST(Redirect, PathsAndSchemeRelativeAddressesKeepTheServerOrScheme) {
    HttpUrl to;
    ASSERT_TRUE(ResolveRedirect(Url("https://a.example:444/x"), "/vm/other.txt", to));
    EXPECT_TRUE(to.secure);
    EXPECT_EQ(to.host, "a.example");
    EXPECT_EQ(to.port, 444u);
    EXPECT_EQ(to.path, "/vm/other.txt");
    ASSERT_TRUE(ResolveRedirect(Url("https://a.example/x"), "//b.example/y", to));
    EXPECT_TRUE(to.secure);
    EXPECT_EQ(to.host, "b.example");
    for (const char* location : {"", "other.txt", "javascript:alert(1)", "//"}) {
        EXPECT_FALSE(ResolveRedirect(Url("http://a.example/x"), location, to)) << location;
    }
}

TEST(ContentLength, OnlyPlainDecimalDigits) {
    uint64_t n = 7;
    ASSERT_TRUE(ParseContentLength("0", n));
    EXPECT_EQ(n, 0u);
    ASSERT_TRUE(ParseContentLength(" 65536 ", n));
    EXPECT_EQ(n, 65536u);
    // Large values are read as they are, to be refused by the size cap, never wrapped.
    ASSERT_TRUE(ParseContentLength("4294967295", n));
    EXPECT_EQ(n, 4294967295u);
    ASSERT_TRUE(ParseContentLength("9999999999999999999", n));
    EXPECT_EQ(n, 9999999999999999999u);
    n = 7;
    for (const char* bad : {"", "-1", "+5", "1 2", "0x10", "99999999999999999999"}) {
        EXPECT_FALSE(ParseContentLength(bad, n)) << bad;
        EXPECT_EQ(n, 7u);
    }
}

}  // namespace
