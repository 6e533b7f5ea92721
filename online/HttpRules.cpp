#include "online/HttpRules.h"

#include "base/StringUtil.h"

namespace {

bool IsHostChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// Printable ASCII without blanks, quotes, backslashes or angle brackets: nothing that a
// request line, a header or a shell could read in another way.
bool IsPathChar(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u >= 0x7F) return false;
    return c != '"' && c != '\'' && c != '\\' && c != '<' && c != '>' && c != '`';
}

bool ParsePort(const std::string& text, unsigned& port) {
    if (text.empty() || text.size() > 5) return false;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value == 0 || value > 65535) return false;
    port = value;
    return true;
}

bool ParsePath(const std::string& text, std::string& path) {
    std::string p = text.substr(0, text.find('#'));
    if (p.empty()) p = "/";
    if (p[0] != '/') return false;
    for (char c : p) {
        if (!IsPathChar(c)) return false;
    }
    path = p;
    return true;
}

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    const std::string p(prefix);
    return text.size() >= p.size() && AsciiLower(text.substr(0, p.size())) == p;
}

}  // namespace

bool ParseHttpUrl(const std::string& address, HttpUrl& url) {
    if (address.size() > kMaxAddressLength) return false;
    HttpUrl out;
    size_t rest;
    if (StartsWithNoCase(address, "https://")) {
        out.secure = true;
        rest = 8;
    } else if (StartsWithNoCase(address, "http://")) {
        rest = 7;
    } else {
        return false;
    }
    size_t end = address.find_first_of("/?#", rest);
    if (end == std::string::npos) end = address.size();
    std::string authority = AsciiLower(address.substr(rest, end - rest));
    std::string tail = address.substr(end);
    if (!tail.empty() && tail[0] == '?') tail = "/" + tail;
    size_t colon = authority.find(':');
    std::string host = authority.substr(0, colon);
    out.port = out.secure ? 443 : 80;
    if (colon != std::string::npos && !ParsePort(authority.substr(colon + 1), out.port)) return false;
    if (host.empty() || host.size() > 253 || host[0] == '.' || host[0] == '-') return false;
    for (char c : host) {
        if (!IsHostChar(c)) return false;
    }
    if (!ParsePath(tail, out.path)) return false;
    out.host = host;
    url = out;
    return true;
}

std::string HttpUrlText(const HttpUrl& url) {
    std::string text = url.secure ? "https://" : "http://";
    text += url.host;
    if (url.port != (url.secure ? 443u : 80u)) text += ":" + std::to_string(url.port);
    return text + url.path;
}

HttpUrl PlainHttpOf(const HttpUrl& url) {
    HttpUrl plain = url;
    plain.secure = false;
    plain.port = 80;
    return plain;
}

bool IsRedirectStatus(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool ResolveRedirect(const HttpUrl& from, const std::string& location, HttpUrl& to) {
    const std::string where = TrimBlanks(location);
    if (where.empty() || where.size() > kMaxAddressLength) return false;
    HttpUrl next;
    if (where.compare(0, 2, "//") == 0) {
        if (!ParseHttpUrl((from.secure ? "https:" : "http:") + where, next)) return false;
    } else if (where[0] == '/') {
        next = from;
        if (!ParsePath(where, next.path)) return false;
    } else if (!ParseHttpUrl(where, next)) {
        return false;
    }
    if (from.secure && !next.secure) return false;
    to = next;
    return true;
}

bool ParseContentLength(const std::string& text, uint64_t& length) {
    const std::string digits = TrimBlanks(text);
    if (digits.empty() || digits.size() > 19) return false;
    uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    length = value;
    return true;
}

namespace {
uint32_t Clamp(uint32_t ms) {
    if (ms < 1000) return 1000;
    return ms > kStepTimeoutMs ? kStepTimeoutMs : ms;
}
}  // namespace

uint32_t SendStepTimeout(uint32_t remainingMs) {
    return Clamp(remainingMs / 3);
}
uint32_t ReadStepTimeout(uint32_t remainingMs) {
    return Clamp(remainingMs);
}
