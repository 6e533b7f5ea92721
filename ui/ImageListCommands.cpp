#include "ui/ImageListCommands.h"

#include <algorithm>

#include "res/ConfigIds.h"
#include "base/WideName_win.h"
#include "base/Trace.h"
#include "imagelist/FileSystem.h"
#include "imagelist/ImageExtension.h"
#include "imagelist/ImageFileList.h"
#include "lang/LangKeys.h"
#include "ui/AddFolderDlg.h"
#include "ui/TavelFileDialog.h"
#include "base/ResString_win.h"
#include "res/MainMessages.h"

namespace {

// Room for the names of a large multiple selection.
const size_t kAddFilesBufferChars = 0xFFFFF;

bool KeyDown(int key) {
    return GetKeyState(key) < 0;
}

}  // namespace

const char CImageListCommands::kPictureFilter[] =
    "All Image Formats|*.bmp;*.jpg;*.gif;*.emf;*.wmf;*.tga;*.png;*.dib;*.rle;*.tiff;*.pic;*.pcx;*.pct;*.pict|"
    "Bitmaps|*.bmp;*.dib;*.rle|Enhanced Metafiles|*.emf|Windows Metafiles|*.wmf|GIF Image Files|*.gif|"
    "JPEG Image Files|*.jpg;*.jpeg|PCT Image Files|*.pct|PCX Image Files|*.pcx|PIC Image Files|*.pic|"
    "PICT Image Files|*.pict|PNG Image Files|*.png|TGA Image Files|*.tga|TIFF Image Files|*.tif|";

CImageListCommands::CImageListCommands(IImageListHost& host, const CLanguageManager& language)
    : m_host(host), m_language(language) {
    m_shellOpen = [this](const std::string& path) {
        // The shell reports its own failures.
        ShellOpen(m_hWnd, path, SW_SHOWNORMAL);
    };
    MapCommands();
    MapListNotifications();
}

bool CImageListCommands::Attach(HWND window) {
    m_hWnd = window;
    IImageListHost& host = m_host;
    m_headers.reset(new CHeaderJobs([&host](const std::string& path, int32_t& width, int32_t& height,
                                            int32_t& depth) { host.GetImageInfo(path, width, height, depth); },
                                    [window] { PostMessageA(window, WM_HEADERS_READY, 0, 0); }));
    return m_list.Attach(window, IDC_IMAGE_LIST, m_language.Lookup());
}

bool CImageListCommands::TakeRows(std::vector<CImageItem>& images) const {
    if (!m_list.IsAttached()) return false;
    std::vector<CImageItem> rows = m_list.RowsToImageList();
    // A size read from a thumbnail is kept, but it is no change of the list the slideshow plays.
    const bool changed = !std::equal(rows.begin(), rows.end(), images.begin(), images.end(),
                                     [](const CImageItem& a, const CImageItem& b) { return a.SameEntry(b); });
    images = std::move(rows);
    return changed;
}

// ---------------------------------------------------------------------------------------
// Tables

void CImageListCommands::MapCommands() {
    MapCommand(IDC_REMOVE, [this](UINT) { Remove(); });
    MapCommand(IDC_CLEAR, [this](UINT) { Clear(); });
    MapCommand(IDC_TOP, [this](UINT) { MoveToTop(); });
    MapCommand(IDC_UP, [this](UINT) { MoveUp(); });
    MapCommand(IDC_DOWN, [this](UINT) { MoveDown(); });
    MapCommand(IDC_BOTTOM, [this](UINT) { MoveToBottom(); });
    MapCommand(ID_SELECT_ALL, [this](UINT) { m_list.SelectAll(); });
    MapCommand(ID_INVERT_SELECTION, [this](UINT) { m_list.InvertSelection(); });
    MapCommand(ID_LOAD_IMAGE_LIST, [this](UINT) { OnLoadImageList(); });
    MapCommand(ID_SAVE_IMAGE_LIST, [this](UINT) { OnSaveImageList(); });
    MapCommand(ID_ADD_IMAGE_FILES, [this](UINT) { OnAddImageFiles(); });
    MapCommand(ID_ADD_IMAGE_FOLDER, [this](UINT) { OnAddImageFolder(); });
    MapMessageTaken(WM_HEADERS_READY, [this](WPARAM, LPARAM) { ShowSizes(); });
    MapMessage(WM_DROPFILES, [this](WPARAM wParam, LPARAM, LRESULT& result) {
        DropFiles(reinterpret_cast<HDROP>(wParam));
        result = 0;
        return true;
    });
}

