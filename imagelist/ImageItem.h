// One entry of the image list: a picture file or a folder of pictures.
#pragma once
#include <cstdint>
#include <string>

class CArchive;

class CImageItem {
public:
    CImageItem() = default;
    CImageItem(const std::string& path, bool isFolder, bool includeSubFolders)
        : m_strPath(path), m_bIsFolder(isFolder ? 1 : 0), m_bIncludeSubFolders(includeSubFolders ? 1 : 0) {}
    virtual ~CImageItem() = default;
    CImageItem(const CImageItem&) = default;
    CImageItem& operator=(const CImageItem&) = default;

    // path, width and height as one 8-byte block, depth, folder flag, sub-folder flag
    virtual void Serialize(CArchive& ar);
    // The fewest bytes one stored entry takes (an empty path).
    static constexpr size_t kMinStoredSize = 1 + 5 * 4;

    bool operator==(const CImageItem& o) const {
        return m_strPath == o.m_strPath && m_nWidth == o.m_nWidth && m_nHeight == o.m_nHeight &&
               m_nDepth == o.m_nDepth && m_bIsFolder == o.m_bIsFolder && m_bIncludeSubFolders == o.m_bIncludeSubFolders;
    }

    // The same entry as the user chose it: the sizes and depth are filled in by the program.
    bool SameEntry(const CImageItem& o) const {
        return m_strPath == o.m_strPath && m_bIsFolder == o.m_bIsFolder &&
               m_bIncludeSubFolders == o.m_bIncludeSubFolders;
    }

    std::string m_strPath;
    int32_t m_nWidth = 0;
    int32_t m_nHeight = 0;
    int32_t m_nDepth = 0;
    int32_t m_bIsFolder = 0;
    int32_t m_bIncludeSubFolders = 1;
};
