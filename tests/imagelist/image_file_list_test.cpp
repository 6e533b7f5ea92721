#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/File.h"
#include "imagelist/FileSystem.h"
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

}  // namespace

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
    // Read back: each form by its own rule.
    Parsed p = ParseText(utf8);
    ASSERT_EQ(p.items.size(), 2u);
    EXPECT_EQ(p.items[1].m_strPath, "C:\\\xCE\xA9");
    p = ParseText(head + entries + "<image><path>\x81\x5C</path></image>");
    ASSERT_EQ(p.items.size(), 2u);
    EXPECT_EQ(p.items[0].m_strPath, "C:\\Z\xC3\xBCrich.jpg");
    EXPECT_EQ(p.items[1].m_strPath, "\xE4\xB9\x9C");  // a double-byte character, no backslash
    // A damaged code-page name is written back byte for byte.
    p = ParseText("<image list><image><path>\x80\x81</path></image>");
    EXPECT_NE(list.Format(p.items).find("<path>\x80\x81</path>"), std::string::npos);
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
    };
    for (const Case& c : cases) {
        Parsed p = ParseText(c.text);
        EXPECT_TRUE(p.ok) << c.text;
        std::vector<std::string> paths;
        for (const CImageItem& item : p.items) paths.push_back(item.m_strPath);
        EXPECT_EQ(paths, c.paths) << c.text;
    }
}
