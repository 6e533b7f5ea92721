#include "imagelist/Rebuild.h"

#include <exception>

#include "base/Trace.h"
#include "imagelist/FileSystem.h"
#include "imagelist/ImageExtension.h"

namespace {
// The folder part of an absolute search pattern, ready for a name to be appended.
std::string FolderPrefix(const std::string& absolutePattern) {
    size_t slash = absolutePattern.find_last_of("\\/");
    if (slash == std::string::npos) return std::string();
    return absolutePattern.substr(0, slash + 1);
}
}  // namespace

void CDisplayListRebuild::ScanFolder(const std::string& folder, bool includeSubFolders,
                                     std::vector<std::string>& paths) {
    if (folder.empty()) {
        VL_TRACE();
        return;
    }
    // Past the cap no folder can add anything, so none is opened any more.
    if (paths.size() >= CDisplayList::kMaxScannedPictures) return;
    const std::string identity = m_search.FolderIdentity(folder);
    if (!identity.empty() && !m_visited.insert(identity).second) return;
    std::string pattern = folder;
    if (pattern.back() != '\\') pattern += '\\';
    pattern += "*.*";
    const bool enterSubFolders = includeSubFolders && pattern.size() < kMaxPatternLength;
    std::string prefix;
    bool prefixKnown = false;

    m_search.Find(pattern, [&](const std::string& name, bool isDirectory) {
        if (name == "." || name == "..") return true;
        if (isDirectory && !enterSubFolders) return true;
        if (!prefixKnown) {
            prefix = FolderPrefix(m_search.FullPath(pattern));
            prefixKnown = true;
        }
        std::string full = prefix + name;
        if (isDirectory) {
            if (full == folder) {
                VL_TRACE();
                return true;
            }
            ScanFolder(full, includeSubFolders, paths);
            return paths.size() < CDisplayList::kMaxScannedPictures;
        }
        if (!IsImageFile(full)) return true;
        if (paths.size() >= CDisplayList::kMaxScannedPictures) return false;
        paths.push_back(std::move(full));
        return true;
    });
}

std::vector<std::string> CDisplayListRebuild::BuildPaths(const std::vector<CImageItem>& images) {
    // The watcher starts before the folders are read, so that a picture added while they
    // are read, or just after, is still noticed.
    if (m_watcher) {
        m_watcher->Clear();
        for (const CImageItem& item : images)
            if (item.m_bIsFolder) m_watcher->AddFolder(item.m_strPath);
        m_watcher->SetWatching(true);
    }
    m_visited.clear();
    std::vector<std::string> paths;
    for (const CImageItem& item : images) {
        if (item.m_bIsFolder) {
            try {
                ScanFolder(item.m_strPath, item.m_bIncludeSubFolders != 0, paths);
            } catch (const std::exception& e) {
                VL_TRACE_MSG(e.what());
            } catch (...) {
                VL_TRACE();
            }
        } else {
            paths.push_back(item.m_strPath);
        }
    }
    return paths;
}
