// The rows of the image list view: how a path splits into name and location, how two
// rows compare, what the cells show, and which rows a double click may open.
#include "ui/core/ImageRow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Shift-JIS: the code page in which a trail byte can be 0x5C, the backslash.
bool ShiftJisLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
const std::string kHyo = "\x95\x5C";  // one double-byte character whose second byte is 0x5C

RowPathParts Split(const std::string& path) {
    return SplitRowPath(path, ShiftJisLead);
}
RowPathParts SplitFolder(const std::string& path) {
    return SplitFolderRowPath(path, ShiftJisLead);
}

TEST(RowPath, NameAndLocationOfFilesFoldersAndDriveRoots) {
    EXPECT_EQ(Split("C:\\Pictures\\sea.jpg").name, "sea.jpg");
    EXPECT_EQ(Split("C:\\Pictures\\sea.jpg").location, "C:\\Pictures");
    EXPECT_EQ(Split("C:\\sea.jpg").name, "sea.jpg");
    EXPECT_EQ(Split("C:\\sea.jpg").location, "C:");
    EXPECT_EQ(Split("sea.jpg").name, "sea.jpg");
    EXPECT_EQ(Split("sea.jpg").location, "");
    // A backslash at the very start gives no location; a drive-relative path splits at the colon.
    EXPECT_EQ(Split("\\sea.jpg").name, "sea.jpg");
    EXPECT_EQ(Split("\\sea.jpg").location, "");
    EXPECT_EQ(Split("C:sea.jpg").name, "sea.jpg");
    EXPECT_EQ(Split("\\\\server\\share\\sea.jpg").location, "\\\\server\\share");

    EXPECT_EQ(SplitFolder("D:\\").name, "D:\\");
    EXPECT_EQ(SplitFolder("D:\\").location, "");
    EXPECT_EQ(SplitFolder("C:\\Photos\\").name, "Photos");
    EXPECT_EQ(SplitFolder("C:\\Photos\\").location, "C:");
    EXPECT_EQ(SplitFolder("C:\\Photos").name, "Photos");
}

TEST(RowPath, LongPathsSplitWhole) {
    std::string folder = "C:";
    for (int i = 0; i < 40; ++i) folder += "\\folder" + std::to_string(i);
    ASSERT_GT(folder.size(), 300u);
    const std::string name(200, 'n');
    const RowPathParts parts = Split(folder + "\\" + name + ".jpg");
    EXPECT_EQ(parts.name, name + ".jpg");
    EXPECT_EQ(parts.location, folder);
    EXPECT_EQ(SplitFolder(folder + "\\").name, "folder39");
}

TEST(RowPath, TheSecondByteOfADoubleByteCharacterIsNoBackslash) {
    // C:\Pics\<hyo>: the path ends in byte 0x5C, which is not a backslash.
    const std::string file = "C:\\Pics\\" + kHyo;
    EXPECT_EQ(Split(file).name, kHyo);
    EXPECT_EQ(Split(file).location, "C:\\Pics");
    EXPECT_FALSE(EndsInBackslash(file, ShiftJisLead));
    EXPECT_EQ(SplitFolder(file).name, kHyo);
    EXPECT_EQ(SplitFolder(file).location, "C:\\Pics");
    // A folder named <hyo> with a real trailing backslash.
    EXPECT_EQ(SplitFolder("C:\\" + kHyo + "\\").name, kHyo);
    EXPECT_EQ(Split("C:\\" + kHyo + "\\sea.jpg").location, "C:\\" + kHyo);
    // In a single-byte code page the same byte is a backslash.
    EXPECT_EQ(SplitRowPath(file, nullptr).location, "C:\\Pics\\\x95");
    // A lead byte at the very end stands alone.
    EXPECT_EQ(Split("C:\\a\\\x95").name, "\x95");
}

TEST(RowPath, EveryEntryComesBackAsItWent) {
    struct Case {
        const char* path;
        bool folder;
    };
    for (const Case& c : {Case{"C:\\Pictures\\sea.jpg", false}, Case{"\\sea.jpg", false}, Case{"C:sea.jpg", false},
                          Case{"D:\\", true}, Case{"C:\\Photos\\", true}, Case{"\\", true}, Case{"", false}}) {
        CImageItem item(c.path, c.folder, c.folder);
        item.m_nWidth = 640;
        item.m_nHeight = -480;
        item.m_nDepth = 24;
        CImageRow row(1);
        FillRowFromItem(row, item, ShiftJisLead);
        EXPECT_EQ(ItemFromRow(row), item) << c.path;
        EXPECT_EQ(row.m_nState, c.folder ? CImageRow::kNothingToMake : CImageRow::kNoThumbnail) << c.path;
    }
    CImageRow root(2);
    FillRowFromItem(root, CImageItem("\\", true, true), ShiftJisLead);
    EXPECT_EQ(root.m_strName, "\\");
}

CImageRow& Row(CImageRow& row, const std::string& name, int32_t width, bool folder = false, bool sub = false) {
    row.m_strName = name;
    row.m_strLocation = "C:\\" + name;
    row.m_nWidth = width;
    row.m_nHeight = -width;
    row.m_nDepth = width / 10;
    row.m_bIsFolder = folder;
    row.m_bIncludeSubFolders = sub;
    return row;
}

