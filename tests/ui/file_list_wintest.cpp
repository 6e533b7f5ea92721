// The image list view in process, in the configuration window's own template: what Wine
// cannot carry to another process (header clicks, a hand-built drop, double clicks) and
// what only the program can see (records, the slideshow reset, the modified flag).
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "res/ConfigIds.h"
#include "base/WideName_win.h"
#include "framework/Dialog.h"
#include "imageinfo/ImageInfo.h"
#include "tests/support_win/TempFolder.h"
#include "tests/support_win/WindowTests.h"
#include "ui/ConfigWindow.h"
#include "ui/ImageListCommands.h"

namespace {

const std::string kSourceDir = WinPath(VELUM_SOURCE_DIR);

struct Host : IConfigWindowHost, IImageListHost {
    COptionData options;
    int modified = 0;
    int resets = 0;
    std::vector<std::string> messages;
    CImageInfoReaders readers;
    std::atomic<DWORD> readOn{0};

    COptionData& Options() override { return options; }
    void SetModified() override { ++modified; }
    void ResetDisplayList() override { ++resets; }
    void GetImageInfo(const std::string& path, int32_t& width, int32_t& height, int32_t& depth) override {
        readOn = GetCurrentThreadId();
        readers.GetImageInfo(path, width, height, depth);
    }
    int LangMessageBox(const char* key, UINT) override {
        messages.push_back(key);
        return IDOK;
    }
};

class ListDialog : public CDialog {
public:
    ListDialog(Host& host, CLanguageManager& language)
        : CDialog(IDD_VL_DIALOG), m_host(host), config(host, language), commands(host, language) {
        ChainMessageMap(&config);
        ChainMessageMap(&commands);
    }
    Host& m_host;
    CConfigWindow config;
    CImageListCommands commands;
    bool created = false;

protected:
    BOOL OnInitDialog() override {
        created = config.Attach(m_hWnd) && commands.Attach(m_hWnd);
        config.ApplyLanguage();
        config.FillControls();
        commands.FillRows(m_host.options.m_images);
        return TRUE;
    }
    void OnDestroy() override { config.Destroy(); }
};

void WriteBytes(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(WriteFileBytes(path, bytes)) << path;
}

// A 6 x 4 JPEG of the fuzz seeds, less the seed's reader selector byte.
void CopyJpeg(const std::string& to) {
    std::ifstream seed(kSourceDir + "\\tests\\fuzz\\corpus\\headerinfo_fuzz\\baseline.jpg", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(seed)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 1u);
    WriteBytes(to, bytes.substr(1));
}

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
        const std::string folder = SourceLanguageFolder();
        ASSERT_TRUE(lang.EnumLanguages(folder, "vm*.lng"));
        ASSERT_TRUE(lang.LoadLanguage(folder + "\\vmeng.lng"));
    }
    void TearDown() override {
        if (dlg) dlg->DestroyWindow();
    }
    void Open() {
        dlg.reset(new ListDialog(host, lang));
        ASSERT_TRUE(dlg->Create());
        ASSERT_TRUE(dlg->created);
        hwnd = dlg->GetSafeHwnd();
        listHwnd = GetDlgItem(hwnd, IDC_IMAGE_LIST);
        host.modified = 0;
        host.resets = 0;
    }
    CFileList& List() { return dlg->commands.List(); }
    // The sizes come from the header thread: shown when the window is told.
    void WaitForSizes() {
        for (int i = 0; i < 500 && dlg->commands.SizesPending(); ++i) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            if (dlg->commands.SizesPending()) Sleep(10);
        }
        EXPECT_NE(host.readOn.load(), GetCurrentThreadId()) << "a header was read on the window's thread";
    }
    std::string Cell(int row, int column) {
        char buf[1024] = {};
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buf;
        item.cchTextMax = sizeof buf;
        SendMessageA(listHwnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return buf;
    }
    std::string Names() {
        std::string s;
        for (int i = 0; i < List().RowCount(); ++i) s += (i ? " " : "") + Cell(i, 0);
        return s;
    }
    void Select(const std::vector<int>& rows) {
        LVITEMA none{};
        none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(listHwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
        for (int row : rows) {
            LVITEMA item{};
            item.state = item.stateMask = LVIS_SELECTED;
            SendMessageA(listHwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        }
    }
    // A press and release of the mouse on a column's header item, as a user clicks it.
    void ClickHeader(int column) {
        HWND header = reinterpret_cast<HWND>(SendMessageA(listHwnd, LVM_GETHEADER, 0, 0));
        RECT rc{};
        ASSERT_TRUE(SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&rc)));
        const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(header, WM_LBUTTONUP, 0, at);
    }
    void Notify(UINT code) {
        NMITEMACTIVATE note{};
        note.hdr = {listHwnd, IDC_IMAGE_LIST, code};
        note.iItem = -1;
        SendMessageA(hwnd, WM_NOTIFY, IDC_IMAGE_LIST, reinterpret_cast<LPARAM>(&note));
    }

    CLanguageManager lang;
    Host host;
    std::unique_ptr<ListDialog> dlg;
    HWND hwnd = nullptr;
    HWND listHwnd = nullptr;
};

