// Fetches small text files through the system's Internet library, loaded at run time
// from the system folder (the program imports no network library). Made, used and
// destroyed on one download thread.
#pragma once
#include <windows.h>

#include <memory>

#include "online/TextFetch.h"

class CInternetReader : public ITextFetcher {
public:
    CInternetReader();
    ~CInternetReader() override;
    CInternetReader(const CInternetReader&) = delete;
    CInternetReader& operator=(const CInternetReader&) = delete;

    // The library and a session are there.
    bool IsReady() const { return m_hSession != nullptr; }

    // Over https, with one try over http only when no secure connection could be made;
    // never from the cache, without cookies, authentication or any dialog.
    FetchResult Fetch(const std::string& address, size_t maxBytes) override;

    struct Api;

private:
    class Transport;

    HMODULE m_hLibrary = nullptr;
    std::unique_ptr<Api> m_api;
    void* m_hSession = nullptr;
};
