// The image list view with many rows, in the configuration window's own template, shown
// on the screen: adding the files of a list in one go (until the last size read is shown), sorting by each
// column and reversing, and filling the rows from an image list as the window opens.
//   filelist_bench LIST.txt [REPEAT]   LIST.txt: one Windows path a line
// Prints one line per step: "name ms"; the best of REPEAT runs (default 3).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "res/ConfigIds.h"
#include "bench/BenchHost.h"
#include "framework/Dialog.h"
#include "imageinfo/ImageInfo.h"
#include "ui/ConfigWindow.h"
#include "ui/ImageListCommands.h"

namespace {

using Host = BenchHost;

class Window : public CDialog {
public:
    Window(Host& host, CLanguageManager& language)
        : CDialog(IDD_VL_DIALOG), config(host, language), commands(host, language) {
        ChainMessageMap(&config);
        ChainMessageMap(&commands);
    }
    CConfigWindow config;
    CImageListCommands commands;

protected:
    BOOL OnInitDialog() override {
        config.Attach(m_hWnd);
        commands.Attach(m_hWnd);
        config.ApplyLanguage();
        config.FillControls();
        return TRUE;
    }
    void OnDestroy() override { config.Destroy(); }
};

double NowMs() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// Until the window has painted what changed.
void Settle(HWND hwnd) {
    UpdateWindow(hwnd);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

struct Best {
    std::string name;
    double ms = 1e30;
    void Take(double value) {
        if (value < ms) ms = value;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: filelist_bench LIST.txt [REPEAT]\n");
        return 2;
    }
    std::vector<std::string> paths;
    std::ifstream in(argv[1]);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) paths.push_back(line);
    }
    const int repeat = argc > 2 ? atoi(argv[2]) : 3;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    CLanguageManager language;
    Host host;
    Window window(host, language);
    if (!window.Create()) return 1;
    HWND hwnd = window.GetSafeHwnd();
    ShowWindow(hwnd, SW_SHOW);
    Settle(hwnd);
    CFileList& list = window.commands.List();

    std::vector<Best> steps = {{"add"}, {"fill"}};
    for (int c = 0; c < kListColumnCount; ++c) {
        steps.push_back({"sort" + std::to_string(c)});
        steps.push_back({"reverse" + std::to_string(c)});
    }
    std::vector<CImageItem> images;
    for (int r = 0; r < repeat; ++r) {
        list.DeleteAllRows();
        Settle(hwnd);
        double t = NowMs();
        window.commands.AddFiles(paths);
        // Until the last size is shown: the header thread reads them after the rows came.
        while (window.commands.SizesPending()) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            Settle(hwnd);
        }
        Settle(hwnd);
        steps[0].Take(NowMs() - t);
        images = list.RowsToImageList();
        t = NowMs();
        window.commands.FillRows(images);
        Settle(hwnd);
        steps[1].Take(NowMs() - t);
        for (int c = 0; c < kListColumnCount; ++c) {
            list.ClearSort();
            for (int k = 0; k < 2; ++k) {
                t = NowMs();
                list.OnColumnClick(c);
                Settle(hwnd);
                steps[2 + 2 * c + k].Take(NowMs() - t);
            }
        }
    }
    int known = 0;
    for (const CImageItem& item : images) known += item.m_nWidth > 0;
    printf("rows %d (%d with a size)\n", list.RowCount(), known);
    for (const Best& step : steps) printf("%s %.1f\n", step.name.c_str(), step.ms);
    window.DestroyWindow();
    return 0;
}
