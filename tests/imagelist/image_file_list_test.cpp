#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <string>
#include <vector>

#include "base/File.h"
#include "imagelist/FileSystem.h"
#include "imagelist/ImageExtension.h"
#include "imagelist/ImageFileList.h"

namespace {
class FakeAttributes : public IFileAttributes {
public:
    std::map<std::string, PathKind> kinds;
    PathKind Kind(const std::string& path) override {
        auto it = kinds.find(path);
        return it == kinds.end() ? PathKind::Missing : it->second;
    }
};

CImageItem Entry(const std::string& path, int folder, int sub) {
    CImageItem item(path, folder != 0, sub != 0);
    item.m_bIncludeSubFolders = sub;
    return item;
}

struct Parsed {
    bool ok;
    std::vector<CImageItem> items;
};

Parsed ParseText(const std::string& text, FakeAttributes* fs = nullptr) {
    FakeAttributes none;
    CImageFileList list(fs ? fs : &none);
    Parsed p;
    p.items.push_back(Entry("left over", 0, 1));
    p.ok = list.Parse(text, p.items);
    return p;
}

std::string TempPath(const char* name) {
    // The process id keeps two test runs on one machine off each other's files.
    return std::string(::testing::TempDir()) + std::to_string(getpid()) + "_" + name;
}
}  // namespace

TEST(ImageFileList, WritesTextModeLinesWithoutFinalLineEnd) {
    FakeAttributes fs;
    CImageFileList list(&fs);
    EXPECT_EQ(list.Format({}), "<image list>\r\n<header>\r\n<ver>1.1</ver>\r\n</header>\r\n</image list>");
    EXPECT_EQ(list.Format({Entry("C:\\pics", 1, 1), Entry("C:\\a b\\x.jpg", 0, 0), Entry("D:\\f", 1, 0)}),
              "<image list>\r\n<header>\r\n<ver>1.1</ver>\r\n</header>\r\n"
              "<image>\r\n<path>C:\\pics</path>\r\n<incsubdir>1</incsubdir>\r\n</image>\r\n"
              "<image>\r\n<path>C:\\a b\\x.jpg</path>\r\n</image>\r\n"
              "<image>\r\n<path>D:\\f</path>\r\n</image>\r\n"
              "</image list>");
}

TEST(ImageFileList, SavedListLoadsBackAsItWas) {
    FakeAttributes fs;
    fs.kinds["C:\\pics"] = PathKind::Directory;
    fs.kinds["C:\\flat"] = PathKind::Directory;
    fs.kinds["C:\\x.jpg"] = PathKind::File;
    // A folder without its sub-folders used to come back with them.
    std::vector<CImageItem> saved = {Entry("C:\\pics", 1, 1), Entry("C:\\flat", 1, 0), Entry("C:\\x.jpg", 0, 1),
                                     Entry("C:\\x.jpg", 0, 0), Entry(" \xC3\xA4\xC3\xBC spaced ", 1, 1)};
    const std::string file = TempPath("roundtrip.iml");
    CImageFileList writer(&fs);
    ASSERT_TRUE(writer.Save(file, saved));
    std::vector<CImageItem> loaded;
    CImageFileList reader(&fs);
    ASSERT_TRUE(reader.Load(file, loaded));
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(reader.m_strVersion, "1.1");
    DeleteFileAt(file);
}

