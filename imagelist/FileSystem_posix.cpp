#include <sys/stat.h>

#include "imagelist/FileSystem.h"

namespace {
class PosixAttributes : public IFileAttributes {
public:
    PathKind Kind(const std::string& path) override {
        struct stat st;
        if (stat(path.c_str(), &st) != 0) return PathKind::Missing;
        return S_ISDIR(st.st_mode) ? PathKind::Directory : PathKind::File;
    }
};
}  // namespace

IFileAttributes& PlatformFileAttributes() {
    static PosixAttributes attributes;
    return attributes;
}
