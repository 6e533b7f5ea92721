#include "base/File.h"

#include <cerrno>
#include <cstdio>

ReadResult ReadFileBytes(const std::string& path, std::string& out, size_t maxBytes) {
    out.clear();
    errno = 0;
    FILE* f = OpenFileForReading(path);
    if (!f) return errno == ENOENT ? ReadResult::Missing : ReadResult::CannotOpen;
    ReadResult result = ReadResult::Ok;
    char buf[65536];
    for (;;) {
        size_t n = std::fread(buf, 1, sizeof buf, f);
        if (n > 0) {
            if (out.size() + n > maxBytes) {
                result = ReadResult::TooLarge;
                out.clear();
                break;
            }
            out.append(buf, n);
        }
        if (n < sizeof buf) {
            if (std::ferror(f)) {
                result = ReadResult::ReadError;
                out.clear();
            }
            break;
        }
    }
    std::fclose(f);
    return result;
}

bool FileExists(const std::string& path) {
    FILE* f = OpenFileForReading(path);
    if (!f) return false;
    std::fclose(f);
    return true;
}
