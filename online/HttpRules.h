// What the program accepts from a web server, whatever the Internet library underneath:
// addresses, redirects, the announced length of a body, and how long each step may take.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

constexpr size_t kMaxBodyBytes = 64 * 1024;
constexpr size_t kMaxAddressLength = 2048;
constexpr int kMaxRedirects = 3;
constexpr uint32_t kStepTimeoutMs = 15000;
constexpr uint32_t kFetchDeadlineMs = 60000;

struct HttpUrl {
    bool secure = false;
    std::string host;  // lower case
    unsigned port = 0;
    std::string path;  // from the first '/', query included, fragment dropped
};

// An "http://" or "https://" address with a plain host name or IPv4 address, an optional
// port and a path of printable ASCII without blanks or quotes. No user name or password.
bool ParseHttpUrl(const std::string& address, HttpUrl& url);
std::string HttpUrlText(const HttpUrl& url);

// The same host and path over plain http on the default port.
HttpUrl PlainHttpOf(const HttpUrl& url);

bool IsRedirectStatus(int status);

// Where a redirect answer of `from` leads: an absolute http(s) address, or a path on the
// same server. Refused (false): anything else, and every step from https down to http.
bool ResolveRedirect(const HttpUrl& from, const std::string& location, HttpUrl& to);

// Content-Length: one to nineteen decimal digits, blanks around them allowed, nothing else.
bool ParseContentLength(const std::string& text, uint64_t& length);

// How long one step may block with `remainingMs` left of the whole fetch. Sending takes
// up to three waits (connect, send, answer), so it gets a third of what is left.
uint32_t SendStepTimeout(uint32_t remainingMs);
uint32_t ReadStepTimeout(uint32_t remainingMs);
