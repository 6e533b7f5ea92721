// The image list view (control 1008 of the configuration window): one row per image list
// entry, each row backed by a record the list owns. Cell texts come from the records by
// callback, so a sort or a move never rewrites them. The Thumbnails view (CThumbnailView)
// switches the style here and draws the cells through the custom-draw hook, finding
// records again by their id.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/Window.h"
#include "base/CodePage.h"
#include "imagelist/ImageItem.h"
#include "lang/TextTable.h"
#include "ui/FileListHeader.h"
#include "ui/core/ImageRow.h"
#include "ui/core/RowOrder.h"

class CFileList : public CSubclassWindow, public IRowList {
public:
    CFileList() = default;

    // Takes over control id of dialog: extended styles, the shell's shared system image
    // lists, the header and dropped files. lookup gives the "Yes" and "No" of folder rows,
    // so that they follow a change of language.
    bool Attach(HWND dialog, int id, TextLookup lookup);
    bool IsAttached() const { return m_hWnd != nullptr; }

    // --- Rows. An addition clears the sort state: new rows go at the end. ---
    // The size is not known yet: the row shows it once set.
    int AddFileRow(const std::string& path);
    // -1 (nothing added) for a path of one character or less.
    int AddFolderRow(const std::string& path, bool includeSubFolders);
    // Every entry becomes a row, whatever its path.
    void ImageListToRows(const std::vector<CImageItem>& images);
    std::vector<CImageItem> RowsToImageList() const;
    void DeleteAllRows();
    void DeleteSelectedRows();
    void UpdateRowText(int row);
    // After a refill or an addition: names and locations to their contents.
    void SetColumnWidths();
    void SizeColumnToContents(int column);

    // --- IRowList: the move commands work on the rows themselves. ---
    int RowCount() const override;
    std::vector<int> SelectedRows() const override;
    void SwapRows(int i, int j) override;
    void MoveRow(int from, int to) override;

    // --- Selection ---
    int SelectedCount() const;
    int FirstSelected() const;
    void SelectAll();
    void DeselectAll();
    void InvertSelection();
    void EnsureVisible(int row);

    // --- Sorting ---
    // A click on a column header: a new column sorts ascending, the same one reverses.
    void OnColumnClick(int column);
    void ClearSort();
    int SortColumn() const { return m_sort.Column(); }
    bool SortAscending() const { return m_sort.Ascending(); }
    const CFileListHeader& Header() const { return m_header; }

    // --- Records, by row or by identity ---
    CImageRow* RecordAt(int row) const;
    CImageRow* RecordById(uint32_t id) const;
    // -1 when that record's row is gone.
    int RowOf(uint32_t id) const;
    size_t RecordCount() const { return m_records.size(); }

    // --- What the Thumbnails view needs ---
    // Report, small-icon or icon view (LVS_REPORT, LVS_SMALLICON, LVS_ICON).
    void SetViewType(DWORD type);
    // The list's normal image list (the thumbnail cells); returns the one before.
    HIMAGELIST SetNormalImageList(HIMAGELIST list);
    HIMAGELIST SmallImageList() const;
    bool IconRect(int row, RECT& rc) const;
    // False for a row out of range; else whether its bounds meet the client area.
    bool IsRowVisible(int row) const;
    bool IsRowSelected(int row) const;
    void ForEachRecord(const std::function<void(CImageRow&)>& fn);
    // NM_CUSTOMDRAW of the list; true when handled.
    void SetCustomDraw(std::function<bool(NMHDR*, LRESULT&)> draw) { m_customDraw = std::move(draw); }
    // Told of each record as it goes with its row (not when a move takes it along).
    void SetRecordGone(std::function<void(uint32_t id)> gone) { m_recordGone = std::move(gone); }

    // --- Notifications the list sends its parent, passed on by the owner ---
    void OnGetDispInfo(NMHDR* header);
    void OnDeleteItem(const NMLISTVIEW& item);
    // Shift+A deselected everything: the list's own search must not select by that A.
    void SwallowNextLetter() { m_bSwallowLetter = true; }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CImageRow* NewRecord();
    void ForgetRecord(const CImageRow* record);
    int InsertRow(int at, CImageRow* record, UINT state);
    LRESULT Call(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int FileIcon(const std::string& path);
    int FolderIcon(const std::string& path);
    std::string CellText(const CImageRow& row, int column) const;

    WNDPROC m_listProc = nullptr;
    TextLookup m_lookup;
    std::string m_strDepthFormat;
    CFileListHeader m_header;
    CListSort m_sort;
    std::unordered_map<uint32_t, std::unique_ptr<CImageRow>> m_records;
    uint32_t m_nNextId = 1;
    const CImageRow* m_pMoving = nullptr;  // taken out of one row for another: kept
    std::map<std::string, int> m_fileIcons;
    int m_nFolderIcon = -1;
    bool m_bSwallowLetter = false;
    std::function<bool(NMHDR*, LRESULT&)> m_customDraw;
    std::function<void(uint32_t)> m_recordGone;
};

// Stops a window from painting for a batch of changes and repaints it once after.
class CRedrawPause {
public:
    explicit CRedrawPause(HWND hwnd);
    ~CRedrawPause();
    CRedrawPause(const CRedrawPause&) = delete;
    CRedrawPause& operator=(const CRedrawPause&) = delete;

private:
    HWND m_hWnd;
};

// The wait cursor while a command works through many rows.
class CWaitCursor {
public:
    CWaitCursor() : m_hOld(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { SetCursor(m_hOld); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_hOld;
};
