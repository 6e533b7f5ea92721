// The Thumbnails view in process, in the configuration window's own template, with the
// real plug-in: the cell size, rows reaching their thumbnails (or their icon), and the
// rows or the whole window going while the workers are inside the plug-in.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "res/ConfigIds.h"
#include "res/VelumIds.h"
#include "framework/Dialog.h"
#include "imageinfo/ImageInfo.h"
#include "tests/support/Pictures.h"
#include "tests/support_win/ProcessCounts.h"
#include "tests/support_win/TempFolder.h"
#include "ui/ConfigWindow.h"
#include "ui/ImageListCommands.h"
#include "ui/ThumbnailView.h"

namespace {

struct Host : IConfigWindowHost, IImageListHost {
    COptionData options;
    int modified = 0;
    CImageInfoReaders readers;
    COptionData& Options() override { return options; }
    void SetModified() override { ++modified; }
    void ResetDisplayList() override {}
    void GetImageInfo(const std::string& path, int32_t& width, int32_t& height, int32_t& depth) override {
        readers.GetImageInfo(path, width, height, depth);
    }
    int LangMessageBox(const char*, UINT) override { return IDOK; }
};

class ThumbDialog : public CDialog {
public:
    ThumbDialog(Host& host, CLanguageManager& language, std::shared_ptr<CPaintLibThumbnailGenerater> plugin)
        : CDialog(IDD_VL_DIALOG),
          m_host(host),
          config(host, language),
          commands(host, language),
          thumbs(host, commands.List(), language),
          m_plugin(std::move(plugin)) {
        ChainMessageMap(&config);
        ChainMessageMap(&commands);
        ChainMessageMap(&thumbs);
    }
    Host& m_host;
    CConfigWindow config;
    CImageListCommands commands;
    CThumbnailView thumbs;
    bool created = false;

protected:
    BOOL OnInitDialog() override {
        created = config.Attach(m_hWnd) && commands.Attach(m_hWnd) && thumbs.Attach(m_hWnd, m_plugin);
        config.ApplyLanguage();
        commands.FillRows(m_host.options.m_images);
        thumbs.ShowStoredMode();
        return TRUE;
    }
    void OnDestroy() override {
        thumbs.Stop();
        config.Destroy();
    }

private:
    std::shared_ptr<CPaintLibThumbnailGenerater> m_plugin;
};

void Pump(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

class ThumbnailViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        plugin = std::make_shared<CPaintLibThumbnailGenerater>();
        ASSERT_TRUE(plugin->Load());
        folder = TempFolder("velum-thumbs");
        // Pictures big enough that a worker is inside the plug-in for a while.
        for (int i = 0; i < 8; ++i) {
            const std::string path = folder + "\\p" + std::to_string(i) + ".bmp";
            ASSERT_TRUE(WriteFileBytes(path, BmpBytes(600, 400, 0x102030u * static_cast<uint32_t>(i + 1))));
            pictures.push_back(path);
        }
        ASSERT_TRUE(WriteFileBytes(folder + "\\notes.jpg", "This is a text file with the wrong name.\r\n"));
        host.options.m_nListViewMode = 0;
    }
    void TearDown() override {
        if (dlg) dlg->DestroyWindow();
    }
    // shown: on the screen; else painted once off screen (destroying a shown window costs
    // Wine 2 s without a window manager).
    void Open(bool shown = true) {
        dlg.reset(new ThumbDialog(host, lang, plugin));
        ASSERT_TRUE(dlg->Create());
        ASSERT_TRUE(dlg->created);
        hwnd = dlg->GetSafeHwnd();
        list = GetDlgItem(hwnd, IDC_IMAGE_LIST);
        // Room for every row's cell.
        SetWindowPos(hwnd, nullptr, 0, 0, 1000, 800, SWP_NOZORDER);
        if (!shown) {
            HDC screen = GetDC(nullptr);
            HDC dc = CreateCompatibleDC(screen);
            HBITMAP bitmap = CreateCompatibleBitmap(screen, 1000, 800);
            HGDIOBJ old = SelectObject(dc, bitmap);
            SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
            SelectObject(dc, old);
            DeleteObject(bitmap);
            DeleteDC(dc);
            ReleaseDC(nullptr, screen);
            return;
        }
        ShowWindow(hwnd, SW_SHOW);
        Pump(hwnd);
    }
    LRESULT Count(WPARAM what) { return SendMessageA(hwnd, WM_THUMBNAIL_COUNT, what, 0); }
    // Until no job waits or runs; false after 20 s.
    bool WaitForThumbnails() {
        const DWORD start = GetTickCount();
        do {
            Pump(hwnd);
            if (Count(2) == 0) return true;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        } while (GetTickCount() - start < 20000);
        return false;
    }
    DWORD ViewType() const { return static_cast<DWORD>(GetWindowLongA(list, GWL_STYLE)) & LVS_TYPEMASK; }

    Host host;
    CLanguageManager lang;
    std::shared_ptr<CPaintLibThumbnailGenerater> plugin;
    std::string folder;
    std::vector<std::string> pictures;
    std::unique_ptr<ThumbDialog> dlg;
    HWND hwnd = nullptr, list = nullptr;
};

