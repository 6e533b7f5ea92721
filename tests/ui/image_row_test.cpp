// The rows of the image list view: how a path splits into name and location, how two
// rows compare, what the cells show, and which rows a double click may open.
#include "ui/core/ImageRow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Parts(const RowPathParts& p) {
    return p.name + "|" + p.location;
}

TEST(RowPath, NameAndLocationOfFilesFoldersAndDriveRoots) {
    EXPECT_EQ(Parts(SplitRowPath("C:\\Pictures\\sea.jpg")), "sea.jpg|C:\\Pictures");
    EXPECT_EQ(Parts(SplitRowPath("C:\\sea.jpg")), "sea.jpg|C:");
    EXPECT_EQ(Parts(SplitFolderRowPath("D:\\")), "D:\\|");
    EXPECT_EQ(Parts(SplitFolderRowPath("C:\\Photos\\")), "Photos|C:");
}

// What the list view shows is saved from it again.
TEST(RowPath, EveryEntryComesBackAsItWent) {
    for (const auto& [path, folder] :
         {std::pair<const char*, bool>{"C:\\Pictures\\sea.jpg", false}, {"D:\\", true}, {"\\", true}}) {
        CImageItem item(path, folder, folder);
        item.m_nWidth = 640;
        item.m_nHeight = -480;
        item.m_nDepth = 24;
        CImageRow row(1);
        FillRowFromItem(row, item);
        EXPECT_EQ(ItemFromRow(row), item) << path;
    }
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

TEST(RowCompare, FoldersWithoutSubFoldersThenWithThemThenFiles) {
    CImageRow a(1), b(2), c(3);
    // Folders without sub-folders, then with them, then files.
    Row(a, "z", 0, true, false);
    Row(b, "a", 0, true, true);
    Row(c, "a", 5);
    EXPECT_LT(CompareRows(a, b, 5), 0);
    EXPECT_LT(CompareRows(b, c, 5), 0);
}

TEST(RowCells, SizesOnlyOnceKnownAndTheFolderFlagInTheLanguage) {
    RowTexts texts;
    texts.depthFormat = "%d Bit";
    texts.yes = "Ja";
    texts.no = "Nein";
    CImageRow row(1);
    Row(row, "sea.jpg", 0);
    row.m_nHeight = 480;  // a height without a width is not shown either
    for (int column : {2, 3, 4, 5}) EXPECT_EQ(RowCellText(row, column, texts), "") << column;
    Row(row, "sea.jpg", 640);
    EXPECT_EQ(RowCellText(row, 3, texts) + " " + RowCellText(row, 4, texts), "-640 64 Bit");
    row.MarkFolder();
    row.m_bIncludeSubFolders = true;
    EXPECT_EQ(RowCellText(row, 5, texts), "Ja");
}

TEST(RowOpen, OnlyExistingFoldersAndPicturesOpen) {
    struct Case {
        const char* path;
        bool folder;
        PathKind kind;
        bool opens;
    };
    const Case cases[] = {
        {"C:\\Pictures\\SEA.JPEG", false, PathKind::File, true},
        {"C:\\Pictures\\scan.tif", false, PathKind::File, true},
        {"C:\\Pictures\\gone.jpg", false, PathKind::Missing, false},
        {"C:\\Pictures\\holiday.jpg.exe", false, PathKind::File, false},
        // A picture name that is a folder on the disk, and a "folder" that is a program.
        {"C:\\Pictures\\album.jpg", false, PathKind::Directory, false},
        {"C:\\Pictures", true, PathKind::Directory, true},
        {"C:\\Pictures\\run.bat", true, PathKind::File, false},
    };
    for (const Case& c : cases) {
        CImageRow row(1);
        FillRowFromItem(row, CImageItem(c.path, c.folder, false));
        EXPECT_EQ(MayOpenRow(row, c.kind), c.opens) << c.path;
    }
}

}  // namespace
