#include "base/Unicode.h"
#include "imagelist/FileSystem_win.h"
#include "imagelist/ImageFileList.h"
#include "imagelist/Rebuild.h"
#include "tools/Command.h"

namespace {
const char kUsage[] = "displaylist FILE";

int DisplayList(const std::vector<std::string>& args) {
    if (args.size() != 1) return Usage(kUsage);
    CImageFileList file;
    std::vector<CImageItem> images;
    if (!file.Load(args[0], images)) return Fail("cannot load image list file " + args[0]);
    // The program's rebuild, without a folder watcher: this process ends at once.
    CDisplayListRebuild rebuild(Win32DirectorySearch(), nullptr);
    // In the code page as before, or all in UTF-8 after a byte-order mark when a name needs it.
    const std::vector<std::string> paths = rebuild.BuildPaths(images);
    std::string ansi, utf8 = "\xEF\xBB\xBF";
    bool unicode = false;
    for (const std::string& path : paths) {
        std::string line;
        unicode = !NameToAnsi(path, line) || unicode;
        ansi.append(line).append("\n");
        utf8.append(path).append("\n");
    }
    WriteOut(unicode ? utf8 : ansi);
    return 0;
}
CommandRegistrar reg("displaylist", kUsage, DisplayList);
}  // namespace
