// Any byte string as an image list file: loads or is refused, never crashes or hangs;
// whatever loads is written and read back to the same entries.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Trace.h"
#include "imagelist/FileSystem.h"
#include "imagelist/ImageFileList.h"

namespace {
// Paths with a "d" in them are folders, with an "f" files, others missing.
class NameAttributes : public IFileAttributes {
public:
    PathKind Kind(const std::string& path) override {
        if (path.find('d') != std::string::npos) return PathKind::Directory;
        if (path.find('f') != std::string::npos) return PathKind::File;
        return PathKind::Missing;
    }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = (SetTraceSink([](const std::string&) {}), true);
    (void)quiet;
    NameAttributes attributes;
    CImageFileList reader(&attributes);
    std::vector<CImageItem> items;
    if (!reader.Parse(std::string(reinterpret_cast<const char*>(data), size), items)) {
        if (!items.empty()) __builtin_trap();
        return 0;
    }
    const std::string written = reader.Format(items);
    CImageFileList again(&attributes);
    std::vector<CImageItem> back;
    if (!again.Parse(written, back) || back != items || again.m_strVersion != reader.m_strVersion) __builtin_trap();
    return 0;
}
