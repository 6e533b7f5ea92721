#include "ui/ThumbnailView.h"

#include <shellapi.h>

#include "res/ConfigIds.h"
#include "res/VelumIds.h"
#include "base/Trace.h"
#include "ui/core/ConfigTexts.h"

namespace {

void FreeBitmap(void* bitmap) {
    if (bitmap) DeleteObject(static_cast<HBITMAP>(bitmap));
}

void FillSolid(HDC dc, int x, int y, int cx, int cy, COLORREF colour) {
    SetBkColor(dc, colour);
    RECT rc = {x, y, x + cx, y + cy};
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

// The frame of a box: top and left in one colour, bottom and right in the other.
void Draw3dRect(HDC dc, int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolid(dc, x, y, cx - 1, 1, topLeft);
    FillSolid(dc, x, y, 1, cy - 1, topLeft);
    FillSolid(dc, x + cx - 1, y, 1, cy, bottomRight);
    FillSolid(dc, x, y + cy - 1, cx, 1, bottomRight);
}

}  // namespace

CThumbnailView::CThumbnailView(IConfigWindowHost& host, CFileList& list, const CLanguageManager& language)
    : m_host(host), m_list(list), m_language(language), m_book(FreeBitmap) {
    MapMessages();
}

CThumbnailView::~CThumbnailView() {
    Stop();
}

bool CThumbnailView::Attach(HWND window, std::shared_ptr<CPaintLibThumbnailGenerater> generator) {
    m_hWnd = window;
    m_bStopped = false;
    if (!generator) {
        generator = std::make_shared<CPaintLibThumbnailGenerater>();
        if (!generator->Load()) return false;
    }
    m_generator = std::move(generator);
    SHFILEINFOA info{};
    m_hLargeIcons = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX));
    m_list.SetCustomDraw([this](NMHDR* header, LRESULT& result) { return OnCustomDraw(header, result); });
    m_list.SetRecordGone([this](uint32_t id) { RecordGone(id); });
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    std::shared_ptr<CPaintLibThumbnailGenerater> plugin = m_generator;
    m_results = std::make_shared<CThumbnailResults>(FreeBitmap);
    std::shared_ptr<CThumbnailResults> results = m_results;
    m_workers.reset(new CThumbnailWorkers(
        ThumbnailWorkerCount(static_cast<int>(system.dwNumberOfProcessors)),
        [plugin](const ThumbnailJob& job) {
            ThumbnailResult result;
            HBITMAP bitmap = nullptr;
            SIZE box = {job.box.width, job.box.height};
            result.ok =
                plugin->GenerateThumbnail(job.path.c_str(), bitmap, box, result.pictureWidth, result.pictureHeight) &&
                bitmap;
            result.bitmap = bitmap;
            return result;
        },
        [window, results](ThumbnailResult&& result) {
            // When the post fails the result waits for the next one, or for Stop.
            if (results->Put(std::move(result))) PostMessageA(window, WM_THUMBNAIL_READY, 0, 0);
        },
        // Below the window's thread, so that input never waits for a picture.
        [] { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL); }));
    return true;
}

void CThumbnailView::MapMessages() {
    MapCommand(ID_DETAILS_VIEW, [this](UINT) { ShowDetails(); });
    MapCommand(ID_THUMBNAILS_VIEW, [this](UINT) { ShowThumbnails(); });
    MapMessage(WM_THUMBNAIL_READY, [this](WPARAM, LPARAM, LRESULT& result) {
        TakeResults();
        result = 0;
        return true;
    });
    MapMessage(WM_THUMBNAIL_COUNT, [this](WPARAM what, LPARAM, LRESULT& result) {
        result = Count(what);
        return true;
    });
}

// ---------------------------------------------------------------------------------------
// Modes

void CThumbnailView::ShowStoredMode() {
    if (!m_hWnd) return;  // before Create: Create's caller shows it
    const int stored = m_host.Options().m_nListViewMode == 1 ? 1 : 0;
    m_nMode = -1;
    m_bModeChosen = false;
    SetMode(stored, false);
}

