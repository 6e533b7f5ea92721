#include "ui/FileList.h"

#include <shellapi.h>

#include "res/ConfigIds.h"
#include "base/CodePage.h"
#include "base/Trace.h"
#include "base/Unicode.h"
#include "base/WideName_win.h"
#include "imageinfo/SummaryInfoPicker.h"
#include "lang/LangKeys.h"
#include "base/ResString_win.h"

namespace {

// Header drag and drop, full-row selection and info tips; the list's other extended styles go.
const DWORD kExtendedStyles = LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;
const UINT kAllStates =
    LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT | LVIS_DROPHILITED | LVIS_OVERLAYMASK | LVIS_STATEIMAGEMASK;
// Longer extensions are not cached by: no shell knows them anyway.
const size_t kMaxCachedExtension = 16;

struct SortContext {
    int column;
};

int CALLBACK CompareRecords(LPARAM a, LPARAM b, LPARAM context) {
    const auto* ra = reinterpret_cast<const CImageRow*>(a);
    const auto* rb = reinterpret_cast<const CImageRow*>(b);
    if (!ra || !rb) return 0;
    return CompareRows(*ra, *rb, reinterpret_cast<const SortContext*>(context)->column);
}

// The shell's icon index, or -1 when it has none.
int ShellIconIndex(const char* path, DWORD attributes, UINT flags) {
    SHFILEINFOW info{};
    const UINT all = flags | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    return SHGetFileInfoW(WideName(path).c_str(), attributes, &info, sizeof info, all) ? info.iIcon : -1;
}

}  // namespace

CRedrawPause::CRedrawPause(HWND hwnd) : m_hWnd(hwnd) {
    if (m_hWnd) SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
}

CRedrawPause::~CRedrawPause() {
    if (!m_hWnd) return;
    SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT CFileList::Call(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (!m_hWnd) return 0;
    // Straight to the list view: the subclasses on it (the tooltip's, this one) want none
    // of these, and under Wine each of them costs a round trip to the server.
    return m_listProc ? CallWindowProcA(m_listProc, m_hWnd, msg, wParam, lParam)
                      : SendMessageA(m_hWnd, msg, wParam, lParam);
}

bool CFileList::Attach(HWND dialog, int id, TextLookup lookup) {
    if (!SubclassDlgItem(dialog, id)) {
        VL_TRACE();
        return false;
    }
    m_listProc = reinterpret_cast<WNDPROC>(GetClassLongPtrA(m_hWnd, GCLP_WNDPROC));
    m_lookup = std::move(lookup);
    m_strDepthFormat = LoadResString(IDS_DEPTH_FORMAT);
    if (m_strDepthFormat.empty()) m_strDepthFormat = RowTexts().depthFormat;
    Call(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, kExtendedStyles);
    // Names come back in UTF-16 (LVN_GETDISPINFOW): the code page would lose some of them.
    Call(CCM_SETUNICODEFORMAT, TRUE);
    // The system image lists are the shell's: shared, never destroyed with the control.
    SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) | LVS_AUTOARRANGE | LVS_SHAREIMAGELISTS);
    SHFILEINFOA info{};
    auto large = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX));
    auto small = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (small) Call(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small));
    if (large) Call(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(large));
    if (!m_header.Attach(reinterpret_cast<HWND>(Call(LVM_GETHEADER)))) VL_TRACE();
    DragAcceptFiles(m_hWnd, TRUE);
    return true;
}

bool CFileList::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_DROPFILES:
            // The configuration window adds what was dropped.
            result = SendMessageA(GetParent(m_hWnd), WM_DROPFILES, wParam, lParam);
            return true;
        case WM_CHAR:
            if (!m_bSwallowLetter) return false;
            m_bSwallowLetter = false;
            if (wParam != 'A' && wParam != 'a') return false;
            result = 0;
            return true;
        case WM_KEYDOWN:
            m_bSwallowLetter = false;
            return false;
        default:
            return false;
    }
}

bool CFileList::OnReflectedMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg != WM_NOTIFY || !m_customDraw) return false;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    return header->code == NM_CUSTOMDRAW && m_customDraw(header, result);
}

// ---------------------------------------------------------------------------------------
// Thumbnails view

void CFileList::SetViewType(DWORD type) {
    if (!m_hWnd) return;
    const LONG style = GetWindowLongA(m_hWnd, GWL_STYLE);
    SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>((style & ~LVS_TYPEMASK) | type));
}

