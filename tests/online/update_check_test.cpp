#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/Sync.h"
#include "online/Addresses.h"
#include "online/OnlineMailbox.h"
#include "online/UpdateCheck.h"
#include "settings/OptionData.h"
#include "settings/Version.h"

namespace {

TEST(VersionText, BomBlanksAndHexPrefixThenOneToEightDigits) {
    struct Case {
        std::string text;
        uint32_t want;
    } cases[] = {
        {"10A01\r\n", 0x10A01},
        {"\xEF\xBB\xBF"
         "10b00",
         0x10B00},
        {"  \t\r\n0x10a02 is out", 0x10A02},
        {"ffffffff", 0xFFFFFFFFu},
    };
    for (const Case& c : cases) {
        uint32_t v = 12345;
        ASSERT_TRUE(ParseVersionText(c.text, v)) << c.text;
        EXPECT_EQ(v, c.want) << c.text;
    }
    // "-1" used to count as newer at every start.
    for (const char* text : {"", "-1", "0x", "x10a01", "123456789", "<html>", "\xEF\xBB\xBF", "\v10a01"}) {
        uint32_t v = 12345;
        EXPECT_FALSE(ParseVersionText(text, v)) << text;
        EXPECT_EQ(v, 12345u);
    }
}

TEST(NewsText, ACutKeepsWholeCharacters) {
    std::string umlauts;
    for (int i = 0; i < 2000; ++i) umlauts += "\xC3\xA4";
    const std::string cut = NewsBoxText("x" + umlauts);
    EXPECT_EQ(cut.substr(cut.size() - 5), "\xC3\xA4...");
}

// Answers by address, and remembers what was asked.
class FakeFetcher : public ITextFetcher {
public:
    FetchResult Fetch(const std::string& address, size_t) override {
        asked.push_back(address);
        auto it = answers.find(address);
        if (it == answers.end()) return Failure(FetchFailure::Status);
        return it->second;
    }
    static FetchResult Text(const std::string& text) {
        FetchResult r;
        r.text = text;
        return r;
    }
    static FetchResult Failure(FetchFailure f) {
        FetchResult r;
        r.failure = f;
        return r;
    }
    std::map<std::string, FetchResult> answers;
    std::vector<std::string> asked;
};

TEST(UpdateCheck, ANewerVersionBringsItsNews) {
    FakeFetcher f;
    f.answers[kVersionFileAddress] = FakeFetcher::Text("10a01\r\n");
    f.answers[kNewsFileAddress] = FakeFetcher::Text("Velum 1.10.1\r\n");
    UpdateCheckOutcome o = RunUpdateCheck(f, kVelumVersion);
    EXPECT_EQ(o.kind, UpdateCheckOutcome::NewVersion);
    EXPECT_EQ(o.news, "Velum 1.10.1");
    // The same or an older version, or none, asks for no news.
    for (const char* served : {"10a00", "109ff", "garbage"}) {
        FakeFetcher g;
        g.answers[kVersionFileAddress] = FakeFetcher::Text(served);
        g.answers[kNewsFileAddress] = FakeFetcher::Text("news");
        EXPECT_EQ(RunUpdateCheck(g, kVelumVersion).kind, UpdateCheckOutcome::Nothing) << served;
        EXPECT_EQ(g.asked.size(), 1u) << served;
    }
}

TEST(UpdateCheck, OnlyAMissingConnectionAsksForARetry) {
    struct Case {
        FetchResult version, news;
        UpdateCheckOutcome::Kind want;
    } cases[] = {
        {FakeFetcher::Failure(FetchFailure::NameNotResolved), {}, UpdateCheckOutcome::Offline},
        {FakeFetcher::Failure(FetchFailure::Status), {}, UpdateCheckOutcome::Nothing},  // a captive portal
        // The line dropped between the two files.
        {FakeFetcher::Text("10b00"), FakeFetcher::Failure(FetchFailure::Timeout), UpdateCheckOutcome::Offline},
        // News that are refused or empty show nothing.
        {FakeFetcher::Text("10b00"), FakeFetcher::Failure(FetchFailure::TooLarge), UpdateCheckOutcome::Nothing},
        {FakeFetcher::Text("10b00"), FakeFetcher::Text(std::string("\r\n\0", 3)), UpdateCheckOutcome::Nothing},
    };
    for (const Case& c : cases) {
        FakeFetcher f;
        f.answers[kVersionFileAddress] = c.version;
        f.answers[kNewsFileAddress] = c.news;
        EXPECT_EQ(RunUpdateCheck(f, kVelumVersion).kind, c.want) << f.asked.size();
    }
}

}  // namespace