void CThumbnailView::TakeMode(COptionData& options) {
    // A damaged stored mode stays until the user picks one.
    if (m_bModeChosen && m_nMode >= 0) options.m_nListViewMode = m_nMode;
    m_bModeChosen = false;
}

void CThumbnailView::SetMode(int mode, bool modified) {
    if (m_nMode == mode || !m_list.IsAttached()) return;
    COptionData& options = m_host.Options();
    const TextLookup lookup = m_language.Lookup();
    SetDlgItemTextA(m_hWnd, IDC_LIST_MODE, TextOrEnglish(lookup, kListModeButtonTexts[mode]).c_str());
    m_nMode = mode;
    // The option data takes it at the configuration window's OK (TakeMode).
    if (modified) {
        m_bModeChosen = true;
        m_host.SetModified();
    }
    if (mode == 0) {
        m_queue.Clear();
        m_list.SetViewType(LVS_REPORT);
        return;
    }
    m_box = EffectiveThumbnailBox(options.m_nThumbWidth, options.m_nThumbHeight);
    {
        // Painted once at the end: a long list would otherwise be laid out on the screen twice.
        CRedrawPause pause(m_list.GetSafeHwnd());
        // Through the small-icon view, so that the list lays its cells out anew.
        m_list.SetViewType(LVS_SMALLICON);
        SetCellSize(m_box.width - 5, m_box.height + 11);
        m_list.SetViewType(LVS_ICON);
    }
    RECT client = {0, 0, 0, 0};
    GetClientRect(m_list.GetSafeHwnd(), &client);
    const size_t cells = static_cast<size_t>(client.right / (m_box.width + 8) + 1) *
                         static_cast<size_t>(client.bottom / (m_box.height + 20) + 1);
    m_nBound = LiveThumbnailBound(m_box, cells);
    InvalidateRect(m_list.GetSafeHwnd(), nullptr, TRUE);
}

void CThumbnailView::SetCellSize(int cx, int cy) {
    HIMAGELIST cells = ImageList_Create(cx > 0 ? cx : 1, cy > 0 ? cy : 1, ILC_COLOR, 0, 0);
    if (!cells) {
        VL_TRACE();
        return;
    }
    m_list.SetNormalImageList(cells);
    if (m_hCells) ImageList_Destroy(m_hCells);
    m_hCells = cells;
}

void CThumbnailView::OnThumbnailSizeChanged() {
    CWaitCursor wait;
    m_book.DropAll();
    m_book.NewGeneration();
    m_queue.Clear();
    m_list.ForEachRecord([](CImageRow& record) {
        if (record.m_nState == CImageRow::kThumbnailMade) record.m_nState = CImageRow::kNoThumbnail;
    });
    if (m_nMode == 1) {
        m_nMode = -1;
        SetMode(1, false);
    }
    if (m_list.IsAttached()) InvalidateRect(m_list.GetSafeHwnd(), nullptr, TRUE);
}

