// Building the display list from the image list: file entries as they are, folder
// entries by scanning them, and handing the folders to the folder watcher.
#pragma once
#include <cstdint>
#include <set>
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

class CDisplayListRebuild {
public:
    // A sub-folder is entered only while the search pattern is shorter than this.
    static constexpr size_t kMaxPatternLength = 260;

    CDisplayListRebuild(IDirectorySearch& search, IFolderWatch* watcher) : m_search(search), m_watcher(watcher) {}

    // The display list's paths for the image list: file entries as they are, folder entries
    // scanned; the watcher is cleared, given the folder entries and started before any scan.
    // The busy flag and the hand-over of the list are the slideshow's (CSlideshow::RebuildDisplayList).
    std::vector<std::string> BuildPaths(const std::vector<CImageItem>& images);
    // Appends the folder's pictures to paths, depth first in the order the file system gives;
    // a folder already visited in this rebuild (a link back to a parent, say) adds nothing.
    void ScanFolder(const std::string& folder, bool includeSubFolders, std::vector<std::string>& paths);

private:
    IDirectorySearch& m_search;
    IFolderWatch* m_watcher;
    std::set<std::string> m_visited;
};
