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

TEST(VersionText, AcceptsBomBlanksAndHexPrefix) {
    struct Case {
        std::string text;
        uint32_t want;
    } cases[] = {
        {"10a01", 0x10A01},
        {"10A01\r\n", 0x10A01},
        {"\xEF\xBB\xBF"
         "10b00",
         0x10B00},
        {"  \t\r\n0x10a02 is out", 0x10A02},
        {"0X0", 0},
        {"ffffffff", 0xFFFFFFFFu},
        {"00000001", 1},
        {"10a01-beta", 0x10A01},
    };
    for (const Case& c : cases) {
        uint32_t v = 12345;
        ASSERT_TRUE(ParseVersionText(c.text, v)) << c.text;
        EXPECT_EQ(v, c.want) << c.text;
    }
}

TEST(VersionText, AnythingElseIsNoAnswer) {
    // "-1" used to count as newer at every start.
    for (const char* text :
         {"", "-1", "+10a01", "0x", "0xg", "x10a01", "123456789", "<html>", "\xEF\xBB", "\xEF\xBB\xBF",
          "\xEF\xBB\xBF\xEF\xBB\xBF"
          "10a01",
          "\v10a01", "0x-1"}) {
        uint32_t v = 12345;
        EXPECT_FALSE(ParseVersionText(text, v)) << text;
        EXPECT_EQ(v, 12345u);
    }
}

TEST(VersionText, ShowsThePatchOnlyWhenThereIsOne) {
    EXPECT_EQ(VersionToText(kVelumVersion), "1.10");
    EXPECT_EQ(VersionToText(0x00010B02), "1.11.2");
    EXPECT_EQ(VersionToText(0x00020000), "2.00");
    EXPECT_EQ(VersionToText(0x00020001), "2.0.1");
    EXPECT_EQ(VersionToText(0xFFFFFFFFu), "65535.255.255");
}

TEST(NewsText, PlainTextWithoutControlCharacters) {
    EXPECT_EQ(NewsBoxText("Velum 1.10.1"), "Velum 1.10.1");
    EXPECT_EQ(NewsBoxText("\xEF\xBB\xBFVelum\t1.11\r\n- faster\r\n\r\n"), "Velum\t1.11\r\n- faster");
    EXPECT_EQ(NewsBoxText(std::string("a\0b\x1B[31mc\x7F", 10)), "ab[31mc");
    EXPECT_EQ(NewsBoxText(" \r\n\t "), "");
    EXPECT_EQ(NewsBoxText(std::string("\0\0", 2)), "");
}

TEST(NewsText, LongNewsIsCutAndMarked) {
    std::string shown = NewsBoxText(std::string(100000, 'n'));
    EXPECT_EQ(shown, std::string(kNewsTextMax, 'n') + "...");
    std::string lines;
    for (int i = 0; i < 500; ++i) lines += "line\n";
    shown = NewsBoxText(lines);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), kNewsLinesMax - 1);
    EXPECT_EQ(shown.substr(shown.size() - 7), "line...");
    // A cut never splits a UTF-8 character.
    std::string umlauts;
    for (int i = 0; i < 2000; ++i) umlauts += "\xC3\xA4";
    std::string cut = NewsBoxText("x" + umlauts);
    EXPECT_TRUE(IsValidUtf8(cut));
    EXPECT_LE(cut.size(), kNewsTextMax + 3);
    EXPECT_EQ(cut.substr(cut.size() - 5), "\xC3\xA4...");
}

