// The image list view in process, in the configuration window's own template: what Wine
// cannot carry to another process (a hand-built drop, wide cell requests) and what only
// the program can see (records, the slideshow reset, the modified flag); with the real
// plug-in, the Thumbnails view's list modes.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "res/ConfigIds.h"
#include "res/VelumIds.h"
#include "base/WideName_win.h"
#include "framework/Dialog.h"
#include "imageinfo/ImageInfo.h"
#include "tests/support_win/TempFolder.h"
#include "tests/support_win/WindowTests.h"
#include "ui/ConfigWindow.h"
#include "ui/ImageListCommands.h"
#include "ui/ThumbnailView.h"

namespace {

struct Host : IConfigWindowHost, IImageListHost {
    COptionData options;
    int modified = 0;
    int resets = 0;
    CImageInfoReaders readers;
    std::atomic<DWORD> readOn{0};

    COptionData& Options() override { return options; }
    void SetModified() override { ++modified; }
    void ResetDisplayList() override { ++resets; }
    void GetImageInfo(const std::string& path, int32_t& width, int32_t& height, int32_t& depth) override {
        readOn = GetCurrentThreadId();
        readers.GetImageInfo(path, width, height, depth);
    }
    int LangMessageBox(const char*, UINT) override { return IDOK; }
};

class ListDialog : public CDialog {
public:
    ListDialog(Host& host, CLanguageManager& language, std::shared_ptr<CPaintLibThumbnailGenerater> plugin)
        : CDialog(IDD_VL_DIALOG),
          m_host(host),
          config(host, language),
          commands(host, language),
          thumbs(host, commands.List(), language),
          m_plugin(std::move(plugin)) {
        ChainMessageMap(&config);
        ChainMessageMap(&commands);
        if (m_plugin) ChainMessageMap(&thumbs);
    }
    Host& m_host;
    CConfigWindow config;
    CImageListCommands commands;
    CThumbnailView thumbs;
    bool created = false;

protected:
    BOOL OnInitDialog() override {
        created = config.Attach(m_hWnd) && commands.Attach(m_hWnd) && (!m_plugin || thumbs.Attach(m_hWnd, m_plugin));
        config.ApplyLanguage();
        config.FillControls();
        commands.FillRows(m_host.options.m_images);
        if (m_plugin) thumbs.ShowStoredMode();
        return TRUE;
    }
    void OnDestroy() override {
        if (m_plugin) thumbs.Stop();
        config.Destroy();
    }

private:
    std::shared_ptr<CPaintLibThumbnailGenerater> m_plugin;
};

CImageItem File(const std::string& path, int32_t width = 0) {
    CImageItem item(path, false, false);
    item.m_nWidth = width;
    item.m_nHeight = width ? 10 : 0;
    item.m_nDepth = width ? 24 : 0;
    return item;
}

// What Explorer hands over when files are dropped.
HDROP MakeDrop(const std::vector<std::string>& paths) {
    size_t chars = 1;
    for (const std::string& p : paths) chars += p.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    char* out = reinterpret_cast<char*>(drop + 1);
    for (const std::string& p : paths) {
        memcpy(out, p.c_str(), p.size() + 1);
        out += p.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

class FileListTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitWindowClasses();
        ASSERT_TRUE(lang.LoadLanguage(SourceLanguageFolder() + "\\vmeng.lng"));
    }
    void TearDown() override {
        if (dlg) dlg->DestroyWindow();
    }
    void Open() {
        dlg.reset(new ListDialog(host, lang, plugin));
        ASSERT_TRUE(dlg->Create());
        ASSERT_TRUE(dlg->created);
        hwnd = dlg->GetSafeHwnd();
        listHwnd = GetDlgItem(hwnd, IDC_IMAGE_LIST);
        host.modified = 0;
    }
    CFileList& List() { return dlg->commands.List(); }
    DWORD ViewType() const { return static_cast<DWORD>(GetWindowLongA(listHwnd, GWL_STYLE)) & LVS_TYPEMASK; }
    std::vector<std::string> Paths() {
        std::vector<std::string> paths;
        for (const CImageItem& item : List().RowsToImageList()) paths.push_back(item.m_strPath);
        return paths;
    }

    CLanguageManager lang;
    Host host;
    std::shared_ptr<CPaintLibThumbnailGenerater> plugin;
    std::unique_ptr<ListDialog> dlg;
    HWND hwnd = nullptr;
    HWND listHwnd = nullptr;
};

TEST_F(FileListTest, ADropAddsFoldersAndPicturesAndReadsTheirHeadersOffTheWindowsThread) {
    const std::string folder = TempFolder("velum-drop");
    const std::string album = folder + "\\album", picture = folder + "\\sea.jpg";
    CreateDirectoryA(album.c_str(), nullptr);
    // A 6 x 4 JPEG of the fuzz seeds, less the seed's reader selector byte.
    std::ifstream seed(WinPath(VELUM_SOURCE_DIR) + "\\tests\\fuzz\\corpus\\headerinfo_fuzz\\baseline.jpg",
                       std::ios::binary);
    const std::string jpeg((std::istreambuf_iterator<char>(seed)), std::istreambuf_iterator<char>());
    ASSERT_TRUE(jpeg.size() > 1 && WriteFileBytes(picture, jpeg.substr(1)));
    ASSERT_TRUE(WriteFileBytes(folder + "\\notes.txt", "text"));
    host.options.m_images = {File("C:\\z.jpg")};
    Open();
    SendMessageA(listHwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({album, folder + "\\notes.txt", picture})),
                 0);
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\z.jpg", album, picture}));
    for (int i = 0; i < 500 && dlg->commands.SizesPending(); ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
    EXPECT_EQ(List().RecordAt(2)->m_nWidth, 6);
    EXPECT_NE(host.readOn.load(), GetCurrentThreadId()) << "a header was read on the window's thread";
    EXPECT_EQ(host.resets, 1);
}

TEST_F(FileListTest, AFailedLoadKeepsTheRows) {
    const std::string junk = TempFolder("velum-load") + "\\junk.iml";
    ASSERT_TRUE(WriteFileBytes(junk, "no image list here"));
    host.options.m_images = {File("C:\\a.jpg", 5)};
    Open();
    EXPECT_FALSE(dlg->commands.LoadImageListFrom(junk));
    EXPECT_EQ(Paths(), std::vector<std::string>{"C:\\a.jpg"});
    EXPECT_EQ(host.modified, 0);
}

// Names are UTF-8; the list asks for them in UTF-16.
TEST_F(FileListTest, NamesOutsideTheCodePageShowAsTheyAre) {
    const std::string omega = "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1.bmp";
    host.options.m_images = {File("C:\\" + omega)};
    Open();
    wchar_t buf[256] = {};
    LVITEMW item{};
    item.pszText = buf;
    item.cchTextMax = 256;
    SendMessageW(listHwnd, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(NameFromWide(buf), omega);
}

TEST_F(FileListTest, EveryEntryComesBackAsItWasAndWideCellsStayInTheirBuffer) {
    host.options.m_images = {File("C:\\a.jpg", 640), File("\\x.jpg")};
    Open();
    // The list's wide request for a text of the code page ("24 bit"): cut to its buffer, never past it.
    wchar_t buffer[8];
    std::fill(buffer, buffer + 8, L'#');
    NMLVDISPINFOW info{};
    info.hdr.code = LVN_GETDISPINFOW;
    info.item.mask = LVIF_TEXT;
    info.item.iSubItem = 4;
    info.item.pszText = buffer;
    info.item.cchTextMax = 5;
    List().OnGetDispInfo(&info.hdr);
    EXPECT_EQ(std::wstring(buffer), L"24 b");
    EXPECT_EQ(buffer[5], L'#');
    // A size a thumbnail filled in is kept, but the slideshow's list stays as it is.
    std::vector<CImageItem> taken = host.options.m_images;
    List().ForEachRecord([](CImageRow& row) {
        if (row.m_nWidth < 1) row.m_nWidth = 33;
    });
    EXPECT_FALSE(dlg->commands.TakeRows(taken));
    EXPECT_EQ(taken[1].m_nWidth, 33);
}

class ThumbnailViewTest : public FileListTest {};

TEST_F(ThumbnailViewTest, TheModesSwitchByStyleAndAreTakenOnlyAtOk) {
    plugin = std::make_shared<CPaintLibThumbnailGenerater>();
    ASSERT_TRUE(plugin->Load());
    host.options.m_nListViewMode = 0;
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
}

}  // namespace
