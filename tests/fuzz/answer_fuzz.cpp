// Any conversation with a server, and any text it sends as version, news or address:
// never a crash, never more than the cap, never plain http once https has answered,
// every wait bounded, and news that the message box can show.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "online/TextFetch.h"
#include "online/UpdateCheck.h"

namespace {

class FuzzTransport : public IHttpTransport {
public:
    explicit FuzzTransport(FuzzedDataProvider& d) : m_d(d) {}

    FetchFailure Send(const HttpUrl& url, uint32_t timeoutMs, HttpHead& head) override {
        if (m_open || timeoutMs < 1000 || timeoutMs > kStepTimeoutMs) __builtin_trap();
        if (!url.secure && m_httpsAnswered) __builtin_trap();
        Pass();
        if (m_d.ConsumeBool()) return static_cast<FetchFailure>(m_d.ConsumeIntegralInRange<int>(1, 16));
        if (url.secure) m_httpsAnswered = true;
        const int statuses[] = {200, 200, 301, 302, 303, 307, 308, 404, 503};
        head.status = m_d.ConsumeBool() ? m_d.PickValueInArray(statuses) : m_d.ConsumeIntegral<int>();
        head.chunked = m_d.ConsumeBool();
        head.hasLength = m_d.ConsumeBool();
        head.contentLength = m_d.ConsumeRandomLengthString(24);
        head.location = m_d.ConsumeRandomLengthString(80);
        m_open = true;
        return FetchFailure::None;
    }

    FetchFailure Read(char* buffer, size_t size, uint32_t timeoutMs, size_t& got) override {
        got = 0;
        if (!m_open || size == 0 || size > 4096 || timeoutMs < 1000 || timeoutMs > kStepTimeoutMs) __builtin_trap();
        Pass();
        if (m_d.ConsumeIntegralInRange<int>(0, 15) == 0) return FetchFailure::ConnectionLost;
        // Long bodies cheaply: a repeated byte, or what the input gives.
        std::string part;
        if (m_d.ConsumeBool()) {
            part.assign(m_d.ConsumeIntegralInRange<size_t>(0, size), m_d.ConsumeIntegral<char>());
        } else {
            part = m_d.ConsumeRandomLengthString(size);
        }
        std::memcpy(buffer, part.data(), part.size());
        got = part.size();
        return FetchFailure::None;
    }

    void Close() override { m_open = false; }
    uint32_t NowMs() override { return m_now; }
    bool IsOpen() const { return m_open; }

private:
    void Pass() { m_now += m_d.ConsumeIntegralInRange<uint32_t>(0, 20000); }

    FuzzedDataProvider& m_d;
    uint32_t m_now = 0xFFFF0000u;
    bool m_open = false;
    bool m_httpsAnswered = false;
};

void CheckNews(const std::string& text) {
    const std::string news = NewsBoxText(text);
    if (news.size() > kNewsTextMax + 3) __builtin_trap();
    if (std::count(news.begin(), news.end(), '\n') >= kNewsLinesMax) __builtin_trap();
    for (char c : news) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7F) __builtin_trap();
    }
    if (IsValidUtf8(text) && !IsValidUtf8(news)) __builtin_trap();
}

void CheckAddress(const std::string& text) {
    HttpUrl url, again, to;
    if (ParseHttpUrl(text, url)) {
        if (!ParseHttpUrl(HttpUrlText(url), again) || HttpUrlText(again) != HttpUrlText(url)) __builtin_trap();
    }
    HttpUrl secure;
    ParseHttpUrl("https://download.velum-project.org/vm/version.txt", secure);
    if (ResolveRedirect(secure, text, to) && !to.secure) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider d(data, size);
    const std::string text = d.ConsumeRandomLengthString(4096);
    uint32_t version = 0;
    ParseVersionText(text, version);
    CheckNews(text);
    CheckAddress(text);

    const size_t cap = d.ConsumeIntegralInRange<size_t>(0, 2 * kMaxBodyBytes);
    FuzzTransport transport(d);
    FetchResult r = FetchText(transport, "https://download.velum-project.org/vm/version.txt", cap);
    if (transport.IsOpen()) __builtin_trap();
    if (r.text.size() > std::min(cap, kMaxBodyBytes)) __builtin_trap();
    if (!r.Ok() && !r.text.empty()) __builtin_trap();
    return 0;
}