TEST(RowCompare, ByEachColumn) {
    CImageRow a(1), b(2);
    // Case-sensitive: capitals first.
    EXPECT_LT(CompareRows(Row(a, "Zebra.jpg", 10), Row(b, "apple.jpg", 20), 0, ShiftJisLead), 0);
    EXPECT_LT(CompareRows(a, b, 1, ShiftJisLead), 0);
    EXPECT_EQ(CompareRows(a, a, 0, ShiftJisLead), 0);
    // A prefix goes first.
    EXPECT_LT(CompareRows(Row(a, "sea", 1), Row(b, "sea.jpg", 1), 0, ShiftJisLead), 0);
    // A double-byte character compares by its 16-bit value, above every single byte:
    // 0x955C after 0xA0, although its first byte 0x95 is below 0xA0.
    EXPECT_GT(CompareRows(Row(a, kHyo, 1), Row(b, "\xA0", 1), 0, ShiftJisLead), 0);
    EXPECT_LT(CompareRows(a, b, 0, nullptr), 0);
    // Numbers are signed: the height of a top-down picture is negative.
    EXPECT_LT(CompareRows(Row(a, "a", 30), Row(b, "b", 20), 3, ShiftJisLead), 0);
    EXPECT_GT(CompareRows(a, b, 2, ShiftJisLead), 0);
    EXPECT_GT(CompareRows(a, b, 4, ShiftJisLead), 0);
    EXPECT_EQ(CompareRows(a, b, 6, ShiftJisLead), 0);
}

TEST(RowCompare, FoldersWithoutSubFoldersThenWithThenFiles) {
    CImageRow plain(1), deep(2), file(3), other(4);
    Row(plain, "z", 0, true, false);
    Row(deep, "a", 0, true, true);
    Row(file, "a", 5);
    Row(other, "b", 9);
    EXPECT_LT(CompareRows(plain, deep, 5, nullptr), 0);
    EXPECT_LT(CompareRows(deep, file, 5, nullptr), 0);
    EXPECT_GT(CompareRows(file, plain, 5, nullptr), 0);
    EXPECT_EQ(CompareRows(file, other, 5, nullptr), 0);
}

TEST(RowCells, SizesOnlyOnceKnownAndTheFolderFlagInTheLanguage) {
    RowTexts texts;
    texts.depthFormat = "%d Bit";
    texts.yes = "Ja";
    texts.no = "Nein";
    CImageRow row(1);
    Row(row, "sea.jpg", 0);
    row.m_nHeight = 480;  // a height without a width is not shown either
    EXPECT_EQ(RowCellText(row, 0, texts), "sea.jpg");
    EXPECT_EQ(RowCellText(row, 1, texts), "C:\\sea.jpg");
    for (int column : {2, 3, 4, 5}) EXPECT_EQ(RowCellText(row, column, texts), "") << column;
    row.m_nWidth = 640;
    row.m_nHeight = -480;
    row.m_nDepth = 8;
    EXPECT_EQ(RowCellText(row, 2, texts), "640");
    EXPECT_EQ(RowCellText(row, 3, texts), "-480");
    EXPECT_EQ(RowCellText(row, 4, texts), "8 Bit");
    row.MarkFolder();
    row.m_bIncludeSubFolders = true;
    EXPECT_EQ(RowCellText(row, 5, texts), "Ja");
    row.m_bIncludeSubFolders = false;
    EXPECT_EQ(RowCellText(row, 5, texts), "Nein");
    EXPECT_EQ(RowCellText(row, 9, texts), "");
}

TEST(RowOpen, OnlyExistingFoldersAndPicturesOpen) {
    struct Case {
        const char* path;
        bool folder;
        PathKind kind;
        bool opens;
    };
    const Case cases[] = {
        {"C:\\Pictures\\sea.jpg", false, PathKind::File, true},
        {"C:\\Pictures\\SEA.JPEG", false, PathKind::File, true},
        {"C:\\Pictures\\scan.tif", false, PathKind::File, true},
        {"C:\\Pictures\\scan.tiff", false, PathKind::File, true},
        {"C:\\Pictures\\gone.jpg", false, PathKind::Missing, false},
        {"C:\\Pictures\\holiday.jpg.exe", false, PathKind::File, false},
        {"C:\\Pictures\\run.bat", false, PathKind::File, false},
        {"C:\\Pictures\\notes.txt", false, PathKind::File, false},
        // A picture name that is a folder on the disk, and a "folder" that is a program.
        {"C:\\Pictures\\album.jpg", false, PathKind::Directory, false},
        {"C:\\Pictures", true, PathKind::Directory, true},
        {"C:\\Pictures\\run.bat", true, PathKind::File, false},
        {"C:\\Gone", true, PathKind::Missing, false},
    };
    for (const Case& c : cases) {
        CImageRow row(1);
        FillRowFromItem(row, CImageItem(c.path, c.folder, false), nullptr);
        EXPECT_EQ(MayOpenRow(row, c.kind), c.opens) << c.path;
    }
}

}  // namespace
