// The update check and the wallpaper site list of the main window: their download
// threads, their results taken on the user-interface thread, the news box, the retry
// timers, and the web pages the program opens.
#pragma once
#include <windows.h>

#include "online/OnlineMailbox.h"
#include "settings/OptionData.h"

// Opens a web page in the user's browser, maximized.
void OpenWebPage(HWND owner, const char* address);

class COnlineServices {
public:
    explicit COnlineServices(COptionData& options) : m_options(options) {}
    COnlineServices(const COnlineServices&) = delete;
    COnlineServices& operator=(const COnlineServices&) = delete;

    // Start-up: the update check when it is wanted, the site list when it is wanted and due.
    void Start(HWND owner);
    // WM_UPDATE_CHECKED: the news box, or the retry timer when there was no connection.
    void OnUpdateChecked();
    // WM_SITELIST_READY: true when the site list was replaced.
    bool OnSiteListReady();
    // The retry timers; false for any other timer.
    bool OnTimer(UINT_PTR id);

private:
    void StartUpdateCheck();
    void StartSiteListDownload();
    bool IsSiteListDue() const;
    int ShowNews(const std::string& news);

    COptionData& m_options;
    HWND m_hWnd = nullptr;
    CDownloadSlot m_update;
    CDownloadSlot m_siteList;
};
