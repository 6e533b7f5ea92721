#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "online/TextFetch.h"

namespace {

// One scripted answer: a failure before any head, or a head and the body in the parts in
// which it arrives.
struct Answer {
    FetchFailure failure = FetchFailure::None;
    HttpHead head;
    std::vector<std::string> parts;
    FetchFailure readFailure = FetchFailure::None;  // after the parts, instead of the end
    uint32_t msPerPart = 0;
};

Answer Ok(const std::string& body, bool withLength = true) {
    Answer a;
    a.head.status = 200;
    a.head.hasLength = withLength;
    a.head.contentLength = std::to_string(body.size());
    a.parts = {body};
    return a;
}

Answer Status(int status, const std::string& location = "") {
    Answer a;
    a.head.status = status;
    a.head.location = location;
    return a;
}

Answer Fails(FetchFailure f) {
    Answer a;
    a.failure = f;
    return a;
}

// When a wait began (milliseconds into the fetch) and how long it may last.
struct Wait {
    uint32_t at;
    uint32_t timeout;
    bool send;
};

class FakeTransport : public IHttpTransport {
public:
    FetchFailure Send(const HttpUrl& url, uint32_t timeoutMs, HttpHead& head) override {
        sent.push_back(HttpUrlText(url));
        waits.push_back({now - kStart, timeoutMs, true});
        EXPECT_FALSE(open) << "a request was not closed";
        if (answers.empty()) return FetchFailure::Other;
        current = answers.front();
        answers.pop_front();
        if (current.failure != FetchFailure::None) return current.failure;
        open = true;
        head = current.head;
        return FetchFailure::None;
    }
    FetchFailure Read(char* buffer, size_t size, uint32_t timeoutMs, size_t& got) override {
        got = 0;
        waits.push_back({now - kStart, timeoutMs, false});
        EXPECT_GT(size, 0u);
        largestRead = std::max(largestRead, size);
        if (current.parts.empty()) return current.readFailure;
        now += current.msPerPart;
        std::string& part = current.parts.front();
        got = std::min(size, part.size());
        part.copy(buffer, got);
        delivered += got;
        part.erase(0, got);
        if (part.empty()) current.parts.erase(current.parts.begin());
        return FetchFailure::None;
    }
    void Close() override { open = false; }
    uint32_t NowMs() override { return now; }