TEST(NewsText, Utf8IsToldFromTheAnsiCodePage) {
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(
        IsValidUtf8("Gr\xC3\xBC\xC3\x9F"
                    "e \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(
        IsValidUtf8("Gr\xFC\xDF"
                    "e"));                          // Windows-1252
    EXPECT_FALSE(IsValidUtf8("\xC3"));              // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}

// Answers by address, and remembers what was asked.
class FakeFetcher : public ITextFetcher {
public:
    FetchResult Fetch(const std::string& address, size_t maxBytes) override {
        asked.push_back(address);
        limits[address] = maxBytes;
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
    std::map<std::string, size_t> limits;
};

TEST(UpdateCheck, ANewerVersionBringsItsNews) {
    FakeFetcher f;
    f.answers[kVersionFileAddress] = FakeFetcher::Text("10a01\r\n");
    f.answers[kNewsFileAddress] = FakeFetcher::Text("Velum 1.10.1\r\n");
    UpdateCheckOutcome o = RunUpdateCheck(f, kVelumVersion);
    EXPECT_EQ(o.kind, UpdateCheckOutcome::NewVersion);
    EXPECT_EQ(o.news, "Velum 1.10.1");
    EXPECT_EQ(f.asked, (std::vector<std::string>{kVersionFileAddress, kNewsFileAddress}));
    EXPECT_LE(f.limits[kVersionFileAddress], 1024u);
    EXPECT_LE(f.limits[kNewsFileAddress], kMaxBodyBytes);
}

TEST(UpdateCheck, TheSameOrAnOlderVersionAsksForNoNews) {
    for (const char* served : {"10a00", "109ff", "0", "-1",
                               "\xEF\xBB\xBF"
                               "10a00",
                               "garbage"}) {
        FakeFetcher f;
        f.answers[kVersionFileAddress] = FakeFetcher::Text(served);
        f.answers[kNewsFileAddress] = FakeFetcher::Text("news");
        EXPECT_EQ(RunUpdateCheck(f, kVelumVersion).kind, UpdateCheckOutcome::Nothing) << served;
        EXPECT_EQ(f.asked.size(), 1u) << served;
    }
}

TEST(UpdateCheck, OnlyAMissingConnectionAsksForARetry) {
    FakeFetcher offline;
    offline.answers[kVersionFileAddress] = FakeFetcher::Failure(FetchFailure::NameNotResolved);
    EXPECT_EQ(RunUpdateCheck(offline, kVelumVersion).kind, UpdateCheckOutcome::Offline);

    FakeFetcher portal;
    portal.answers[kVersionFileAddress] = FakeFetcher::Failure(FetchFailure::Status);
    EXPECT_EQ(RunUpdateCheck(portal, kVelumVersion).kind, UpdateCheckOutcome::Nothing);

    // The line dropped between the two files.
    FakeFetcher dropped;
    dropped.answers[kVersionFileAddress] = FakeFetcher::Text("10b00");
    dropped.answers[kNewsFileAddress] = FakeFetcher::Failure(FetchFailure::Timeout);
    EXPECT_EQ(RunUpdateCheck(dropped, kVelumVersion).kind, UpdateCheckOutcome::Offline);

    // News that are missing, refused or empty show nothing.
    for (FetchResult news : {FakeFetcher::Failure(FetchFailure::TooLarge), FakeFetcher::Text(""),
                             FakeFetcher::Text(std::string("\r\n\0", 3))}) {
        FakeFetcher f;
        f.answers[kVersionFileAddress] = FakeFetcher::Text("10b00");
        f.answers[kNewsFileAddress] = news;
        EXPECT_EQ(RunUpdateCheck(f, kVelumVersion).kind, UpdateCheckOutcome::Nothing);
    }
}

TEST(SiteListDownload, HandsOverTheTextOrSaysWhetherToRetry) {
    FakeFetcher f;
    f.answers[kSiteListFileAddress] = FakeFetcher::Text("<wallpaper_site>");
    SiteListOutcome o = RunSiteListDownload(f);
    EXPECT_EQ(o.text, "<wallpaper_site>");
    EXPECT_FALSE(o.offline);
    EXPECT_EQ(f.limits[kSiteListFileAddress], kMaxBodyBytes);
    f.answers[kSiteListFileAddress] = FakeFetcher::Failure(FetchFailure::CannotConnect);
    o = RunSiteListDownload(f);
    EXPECT_TRUE(o.offline);
    EXPECT_TRUE(o.text.empty());
    f.answers[kSiteListFileAddress] = FakeFetcher::Failure(FetchFailure::ShortBody);
    o = RunSiteListDownload(f);
    EXPECT_FALSE(o.offline);
    EXPECT_TRUE(o.text.empty());
}

TEST(DownloadSlot, OnceARunAndRetriesOnlyWhenAwaited) {
    CDownloadSlot slot;
    // A result or a timer that nobody waits for changes nothing.
    EXPECT_FALSE(slot.Finish(false));
    EXPECT_FALSE(slot.BeginRetry());
    ASSERT_TRUE(slot.Begin());
    EXPECT_FALSE(slot.Begin());
    EXPECT_FALSE(slot.BeginRetry());
    ASSERT_TRUE(slot.Finish(true));
    EXPECT_EQ(slot.GetState(), CDownloadSlot::WaitingRetry);
    EXPECT_FALSE(slot.Begin());
    EXPECT_FALSE(slot.Finish(false));
    ASSERT_TRUE(slot.BeginRetry());
    EXPECT_FALSE(slot.BeginRetry());
    ASSERT_TRUE(slot.Finish(false));
    EXPECT_EQ(slot.GetState(), CDownloadSlot::Done);
    EXPECT_FALSE(slot.Begin());
    EXPECT_FALSE(slot.BeginRetry());
    EXPECT_FALSE(slot.Finish(true));

    CDownloadSlot failed;
    ASSERT_TRUE(failed.Begin());
    failed.Abandon();
    EXPECT_FALSE(failed.Begin());
    EXPECT_FALSE(failed.Finish(false));
}

TEST(OnlineMailbox, EachResultIsTakenOnce) {
    COnlineMailbox box;
    UpdateCheckOutcome u;
    SiteListOutcome s;
    EXPECT_FALSE(box.TakeUpdate(u));
    EXPECT_FALSE(box.TakeSiteList(s));
    UpdateCheckOutcome news;
    news.kind = UpdateCheckOutcome::NewVersion;
    news.news = "Velum 1.10.1";
    box.PutUpdate(news);
    SiteListOutcome list;
    list.text = "<wallpaper_site>";
    box.PutSiteList(list);
    ASSERT_TRUE(box.TakeUpdate(u));
    EXPECT_EQ(u.news, "Velum 1.10.1");
    EXPECT_FALSE(box.TakeUpdate(u));
    ASSERT_TRUE(box.TakeSiteList(s));
    EXPECT_EQ(s.text, "<wallpaper_site>");
    EXPECT_FALSE(box.TakeSiteList(s));
    EXPECT_EQ(&OnlineMailbox(), &OnlineMailbox());
}

TEST(OnlineMailbox, DetachedThreadsHandOverWhileTheReaderTakes) {
    COnlineMailbox& box = OnlineMailbox();
    SiteListOutcome drained;
    while (box.TakeSiteList(drained)) {
    }
    // Shared: the thread may still be inside Set when the wait returns.
    auto done = std::make_shared<Event>(true, false);
    ASSERT_TRUE(StartDetachedThread([&box, done] {
        for (int i = 0; i < 2000; ++i) {
            SiteListOutcome o;
            o.text = std::string(100, static_cast<char>('a' + i % 26));
            box.PutSiteList(o);
        }
        done->Set();
    }));
    int taken = 0;
    SiteListOutcome o;
    while (!done->Wait(0)) {
        if (box.TakeSiteList(o)) {
            ++taken;
            ASSERT_EQ(o.text.size(), 100u);
            ASSERT_EQ(o.text.find_first_not_of(o.text[0]), std::string::npos);
        }
    }
    while (box.TakeSiteList(o)) ++taken;
    EXPECT_GE(taken, 1);
}

}  // namespace
