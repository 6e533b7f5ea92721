#include "ui/core/ImageRow.h"

#include "base/StringUtil.h"
#include "imagelist/ImageExtension.h"

namespace {

// Names are UTF-8: the order of their bytes (unsigned) is the order of their code points.
int CompareText(const std::string& a, const std::string& b) {
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int CompareNumbers(int32_t a, int32_t b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

// Folders without sub-folders, folders with them, files.
int KindRank(const CImageRow& row) {
    if (!row.m_bIsFolder) return 2;
    return row.m_bIncludeSubFolders ? 1 : 0;
}

bool EndsWithNoCase(const std::string& s, const char* tail) {
    const std::string t(tail);
    return s.size() > t.size() && EqualsNoCase(s.substr(s.size() - t.size()), t);
}

std::string ReplaceNumber(const std::string& format, int32_t value) {
    const size_t at = format.find("%d");
    if (at == std::string::npos) return format;
    return format.substr(0, at) + std::to_string(value) + format.substr(at + 2);
}

}  // namespace

RowPathParts SplitRowPath(const std::string& path) {
    size_t nameStart = 0;
    size_t lastBackslash = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\' || path[i] == ':') {
            if (path[i] == '\\') lastBackslash = i;
            if (i + 1 < path.size() && path[i + 1] != '\\') nameStart = i + 1;
        }
    }
    RowPathParts parts;
    parts.name = path.substr(nameStart);
    if (lastBackslash != std::string::npos && lastBackslash >= 1) parts.location = path.substr(0, lastBackslash);
    return parts;
}

bool EndsInBackslash(const std::string& path) {
    return !path.empty() && path.back() == '\\';
}

RowPathParts SplitFolderRowPath(const std::string& path) {
    if (!EndsInBackslash(path)) return SplitRowPath(path);
    const std::string rest = path.substr(0, path.size() - 1);
    if (!rest.empty() && rest.back() == ':') return RowPathParts{path, std::string()};
    return SplitRowPath(rest);
}

void FillRowFromItem(CImageRow& row, const CImageItem& item) {
    row.m_strPath = item.m_strPath;
    const RowPathParts parts = item.m_bIsFolder ? SplitFolderRowPath(item.m_strPath) : SplitRowPath(item.m_strPath);
    // A path without a name of its own (a lone backslash) shows itself.
    row.m_strName = parts.name.empty() ? item.m_strPath : parts.name;
    row.m_strLocation = parts.location;
    row.m_nWidth = item.m_nWidth;
    row.m_nHeight = item.m_nHeight;
    row.m_nDepth = item.m_nDepth;
    row.m_bIncludeSubFolders = item.m_bIncludeSubFolders != 0;
    if (item.m_bIsFolder) row.MarkFolder();
}

CImageItem ItemFromRow(const CImageRow& row) {
    CImageItem item(row.m_strPath, row.m_bIsFolder, row.m_bIncludeSubFolders);
    item.m_nWidth = row.m_nWidth;
    item.m_nHeight = row.m_nHeight;
    item.m_nDepth = row.m_nDepth;
    return item;
}

int CompareRows(const CImageRow& a, const CImageRow& b, int column) {
    switch (column) {
        case 0:
            return CompareText(a.m_strName, b.m_strName);
        case 1:
            return CompareText(a.m_strLocation, b.m_strLocation);
        case 2:
            return CompareNumbers(a.m_nWidth, b.m_nWidth);
        case 3:
            return CompareNumbers(a.m_nHeight, b.m_nHeight);
        case 4:
            return CompareNumbers(a.m_nDepth, b.m_nDepth);
        case 5:
            return CompareNumbers(KindRank(a), KindRank(b));
        default:
            return 0;
    }
}

std::string RowCellText(const CImageRow& row, int column, const RowTexts& texts) {
    switch (column) {
        case 0:
            return row.m_strName;
        case 1:
            return row.m_strLocation;
        case 2:
            return row.m_nWidth < 1 ? std::string() : std::to_string(row.m_nWidth);
        case 3:
            return row.m_nWidth < 1 ? std::string() : std::to_string(row.m_nHeight);
        case 4:
            return row.m_nWidth < 1 ? std::string() : ReplaceNumber(texts.depthFormat, row.m_nDepth);
        case 5:
            if (!row.m_bIsFolder) return std::string();
            return row.m_bIncludeSubFolders ? texts.yes : texts.no;
        default:
            return std::string();
    }
}

int ListColumnWidth(int column, bool hasRows) {
    if (column == 5) return 120;
    if (hasRows && column < 2) return kSizeToContents;
    return 100;
}

bool MayOpenRow(const CImageRow& row, PathKind kind) {
    if (row.m_bIsFolder) return kind == PathKind::Directory;
    if (kind != PathKind::File) return false;
    // The open dialog also offers .jpeg and .tif, which the extension test leaves out.
    return IsImageFile(row.m_strPath) || EndsWithNoCase(row.m_strPath, ".jpeg") ||
           EndsWithNoCase(row.m_strPath, ".tif");
}