void CImageListCommands::MapListNotifications() {
    auto text = [this](NMHDR* header, LRESULT& result) {
        m_list.OnGetDispInfo(header);
        result = 0;
        return true;
    };
    MapNotify(IDC_IMAGE_LIST, LVN_GETDISPINFOA, text);
    MapNotify(IDC_IMAGE_LIST, LVN_GETDISPINFOW, text);
    MapNotify(IDC_IMAGE_LIST, LVN_DELETEITEM, [this](NMHDR* header, LRESULT& result) {
        m_list.OnDeleteItem(*reinterpret_cast<NMLISTVIEW*>(header));
        result = 0;
        return true;
    });
    MapNotify(IDC_IMAGE_LIST, LVN_COLUMNCLICK, [this](NMHDR* header, LRESULT& result) {
        m_list.OnColumnClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
        m_host.SetModified();
        result = 0;
        return true;
    });
    MapNotify(IDC_IMAGE_LIST, NM_DBLCLK, [this](NMHDR*, LRESULT& result) {
        OpenFirstSelected();
        result = 0;
        return true;
    });
    MapNotify(IDC_IMAGE_LIST, LVN_KEYDOWN, [this](NMHDR* header, LRESULT& result) {
        OnListKey(reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey);
        result = 0;
        return true;
    });
}

// ---------------------------------------------------------------------------------------
// Editing the rows

void CImageListCommands::NothingSelected() {
    m_host.LangMessageBox(strkey::kSelectFilesFirst, MB_OK | MB_ICONINFORMATION);
}

void CImageListCommands::Remove() {
    if (m_list.SelectedCount() == 0) {
        NothingSelected();
        return;
    }
    m_list.DeleteSelectedRows();
    m_list.SizeColumnToContents(0);
    m_host.SetModified();
    m_host.ResetDisplayList();
}

void CImageListCommands::Clear() {
    if (m_list.RowCount() == 0) return;
    m_host.SetModified();
    m_list.DeleteAllRows();
    m_host.ResetDisplayList();
}

void CImageListCommands::MoveRows(MoveResult (*move)(IRowList&), int showRow) {
    MoveResult result;
    {
        CRedrawPause pause(m_list.SelectedCount() > 1 ? m_list.GetSafeHwnd() : nullptr);
        result = move(m_list);
    }
    if (result == MoveResult::NothingSelected) {
        NothingSelected();
        return;
    }
    if (result == MoveResult::NothingMoved) return;
    m_host.SetModified();
    m_list.ClearSort();
    if (showRow == kLastRow) showRow = m_list.RowCount() - 1;
    if (showRow >= 0) m_list.EnsureVisible(showRow);
}

void CImageListCommands::OnListKey(WORD key) {
    if (key == VK_DELETE) {
        Remove();
    } else if (key == 'A' && KeyDown(VK_CONTROL)) {
        m_list.SelectAll();
    } else if (key == 'A' && KeyDown(VK_SHIFT)) {
        m_list.DeselectAll();
        m_list.SwallowNextLetter();
    } else if (key == 'Q' && KeyDown(VK_CONTROL)) {
        m_list.InvertSelection();
    }
}

void CImageListCommands::OpenFirstSelected() {
    const CImageRow* record = m_list.RecordAt(m_list.FirstSelected());
    if (!record) return;
    if (MayOpenRow(*record, PlatformFileAttributes().Kind(record->m_strPath))) {
        m_shellOpen(record->m_strPath);
    } else {
        MessageBeep(MB_OK);
    }
}

// ---------------------------------------------------------------------------------------
// Adding

void CImageListCommands::RowsAdded(bool sizeColumns) {
    if (sizeColumns) m_list.SetColumnWidths();
    m_host.SetModified();
    m_host.ResetDisplayList();
}

int CImageListCommands::AddFileRow(const std::string& path) {
    const int row = m_list.AddFileRow(path);
    const CImageRow* record = m_list.RecordAt(row);
    // Without a thread to read it the size stays unknown rather than the window waiting.
    if (record && !(m_headers && m_headers->Add(record->Id(), path))) VL_TRACE();
    return row;
}