bool CThumbnailView::Stop(uint32_t ms) {
    m_bStopped = true;
    m_queue.Clear();
    bool ended = true;
    if (m_workers) {
        m_workers->RequestStop();
        // A worker inside the plug-in may be waiting for this thread (COM, GDI): sent
        // messages are answered while it finishes its job.
        const DWORD start = GetTickCount();
        while (!(ended = m_workers->WaitEnded(10)) && GetTickCount() - start < ms) {
            MSG msg;
            PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        if (!ended) VL_TRACE();
        m_workers.reset();
    }
    // A worker that did not end in time frees its own result once this is closed.
    if (m_results) {
        TakeResults();
        m_results->Close();
        m_results.reset();
    }
    m_book.DropAll();
    m_list.SetCustomDraw(nullptr);
    m_list.SetRecordGone(nullptr);
    if (m_hCells) {
        if (m_list.IsAttached()) m_list.SetNormalImageList(nullptr);
        ImageList_Destroy(m_hCells);
        m_hCells = nullptr;
    }
    if (m_hMemDC) {
        DeleteDC(m_hMemDC);
        m_hMemDC = nullptr;
    }
    // A worker still inside the plug-in holds its own reference to it.
    m_generator.reset();
    return ended;
}

// ---------------------------------------------------------------------------------------
// Drawing

bool CThumbnailView::OnCustomDraw(NMHDR* header, LRESULT& result) {
    if (m_nMode != 1) return false;
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            m_nPaintingFirst = 0;
            m_nPaintingLast = -1;
            result = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
            return true;
        case CDDS_ITEMPREPAINT: {
            const int row = static_cast<int>(draw->nmcd.dwItemSpec);
            if (m_nPaintingLast < m_nPaintingFirst) {
                m_nPaintingFirst = m_nPaintingLast = row;
            } else {
                m_nPaintingFirst = row < m_nPaintingFirst ? row : m_nPaintingFirst;
                m_nPaintingLast = row > m_nPaintingLast ? row : m_nPaintingLast;
            }
            DrawItem(draw->nmcd.hdc, row);
            result = CDRF_DODEFAULT;
            return true;
        }
        case CDDS_POSTPAINT:
            if (m_nPaintingLast >= m_nPaintingFirst) {
                m_nPaintFirst = m_nPaintingFirst;
                m_nPaintLast = m_nPaintingLast;
            }
            Dispatch();
            result = CDRF_DODEFAULT;
            return true;
        default:
            return false;
    }
}

void CThumbnailView::DrawItem(HDC dc, int row) {
    CImageRow* record = m_list.RecordAt(row);
    RECT rc;
    if (!record || !m_list.IconRect(row, rc)) return;
    const int boxW = m_box.width, boxH = m_box.height;
    const int x = (rc.right - boxW - rc.left) / 2 + rc.left;
    const int y = (rc.bottom - boxH - rc.top) / 2 + rc.top;
    Draw3dRect(dc, x - 1, y - 1, boxW + 3, boxH + 3, RGB(128, 128, 128), RGB(0, 0, 0));
    Draw3dRect(dc, x, y, boxW + 1, boxH + 1, RGB(255, 255, 255), RGB(192, 192, 192));
    if (m_list.IsRowSelected(row)) {
        for (int j = 0; j < 3; ++j)
            Draw3dRect(dc, x - 3 - j, y - 3 - j, boxW + 7 + 2 * j, boxH + 7 + 2 * j, RGB(0, 0, 128), RGB(0, 0, 128));
    }
    HBITMAP thumbnail =
        record->m_nState == CImageRow::kThumbnailMade ? static_cast<HBITMAP>(m_book.Find(record->Id())) : nullptr;
    BITMAP bm{};
    if (!thumbnail || !GetObjectA(thumbnail, sizeof bm, &bm)) {
        if (record->m_nState == CImageRow::kNoThumbnail) m_queue.Push(record->Id(), row);
        if (m_hLargeIcons)
            ImageList_Draw(m_hLargeIcons, record->m_nIcon, dc, (rc.right - rc.left - 32) / 2 + rc.left,
                           (rc.bottom - rc.top - 32) / 2 + rc.top, ILD_NORMAL);
        return;
    }
    if (!m_hMemDC) m_hMemDC = CreateCompatibleDC(dc);
    if (m_hMemDC) {
        HGDIOBJ old = SelectObject(m_hMemDC, thumbnail);
        BitBlt(dc, (rc.right - bm.bmWidth - rc.left) / 2 + rc.left, (rc.bottom - bm.bmHeight - rc.top) / 2 + rc.top,
               bm.bmWidth, bm.bmHeight, m_hMemDC, 0, 0, SRCCOPY);
        SelectObject(m_hMemDC, old);
    }
    if (HIMAGELIST small = m_list.SmallImageList())
        ImageList_Draw(small, record->m_nIcon, dc, (boxW + rc.right - rc.left) / 2 + rc.left - 19,
                       (boxH + rc.bottom - rc.top) / 2 + rc.top - 19, ILD_TRANSPARENT);
}

