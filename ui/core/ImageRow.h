// The record behind one row of the image list view, and the rules that work on rows:
// a path's name and location, the order of two rows by a column, the cell texts, the
// column widths, and whether a double click may open a row.
#pragma once
#include <cstdint>
#include <string>

#include "imagelist/FileSystem.h"
#include "imagelist/ImageItem.h"

// True for the first byte of a double-byte character of the ANSI code page; a null test
// means a single-byte code page.
using LeadByteTest = bool (*)(unsigned char c);

class CImageRow {
public:
    enum State : int32_t { kNoThumbnail = 1, kThumbnailMade = 2, kNothingToMake = 3 };

    // id: never given to another row of the same list, so that work handed out for a
    // row can find it again, or find it gone.
    explicit CImageRow(uint32_t id) : m_nId(id) {}
    virtual ~CImageRow() = default;
    CImageRow(const CImageRow&) = delete;
    CImageRow& operator=(const CImageRow&) = delete;

    uint32_t Id() const { return m_nId; }
    void MarkFolder() {
        m_bIsFolder = true;
        m_nState = kNothingToMake;
    }

    int32_t m_nState = kNoThumbnail;
    int32_t m_nIcon = 0;
    // The path as it came in: what goes back into the image list. Name and location
    // are for showing and sorting; some paths (\pic.jpg, C:pic.jpg) are not their join.
    std::string m_strPath;
    std::string m_strName;
    std::string m_strLocation;
    int32_t m_nWidth = 0;
    int32_t m_nHeight = 0;
    int32_t m_nDepth = 0;
    bool m_bIsFolder = false;
    bool m_bIncludeSubFolders = false;

private:
    const uint32_t m_nId;
};

struct RowPathParts {
    std::string name;
    std::string location;
};

// Name: what follows the last "\" or ":" that is followed by a character other than
// "\"; the whole path when there is none. Location: what precedes the last "\", empty
// when that is the first character or there is none. Paths are names (UTF-8), in which a
// byte 0x5C is always a backslash.
RowPathParts SplitRowPath(const std::string& path);
// A folder's path: a trailing backslash is dropped first, except after a drive's colon
// (D:\ is its own name, without a location).
RowPathParts SplitFolderRowPath(const std::string& path);
bool EndsInBackslash(const std::string& path);

// An image list entry as a row, and back.
void FillRowFromItem(CImageRow& row, const CImageItem& item);
CImageItem ItemFromRow(const CImageRow& row);

// Negative when a goes first. Columns 0 and 1 compare names and locations character by
// character (case-sensitive, by code point); 2 to 4 width, height and depth; 5 puts folders without sub-folders, then
// folders with them, then files. Any other column: equal.
int CompareRows(const CImageRow& a, const CImageRow& b, int column);

struct RowTexts {
    std::string depthFormat = "%d bit";  // its %d is the depth
    std::string yes = "Yes";
    std::string no = "No";
};
constexpr int kListColumnCount = 6;
// The text of a cell: name, location, width, height, depth (empty while the width is not
// known), and for a folder whether its sub-folders count.
std::string RowCellText(const CImageRow& row, int column, const RowTexts& texts);

// The width of a column after the rows were filled or added: kSizeToContents for the
// name and location when there are rows.
constexpr int kSizeToContents = -1;
int ListColumnWidth(int column, bool hasRows);

// A double click opens a folder row only when that folder exists, and a file row only
// when it exists and names a picture, so that a list from elsewhere cannot run
// "holiday.jpg.exe" or "run.bat" through the shell.
bool MayOpenRow(const CImageRow& row, PathKind kind);
