#include "base/Json.h"
#include "imageinfo/ImageInfo.h"
#include "tools/Command.h"

namespace {
const char kUsage[] = "imageinfo PATH...";

// One line per path, with the values a newly added image list entry would get.
int ImageInfo(const std::vector<std::string>& args) {
    if (args.empty()) return Usage(kUsage);
    CImageInfoReaders readers;
    for (const std::string& path : args) {
        int32_t width = 0, height = 0, depth = 0;
        readers.GetImageInfo(path, width, height, depth);
        JsonWriter w;
        w.BeginObject();
        w.Key("path").Name(path);
        w.Key("width").Value(static_cast<int64_t>(width));
        w.Key("height").Value(static_cast<int64_t>(height));
        w.Key("depth").Value(static_cast<int64_t>(depth));
        w.EndObject();
        WriteOut(w.Str() + "\n");
    }
    return 0;
}
CommandRegistrar reg("imageinfo", kUsage, ImageInfo);
}  // namespace