// Older versions read only the code page: a file is in UTF-8 only when a name needs it.
TEST(ImageFileList, NamesOutsideTheCodePageMakeAUtf8FileWithAByteOrderMark) {
    FakeAttributes fs;
    CImageFileList list(&fs);
    const std::string entries = "<image>\r\n<path>C:\\Z\xFCrich.jpg</path>\r\n</image>\r\n";
    const std::string head = "<image list>\r\n<header>\r\n<ver>1.1</ver>\r\n</header>\r\n";
    EXPECT_EQ(list.Format({Entry("C:\\Z\xC3\xBCrich.jpg", 0, 0)}), head + entries + "</image list>");
    const std::string utf8 = list.Format({Entry("C:\\Z\xC3\xBCrich.jpg", 0, 0), Entry("C:\\\xCE\xA9", 1, 1)});
    EXPECT_EQ(utf8, "\xEF\xBB\xBF" + head + "<image>\r\n<path>C:\\Z\xC3\xBCrich.jpg</path>\r\n</image>\r\n" +
                        "<image>\r\n<path>C:\\\xCE\xA9</path>\r\n<incsubdir>1</incsubdir>\r\n</image>\r\n" +
                        "</image list>");
    // Read back: each form by its own rule; a damaged sequence in UTF-8 is replaced.
    Parsed p = ParseText(utf8);
    ASSERT_EQ(p.items.size(), 2u);
    EXPECT_EQ(p.items[1].m_strPath, "C:\\\xCE\xA9");
    p = ParseText(head + entries + "<image><path>\x81\x5C</path></image>");
    ASSERT_EQ(p.items.size(), 2u);
    EXPECT_EQ(p.items[0].m_strPath, "C:\\Z\xC3\xBCrich.jpg");
    EXPECT_EQ(p.items[1].m_strPath, "\xE4\xB9\x9C");  // a double-byte character, no backslash
    EXPECT_EQ(ParseText("\xEF\xBB\xBF<image list><image><path>a\xC0\xAF</path></image>").items[0].m_strPath,
              "a\xEF\xBF\xBD\xEF\xBF\xBD");
    // A damaged code-page name is written back byte for byte.
    p = ParseText("<image list><image><path>\x80\x81</path></image>");
    EXPECT_NE(list.Format(p.items).find("<path>\x80\x81</path>"), std::string::npos);
}

TEST(ImageFileList, TagsIgnoreCaseAndBlanksButValuesAreKept) {
    Parsed p = ParseText(
        "junk< Image List >\n< HEADER><Ver> 2.0 </VER></header>text"
        "<\tImage ><PATH>  C:\\a.jpg  </path>< INCSUBDIR > -3xyz</incsubdir></image>"
        "<image><path>C:\\b.bmp</path><incsubdir>junk</incsubdir></image></image list>"
        "<image><path>C:\\after end</path></image>");
    ASSERT_TRUE(p.ok);
    ASSERT_EQ(p.items.size(), 2u);
    EXPECT_EQ(p.items[0].m_strPath, "  C:\\a.jpg  ");
    EXPECT_EQ(p.items[0].m_bIncludeSubFolders, -3);
    EXPECT_EQ(p.items[1].m_bIncludeSubFolders, 0);
    for (const CImageItem& item : p.items) EXPECT_EQ(item.m_nWidth + item.m_nHeight + item.m_nDepth, 0);
    // The version is kept as it stands; a header without one empties it.
    FakeAttributes fs;
    CImageFileList list(&fs);
    std::vector<CImageItem> items;
    ASSERT_TRUE(list.Parse("<image list><header><ver>9.9beta</ver></header></image list>", items));
    EXPECT_EQ(list.m_strVersion, "9.9beta");
    ASSERT_TRUE(list.Parse("<image list><header></header></image list>", items));
    EXPECT_EQ(list.m_strVersion, "");
}

TEST(ImageFileList, RefusesFilesThatAreNotImageLists) {
    for (const char* text : {"", "<header><ver>1.1</ver></header>", "<image list"}) {
        Parsed p = ParseText(text);
        EXPECT_FALSE(p.ok) << text;
        EXPECT_TRUE(p.items.empty()) << text;
    }
}

