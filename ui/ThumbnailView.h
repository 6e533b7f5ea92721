// The Thumbnails view of the image list: the switch between Details and Thumbnails
// (commands 32776 and 32777 and the list-mode button's menu), the drawing of each cell,
// and the thumbnails, made by worker threads through the window's own plug-in instance
// for the rows that are painted. It works on the main dialog's window (chained to its
// map); the rows stay the list's, the workers see only jobs.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "lang/LanguageManager.h"
#include "res/MainMessages.h"
#include "plugin/PaintLibThumbnailGenerater_win.h"
#include "ui/ConfigWindow.h"
#include "ui/FileList.h"
#include "ui/core/ThumbnailJobs.h"

class CThumbnailView : public CMessageMap {
public:
    CThumbnailView(IConfigWindowHost& host, CFileList& list, const CLanguageManager& language);
    ~CThumbnailView() override;

    // Takes the window's list and loads the plug-in instance (generator: one to share,
    // for tests); false when the plug-in cannot be loaded.
    bool Attach(HWND window, std::shared_ptr<CPaintLibThumbnailGenerater> generator = nullptr);
    // The view the options hold, without marking the options changed (start, Cancel); a
    // choice not taken yet is dropped.
    void ShowStoredMode();
    // The mode the user chose into the option data (the configuration window's OK).
    void TakeMode(COptionData& options);
    void ShowDetails() { SetMode(0, true); }
    void ShowThumbnails() { SetMode(1, true); }
    // Every thumbnail goes and is made anew at the new size as rows are painted.
    void OnThumbnailSizeChanged();
    // Waits for the jobs in flight and frees the thumbnails; false when a worker did not
    // end in time (it keeps the plug-in instance it uses).
    // Waits at most ms for the workers (answering sent messages meanwhile).
    bool Stop(uint32_t ms = CThumbnailWorkers::kStopMs);

    size_t LiveCount() const { return m_book.Count(); }
    size_t LiveBound() const { return m_nBound; }
    ThumbnailBox Box() const { return m_box; }
    HIMAGELIST CellImageList() const { return m_hCells; }

private:
    void MapMessages();
    void SetMode(int mode, bool modified);
    void SetCellSize(int cx, int cy);
    bool OnCustomDraw(NMHDR* header, LRESULT& result);
    void DrawItem(HDC dc, int row);
    void Dispatch();
    void TakeResults();
    void OnResult(ThumbnailResult* result);
    void RecordGone(uint32_t id);
    void TrimLive();
    int RowFor(uint32_t id, int hint) const;
    LRESULT Count(WPARAM what);

    IConfigWindowHost& m_host;
    CFileList& m_list;
    const CLanguageManager& m_language;
    HWND m_hWnd = nullptr;
    std::shared_ptr<CPaintLibThumbnailGenerater> m_generator;
    std::unique_ptr<CThumbnailWorkers> m_workers;
    std::shared_ptr<CThumbnailResults> m_results;
    CThumbnailQueue m_queue;
    CThumbnailBook m_book;
    ThumbnailBox m_box;
    size_t m_nBound = kMaxLiveThumbnails;
    int m_nMode = -1;
    bool m_bModeChosen = false;
    bool m_bStopped = false;
    HIMAGELIST m_hCells = nullptr;
    HIMAGELIST m_hLargeIcons = nullptr;
    HDC m_hMemDC = nullptr;
    // The rows of the last paint: the thumbnails nearest them stay.
    int m_nPaintFirst = 0, m_nPaintLast = -1, m_nPaintingFirst = 0, m_nPaintingLast = -1;
};