// ---------------------------------------------------------------------------------------
// Jobs and results

int CThumbnailView::RowFor(uint32_t id, int hint) const {
    const CImageRow* at = hint >= 0 ? m_list.RecordAt(hint) : nullptr;
    if (at && at->Id() == id) return hint;
    return m_list.RowOf(id);
}

void CThumbnailView::Dispatch() {
    if (!m_workers || m_bStopped || m_nMode != 1) return;
    while (m_queue.Size() > 0 && m_workers->HasIdleWorker()) {
        ThumbnailJob job;
        uint32_t id = 0;
        int hint = -1;
        // Checked as it is handed out: the row may have gone, been made or scrolled away.
        const bool found = m_queue.Next(
            [this, &job](uint32_t candidate, int rowHint) {
                const CImageRow* record = m_list.RecordById(candidate);
                if (!record || record->m_nState != CImageRow::kNoThumbnail || m_workers->IsBusyWith(candidate))
                    return false;
                const int row = RowFor(candidate, rowHint);
                if (!m_list.IsRowVisible(row)) return false;
                job.rowHint = row;
                job.path = record->m_strPath;
                return true;
            },
            id, hint);
        if (!found) return;
        job.id = id;
        job.generation = m_book.Generation();
        job.box = m_box;
        if (!m_workers->HandOut(std::move(job))) return;
    }
}

void CThumbnailView::TakeResults() {
    ThumbnailResult result;
    while (m_results && m_results->Take(result)) OnResult(&result);
}

void CThumbnailView::OnResult(ThumbnailResult* result) {
    if (m_workers) m_workers->ResultTaken();
    CImageRow* record = m_bStopped ? nullptr : m_list.RecordById(result->job.id);
    const bool current =
        record && result->job.generation == m_book.Generation() && record->m_nState == CImageRow::kNoThumbnail;
    if (!result->ok) {
        FreeBitmap(result->bitmap);
        // Never tried again until the size changes.
        if (current) record->m_nState = CImageRow::kNothingToMake;
    } else if (m_book.Take(*result, current)) {
        record->m_nState = CImageRow::kThumbnailMade;
        if (record->m_nWidth < 1 && result->pictureWidth > 0) {
            record->m_nWidth = result->pictureWidth;
            record->m_nHeight = result->pictureHeight;
        }
        if (m_book.Count() > m_nBound) TrimLive();
    }
    if (current) {
        RECT rc;
        if (m_list.IconRect(RowFor(result->job.id, result->job.rowHint), rc))
            InvalidateRect(m_list.GetSafeHwnd(), &rc, TRUE);
    }
    Dispatch();
}

void CThumbnailView::RecordGone(uint32_t id) {
    m_book.Drop(id);
}

void CThumbnailView::TrimLive() {
    // Down to three quarters at once, so that the walk over all rows stays rare.
    std::vector<LiveThumbnail> live;
    live.reserve(m_book.Count());
    const int n = m_list.RowCount();
    for (int i = 0; i < n; ++i) {
        const CImageRow* record = m_list.RecordAt(i);
        if (record && m_book.Find(record->Id())) live.push_back({i, record->Id()});
    }
    for (uint32_t id : ThumbnailsToDrop(std::move(live), m_nPaintFirst, m_nPaintLast, m_nBound * 3 / 4)) {
        m_book.Drop(id);
        if (CImageRow* record = m_list.RecordById(id)) record->m_nState = CImageRow::kNoThumbnail;
    }
}

LRESULT CThumbnailView::Count(WPARAM what) {
    if (what == 0) return static_cast<LRESULT>(m_book.Count());
    if (what == 2) return static_cast<LRESULT>(m_queue.Size() + (m_workers ? m_workers->BusyCount() : 0));
    LRESULT failed = 0;
    m_list.ForEachRecord([&failed](CImageRow& record) {
        failed += !record.m_bIsFolder && record.m_nState == CImageRow::kNothingToMake ? 1 : 0;
    });
    return failed;
}