TEST(ImageFileList, DamagedEntriesEndReadingButKeepEarlierOnes) {
    struct Case {
        const char* text;
        std::vector<std::string> paths;
    } cases[] = {
        // an entry without a path, or with an empty one
        {"<image list><image><path>A.jpg</path></image><image></image><image><path>B.jpg</path></image>", {"A.jpg"}},
        {"<image list><image><path>A.jpg</path></image><image><path></path></image><image><path>B</path>", {"A.jpg"}},
        // the file ends inside a path value: that entry is lost
        {"<image list><image><path>A.jpg</path></image><image><path>B.jpg", {"A.jpg"}},
        // the file ends after a whole path: the entry counts
        {"<image list><image><path>A.jpg</path></image><image><path>B.jpg</path>", {"A.jpg", "B.jpg"}},
        // a header that is never closed swallows the entries
        {"<image list><header><ver>1</ver><image><path>A.jpg</path></image></image list>", {}},
        // empty and unknown tags and stray closing tags are skipped
        {"<image list><><foo>x</bar></image><image><size>3</size><path>A.jpg</path></image>", {"A.jpg"}},
    };
    for (const Case& c : cases) {
        Parsed p = ParseText(c.text);
        EXPECT_TRUE(p.ok) << c.text;
        std::vector<std::string> paths;
        for (const CImageItem& item : p.items) paths.push_back(item.m_strPath);
        EXPECT_EQ(paths, c.paths) << c.text;
    }
    EXPECT_EQ(ParseText("<image list><image><path>A.jpg</path><incsubdir>1").items[0].m_bIncludeSubFolders, 0);
}

TEST(ImageFileList, FolderFlagComesFromTheFileSystemOrTheName) {
    FakeAttributes fs;
    fs.kinds["C:\\dir.jpg"] = PathKind::Directory;
    fs.kinds["C:\\file"] = PathKind::File;
    Parsed p = ParseText(
        "<image list><image><path>C:\\dir.jpg</path></image><image><path>C:\\file</path></image>"
        "<image><path>E:\\gone\\pic.JPG</path></image><image><path>E:\\gone\\folder</path></image>"
        "<image><path>E:\\gone\\odd.png\\</path></image><image><path>E:\\gone\\notes.txt</path></image></image list>",
        &fs);
    ASSERT_EQ(p.items.size(), 6u);
    const int want[] = {1, 0, 0, 1, 1, 1};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(p.items[i].m_bIsFolder, want[i]) << p.items[i].m_strPath;
}

TEST(ImageFileList, FailuresReportTheirMessageKey) {
    FakeAttributes fs;
    CImageFileList list(&fs);
    std::vector<std::string> keys;
    list.SetFailureReporter([&](const char* key) { keys.push_back(key); });
    std::vector<CImageItem> items = {Entry("kept?", 0, 1)};

    EXPECT_FALSE(list.Load(TempPath("no-such-file.iml"), items));
    EXPECT_TRUE(items.empty());
    const std::string bad = TempPath("header-first.iml");
    ASSERT_TRUE(WriteFileReplacing(bad, "<header><ver>1.1</ver></header>"));
    items = {Entry("kept?", 0, 1)};
    EXPECT_FALSE(list.Load(bad, items));
    EXPECT_TRUE(items.empty());
    EXPECT_FALSE(list.Save(TempPath("no-such-dir/x.iml"), items));
    // A file too large to be a list is refused without being read.
    const std::string huge = TempPath("huge.iml");
    std::string bytes = list.Format({Entry("C:\\a.jpg", 0, 1)});
    bytes.resize(CImageFileList::kMaxFileBytes + 1, ' ');
    ASSERT_TRUE(WriteFileReplacing(huge, bytes));
    items = {Entry("kept?", 0, 1)};
    EXPECT_FALSE(list.Load(huge, items));
    EXPECT_TRUE(items.empty());
    EXPECT_EQ(keys, (std::vector<std::string>{"0003", "0003", "0002", "0003"}));
    DeleteFileAt(bad);
    DeleteFileAt(huge);
}

TEST(ImageExtension, TheListedExtensionsInAnyCaseAndNothingLongerOrShorter) {
    for (const char* yes : {"C:\\a.JPG", "x\\d.tiff", "ab.Pict", "C:\\y.pct", "\x82\xA0.jpg"})
        EXPECT_TRUE(IsImageFile(yes)) << yes;
    for (const char* no : {"b.jpeg", "C:\\jpg", "C:\\x.jpg ", "C:\\x.jpg.txt"}) EXPECT_FALSE(IsImageFile(no)) << no;
}