TEST_F(FileListTest, HeaderClicksSortThenReverseAndAnAdditionMakesTheNextClickSortAgain) {
    const std::string added = TempFolder("velum-sort") + "\\added.jpg";
    CopyJpeg(added);
    host.options.m_images = {File("C:\\a.jpg", 30), File("C:\\b.jpg", 10), File("C:\\c.jpg", 20)};
    Open();
    ClickHeader(2);
    EXPECT_EQ(Names(), "b.jpg c.jpg a.jpg");
    ClickHeader(2);
    EXPECT_EQ(Names(), "a.jpg c.jpg b.jpg");
    EXPECT_EQ(host.modified, 2);
    // The 6-pixel-wide picture goes at the end, so the next click sorts it in.
    dlg->commands.AddFiles({added});
    WaitForSizes();
    EXPECT_EQ(Names(), "a.jpg c.jpg b.jpg added.jpg");
    EXPECT_EQ(List().Header().SortColumn(), -1);
    EXPECT_EQ(host.resets, 1);
    ClickHeader(2);
    EXPECT_EQ(Names(), "added.jpg b.jpg c.jpg a.jpg");
    DeleteFileA(added.c_str());
}

TEST_F(FileListTest, ADropAddsFoldersAndPicturesAndSkipsTheRest) {
    const std::string folder = TempFolder("velum-drop");
    const std::string album = folder + "\\album", picture = folder + "\\sea.jpg";
    CreateDirectoryA(album.c_str(), nullptr);
    CopyJpeg(picture);
    WriteBytes(folder + "\\notes.txt", "text");
    WriteBytes(folder + "\\scan.tif", "II*");
    host.options.m_images = {File("C:\\z.jpg")};
    Open();
    ClickHeader(0);
    host.modified = 0;
    SendMessageA(listHwnd, WM_DROPFILES,
                 reinterpret_cast<WPARAM>(
                     MakeDrop({album, folder + "\\notes.txt", picture, folder + "\\scan.tif", folder + "\\gone.jpg"})),
                 0);
    ASSERT_EQ(List().RowCount(), 3);
    WaitForSizes();
    EXPECT_EQ(Names(), "z.jpg album sea.jpg");
    EXPECT_EQ(Cell(2, 2) + " " + Cell(2, 3) + " " + Cell(2, 4), "6 4 24 bit");
    EXPECT_EQ(List().SortColumn(), -1);
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(host.resets, 1);

    // Nothing usable dropped: no edit.
    SendMessageA(listHwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({folder + "\\notes.txt"})), 0);
    EXPECT_EQ(List().RowCount(), 3);
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(host.resets, 1);
    for (const char* name : {"\\notes.txt", "\\scan.tif", "\\sea.jpg"}) DeleteFileA((folder + name).c_str());
    RemoveDirectoryA(album.c_str());
}

