// Building the display list from the image list: file entries as they are, folder
// entries by scanning them, and handing the folders to the folder watcher.
#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "imagelist/DisplayList.h"
#include "imagelist/ImageItem.h"

class IDirectorySearch;

// The folder watcher as the rebuild uses it.
class IFolderWatch {
public:
    virtual ~IFolderWatch() = default;
    virtual void Clear() = 0;
    virtual int AddFolder(const std::string& path) = 0;
    virtual bool IsWatching() const = 0;
    virtual void SetWatching(bool watching) = 0;
};

// Folder-change notices are coalesced: the list is rebuilt once they have been quiet this long.
constexpr uint32_t kFolderChangeQuietMs = 5000;

class CDisplayListRebuild {
public:
    // A sub-folder is entered only while the search pattern is shorter than this.
    static constexpr size_t kMaxPatternLength = 260;

    CDisplayListRebuild(IDirectorySearch& search, IFolderWatch* watcher) : m_search(search), m_watcher(watcher) {}

    // False when another rebuild was running (this one was turned away).
    bool RebuildDisplayList(const std::vector<CImageItem>& images, CDisplayList& displayList);
    // The display list's paths for the image list; the watcher is cleared, given the folder
    // entries and started. No busy flag: for a caller that keeps its own.
    std::vector<std::string> BuildPaths(const std::vector<CImageItem>& images);
    // Appends the folder's pictures to paths, depth first in the order the file system gives.
    void ScanFolder(const std::string& folder, bool includeSubFolders, std::vector<std::string>& paths);

    // WM_FOLDERCHANGED: remember when (a tick count; 0 means nothing pending).
    void NoteFolderChange(uint32_t nowTick);
    // True when a change is pending and has been quiet for more than kFolderChangeQuietMs.
    bool RebuildDue(uint32_t nowTick) const;
    bool IsRebuilding() const { return m_rebuilding.load() != 0; }
    uint32_t LastFolderChange() const { return m_lastFolderChange.load(); }

private:
    IDirectorySearch& m_search;
    IFolderWatch* m_watcher;
    std::atomic<uint32_t> m_lastFolderChange{0};
    std::atomic<int32_t> m_rebuilding{0};
};
