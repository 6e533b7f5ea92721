#include "tools/PictureOut_win.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/File.h"

bool WriteBitmapFile(HBITMAP bitmap, const std::string& path) {
    BITMAP bm = {};
    if (!GetObject(bitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return false;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = bm.bmHeight;  // bottom-up, as BMP files usually are
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    const size_t stride = (static_cast<size_t>(bm.bmWidth) * 3 + 3) & ~size_t(3);
    const size_t imageBytes = stride * bm.bmHeight;
    std::string file(14 + sizeof bi.bmiHeader + imageBytes, '\0');
    HDC dc = GetDC(nullptr);
    const int lines = GetDIBits(dc, bitmap, 0, bm.bmHeight, &file[14 + sizeof bi.bmiHeader], &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (lines != bm.bmHeight) return false;
    bi.bmiHeader.biSizeImage = static_cast<DWORD>(imageBytes);
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfSize = static_cast<DWORD>(file.size());
    fh.bfOffBits = 14 + sizeof bi.bmiHeader;
    std::memcpy(&file[0], &fh, 14);
    std::memcpy(&file[14], &bi.bmiHeader, sizeof bi.bmiHeader);
    return WriteFileReplacing(path, file);
}

double NowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

bool ParseInt(const std::string& s, int& value) {
    if (s.empty() || s.size() > 10) return false;
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0') return false;
    value = static_cast<int>(v);
    return true;
}
