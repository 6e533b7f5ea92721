#include "base/Json.h"
#include "imagelist/ImageFileList.h"
#include "settings/OptionDataJson.h"
#include "tools/Command.h"

namespace {
const char kUsage[] = "imagelist show FILE | imagelist write FILE";

int ImageList(const std::vector<std::string>& args) {
    if (args.size() != 2) return Usage(kUsage);
    const std::string& verb = args[0];
    const std::string& file = args[1];
    if (verb == "show") {
        CImageFileList list;
        std::vector<CImageItem> images;
        if (!list.Load(file, images)) return Fail("cannot load image list file " + file);
        JsonWriter w;
        w.BeginArray();
        for (const CImageItem& item : images) w.Raw(ImageItemToJson(item));
        w.EndArray();
        WriteOut(w.Str() + "\n");
        return 0;
    }
    if (verb == "write") {
        JsonValue json;
        std::string error;
        if (!ParseJson(ReadAllStdin(), json, &error)) return Fail("bad JSON: " + error);
        if (json.type != JsonValue::Array) return Fail("the image list is not an array");
        std::vector<CImageItem> images(json.items.size());
        for (size_t i = 0; i < images.size(); ++i) {
            if (!ImageItemFromJson(json.items[i], images[i], &error)) return Fail(error);
        }
        CImageFileList list;
        if (!list.Save(file, images)) return Fail("cannot write image list file " + file);
        return 0;
    }
    return Usage(kUsage);
}
CommandRegistrar reg("imagelist", kUsage, ImageList);
}  // namespace
