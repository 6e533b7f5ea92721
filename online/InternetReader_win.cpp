#include "online/InternetReader_win.h"

#include <wininet.h>

#include <cstring>
#include <string>

#include "base/StringUtil.h"

struct CInternetReader::Api {
    decltype(&InternetOpenA) open = nullptr;
    decltype(&InternetConnectA) connect = nullptr;
    decltype(&HttpOpenRequestA) openRequest = nullptr;
    decltype(&HttpSendRequestA) sendRequest = nullptr;
    decltype(&HttpQueryInfoA) queryInfo = nullptr;
    decltype(&InternetQueryDataAvailable) dataAvailable = nullptr;
    decltype(&InternetReadFile) readFile = nullptr;
    decltype(&InternetSetOptionA) setOption = nullptr;
    decltype(&InternetCloseHandle) closeHandle = nullptr;
};

namespace {

// By full path, so that no copy in the program's or the current folder is taken instead.
HMODULE LoadSystemLibrary(const char* name) {
    wchar_t dir[MAX_PATH];
    const UINT n = GetSystemDirectoryW(dir, MAX_PATH);
    if (n == 0 || n + std::strlen(name) + 2 > MAX_PATH) return nullptr;
    std::wstring path = std::wstring(dir, n) + L"\\";
    for (const char* c = name; *c; ++c) path.push_back(static_cast<wchar_t>(*c));  // an ASCII name
    return LoadLibraryW(path.c_str());
}

template <typename Fn>
bool Resolve(HMODULE lib, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(lib, name)));
    return fn != nullptr;
}

FetchFailure FailureOf(DWORD error) {
    switch (error) {
        case ERROR_INTERNET_NAME_NOT_RESOLVED:
            return FetchFailure::NameNotResolved;
        case ERROR_INTERNET_CANNOT_CONNECT:
            return FetchFailure::CannotConnect;
        case ERROR_INTERNET_TIMEOUT:
            return FetchFailure::Timeout;
        case ERROR_INTERNET_CONNECTION_ABORTED:
        case ERROR_INTERNET_CONNECTION_RESET:
            return FetchFailure::ConnectionLost;
        case ERROR_INTERNET_DISCONNECTED:
            return FetchFailure::Disconnected;
        case ERROR_INTERNET_SECURITY_CHANNEL_ERROR:
            return FetchFailure::SecureChannel;
        case ERROR_INTERNET_INVALID_CA:
        case ERROR_INTERNET_SEC_CERT_DATE_INVALID:
        case ERROR_INTERNET_SEC_CERT_CN_INVALID:
        case ERROR_INTERNET_SEC_CERT_ERRORS:
        case ERROR_INTERNET_SEC_CERT_NO_REV:
        case ERROR_INTERNET_SEC_CERT_REV_FAILED:
        case ERROR_INTERNET_SEC_CERT_REVOKED:
        case ERROR_INTERNET_SEC_INVALID_CERT:
        case ERROR_INTERNET_CLIENT_AUTH_CERT_NEEDED:
            return FetchFailure::Certificate;
        case ERROR_HTTP_INVALID_SERVER_RESPONSE:
        case ERROR_HTTP_INVALID_HEADER:
            return FetchFailure::BadResponse;
        default:
            return FetchFailure::Other;
    }
}

}  // namespace

class CInternetReader::Transport : public IHttpTransport {
public:
    Transport(const Api& api, HINTERNET session) : m_api(api), m_session(session) {}
    ~Transport() override { Close(); }

    FetchFailure Send(const HttpUrl& url, uint32_t timeoutMs, HttpHead& head) override {
        Close();
        SetTimeouts(m_session, timeoutMs);
        m_connect = m_api.connect(m_session, url.host.c_str(), static_cast<INTERNET_PORT>(url.port), nullptr, nullptr,
                                  INTERNET_SERVICE_HTTP, 0, 0);
        if (!m_connect) return FailureOf(GetLastError());
        const DWORD flags = INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                            INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI |
                            INTERNET_FLAG_NO_AUTH | (url.secure ? INTERNET_FLAG_SECURE : 0);
        const char* accept[] = {"text/plain", "*/*", nullptr};
        m_request = m_api.openRequest(m_connect, "GET", url.path.c_str(), nullptr, nullptr, accept, flags, 0);
        if (!m_request) return FailureOf(GetLastError());
        SetTimeouts(m_request, timeoutMs);
        static const char kHeaders[] = "Cache-Control: no-cache\r\n";
        if (!m_api.sendRequest(m_request, kHeaders, sizeof kHeaders - 1, nullptr, 0)) return FailureOf(GetLastError());
        return ReadHead(head);
    }

