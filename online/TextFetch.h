// Fetching one small text file from a web server: redirects, the one fall-back to plain
// http, status, length and the caps on size and time. The Internet library underneath is
// a transport that sends one request and hands over the answer as it comes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "online/HttpRules.h"

enum class FetchFailure {
    None,
    NoInternet,  // no Internet library or session
    BadAddress,
    NameNotResolved,
    CannotConnect,
    Timeout,
    ConnectionLost,
    Disconnected,   // the system says it is offline
    SecureChannel,  // no secure connection could be negotiated: protocol or cipher
    Certificate,    // the server's certificate failed verification: an answer, not a channel problem
    BadResponse,    // not HTTP, or a head that is refused (length, location)
    Status,         // an answer other than 200
    Unavailable,    // 502, 503, 504: a proxy or server that cannot get through now
    TooLarge,
    ShortBody,  // the connection ended before the announced length
    TooManyRedirects,
    BadRedirect,
    Other,
};

// No connection now: worth another try later.
bool IsOfflineFailure(FetchFailure failure);

// The https attempt never got an answer because no secure connection could be negotiated.
// A certificate that fails verification is no such case: it may be an attacker's.
bool MayFallBackToHttp(FetchFailure failure);

const char* FetchFailureName(FetchFailure failure);

struct HttpHead {
    int status = 0;
    bool chunked = false;
    bool hasLength = false;
    std::string contentLength;
    std::string location;
};

class IHttpTransport {
public:
    virtual ~IHttpTransport() = default;
    // Sends a GET for url and reads the answer's head; follows no redirect.
    virtual FetchFailure Send(const HttpUrl& url, uint32_t timeoutMs, HttpHead& head) = 0;
    // The next part of the body as it arrives; got 0 at its end.
    virtual FetchFailure Read(char* buffer, size_t size, uint32_t timeoutMs, size_t& got) = 0;
    // Ends the request of the last Send.
    virtual void Close() = 0;
    virtual uint32_t NowMs() = 0;
};

struct FetchResult {
    FetchFailure failure = FetchFailure::None;
    std::string text;
    bool Ok() const { return failure == FetchFailure::None; }
};

// The body of address, at most maxBytes (never more than kMaxBodyBytes), within
// kFetchDeadlineMs; or the reason there is none.
FetchResult FetchText(IHttpTransport& transport, const std::string& address, size_t maxBytes);

class ITextFetcher {
public:
    virtual ~ITextFetcher() = default;
    virtual FetchResult Fetch(const std::string& address, size_t maxBytes) = 0;
};