TEST_F(FileListTest, AFailedLoadKeepsEverythingAndAGoodOneRefillsAndResetsTheSlideshow) {
    const std::string folder = TempFolder("velum-load");
    WriteBytes(folder + "\\junk.iml", "no image list here");
    WriteBytes(folder + "\\good.iml",
               "<image list>\r\n<header>\r\n<ver>1.1</ver>\r\n</header>\r\n<image>\r\n<path>C:\\x.jpg</path>\r\n"
               "</image>\r\n<image>\r\n<path>C:\\y.jpg</path>\r\n</image>\r\n</image list>");
    host.options.m_images = {File("C:\\a.jpg", 5), File("C:\\b.jpg", 7)};
    Open();
    ClickHeader(2);
    host.modified = 0;
    EXPECT_FALSE(dlg->commands.LoadImageListFrom(folder + "\\junk.iml"));
    EXPECT_FALSE(dlg->commands.LoadImageListFrom(folder + "\\missing.iml"));
    EXPECT_EQ(host.messages, (std::vector<std::string>{"0003", "0003"}));
    EXPECT_EQ(Names(), "a.jpg b.jpg");
    EXPECT_EQ(host.modified, 0);
    EXPECT_EQ(host.resets, 0);
    std::vector<CImageItem> taken = host.options.m_images;
    EXPECT_FALSE(dlg->commands.TakeRows(taken));

    EXPECT_TRUE(dlg->commands.LoadImageListFrom(folder + "\\good.iml"));
    EXPECT_EQ(Names(), "x.jpg y.jpg");
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(host.resets, 1);
    EXPECT_TRUE(dlg->commands.TakeRows(taken));
    EXPECT_EQ(taken.size(), 2u);
    DeleteFileA((folder + "\\junk.iml").c_str());
    DeleteFileA((folder + "\\good.iml").c_str());
}

TEST_F(FileListTest, ADoubleClickOpensTheTopmostSelectedRowOnlyWhenItIsAFolderOrAPicture) {
    const std::string folder = TempFolder("velum-open");
    WriteBytes(folder + "\\run.bat", "@echo off");
    CopyJpeg(folder + "\\sea.jpg");
    host.options.m_images = {File(folder + "\\run.bat"), File(folder + "\\sea.jpg"), CImageItem(folder, true, true),
                             CImageItem(folder + "\\run.bat", true, true)};
    Open();
    std::vector<std::string> opened;
    dlg->commands.SetShellOpen([&opened](const std::string& path) { opened.push_back(path); });
    for (auto rows : {std::vector<int>{2, 1}, {0}, {2}, {3}, {}}) {
        Select(rows);
        Notify(NM_DBLCLK);
    }
    EXPECT_EQ(opened, (std::vector<std::string>{folder + "\\sea.jpg", folder}));
    DeleteFileA((folder + "\\run.bat").c_str());
    DeleteFileA((folder + "\\sea.jpg").c_str());
}

TEST_F(FileListTest, MovesCarryEachRowsRecordAndIconAndClearTheSort) {
    host.options.m_images = {File("C:\\A.jpg"), File("C:\\B.gif"), File("C:\\C.jpg"), File("C:\\D.bmp")};
    Open();
    ClickHeader(0);
    host.modified = 0;
    const uint32_t d = List().RecordAt(3)->Id();
    Select({1, 3});
    dlg->commands.MoveToTop();
    EXPECT_EQ(Names(), "B.gif D.bmp A.jpg C.jpg");
    EXPECT_EQ(List().RowOf(d), 1);
    EXPECT_EQ(List().SelectedRows(), (std::vector<int>{0, 1}));
    LVITEMA icon{};
    icon.mask = LVIF_IMAGE;
    icon.iItem = 1;
    SendMessageA(listHwnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&icon));
    EXPECT_EQ(icon.iImage, List().RecordById(d)->m_nIcon);
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(List().SortColumn(), -1);
    // None selected says so.
    Select({});
    dlg->commands.MoveUp();
    EXPECT_EQ(host.messages, (std::vector<std::string>{"0001"}));
    EXPECT_EQ(host.modified, 1);
}