HIMAGELIST CFileList::SetNormalImageList(HIMAGELIST list) {
    return reinterpret_cast<HIMAGELIST>(Call(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(list)));
}

HIMAGELIST CFileList::SmallImageList() const {
    return reinterpret_cast<HIMAGELIST>(Call(LVM_GETIMAGELIST, LVSIL_SMALL));
}

bool CFileList::IconRect(int row, RECT& rc) const {
    rc.left = LVIR_ICON;
    return Call(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc)) != 0;
}

bool CFileList::IsRowVisible(int row) const {
    if (row < 0 || row >= RowCount()) return false;
    RECT item, client, both;
    item.left = LVIR_BOUNDS;
    if (!Call(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item))) return false;
    GetClientRect(m_hWnd, &client);
    return IntersectRect(&both, &item, &client) != FALSE;
}

bool CFileList::IsRowSelected(int row) const {
    return (Call(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void CFileList::ForEachRecord(const std::function<void(CImageRow&)>& fn) {
    for (auto& record : m_records) fn(*record.second);
}

// ---------------------------------------------------------------------------------------
// Records

CImageRow* CFileList::NewRecord() {
    uint32_t id = 0;
    do {
        id = m_nNextId++;
        if (m_nNextId == 0) m_nNextId = 1;
    } while (id == 0 || m_records.count(id));
    auto record = std::make_unique<CImageRow>(id);
    CImageRow* raw = record.get();
    m_records.emplace(id, std::move(record));
    return raw;
}

void CFileList::ForgetRecord(const CImageRow* record) {
    if (!record || record == m_pMoving) return;
    auto it = m_records.find(record->Id());
    if (it == m_records.end() || it->second.get() != record) return;
    const uint32_t id = record->Id();
    m_records.erase(it);
    if (m_recordGone) m_recordGone(id);
}

CImageRow* CFileList::RecordAt(int row) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!Call(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<CImageRow*>(item.lParam);
}

CImageRow* CFileList::RecordById(uint32_t id) const {
    auto it = m_records.find(id);
    return it == m_records.end() ? nullptr : it->second.get();
}

int CFileList::RowOf(uint32_t id) const {
    const CImageRow* record = RecordById(id);
    if (!record) return -1;
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = reinterpret_cast<LPARAM>(record);
    return static_cast<int>(Call(LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

void CFileList::OnDeleteItem(const NMLISTVIEW& item) {
    ForgetRecord(reinterpret_cast<const CImageRow*>(item.lParam));
}

// ---------------------------------------------------------------------------------------
// Rows

int CFileList::InsertRow(int at, CImageRow* record, UINT state) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    item.iItem = at;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.iImage = record->m_nIcon;
    item.lParam = reinterpret_cast<LPARAM>(record);
    item.state = state;
    item.stateMask = kAllStates;
    const int row = static_cast<int>(Call(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) {
        VL_TRACE();
        ForgetRecord(record);
        return -1;
    }
    // Sub-items are asked for only when they say so.
    for (int column = 1; column < kListColumnCount; ++column) {
        LVITEMA sub{};
        sub.iSubItem = column;
        sub.pszText = LPSTR_TEXTCALLBACKA;
        Call(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&sub));
    }
    return row;
}

int CFileList::FileIcon(const std::string& path) {
    // By the extension alone, as the shell would answer for any file of that type.
    const std::string ext = PathExtension(path);
    const std::string probe = ext.size() <= kMaxCachedExtension ? "x." + ext : std::string("x");
    auto cached = m_fileIcons.find(probe);
    if (cached != m_fileIcons.end()) return cached->second;
    int icon = ShellIconIndex(probe.c_str(), FILE_ATTRIBUTE_NORMAL, SHGFI_USEFILEATTRIBUTES);
    if (icon < 0) icon = 0;
    m_fileIcons.emplace(probe, icon);
    return icon;
}

int CFileList::FolderIcon(const std::string& path) {
    // The folder's own icon (a drive shows a drive) where the disk answers at once: a share
    // that cannot be reached or a drive without its disk would stall every fill of the list.
    const bool local = path.size() >= 3 && path.size() < MAX_PATH && path[1] == ':' && path[2] == '\\' &&
                       GetDriveTypeA(path.substr(0, 3).c_str()) == DRIVE_FIXED;
    const int icon = local ? ShellIconIndex(path.c_str(), 0, 0) : -1;
    if (icon >= 0) return icon;
    if (m_nFolderIcon < 0) m_nFolderIcon = ShellIconIndex("x", FILE_ATTRIBUTE_DIRECTORY, SHGFI_USEFILEATTRIBUTES);
    return m_nFolderIcon < 0 ? 0 : m_nFolderIcon;
}

int CFileList::AddFileRow(const std::string& path) {
    if (!m_hWnd) return -1;
    CImageRow* record = NewRecord();
    FillRowFromItem(*record, CImageItem(path, false, false));
    record->m_nIcon = FileIcon(path);
    const int row = InsertRow(RowCount(), record, 0);
    ClearSort();
    return row;
}

int CFileList::AddFolderRow(const std::string& path, bool includeSubFolders) {
    if (!m_hWnd) return -1;
    if (path.size() <= 1) {
        VL_TRACE();
        return -1;
    }
    CImageRow* record = NewRecord();
    FillRowFromItem(*record, CImageItem(path, true, includeSubFolders));
    record->m_nIcon = FolderIcon(path);
    const int row = InsertRow(RowCount(), record, 0);
    ClearSort();
    return row;
}

void CFileList::ImageListToRows(const std::vector<CImageItem>& images) {
    if (!m_hWnd) return;
    {
        CRedrawPause pause(m_hWnd);
        DeleteAllRows();
        for (const CImageItem& item : images) {
            CImageRow* record = NewRecord();
            FillRowFromItem(*record, item);
            record->m_nIcon = item.m_bIsFolder ? FolderIcon(item.m_strPath) : FileIcon(item.m_strPath);
            InsertRow(RowCount(), record, 0);
        }
    }
    SetColumnWidths();
}

std::vector<CImageItem> CFileList::RowsToImageList() const {
    std::vector<CImageItem> images;
    const int n = RowCount();
    images.reserve(static_cast<size_t>(n > 0 ? n : 0));
    for (int i = 0; i < n; ++i) {
        const CImageRow* record = RecordAt(i);
        if (!record) {
            VL_TRACE();
            continue;
        }
        images.push_back(ItemFromRow(*record));
    }
    return images;
}

void CFileList::DeleteAllRows() {
    if (!m_hWnd) return;
    Call(LVM_DELETEALLITEMS);
    // Whatever the notifications left: no row is left to point at a record.
    if (m_recordGone) {
        for (const auto& record : m_records) m_recordGone(record.first);
    }
    m_records.clear();
    ClearSort();
}

void CFileList::DeleteSelectedRows() {
    const std::vector<int> selected = SelectedRows();
    CRedrawPause pause(selected.size() > 1 ? m_hWnd : nullptr);
    // From the bottom up, so that the rows still to go keep their places.
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) Call(LVM_DELETEITEM, static_cast<WPARAM>(*it));
}

void CFileList::UpdateRowText(int row) {
    if (row < 0 || row >= RowCount()) {
        VL_TRACE();
        return;
    }
    Call(LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
}

void CFileList::SetColumnWidths() {
    if (!m_hWnd) return;
    const bool hasRows = RowCount() > 0;
    for (int column = 0; column < kListColumnCount; ++column) {
        const int width = ListColumnWidth(column, hasRows);
        Call(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width == kSizeToContents ? LVSCW_AUTOSIZE : width);
    }
}

void CFileList::SizeColumnToContents(int column) {
    Call(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), LVSCW_AUTOSIZE);
}

std::string CFileList::CellText(const CImageRow& row, int column) const {
    RowTexts texts;
    texts.depthFormat = m_strDepthFormat;
    if (column == 5 && row.m_bIsFolder && m_lookup) {
        std::string text;
        if (m_lookup(langsec::kStrings, strkey::kYes, text)) texts.yes = text;
        if (m_lookup(langsec::kStrings, strkey::kNo, text)) texts.no = text;
    }
    return RowCellText(row, column, texts);
}

void CFileList::OnGetDispInfo(NMHDR* header) {
    const bool wide = header->code == LVN_GETDISPINFOW;
    auto* narrow = reinterpret_cast<NMLVDISPINFOA*>(header);
    auto* unicode = reinterpret_cast<NMLVDISPINFOW*>(header);
    LVITEMA& item = narrow->item;  // the same layout up to the text pointer
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
    const CImageRow* record = reinterpret_cast<const CImageRow*>(item.lParam);
    if (!record) record = RecordAt(item.iItem);
    const std::string text = record ? CellText(*record, item.iSubItem) : std::string();
    // The name and location columns hold names (UTF-8); the others texts in the code page.
    const bool name = item.iSubItem == 0 || item.iSubItem == 1;
    if (wide && name) {
        lstrcpynW(unicode->item.pszText, WideName(text).c_str(), unicode->item.cchTextMax);
    } else if (wide) {
        AnsiToWideBuffer(text, unicode->item.pszText, unicode->item.cchTextMax);
    } else {
        lstrcpynA(item.pszText, (name ? NameToAnsiLossy(text) : text).c_str(), item.cchTextMax);
    }
}

// ---------------------------------------------------------------------------------------
// Row order

int CFileList::RowCount() const {
    return static_cast<int>(Call(LVM_GETITEMCOUNT));
}

std::vector<int> CFileList::SelectedRows() const {
    std::vector<int> rows;
    for (int i = static_cast<int>(Call(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); i >= 0;
         i = static_cast<int>(Call(LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED))) {
        if (!rows.empty() && i <= rows.back()) break;  // never loop on a confused control
        rows.push_back(i);
    }
    return rows;
}

void CFileList::SwapRows(int i, int j) {
    if (i == j) return;
    const int n = RowCount();
    if (i < 0 || j < 0 || i >= n || j >= n) {
        VL_TRACE();
        return;
    }
    LVITEMA a{}, b{};
    a.mask = b.mask = LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    a.stateMask = b.stateMask = kAllStates;
    a.iItem = i;
    b.iItem = j;
    if (!Call(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&a)) || !Call(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&b)))
        return;
    a.iItem = j;
    b.iItem = i;
    Call(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&b));
    Call(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&a));
    UpdateRowText(i);
    UpdateRowText(j);
}

void CFileList::MoveRow(int from, int to) {
    LVITEMA item{};
    item.mask = LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    item.stateMask = kAllStates;
    item.iItem = from;
    if (!Call(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) || !item.lParam) {
        VL_TRACE();
        return;
    }
    auto* record = reinterpret_cast<CImageRow*>(item.lParam);
    // The row goes, its record stays for the new row.
    m_pMoving = record;
    Call(LVM_DELETEITEM, static_cast<WPARAM>(from));
    m_pMoving = nullptr;
    record->m_nIcon = item.iImage;
    InsertRow(to, record, item.state);
}

// ---------------------------------------------------------------------------------------
// Selection

int CFileList::SelectedCount() const {
    return static_cast<int>(Call(LVM_GETSELECTEDCOUNT));
}

int CFileList::FirstSelected() const {
    return static_cast<int>(Call(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CFileList::SelectAll() {
    if (SelectedCount() == RowCount()) return;
    CWaitCursor wait;
    LVITEMA item{};
    item.state = item.stateMask = LVIS_SELECTED;
    Call(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}

void CFileList::DeselectAll() {
    if (SelectedCount() == 0 || RowCount() == 0) return;
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    Call(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}

void CFileList::InvertSelection() {
    const int n = RowCount();
    CRedrawPause pause(n > 1 ? m_hWnd : nullptr);
    for (int i = 0; i < n; ++i) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED;
        item.state =
            (Call(LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED) & LVIS_SELECTED) ? 0 : LVIS_SELECTED;
        Call(LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

void CFileList::EnsureVisible(int row) {
    Call(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

// ---------------------------------------------------------------------------------------
// Sorting

void CFileList::OnColumnClick(int column) {
    if (!m_hWnd || column < 0 || column >= kListColumnCount) return;
    CWaitCursor wait;
    if (m_sort.Click(column) == CListSort::Action::Sort) {
        SortContext context{column};
        Call(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context), reinterpret_cast<LPARAM>(&CompareRecords));
    } else {
        CRedrawPause pause(m_hWnd);
        ReverseRows(*this);
    }
    InvalidateRect(m_hWnd, nullptr, TRUE);
    m_header.SetSortIndicator(m_sort.Column(), m_sort.Ascending());
}

void CFileList::ClearSort() {
    m_sort.Clear();
    m_header.SetSortIndicator(-1, true);
}
