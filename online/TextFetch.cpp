#include "online/TextFetch.h"

bool IsOfflineFailure(FetchFailure failure) {
    switch (failure) {
        case FetchFailure::NameNotResolved:
        case FetchFailure::CannotConnect:
        case FetchFailure::Timeout:
        case FetchFailure::ConnectionLost:
        case FetchFailure::Disconnected:
        case FetchFailure::Unavailable:
            return true;
        default:
            return false;
    }
}

bool MayFallBackToHttp(FetchFailure failure) {
    // A name that does not resolve, or a server that is slow, would be no better over http.
    return failure == FetchFailure::CannotConnect || failure == FetchFailure::ConnectionLost ||
           failure == FetchFailure::SecureChannel;
}

const char* FetchFailureName(FetchFailure failure) {
    switch (failure) {
        case FetchFailure::None:
            return "none";
        case FetchFailure::NoInternet:
            return "no Internet library";
        case FetchFailure::BadAddress:
            return "bad address";
        case FetchFailure::NameNotResolved:
            return "name not resolved";
        case FetchFailure::CannotConnect:
            return "cannot connect";
        case FetchFailure::Timeout:
            return "timeout";
        case FetchFailure::ConnectionLost:
            return "connection lost";
        case FetchFailure::Disconnected:
            return "offline";
        case FetchFailure::SecureChannel:
            return "no secure channel";
        case FetchFailure::Certificate:
            return "certificate not trusted";
        case FetchFailure::BadResponse:
            return "bad response";
        case FetchFailure::Status:
            return "status";
        case FetchFailure::Unavailable:
            return "unavailable";
        case FetchFailure::TooLarge:
            return "too large";
        case FetchFailure::ShortBody:
            return "short body";
        case FetchFailure::TooManyRedirects:
            return "too many redirects";
        case FetchFailure::BadRedirect:
            return "bad redirect";
        case FetchFailure::Other:
            break;
    }
    return "other";
}

namespace {

class Deadline {
public:
    explicit Deadline(IHttpTransport& t) : m_t(t), m_start(t.NowMs()) {}
    // Milliseconds left, 0 when the time is up.
    uint32_t Remaining() const {
        const uint32_t used = m_t.NowMs() - m_start;
        return used >= kFetchDeadlineMs ? 0 : kFetchDeadlineMs - used;
    }

private:
    IHttpTransport& m_t;
    uint32_t m_start;
};

FetchResult Failed(FetchFailure failure) {
    FetchResult r;
    r.failure = failure;
    return r;
}

FetchFailure ReadBody(IHttpTransport& t, const HttpHead& head, size_t maxBytes, const Deadline& deadline,
                      std::string& text) {
    uint64_t announced = 0;
    // With chunked transfer a Content-Length does not count.
    const bool hasLength = head.hasLength && !head.chunked;
    if (hasLength) {
        if (!ParseContentLength(head.contentLength, announced)) return FetchFailure::BadResponse;
        if (announced > maxBytes) return FetchFailure::TooLarge;
    }
    char buffer[4096];
    for (;;) {
        const uint32_t remaining = deadline.Remaining();
        if (remaining == 0) return FetchFailure::Timeout;
        // One byte past the cap is enough to know the body is too large.
        size_t want = maxBytes + 1 - text.size();
        if (want > sizeof buffer) want = sizeof buffer;
        size_t got = 0;
        FetchFailure f = t.Read(buffer, want, ReadStepTimeout(remaining), got);
        if (f != FetchFailure::None) return f;
        if (got == 0) break;
        if (got > want) return FetchFailure::Other;
        text.append(buffer, got);
        if (text.size() > maxBytes) return FetchFailure::TooLarge;
        if (hasLength && text.size() > announced) return FetchFailure::BadResponse;
    }
    if (hasLength && text.size() < announced) return FetchFailure::ShortBody;
    return FetchFailure::None;
}

}  // namespace

FetchResult FetchText(IHttpTransport& t, const std::string& address, size_t maxBytes) {
    if (maxBytes > kMaxBodyBytes) maxBytes = kMaxBodyBytes;
    HttpUrl url;
    if (!ParseHttpUrl(address, url)) return Failed(FetchFailure::BadAddress);
    const Deadline deadline(t);
    bool triedPlain = false;
    for (int hops = 0;;) {
        const uint32_t remaining = deadline.Remaining();
        if (remaining == 0) return Failed(FetchFailure::Timeout);
        HttpHead head;
        FetchFailure f = t.Send(url, SendStepTimeout(remaining), head);
        if (f != FetchFailure::None) {
            t.Close();
            // Only the first address, and only when no answer came at all over https.
            if (url.secure && hops == 0 && !triedPlain && MayFallBackToHttp(f)) {
                url = PlainHttpOf(url);
                triedPlain = true;
                continue;
            }
            return Failed(f);
        }
        if (IsRedirectStatus(head.status)) {
            t.Close();
            if (hops == kMaxRedirects) return Failed(FetchFailure::TooManyRedirects);
            HttpUrl next;
            if (!ResolveRedirect(url, head.location, next)) return Failed(FetchFailure::BadRedirect);
            url = next;
            ++hops;
            continue;
        }
        if (head.status != 200) {
            t.Close();
            const bool busy = head.status == 502 || head.status == 503 || head.status == 504;
            return Failed(busy ? FetchFailure::Unavailable : FetchFailure::Status);
        }
        FetchResult result;
        result.failure = ReadBody(t, head, maxBytes, deadline, result.text);
        t.Close();
        if (!result.Ok()) result.text.clear();
        return result;
    }
}
