#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <string>
#include <vector>

#include "imagelist/FileSystem.h"
#include "base/Sync.h"
#include "imagelist/Rebuild.h"

namespace {
// A file system in memory: folder path -> entries in the order "the disk" returns them.
class FakeSearch : public IDirectorySearch {
public:
    struct Node {
        std::string name;
        bool isDirectory;
    };
    std::map<std::string, std::vector<Node>> folders;
    std::vector<std::string> patterns;
    std::function<void(const std::string&)> onFind;  // runs inside each search
    std::map<std::string, std::string> links;        // a folder path that leads to another folder

    std::string Target(const std::string& folder) {
        auto link = links.find(folder);
        return link == links.end() ? folder : link->second;
    }

    void AddFile(const std::string& folder, const std::string& name) { folders[folder].push_back({name, false}); }
    void AddDir(const std::string& folder, const std::string& name) {
        folders[folder].push_back({name, true});
        folders[folder + "\\" + name];
    }

    bool Find(const std::string& pattern, const std::function<bool(const std::string&, bool)>& onEntry) override {
        patterns.push_back(pattern);
        if (onFind) onFind(pattern);
        std::string folder = FullPath(pattern.substr(0, pattern.size() - 4));  // less "\*.*"
        auto it = folders.find(Target(folder));
        if (it == folders.end()) return false;
        if (!onEntry(".", true) || !onEntry("..", true)) return true;
        for (const Node& n : it->second)
            if (!onEntry(n.name, n.isDirectory)) break;
        return true;
    }
    std::string FullPath(const std::string& path) override {
        return (path.size() > 1 && path[1] == ':') ? path : "C:\\cwd\\" + path;
    }
    std::string FolderIdentity(const std::string& folder) override { return Target(FullPath(folder)); }
};

class FakeWatch : public IFolderWatch {
public:
    std::string calls;
    bool watching = false;
    void Clear() override {
        calls += "Clear; ";
        watching = false;
    }
    int AddFolder(const std::string& path) override {
        calls += "Add " + path + "; ";
        return 0;
    }
    bool IsWatching() const override { return watching; }
    void SetWatching(bool on) override {
        calls += on ? "Start" : "Stop";
        watching = on;
    }
};

CImageItem Folder(const std::string& path, bool sub) {
    return CImageItem(path, true, sub);
}
CImageItem File(const std::string& path) {
    return CImageItem(path, false, true);
}

std::vector<std::string> Build(FakeSearch& fs, const std::vector<CImageItem>& images, FakeWatch* watch = nullptr) {
    CDisplayListRebuild rebuild(fs, watch);
    return rebuild.BuildPaths(images);
}
}  // namespace

TEST(Rebuild, TakesEntriesInListOrderAndFilesInDiskOrder) {
    FakeSearch fs;
    for (const char* name : {"z.jpg", "a.JPG", "b.jpeg", "c.tif", "d.tiff", "e.txt", "m.png"})
        fs.AddFile("C:\\p", name);
    FakeWatch watch;
    fs.onFind = [&](const std::string&) { watch.calls += " Find"; };
    auto list = Build(fs,
                      {File("C:\\deleted.jpg"), Folder("C:\\p\\", false), File("rel\\notes.txt"),
                       Folder("C:\\missing", true), Folder("C:\\p", false)},
                      &watch);
    EXPECT_EQ(list, (std::vector<std::string>{"C:\\deleted.jpg", "C:\\p\\z.jpg", "C:\\p\\a.JPG", "C:\\p\\d.tiff",
                                              "C:\\p\\m.png", "rel\\notes.txt", "C:\\p\\z.jpg", "C:\\p\\a.JPG",
                                              "C:\\p\\d.tiff", "C:\\p\\m.png"}));
    // Watching before reading: a picture added meanwhile is not missed.
    EXPECT_EQ(watch.calls, "Clear; Add C:\\p\\; Add C:\\missing; Add C:\\p; Start Find Find Find");
}

TEST(Rebuild, SubFoldersEnteredOnlyWhilePatternIsShort) {
    // Nested folders whose search patterns grow by ten characters: one is exactly as long as
    // the limit, and its sub-folder is not entered.
    FakeSearch fs;
    std::string folder = "C:\\rrr";
    std::vector<std::string> expected;
    for (int level = 0; level < 40; ++level) {
        fs.AddFile(folder, "p.png");
        fs.AddDir(folder, "abcdefghi");
        if ((folder + "\\*.*").size() <= CDisplayListRebuild::kMaxPatternLength) expected.push_back(folder + "\\p.png");
        folder += "\\abcdefghi";
    }
    EXPECT_EQ(Build(fs, {Folder("C:\\rrr", true)}), expected);
    EXPECT_EQ(fs.patterns.back().size(), CDisplayListRebuild::kMaxPatternLength);
}

// A tick reads the list on one thread while a rebuild replaces it on another.
TEST(DisplayList, ReadsStayWholeWhileTheListIsReplaced) {
    CDisplayList list;
    Thread writer;
    std::atomic<bool> stop{false};
    ASSERT_TRUE(writer.Start([&] {
        for (int i = 0; !stop; ++i)
            list.Assign(std::vector<std::string>(1 + i % 5, std::string(40, char('a' + i % 26))));
    }));
    std::string path;
    for (int i = 0; i < 20000; ++i) {
        if (list.At(static_cast<size_t>(i % 5), path)) {
            ASSERT_EQ(path.size(), 40u);
        }
    }
    stop = true;
    writer.Join();
}

TEST(Rebuild, FolderScansStopAtTheCapButFileEntriesDoNot) {
    FakeSearch fs;
    const size_t cap = CDisplayList::kMaxScannedPictures;
    for (size_t i = 0; i <= cap; ++i) fs.AddFile("C:\\big", std::to_string(i) + ".jpg");
    auto list = Build(fs, {Folder("C:\\big", false), File("C:\\after.jpg")});
    ASSERT_EQ(list.size(), cap + 1);
    EXPECT_EQ(list[cap], "C:\\after.jpg");
}

TEST(Rebuild, EachFolderOncePerRebuildWhateverPathLeadsThere) {
    FakeSearch fs;
    fs.AddFile("C:\\p", "a.jpg");
    fs.AddDir("C:\\p", "back");  // a link to its own parent
    fs.links["C:\\p\\back"] = "C:\\p";
    fs.AddDir("C:\\p", "other");  // a link to a folder elsewhere: followed once
    fs.links["C:\\p\\other"] = "D:\\o";
    fs.AddFile("D:\\o", "o.jpg");
    fs.AddFile("C:\\p", "b.jpg");
    const std::vector<std::string> once = {"C:\\p\\a.jpg", "C:\\p\\other\\o.jpg", "C:\\p\\b.jpg"};
    CDisplayListRebuild rebuild(fs, nullptr);
    // The folder reached again from the list adds nothing either; the next rebuild starts afresh.
    EXPECT_EQ(rebuild.BuildPaths({Folder("C:\\p", true), Folder("D:\\o", false)}), once);
    EXPECT_EQ(rebuild.BuildPaths({Folder("C:\\p", true)}), once);
}
