// The Thumbnails view on a 1280 x 1024 screen, in the configuration window's own template:
//   thumbnails_bench fill LIST.txt        the time from the switch to Thumbnails until every
//                                         row has its thumbnail, scrolling page by page, and
//                                         the longest answer to a message meanwhile
//   thumbnails_bench scroll LIST.txt N    N rows (the files of the list over and over),
//                                         scrolled from top to bottom: the most thumbnails
//                                         alive at once, memory, rows left without one
// LIST.txt: one Windows path a line.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "res/ConfigIds.h"
#include "bench/BenchHost.h"
#include "res/VelumIds.h"
#include "base/Sync.h"
#include "framework/Dialog.h"
#include "imageinfo/ImageInfo.h"
#include "ui/ConfigWindow.h"
#include "ui/ImageListCommands.h"
#include "ui/ThumbnailView.h"

namespace {

using Host = BenchHost;

class Window : public CDialog {
public:
    Window(Host& host, CLanguageManager& language)
        : CDialog(IDD_VL_DIALOG),
          config(host, language),
          commands(host, language),
          thumbs(host, commands.List(), language) {
        ChainMessageMap(&config);
        ChainMessageMap(&commands);
        ChainMessageMap(&thumbs);
    }
    CConfigWindow config;
    CImageListCommands commands;
    CThumbnailView thumbs;
    bool ok = false;

protected:
    BOOL OnInitDialog() override {
        ok = config.Attach(m_hWnd) && commands.Attach(m_hWnd) && thumbs.Attach(m_hWnd);
        config.ApplyLanguage();
        thumbs.ShowStoredMode();
        return TRUE;
    }
    void OnDestroy() override {
        thumbs.Stop();
        config.Destroy();
    }
};

double NowMs() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

void Pump(DWORD waitMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, waitMs, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Rows on screen still without a thumbnail.
int UnmadeOnScreen(CFileList& list) {
    int unmade = 0;
    const int n = list.RowCount();
    for (int i = 0; i < n; ++i) {
        const CImageRow* record = list.RecordAt(i);
        if (record && record->m_nState == CImageRow::kNoThumbnail && list.IsRowVisible(i)) ++unmade;
    }
    return unmade;
}

// Until the jobs of what is on screen are done.
void SettleJobs(HWND hwnd) {
    for (;;) {
        Pump(5);
        if (SendMessageA(hwnd, WM_THUMBNAIL_COUNT, 2, 0) == 0) {
            RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            if (SendMessageA(hwnd, WM_THUMBNAIL_COUNT, 2, 0) == 0) return;
        }
    }
}

// Scrolls a page; false at the bottom.
bool NextPage(HWND list) {
    SCROLLINFO si = {sizeof si, SIF_ALL};
    if (!GetScrollInfo(list, SB_VERT, &si) || si.nPos + static_cast<int>(si.nPage) > si.nMax) return false;
    RECT rc;
    GetClientRect(list, &rc);
    SendMessageA(list, LVM_SCROLL, 0, rc.bottom);
    return true;
}

// The longest round trip of a message to the window, asked every 5 ms from another thread.
// A probe that overlaps the benchmark's own checks on the window's thread does not count.
struct LatencyProbe {
    HWND hwnd;
    std::atomic<bool> stop{false};
    std::atomic<long> worstUs{0}, worstAfterSwitchUs{0}, probes{0};
    std::atomic<bool> switched{false};
    std::atomic<int> ownWork{0};  // odd while the benchmark itself works on the window's thread
    Event ended{true, false};
    void Run() {
        while (!stop) {
            const int before = ownWork;
            const bool after = switched;
            const double t = NowMs();
            DWORD_PTR answer = 0;
            SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
            const long us = static_cast<long>((NowMs() - t) * 1000);
            if (before % 2 == 0 && ownWork == before) {
                if (us > worstUs) worstUs = us;
                if (after && us > worstAfterSwitchUs) worstAfterSwitchUs = us;
                ++probes;
            }
            Sleep(5);
        }
        ended.Set();
    }
};

double MemoryMb(SIZE_T bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: thumbnails_bench fill|scroll LIST.txt [ROWS]\n");
        return 2;
    }
    const bool scroll = !strcmp(argv[1], "scroll");
    std::vector<std::string> paths;
    std::ifstream in(argv[2]);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) paths.push_back(line);
    }
    if (paths.empty()) return 2;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    CLanguageManager language;
    Host host;
    host.options.m_nListViewMode = 0;
    Window window(host, language);
    if (!window.Create() || !window.ok) return 1;
    HWND hwnd = window.GetSafeHwnd();
    HWND list = GetDlgItem(hwnd, IDC_IMAGE_LIST);
    // The whole screen, as a maximized configuration window.
    SetWindowPos(hwnd, HWND_TOP, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 0);
    ShowWindow(hwnd, SW_SHOW);
    CFileList& rows = window.commands.List();
    if (scroll) {
        const int n = argc > 3 ? atoi(argv[3]) : 20000;
        std::vector<CImageItem> images;
        for (int i = 0; i < n; ++i) images.emplace_back(paths[static_cast<size_t>(i) % paths.size()], false, false);
        window.commands.FillRows(images);
    } else {
        window.commands.AddFiles(paths);
    }
    for (int i = 0; i < 20; ++i) Pump(5);

    LatencyProbe probe;
    probe.hwnd = hwnd;
    StartDetachedThread([&probe] { probe.Run(); });
    const double t0 = NowMs();
    SendMessageA(hwnd, WM_COMMAND, ID_THUMBNAILS_VIEW, 0);
    const double switched = NowMs() - t0;
    probe.switched = true;
    size_t mostLive = 0;
    SIZE_T mostWorkingSet = 0, mostPrivate = 0;
    int pages = 1, unmade = 0;
    for (;;) {
        SettleJobs(hwnd);
        ++probe.ownWork;
        unmade += UnmadeOnScreen(rows);
        const size_t live = window.thumbs.LiveCount();
        if (live > mostLive) mostLive = live;
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                                 sizeof memory)) {
            if (memory.WorkingSetSize > mostWorkingSet) mostWorkingSet = memory.WorkingSetSize;
            // Wine leaves PrivateUsage 0; the page-file figure is the same committed memory.
            const SIZE_T committed = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
            if (committed > mostPrivate) mostPrivate = committed;
        }
        ++probe.ownWork;
        if (!scroll && live >= static_cast<size_t>(rows.RowCount())) break;
        if (!NextPage(list)) break;
        ++pages;
    }
    const double elapsed = NowMs() - t0;
    probe.stop = true;
    probe.ended.Wait(10000);
    printf("rows %d, pages %d, live thumbnails %zu (most %zu, bound %zu), box %dx%d\n", rows.RowCount(), pages,
           window.thumbs.LiveCount(), mostLive, window.thumbs.LiveBound(), window.thumbs.Box().width,
           window.thumbs.Box().height);
    printf("time %.0f ms (the switch of view itself %.0f ms)\n", elapsed, switched);
    printf("latency worst %.1f ms, after the switch %.1f ms, over %ld probes\n", probe.worstUs / 1000.0,
           probe.worstAfterSwitchUs / 1000.0, probe.probes.load());
    printf("memory most: working set %.0f MB, committed %.0f MB\n", MemoryMb(mostWorkingSet), MemoryMb(mostPrivate));
    printf("rows on screen left without a thumbnail: %d\n", unmade);
    window.DestroyWindow();
    return 0;
}
