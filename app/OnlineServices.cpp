#include "app/OnlineServices.h"

#include <shellapi.h>

#include <string>

#include "res/VelumIds.h"
#include "res/MainMessages.h"
#include "base/Clock.h"
#include "base/Trace.h"
#include "base/Unicode.h"
#include "base/WideName_win.h"
#include "online/Addresses.h"
#include "online/InternetReader_win.h"

namespace {

const UINT kUpdateRetryMs = 600000;
const UINT kSiteListRetryMs = 240000;

// The threads hold nothing of the window but its handle: a window that is gone no
// longer carries the marker, and its message is then not posted.
void PostToMainWindow(HWND hwnd, UINT msg) {
    if (IsWindow(hwnd) && GetPropA(hwnd, kMainWindowMarker)) PostMessageA(hwnd, msg, 0, 0);
}

std::wstring Widen(const std::string& text, UINT codePage) {
    int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

}  // namespace

void OpenWebPage(HWND owner, const char* address) {
    // The shell's result is not examined: a browser that fails reports it itself.
    ShellOpen(owner, AnsiToName(address), SW_SHOWMAXIMIZED);
}

void COnlineServices::Start(HWND owner) {
    m_hWnd = owner;
    if (m_options.m_bCheckUpdate && m_update.Begin()) StartUpdateCheck();
    if (IsSiteListDue() && m_siteList.Begin()) StartSiteListDownload();
}

bool COnlineServices::IsSiteListDue() const {
    return m_options.m_bRefreshSites && m_options.IsSiteListRefreshDue(SystemClock().LocalDayOfMonth());
}

void COnlineServices::StartUpdateCheck() {
    const HWND owner = m_hWnd;
    const bool started = StartDetachedThread([owner] {
        UpdateCheckOutcome outcome;
        {
            CInternetReader reader;
            outcome = RunUpdateCheck(reader, kVelumVersion);
        }
        OnlineMailbox().PutUpdate(outcome);
        PostToMainWindow(owner, WM_UPDATE_CHECKED);
    });
    if (!started) m_update.Abandon();
}

void COnlineServices::StartSiteListDownload() {
    const HWND owner = m_hWnd;
    const bool started = StartDetachedThread([owner] {
        SiteListOutcome outcome;
        {
            CInternetReader reader;
            outcome = RunSiteListDownload(reader);
        }
        OnlineMailbox().PutSiteList(outcome);
        PostToMainWindow(owner, WM_SITELIST_READY);
    });
    if (!started) m_siteList.Abandon();
}

void COnlineServices::OnUpdateChecked() {
    UpdateCheckOutcome outcome;
    if (!OnlineMailbox().TakeUpdate(outcome)) return;
    const bool offline = outcome.kind == UpdateCheckOutcome::Offline;
    if (!m_update.Finish(offline)) return;
    if (offline) {
        SetTimer(m_hWnd, TIMER_UPDATE_RETRY, kUpdateRetryMs, nullptr);
    } else if (outcome.kind == UpdateCheckOutcome::NewVersion && ShowNews(outcome.news) == IDYES) {
        OpenWebPage(m_hWnd, kDownloadPageAddress);
    }
}

int COnlineServices::ShowNews(const std::string& news) {
    // A text in UTF-8 is shown as such; anything else as the system's ANSI code page.
    bool ascii = true;
    for (char c : news) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (!ascii && IsValidUtf8(news)) {
        wchar_t caption[128] = {};
        LoadStringW(GetModuleHandleW(nullptr), IDS_NEW_VERSION_CAPTION, caption, 128);
        return MessageBoxW(m_hWnd, Widen(news, CP_UTF8).c_str(), caption, MB_YESNO);
    }
    char caption[128] = {};
    LoadStringA(GetModuleHandleA(nullptr), IDS_NEW_VERSION_CAPTION, caption, sizeof caption);
    return MessageBoxA(m_hWnd, news.c_str(), caption, MB_YESNO);
}

bool COnlineServices::OnSiteListReady() {
    SiteListOutcome outcome;
    if (!OnlineMailbox().TakeSiteList(outcome)) return false;
    if (!m_siteList.Finish(outcome.offline)) return false;
    if (outcome.offline) {
        SetTimer(m_hWnd, TIMER_SITELIST_RETRY, kSiteListRetryMs, nullptr);
        return false;
    }
    const std::vector<CSiteItem> before = m_options.m_sites;
    const uint8_t dayBefore = m_options.m_nSiteListDay;
    m_options.UpdateSiteList(outcome.text, SystemClock().LocalDayOfMonth());
    return m_options.m_sites != before || m_options.m_nSiteListDay != dayBefore;
}

bool COnlineServices::OnTimer(UINT_PTR id) {
    if (id == TIMER_UPDATE_RETRY) {
        // Any process can post a WM_TIMER: only an awaited retry starts a check.
        KillTimer(m_hWnd, TIMER_UPDATE_RETRY);
        if (m_update.BeginRetry()) StartUpdateCheck();
        return true;
    }
    if (id == TIMER_SITELIST_RETRY) {
        KillTimer(m_hWnd, TIMER_SITELIST_RETRY);
        if (IsSiteListDue() && m_siteList.BeginRetry()) StartSiteListDownload();
        return true;
    }
    return false;
}
