#include <gtest/gtest.h>

#include "online/HttpRules.h"

namespace {

HttpUrl Url(const std::string& address) {
    HttpUrl url;
    EXPECT_TRUE(ParseHttpUrl(address, url)) << address;
    return url;
}

TEST(Redirect, NeverFromHttpsDownToHttp) {
    HttpUrl to;
    EXPECT_FALSE(ResolveRedirect(Url("https://a.example/x"), "HTTP://b.example/", to));
    ASSERT_TRUE(ResolveRedirect(Url("http://a.example/x"), "https://b.example/y", to));
    EXPECT_TRUE(to.secure);
}

}  // namespace