TEST_F(FileListTest, TheListsKeysRemoveSelectAndInvert) {
    host.options.m_images = {File("C:\\A.jpg"), File("C:\\Apple.jpg"), File("C:\\B.jpg"), File("C:\\C.jpg")};
    Open();
    auto key = [this](WORD vk, std::initializer_list<int> held) {
        BYTE keys[256] = {};
        for (int k : held) keys[k] = 0x80;
        SetKeyboardState(keys);
        NMLVKEYDOWN note{};
        note.hdr = {listHwnd, IDC_IMAGE_LIST, static_cast<UINT>(LVN_KEYDOWN)};
        note.wVKey = vk;
        SendMessageA(hwnd, WM_NOTIFY, IDC_IMAGE_LIST, reinterpret_cast<LPARAM>(&note));
        SetKeyboardState(std::vector<BYTE>(256, 0).data());
    };
    key('A', {VK_CONTROL});
    EXPECT_EQ(List().SelectedCount(), 4);
    key('A', {VK_SHIFT});
    EXPECT_EQ(List().SelectedCount(), 0);
    // The letter that follows Shift+A must not select "A.jpg" by the list's own search.
    SendMessageA(listHwnd, WM_CHAR, 'A', 1);
    EXPECT_EQ(List().SelectedCount(), 0);
    Select({0, 2});
    key('Q', {VK_CONTROL});
    EXPECT_EQ(List().SelectedRows(), (std::vector<int>{1, 3}));
    key(VK_DELETE, {});
    EXPECT_EQ(Names(), "A.jpg B.jpg");
    EXPECT_EQ(List().RecordCount(), 2u);
    EXPECT_EQ(host.modified, 1);
    EXPECT_EQ(host.resets, 1);
}

// Names are UTF-8; the list asks for them in UTF-16 and sorts them by code point.
TEST_F(FileListTest, NamesOutsideTheCodePageShowAsTheyAreAndSortByCodePoint) {
    const std::string omega = "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1.bmp", zurich = "Z\xC3\xBCrich.jpg";
    host.options.m_images = {File("C:\\\xE6\x97\xA5\\" + omega), File("C:\\" + zurich), File("C:\\plain.bmp")};
    Open();
    auto wide = [this](int row, int column) {
        wchar_t buf[256] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buf;
        item.cchTextMax = 256;
        SendMessageW(listHwnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return NameFromWide(buf);
    };
    EXPECT_EQ(wide(0, 0), omega);
    EXPECT_EQ(wide(0, 1), "C:\\\xE6\x97\xA5");
    EXPECT_EQ(Cell(1, 0), "Z\xFCrich.jpg");  // an ANSI reader gets the code page's form (1252)
    ClickHeader(0);
    EXPECT_EQ(wide(0, 0) + " " + wide(1, 0) + " " + wide(2, 0), zurich + " plain.bmp " + omega);
}

TEST_F(FileListTest, EveryEntryComesBackAsItWasAndWideCellsStayInTheirBuffer) {
    host.options.m_images = {File("C:\\" + std::string(120, 'n') + ".jpg", 640), File("\\x.jpg")};
    Open();
    // The list's wide request for a text of the code page ("24 bit"): cut to its buffer, never past it.
    for (int room : {1, 5}) {
        wchar_t buffer[8];
        std::fill(buffer, buffer + 8, L'#');
        NMLVDISPINFOW info{};
        info.hdr.code = LVN_GETDISPINFOW;
        info.item.mask = LVIF_TEXT;
        info.item.iSubItem = 4;
        info.item.pszText = buffer;
        info.item.cchTextMax = room;
        List().OnGetDispInfo(&info.hdr);
        EXPECT_EQ(std::wstring(buffer), std::wstring(L"24 bit").substr(0, static_cast<size_t>(room - 1))) << room;
        EXPECT_EQ(buffer[room], L'#') << room;
    }
    std::vector<CImageItem> taken = host.options.m_images;
    EXPECT_FALSE(dlg->commands.TakeRows(taken));
    // A size a thumbnail filled in is kept, but the slideshow's list stays as it is.
    dlg->commands.List().ForEachRecord([](CImageRow& row) {
        if (row.m_nWidth < 1) row.m_nWidth = 33;
    });
    EXPECT_FALSE(dlg->commands.TakeRows(taken));
    EXPECT_EQ(taken[1].m_nWidth, 33);
    EXPECT_EQ(taken[0].m_nWidth, 640);
}

}  // namespace
