// Any bytes as one of the files the program keeps; the first byte picks the settings file,
// an image list file or a downloaded site list, the rest is the file. Each loads or is
// refused, never crashes or hangs; what loads is written and read back to the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Trace.h"
#include "imagelist/FileSystem.h"
#include "imagelist/ImageFileList.h"
#include "settings/SettingsFile.h"

namespace {

void Settings(const std::string& bytes) {
    COptionData options;
    if (LoadSettingsBytes(bytes, options)) {
        COptionData again;
        if (!LoadSettingsBytes(SaveSettingsBytes(options), again)) __builtin_trap();
    }
}

// Paths with a "d" in them are folders, with an "f" files, others missing.
class NameAttributes : public IFileAttributes {
public:
    PathKind Kind(const std::string& path) override {
        if (path.find('d') != std::string::npos) return PathKind::Directory;
        if (path.find('f') != std::string::npos) return PathKind::File;
        return PathKind::Missing;
    }
};

void ImageList(const std::string& bytes) {
    NameAttributes attributes;
    CImageFileList reader(&attributes), again(&attributes);
    std::vector<CImageItem> items, back;
    if (!reader.Parse(bytes, items)) {
        if (!items.empty()) __builtin_trap();
        return;
    }
    if (!again.Parse(reader.Format(items), back) || back != items || again.m_strVersion != reader.m_strVersion)
        __builtin_trap();
}

// At most 25 valid sites.
void SiteList(const std::string& text) {
    COptionData options;
    options.UpdateSiteList(text, 7);
    if (options.m_sites.size() > 25) __builtin_trap();
    for (CSiteItem site : options.m_sites) {
        if (!IsValidSite(site)) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = (SetTraceSink([](const std::string&) {}), true);
    (void)quiet;
    if (size == 0) return 0;
    static void (*const kReaders[])(const std::string&) = {Settings, ImageList, SiteList};
    kReaders[data[0] % 3](std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    return 0;
}
