// The rows of the image list view: how a path splits into name and location, how two
// rows compare, what the cells show, and which rows a double click may open.
#include "ui/core/ImageRow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// U+8868, which in Shift-JIS ends in the byte 0x5C; in UTF-8 no byte of it is a backslash.
const std::string kHyo = "\xE8\xA1\xA8";

RowPathParts Split(const std::string& path) {
    return SplitRowPath(path);
}
RowPathParts SplitFolder(const std::string& path) {
    return SplitFolderRowPath(path);
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

TEST(RowPath, NamesOutsideTheCodePageSplitWhole) {
    const std::string file = "C:\\Pics\\" + kHyo;
    EXPECT_EQ(Split(file).name, kHyo);
    EXPECT_EQ(Split(file).location, "C:\\Pics");
    EXPECT_FALSE(EndsInBackslash(file));
    EXPECT_EQ(SplitFolder(file).name, kHyo);
    EXPECT_EQ(SplitFolder("C:\\" + kHyo + "\\").name, kHyo);
    EXPECT_EQ(Split("C:\\" + kHyo + "\\sea.jpg").location, "C:\\" + kHyo);
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
        FillRowFromItem(row, item);
        EXPECT_EQ(ItemFromRow(row), item) << c.path;
        EXPECT_EQ(row.m_nState, c.folder ? CImageRow::kNothingToMake : CImageRow::kNoThumbnail) << c.path;
    }
    CImageRow root(2);
    FillRowFromItem(root, CImageItem("\\", true, true));
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
    EXPECT_LT(CompareRows(Row(a, "Zebra.jpg", 10), Row(b, "apple.jpg", 20), 0), 0);
    EXPECT_LT(CompareRows(a, b, 1), 0);
    EXPECT_EQ(CompareRows(a, a, 0), 0);
    // A prefix goes first.
    EXPECT_LT(CompareRows(Row(a, "sea", 1), Row(b, "sea.jpg", 1), 0), 0);
    // By code point: U+8868 after U+00E9 and before U+FF41, whatever their lengths in bytes.
    EXPECT_GT(CompareRows(Row(a, kHyo, 1), Row(b, "\xC3\xA9", 1), 0), 0);
    EXPECT_LT(CompareRows(Row(a, kHyo, 1), Row(b, "\xEF\xBD\x81", 1), 0), 0);
    // Numbers are signed: the height of a top-down picture is negative.
    EXPECT_LT(CompareRows(Row(a, "a", 30), Row(b, "b", 20), 3), 0);
    EXPECT_GT(CompareRows(a, b, 2), 0);
    EXPECT_GT(CompareRows(a, b, 4), 0);
    EXPECT_EQ(CompareRows(a, b, 6), 0);
}

TEST(RowCompare, FoldersWithoutSubFoldersThenWithThenFiles) {
    CImageRow plain(1), deep(2), file(3), other(4);
    Row(plain, "z", 0, true, false);
    Row(deep, "a", 0, true, true);
    Row(file, "a", 5);
    Row(other, "b", 9);
    EXPECT_LT(CompareRows(plain, deep, 5), 0);
    EXPECT_LT(CompareRows(deep, file, 5), 0);
    EXPECT_GT(CompareRows(file, plain, 5), 0);
    EXPECT_EQ(CompareRows(file, other, 5), 0);
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
        FillRowFromItem(row, CImageItem(c.path, c.folder, false));
        EXPECT_EQ(MayOpenRow(row, c.kind), c.opens) << c.path;
    }
}

}  // namespace
