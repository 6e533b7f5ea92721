#include "imagelist/ImageExtension.h"

#include <cstring>

namespace {
const char* const kExtensions[] = {".bmp", ".jpg", ".gif",  ".emf", ".wmf", ".tga", ".png",
                                   ".dib", ".rle", ".tiff", ".pic", ".pcx", ".pct", ".pict"};

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool IsImageFile(const std::string& path) {
    if (path.size() <= 5) return false;
    // The extensions are ASCII, and no lead byte of a double-byte code page is ASCII, so
    // comparing the final bytes is the same as comparing the final characters.
    for (const char* ext : kExtensions) {
        const size_t n = std::strlen(ext);
        const char* tail = path.data() + path.size() - n;
        size_t i = 0;
        while (i < n && LowerAscii(tail[i]) == ext[i]) ++i;
        if (i == n) return true;
    }
    return false;
}