    FetchFailure Read(char* buffer, size_t size, uint32_t timeoutMs, size_t& got) override {
        got = 0;
        if (!m_request) return FetchFailure::Other;
        SetOption(m_request, INTERNET_OPTION_RECEIVE_TIMEOUT, timeoutMs);
        // A read waits until the whole buffer is filled; asking first what has arrived keeps
        // every wait within one timeout, so a server that drips meets the deadline.
        DWORD available = 0;
        if (!m_api.dataAvailable(m_request, &available, 0, 0)) return FailureOf(GetLastError());
        if (available == 0) return FetchFailure::None;
        DWORD n = 0;
        const DWORD want = available < size ? available : static_cast<DWORD>(size);
        if (!m_api.readFile(m_request, buffer, want, &n)) return FailureOf(GetLastError());
        got = n;
        return FetchFailure::None;
    }

    void Close() override {
        if (m_request) m_api.closeHandle(m_request);
        if (m_connect) m_api.closeHandle(m_connect);
        m_request = m_connect = nullptr;
    }

    uint32_t NowMs() override { return GetTickCount(); }

private:
    void SetOption(HINTERNET handle, DWORD option, DWORD value) {
        m_api.setOption(handle, option, &value, sizeof value);
    }

    void SetTimeouts(HINTERNET handle, uint32_t ms) {
        SetOption(handle, INTERNET_OPTION_CONNECT_TIMEOUT, ms);
        SetOption(handle, INTERNET_OPTION_CONNECT_RETRIES, 1);
        SetOption(handle, INTERNET_OPTION_SEND_TIMEOUT, ms);
        SetOption(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, ms);
    }

    enum class Header { Absent, Present, TooLong };

    // Header number `index` of its name, as text of at most `limit` bytes.
    Header QueryText(DWORD info, DWORD index, size_t limit, std::string& text) {
        std::string buf(limit + 1, '\0');
        DWORD size = static_cast<DWORD>(buf.size());
        if (!m_api.queryInfo(m_request, info, &buf[0], &size, &index)) {
            return GetLastError() == ERROR_INSUFFICIENT_BUFFER ? Header::TooLong : Header::Absent;
        }
        if (size > limit) return Header::TooLong;
        text.assign(buf.data(), size);
        return Header::Present;
    }

    FetchFailure ReadHead(HttpHead& head) {
        DWORD status = 0, size = sizeof status;
        if (!m_api.queryInfo(m_request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
            return FetchFailure::BadResponse;
        head.status = static_cast<int>(status);
        switch (QueryText(HTTP_QUERY_CONTENT_LENGTH, 0, 64, head.contentLength)) {
            case Header::TooLong:
                return FetchFailure::BadResponse;
            case Header::Present:
                head.hasLength = true;
                break;
            case Header::Absent:
                break;
        }
        // Two lengths that differ leave the end of the body open to a guess.
        std::string second;
        Header again = QueryText(HTTP_QUERY_CONTENT_LENGTH, 1, 64, second);
        if (again == Header::TooLong ||
            (again == Header::Present && TrimBlanks(second) != TrimBlanks(head.contentLength)))
            return FetchFailure::BadResponse;
        std::string encoding;
        if (QueryText(HTTP_QUERY_TRANSFER_ENCODING, 0, 256, encoding) != Header::Absent)
            head.chunked = AsciiLower(encoding).find("chunked") != std::string::npos;
        // A location too long to follow is refused by the redirect rule as an empty one.
        if (QueryText(HTTP_QUERY_LOCATION, 0, kMaxAddressLength, head.location) != Header::Present)
            head.location.clear();
        return FetchFailure::None;
    }

    const Api& m_api;
    HINTERNET m_session;
    HINTERNET m_connect = nullptr;
    HINTERNET m_request = nullptr;
};

CInternetReader::CInternetReader() : m_api(new Api) {
    m_hLibrary = LoadSystemLibrary("wininet.dll");
    if (!m_hLibrary) return;
    Api& a = *m_api;
    if (!Resolve(m_hLibrary, "InternetOpenA", a.open) || !Resolve(m_hLibrary, "InternetConnectA", a.connect) ||
        !Resolve(m_hLibrary, "HttpOpenRequestA", a.openRequest) ||
        !Resolve(m_hLibrary, "HttpSendRequestA", a.sendRequest) ||
        !Resolve(m_hLibrary, "HttpQueryInfoA", a.queryInfo) ||
        !Resolve(m_hLibrary, "InternetQueryDataAvailable", a.dataAvailable) ||
        !Resolve(m_hLibrary, "InternetReadFile", a.readFile) ||
        !Resolve(m_hLibrary, "InternetSetOptionA", a.setOption) ||
        !Resolve(m_hLibrary, "InternetCloseHandle", a.closeHandle)) {
        return;
    }
    // The system's own connection settings (proxy included).
    m_hSession = a.open("LooklyBrowser1.0", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
}

CInternetReader::~CInternetReader() {
    if (m_hSession) m_api->closeHandle(m_hSession);
    if (m_hLibrary) FreeLibrary(m_hLibrary);
}

FetchResult CInternetReader::Fetch(const std::string& address, size_t maxBytes) {
    if (!IsReady()) {
        FetchResult none;
        none.failure = FetchFailure::NoInternet;
        return none;
    }
    Transport transport(*m_api, m_hSession);
    return FetchText(transport, address, maxBytes);
}