void CImageListCommands::ShowSizes() {
    bool shown = false;
    for (const HeaderResult& result : m_headers ? m_headers->Take() : std::vector<HeaderResult>()) {
        // By identity: the row may have moved or gone since it was handed out.
        CImageRow* record = m_list.RecordById(result.id);
        if (!record || result.width <= 0) continue;
        record->m_nWidth = result.width;
        record->m_nHeight = result.height;
        record->m_nDepth = result.depth;
        shown = true;
    }
    if (!shown) return;
    // Rows sorted by a size column are no longer in that order.
    if (m_list.SortColumn() >= 2 && m_list.SortColumn() <= 4) m_list.ClearSort();
    InvalidateRect(m_list.GetSafeHwnd(), nullptr, FALSE);
}

void CImageListCommands::AddFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    {
        CRedrawPause pause(m_list.GetSafeHwnd());
        for (const std::string& path : paths) AddFileRow(path);
    }
    RowsAdded(true);
}

void CImageListCommands::AddFolder(const std::string& path, bool includeSubFolders) {
    if (m_list.AddFolderRow(path, includeSubFolders) < 0) return;
    RowsAdded(false);
}

void CImageListCommands::DropFiles(HDROP drop) {
    if (!drop) return;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    if (count < 1) VL_TRACE();
    bool added = false;
    {
        CWaitCursor wait;
        CRedrawPause pause(count > 1 ? m_list.GetSafeHwnd() : nullptr);
        for (UINT i = 0; i < count; ++i) {
            // Each name at its own length: a dropped path may be longer than MAX_PATH.
            const UINT length = DragQueryFileW(drop, i, nullptr, 0);
            if (length == 0) continue;
            std::wstring wide(length + 1, L'\0');
            wide.resize(DragQueryFileW(drop, i, &wide[0], length + 1));
            const std::string path = NameFromWide(wide);
            switch (PlatformFileAttributes().Kind(path)) {
                case PathKind::Directory:
                    added = m_list.AddFolderRow(path, true) >= 0 || added;
                    break;
                case PathKind::File:
                    if (IsImageFile(path)) added = AddFileRow(path) >= 0 || added;
                    break;
                case PathKind::Missing:
                    break;
            }
        }
    }
    DragFinish(drop);
    // A drop of nothing usable (only text files, say) is no edit.
    if (added) RowsAdded(true);
}

void CImageListCommands::OnAddImageFiles() {
    CTavelFileDialog dialog(true, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_ENABLESIZING,
                            kPictureFilter, m_hWnd, kAddFilesBufferChars);
    // The paths are not run through the extension test: what the user picked is added.
    if (dialog.DoModal()) AddFiles(dialog.Paths());
}

void CImageListCommands::OnAddImageFolder() {
    std::string path;
    bool include = true;
    if (BrowseForImageFolder(m_hWnd, m_language, path, include)) AddFolder(path, include);
}

// ---------------------------------------------------------------------------------------
// Image list files

bool CImageListCommands::LoadImageListFrom(const std::string& path) {
    CWaitCursor wait;
    CImageFileList file;
    file.SetFailureReporter([this](const char* key) { m_host.LangMessageBox(key, MB_OK | MB_ICONEXCLAMATION); });
    std::vector<CImageItem> loaded;
    if (!file.Load(path, loaded)) return false;
    m_list.ImageListToRows(loaded);
    m_host.SetModified();
    m_host.ResetDisplayList();
    return true;
}

bool CImageListCommands::SaveImageListTo(const std::string& path) {
    CImageFileList file;
    file.SetFailureReporter([this](const char* key) { m_host.LangMessageBox(key, MB_OK | MB_ICONEXCLAMATION); });
    // The order shown on screen.
    return file.Save(path, m_list.RowsToImageList());
}

void CImageListCommands::OnLoadImageList() {
    CTavelFileDialog dialog(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_ENABLESIZING,
                            LoadResString(IDS_IMAGE_LIST_FILTER), m_hWnd);
    if (dialog.DoModal()) LoadImageListFrom(dialog.Paths().front());
}

void CImageListCommands::OnSaveImageList() {
    CTavelFileDialog dialog(false, "iml", nullptr, OFN_OVERWRITEPROMPT | OFN_ENABLESIZING,
                            LoadResString(IDS_IMAGE_LIST_FILTER), m_hWnd);
    if (dialog.DoModal()) SaveImageListTo(dialog.Paths().front());
}