TEST_F(ThumbnailViewTest, TheModesSwitchByStyleAndADamagedSizeUses128) {
    Open();
    EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_REPORT));
    SendMessageA(hwnd, WM_COMMAND, ID_THUMBNAILS_VIEW, 0);
    EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_ICON));
    // Taken into the option data only at the configuration window's OK; until then
    // another window's OK saves the stored mode, and Cancel shows it again.
    EXPECT_EQ(host.options.m_nListViewMode, 0);
    EXPECT_EQ(host.modified, 1);
    // Cancel reloads a damaged stored mode: shown as Details, and kept until the user picks.
    host.options.m_nListViewMode = 7;
    dlg->thumbs.ShowStoredMode();
    EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_REPORT));
    dlg->thumbs.TakeMode(host.options);
    EXPECT_EQ(host.options.m_nListViewMode, 7);
    SendMessageA(hwnd, WM_COMMAND, ID_THUMBNAILS_VIEW, 0);
    dlg->thumbs.TakeMode(host.options);
    EXPECT_EQ(host.options.m_nListViewMode, 1);
    EXPECT_EQ(host.modified, 2);
    int cx = 0, cy = 0, damagedCx = 0, damagedCy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(dlg->thumbs.CellImageList(), &cx, &cy));
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_NORMAL, 0)),
              dlg->thumbs.CellImageList());
    SendMessageA(hwnd, WM_COMMAND, ID_THUMBNAILS_VIEW, 0);
    EXPECT_EQ(host.modified, 2) << "already in Thumbnails";
    SendMessageA(hwnd, WM_COMMAND, ID_DETAILS_VIEW, 0);
    EXPECT_EQ(ViewType(), static_cast<DWORD>(LVS_REPORT));
    dlg->thumbs.TakeMode(host.options);
    EXPECT_EQ(host.options.m_nListViewMode, 0);

    // A damaged settings file: the box is 128 x 128, the stored values stay.
    host.options.m_nThumbWidth = 100000;
    host.options.m_nThumbHeight = -3;
    dlg->thumbs.OnThumbnailSizeChanged();
    SendMessageA(hwnd, WM_COMMAND, ID_THUMBNAILS_VIEW, 0);
    ASSERT_TRUE(ImageList_GetIconSize(dlg->thumbs.CellImageList(), &damagedCx, &damagedCy));
    EXPECT_EQ(damagedCx, cx);
    EXPECT_EQ(damagedCy, cy);
    EXPECT_EQ(host.options.m_nThumbWidth, 100000);
    EXPECT_EQ(host.options.m_nThumbHeight, -3);
}

TEST_F(ThumbnailViewTest, PaintedRowsGetThumbnailsOrTheirIconAndKeepThemThroughDetails) {
    host.options.m_nListViewMode = 1;
    for (const std::string& p : pictures) host.options.m_images.emplace_back(p, false, false);
    host.options.m_images.emplace_back(folder + "\\notes.jpg", false, false);
    host.options.m_images.emplace_back(folder, true, false);
    Open();
    ASSERT_TRUE(WaitForThumbnails());
    CFileList& rows = dlg->commands.List();
    ASSERT_EQ(rows.RowCount(), 10);
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(rows.IsRowVisible(i)) << "the window is too small for this test";
        EXPECT_EQ(rows.RecordAt(i)->m_nState, CImageRow::kThumbnailMade) << pictures[i];
    }
    EXPECT_EQ(rows.RecordAt(8)->m_nState, CImageRow::kNothingToMake) << "a text file named .jpg";
    EXPECT_EQ(rows.RecordAt(9)->m_nState, CImageRow::kNothingToMake) << "a folder";
    EXPECT_EQ(Count(0), 8);
    EXPECT_EQ(Count(1), 1);

    SendMessageA(hwnd, WM_COMMAND, ID_DETAILS_VIEW, 0);
    SendMessageA(hwnd, WM_COMMAND, ID_THUMBNAILS_VIEW, 0);
    Pump(hwnd);
    EXPECT_EQ(Count(0), 8) << "made once";
    EXPECT_EQ(Count(2), 0);

    // A new size: the thumbnails go and come back at it; the failed row stays failed.
    host.options.m_nThumbWidth = host.options.m_nThumbHeight = 64;
    dlg->thumbs.OnThumbnailSizeChanged();
    EXPECT_EQ(Count(0), 0);
    ASSERT_TRUE(WaitForThumbnails());
    EXPECT_EQ(Count(0), 8);
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(dlg->thumbs.CellImageList(), &cx, &cy));
    EXPECT_EQ(cx, 59);
    EXPECT_EQ(cy, 75);
    EXPECT_EQ(rows.RecordAt(8)->m_nState, CImageRow::kNothingToMake);
}

TEST_F(ThumbnailViewTest, ClearingTheRowsOrDestroyingTheWindowDuringJobsLeaksNothing) {
    host.options.m_nListViewMode = 1;
    for (const std::string& p : pictures) host.options.m_images.emplace_back(p, false, false);
    Open();
    ASSERT_TRUE(WaitForThumbnails());  // the first paints create what stays (fonts, brushes)
    dlg->commands.Clear();
    Pump(hwnd);
    const ProcessCounts before = CountProcessObjects();
    for (int round = 0; round < 50; ++round) {
        dlg->commands.FillRows(host.options.m_images);
        Pump(hwnd);  // painted: jobs are out
        dlg->commands.Clear();
        EXPECT_EQ(Count(0), 0);
    }
    ASSERT_TRUE(WaitForThumbnails());
    EXPECT_EQ(Count(0), 0) << "results for rows that went are freed";
    dlg->DestroyWindow();
    dlg.reset();
    int inFlight = 0;
    for (int round = 0; round < 50; ++round) {
        Open(false);
        inFlight += Count(2) > 0 ? 1 : 0;
        dlg->DestroyWindow();
        dlg.reset();
    }
    EXPECT_GT(inFlight, 25) << "the window went while jobs ran";
    Open();
    dlg->commands.Clear();
    Pump(hwnd);
    const ProcessCounts after = CountProcessObjects();
    // A little slack for what the system itself keeps (a handle of a cached thread).
    EXPECT_LE(after.gdiObjects, before.gdiObjects + 8);
    EXPECT_LE(after.handles, before.handles + 8);
}

}  // namespace
