// The image list's commands in the configuration window: Remove, Clear, the four moves,
// the selection commands, Load and Save Image List, Add Image Files and Add Image Folder,
// files dropped on the list, and the list's clicks and keys. It works on the main
// dialog's window (chained to its map) and reaches the hub through IImageListHost.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/MessageMap.h"
#include "imagelist/ImageItem.h"
#include "lang/LanguageManager.h"
#include "ui/FileList.h"
#include "ui/core/HeaderJobs.h"

class IImageListHost {
public:
    virtual ~IImageListHost() = default;
    virtual void SetModified() = 0;
    // The rows changed so that the slideshow must start afresh from the list confirmed
    // next: the display list is emptied and the next tick rebuilds it.
    virtual void ResetDisplayList() = 0;
    // The picture's width, height and depth from its header; width 0 when no reader knows it.
    // Called on the thread that reads headers, which may outlive the host: what it uses
    // must stay (the readers are the header thread's alone).
    virtual void GetImageInfo(const std::string& path, int32_t& width, int32_t& height, int32_t& depth) = 0;
    // A text of section "Strings" in a message box captioned with the program's name.
    virtual int LangMessageBox(const char* key, UINT flags) = 0;
};

class CImageListCommands : public CMessageMap {
public:
    // The filter of Add Image Files, as the program has always offered it.
    static const char kPictureFilter[];

    CImageListCommands(IImageListHost& host, const CLanguageManager& language);

    // Takes over the list control of the window. False when it is missing.
    bool Attach(HWND window);
    CFileList& List() { return m_list; }

    // The rows from the image list (the window is filled or Cancel refills it).
    void FillRows(const std::vector<CImageItem>& images) { m_list.ImageListToRows(images); }
    // The rows into images; true when that changed an entry or the order (not only the sizes
    // the program filled in). Without a list, images stay.
    bool TakeRows(std::vector<CImageItem>& images) const;

    // --- Commands, public for the in-process tests ---
    void Remove();
    void Clear();
    void MoveToTop() { MoveRows(MoveSelectedToTop, 0); }
    void MoveUp() { MoveRows(MoveSelectedUp, -1); }
    void MoveDown() { MoveRows(MoveSelectedDown, -1); }
    void MoveToBottom() { MoveRows(MoveSelectedToBottom, kLastRow); }
    // The rows come at once; their sizes as the header thread reads them.
    void AddFiles(const std::vector<std::string>& paths);
    void AddFolder(const std::string& path, bool includeSubFolders);
    void DropFiles(HDROP drop);
    // A file that cannot be read leaves rows, image list and modified flag as they were.
    bool LoadImageListFrom(const std::string& path);
    bool SaveImageListTo(const std::string& path);
    void OpenFirstSelected();
    void OnListKey(WORD key);
    // Headers of added files not yet shown (for tests and the benchmark).
    size_t SizesPending() const { return m_headers ? m_headers->Pending() : 0; }
    // At the end: within the time left of the shared stop limit.
    bool StopHeaderReads(uint32_t ms) { return !m_headers || m_headers->Stop(ms); }

    // What a double click hands to the shell; tests watch instead of opening.
    void SetShellOpen(std::function<void(const std::string& path)> open) { m_shellOpen = std::move(open); }

private:
    static constexpr int kLastRow = -2;

    void MapCommands();
    void MapListNotifications();
    void MoveRows(MoveResult (*move)(IRowList&), int showRow);
    void NothingSelected();
    void OnAddImageFiles();
    void OnAddImageFolder();
    void OnLoadImageList();
    void OnSaveImageList();
    // After rows were added: the sizes shown, the edit noted, the slideshow to start afresh.
    void RowsAdded(bool sizeColumns);
    // A file row whose size the header thread reads; -1 when no row was added.
    int AddFileRow(const std::string& path);
    void ShowSizes();

    IImageListHost& m_host;
    const CLanguageManager& m_language;
    HWND m_hWnd = nullptr;
    CFileList m_list;
    std::function<void(const std::string&)> m_shellOpen;
    std::unique_ptr<CHeaderJobs> m_headers;
};
