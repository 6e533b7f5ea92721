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

class FakeTransport : public IHttpTransport {
public:
    FetchFailure Send(const HttpUrl& url, uint32_t, HttpHead& head) override {
        sent.push_back(HttpUrlText(url));
        if (answers.empty()) return FetchFailure::Other;
        current = answers.front();
        answers.pop_front();
        if (current.failure != FetchFailure::None) return current.failure;
        head = current.head;
        return FetchFailure::None;
    }
    FetchFailure Read(char* buffer, size_t size, uint32_t, size_t& got) override {
        got = 0;
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
    void Close() override {}
    uint32_t NowMs() override { return now; }

    std::deque<Answer> answers;
    Answer current;
    std::vector<std::string> sent;
    uint32_t now = 0xFFFFF000u;  // the tick count wraps during the fetch
    size_t delivered = 0;
};

FetchResult Fetch(FakeTransport& t, const std::string& address = "https://a.example/vm/version.txt",
                  size_t maxBytes = 1024) {
    return FetchText(t, address, maxBytes);
}

TEST(FetchText, TheBodyIsReadToItsEndInWhateverPartsItArrives) {
    Answer withLength = Ok("10a01\r\n");
    withLength.parts = {"10", "a", "01\r\n"};
    // Without a length (closed at the end), or chunked with a stray length that does not count.
    Answer closed = Ok("read to the end", false);
    closed.parts = {"read ", "to the ", "end"};
    Answer chunked = closed;
    chunked.head.chunked = true;
    chunked.head.hasLength = true;
    chunked.head.contentLength = "3";
    for (const Answer& a : {withLength, closed, chunked}) {
        FakeTransport t;
        t.answers = {a};
        FetchResult r = Fetch(t);
        EXPECT_TRUE(r.Ok());
        EXPECT_EQ(r.text, a.head.hasLength && !a.head.chunked ? "10a01\r\n" : "read to the end");
    }
}

TEST(FetchText, TheAnnouncedLengthMustBeMetExactly) {
    struct Case {
        std::string length;
        std::string body;
        FetchFailure want;
    } cases[] = {
        {"10", "short", FetchFailure::ShortBody},
        {"3", "longer", FetchFailure::BadResponse},
        {"1025", "x", FetchFailure::TooLarge},
    };
    for (const Case& c : cases) {
        FakeTransport t;
        Answer a = Ok(c.body);
        a.head.contentLength = c.length;
        t.answers = {a};
        EXPECT_EQ(FetchFailureName(Fetch(t).failure), std::string(FetchFailureName(c.want))) << c.length;
    }
}

TEST(FetchText, AtMostThreeRedirectsAreFollowed) {
    FakeTransport loop;
    for (int i = 0; i < 10; ++i) loop.answers.push_back(Status(302, "/loop"));
    EXPECT_EQ(Fetch(loop).failure, FetchFailure::TooManyRedirects);
    EXPECT_EQ(loop.sent.size(), 4u);
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
    // A plain attempt that fails as well is the answer; a certificate that fails verification,
    // a name that does not resolve, a slow server, or a failure after a redirect is not tried
    // over http at all.
    std::vector<std::deque<Answer>> scripts = {
        {Fails(FetchFailure::SecureChannel), Fails(FetchFailure::CannotConnect), Ok("x")},
        {Fails(FetchFailure::Certificate), Ok("plain")},
        {Fails(FetchFailure::NameNotResolved), Ok("plain")},
        {Fails(FetchFailure::Timeout), Ok("plain")},
        {Status(302, "https://b.example/"), Fails(FetchFailure::SecureChannel), Ok("plain")},
    };
    for (auto& script : scripts) {
        FakeTransport t;
        t.answers = script;
        EXPECT_FALSE(Fetch(t).Ok());
        EXPECT_EQ(t.answers.size(), 1u) << t.sent.back();
    }
}

TEST(FetchText, ASlowServerMeetsTheDeadline) {
    FakeTransport t;
    Answer drip = Ok(std::string(1000, 'x'));
    drip.parts.assign(1000, "x");
    drip.msPerPart = 2000;
    t.answers = {drip};
    EXPECT_EQ(Fetch(t).failure, FetchFailure::Timeout);
    EXPECT_EQ(t.delivered, 30u);
}

}  // namespace
