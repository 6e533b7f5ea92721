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
    std::string out;
    for (const std::string& path : rebuild.BuildPaths(images)) out.append(path).append("\n");
    WriteOut(out);
    return 0;
}
CommandRegistrar reg("displaylist", kUsage, DisplayList);
}  // namespace