    std::deque<Answer> answers;
    Answer current;
    std::vector<std::string> sent;
    std::vector<Wait> waits;
    bool open = false;
    static constexpr uint32_t kStart = 0xFFFFF000u;  // the tick count wraps during the fetch
    uint32_t now = kStart;
    size_t delivered = 0;
    size_t largestRead = 0;
};

FetchResult Fetch(FakeTransport& t, const std::string& address = "https://a.example/vm/version.txt",
                  size_t maxBytes = 1024) {
    FetchResult r = FetchText(t, address, maxBytes);
    EXPECT_FALSE(t.open) << "the last request was not closed";
    return r;
}

TEST(FetchText, TheBodyIsReadToItsEndInWhateverPartsItArrives) {
    FakeTransport t;
    Answer a = Ok("10a01\r\n");
    a.parts = {"10", "a", "01\r\n"};
    t.answers = {a};
    FetchResult r = Fetch(t);
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(r.text, "10a01\r\n");
    // Without a length (closed at the end, or chunked with a stray length) likewise.
    FakeTransport u;
    Answer b = Ok("read to the end", false);
    b.parts = {"read ", "to the ", "end"};
    Answer c = b;
    c.head.chunked = true;
    c.head.hasLength = true;
    c.head.contentLength = "3";
    u.answers = {b};
    EXPECT_EQ(Fetch(u).text, "read to the end");
    u.answers = {c};
    EXPECT_EQ(Fetch(u).text, "read to the end");
}

TEST(FetchText, OnlyStatus200CountsAsAnAnswer) {
    for (int status : {204, 206, 304, 401, 404, 500}) {
        FakeTransport t;
        Answer a = Ok("<html>Please log in</html>");
        a.head.status = status;
        t.answers = {a};
        FetchResult r = Fetch(t);
        EXPECT_EQ(r.failure, FetchFailure::Status) << status;
        EXPECT_TRUE(r.text.empty());
        EXPECT_EQ(t.delivered, 0u) << "the body of a " << status << " was read";
    }
    // A proxy or server that cannot get through now: worth another try later.
    FakeTransport t;
    t.answers = {Status(503)};
    FetchResult r = Fetch(t);
    EXPECT_EQ(r.failure, FetchFailure::Unavailable);
    EXPECT_TRUE(IsOfflineFailure(r.failure));
}

TEST(FetchText, TheAnnouncedLengthMustBeMetExactly) {
    struct Case {
        std::string length;
        std::string body;
        FetchFailure want;
    } cases[] = {
        {"10", "short", FetchFailure::ShortBody},    {"3", "longer", FetchFailure::BadResponse},
        {"-1", "x", FetchFailure::BadResponse},      {"twelve", "x", FetchFailure::BadResponse},
        {"4294967295", "x", FetchFailure::TooLarge}, {"18446744073709551615", "x", FetchFailure::BadResponse},
        {"1025", "x", FetchFailure::TooLarge},       {"0", "", FetchFailure::None},
    };
    for (const Case& c : cases) {
        FakeTransport t;
        Answer a = Ok(c.body);
        a.head.contentLength = c.length;
        t.answers = {a};
        FetchResult r = Fetch(t);
        EXPECT_EQ(FetchFailureName(r.failure), std::string(FetchFailureName(c.want))) << c.length;
        EXPECT_EQ(r.text, r.Ok() ? c.body : "") << c.length;
    }
}

TEST(FetchText, ABodyOverTheCapIsRefusedWithoutReadingItAll) {
    FakeTransport t;
    Answer a = Ok(std::string(10 * 1024 * 1024, 'y'), false);
    t.answers = {a};
    FetchResult r = Fetch(t, "https://a.example/x", 1024);
    EXPECT_EQ(r.failure, FetchFailure::TooLarge);
    EXPECT_LE(t.delivered, 1025u);
    // No caller gets more than 64 KiB, whatever it asks for.
    FakeTransport u;
    u.answers = {Ok(std::string(kMaxBodyBytes + 1, 'y'), false)};
    EXPECT_EQ(Fetch(u, "https://a.example/x", 1u << 30).failure, FetchFailure::TooLarge);
    EXPECT_LE(u.delivered, kMaxBodyBytes + 1);
    EXPECT_LE(u.largestRead, 4096u);
    // Exactly at the cap is fine.
    FakeTransport v;
    v.answers = {Ok(std::string(1024, 'y'), false)};
    EXPECT_TRUE(Fetch(v, "https://a.example/x", 1024).Ok());
}

TEST(FetchText, AFailedReadLosesTheWholeText) {
    FakeTransport t;
    Answer a = Ok("partial body", false);
    a.readFailure = FetchFailure::ConnectionLost;
    a.parts = {"partial "};
    t.answers = {a};
    FetchResult r = Fetch(t);
    EXPECT_EQ(r.failure, FetchFailure::ConnectionLost);
    EXPECT_TRUE(r.text.empty());
}

TEST(FetchText, AtMostThreeRedirectsAreFollowed) {
    FakeTransport t;
    t.answers = {Status(301, "/a"), Status(302, "https://b.example/b"), Status(307, "/c"), Ok("arrived")};
    FetchResult r = Fetch(t);
    EXPECT_EQ(r.text, "arrived");
    EXPECT_EQ(t.sent, (std::vector<std::string>{"https://a.example/vm/version.txt", "https://a.example/a",
                                                "https://b.example/b", "https://b.example/c"}));
    FakeTransport loop;
    for (int i = 0; i < 10; ++i) loop.answers.push_back(Status(302, "/loop"));
    EXPECT_EQ(Fetch(loop).failure, FetchFailure::TooManyRedirects);
    EXPECT_EQ(loop.sent.size(), 4u);
}

TEST(FetchText, ARedirectDownToHttpOrNowhereEndsTheFetch) {
    FakeTransport t;
    t.answers = {Status(302, "http://a.example/vm/version.txt"), Ok("plain")};
    EXPECT_EQ(Fetch(t).failure, FetchFailure::BadRedirect);
    EXPECT_EQ(t.sent.size(), 1u);
    FakeTransport u;
    u.answers = {Status(301)};
    EXPECT_EQ(Fetch(u).failure, FetchFailure::BadRedirect);
}

TEST(FetchText, PlainHttpOnceAndOnlyWhenNoSecureConnectionWasMade) {
    for (FetchFailure f : {FetchFailure::SecureChannel, FetchFailure::CannotConnect, FetchFailure::ConnectionLost}) {
        FakeTransport t;
        t.answers = {Fails(f), Ok("10a01")};
        FetchResult r = Fetch(t, "https://a.example:8443/vm/version.txt");
        EXPECT_EQ(r.text, "10a01") << FetchFailureName(f);
        EXPECT_EQ(t.sent, (std::vector<std::string>{"https://a.example:8443/vm/version.txt",
                                                    "http://a.example/vm/version.txt"}));
    }
    // Once: a plain attempt that fails as well is the answer.
    FakeTransport once;
    once.answers = {Fails(FetchFailure::SecureChannel), Fails(FetchFailure::CannotConnect), Ok("x")};
    EXPECT_EQ(Fetch(once).failure, FetchFailure::CannotConnect);
    EXPECT_EQ(once.sent.size(), 2u);
}

TEST(FetchText, AnAnswerOverHttpsIsNeverAskedAgainOverHttp) {
    // Any status, a broken body, or a failure after a redirect: no plain attempt.
    std::vector<std::deque<Answer>> scripts = {
        {Status(404), Ok("plain")},
        {Status(500), Ok("plain")},
        {Status(302, "https://b.example/"), Fails(FetchFailure::SecureChannel), Ok("plain")},
        {Fails(FetchFailure::Certificate), Ok("plain")},
        {Fails(FetchFailure::NameNotResolved), Ok("plain")},
        {Fails(FetchFailure::Timeout), Ok("plain")},
        {Fails(FetchFailure::BadResponse), Ok("plain")},
    };
    for (auto& script : scripts) {
        FakeTransport t;
        t.answers = script;
        FetchResult r = Fetch(t);
        EXPECT_FALSE(r.Ok());
        for (const std::string& s : t.sent) EXPECT_EQ(s.compare(0, 8, "https://"), 0) << s;
    }
    // An http address stays as it is: nothing to fall back from.
    FakeTransport plain;
    plain.answers = {Fails(FetchFailure::CannotConnect), Ok("x")};
    EXPECT_EQ(Fetch(plain, "http://a.example/").failure, FetchFailure::CannotConnect);
    EXPECT_EQ(plain.sent.size(), 1u);
}

TEST(FetchText, ASlowServerMeetsTheDeadline) {
    FakeTransport t;
    Answer drip = Ok(std::string(1000, 'x'));
    drip.parts.assign(1000, "x");
    drip.msPerPart = 2000;
    t.answers = {drip};
    FetchResult r = Fetch(t);
    EXPECT_EQ(r.failure, FetchFailure::Timeout);
    EXPECT_EQ(t.delivered, 30u);
    // No wait reaches past the deadline by more than the one-second floor; a send is
    // up to three waits (connect, send, answer).
    ASSERT_GT(t.waits.size(), 30u);
    for (const Wait& w : t.waits) {
        EXPECT_LE(w.at + (w.send ? 3 : 1) * w.timeout, kFetchDeadlineMs + 1000) << w.at;
        EXPECT_GE(w.timeout, 1000u);
        EXPECT_LE(w.timeout, kStepTimeoutMs);
    }
}

TEST(FetchText, RedirectsLateInTheFetchGetShorterWaits) {
    // Each answer takes 25 s: the third request goes out with 10 s left.
    struct LateTransport : FakeTransport {
        FetchFailure Send(const HttpUrl& url, uint32_t timeoutMs, HttpHead& head) override {
            FetchFailure f = FakeTransport::Send(url, timeoutMs, head);
            now += 25000;
            return f;
        }
    } late;
    late.answers = {Status(302, "/a"), Status(302, "/b"), Ok("x")};
    FetchResult r = Fetch(late);
    ASSERT_EQ(late.waits.size(), 3u);
    EXPECT_EQ(late.waits[2].at, 50000u);
    EXPECT_LE(late.waits[2].at + 3 * late.waits[2].timeout, kFetchDeadlineMs);
    // Its answer came after the deadline: the body is not waited for.
    EXPECT_EQ(r.failure, FetchFailure::Timeout);
}

TEST(FetchText, BadAddressesAreNotSent) {
    FakeTransport t;
    EXPECT_EQ(Fetch(t, "ftp://a.example/x").failure, FetchFailure::BadAddress);
    EXPECT_EQ(Fetch(t, "https://a.example/a b").failure, FetchFailure::BadAddress);
    EXPECT_TRUE(t.sent.empty());
}

}  // namespace
