#include <cmath>
#include <string>

#include "plugin/PaintLibThumbnailGenerater_win.h"
#include "tools/Command.h"
#include "tools/PictureOut_win.h"

namespace {
const char kUsage[] = "render FILE --size-mode M --fit F --width W --height H [--out OUT.bmp] [--repeat N]";

int Render(const std::vector<std::string>& args) {
    if (args.empty()) return Usage(kUsage);
    int sizeMode = -1, fit = -1, width = 0, height = 0, repeat = 1;
    bool haveWidth = false, haveHeight = false;
    std::string out;
    for (size_t i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return Usage(kUsage);
        const std::string& key = args[i];
        const std::string& value = args[i + 1];
        bool ok = true;
        if (key == "--size-mode")
            ok = ParseInt(value, sizeMode) && sizeMode >= 0 && sizeMode <= 0xFFFF;
        else if (key == "--fit")
            ok = ParseInt(value, fit) && fit >= 0 && fit <= 0xFFFF;
        else if (key == "--width")
            ok = haveWidth = ParseInt(value, width);
        else if (key == "--height")
            ok = haveHeight = ParseInt(value, height);
        else if (key == "--repeat")
            ok = ParseInt(value, repeat) && repeat >= 1;
        else if (key == "--out")
            out = value;
        else
            ok = false;
        if (!ok) return Usage(kUsage);
    }
    if (sizeMode < 0 || fit < 0 || !haveWidth || !haveHeight) return Usage(kUsage);

    CPaintLibThumbnailGenerater generator;
    if (!generator.Load()) return Fail("cannot load tg.dll");
    // As the display window asks: a negative width stands for the whole screen.
    SIZE box = {width, height};
    if (width < 0) box = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const uint32_t mode = static_cast<uint32_t>(sizeMode) | (static_cast<uint32_t>(fit) << 16);
    SIZE size = box;
    double total = 0;
    for (int n = 0; n < repeat; ++n) {
        size = box;
        HDC dc = nullptr;
        HBITMAP previous = nullptr;
        const double start = NowMs();
        if (!generator.GenerateToDC(args[0].c_str(), mode, dc, size, previous)) return Fail("cannot render " + args[0]);
        total += NowMs() - start;
        HBITMAP picture = static_cast<HBITMAP>(SelectObject(dc, previous));
        bool written = true;
        if (n == repeat - 1 && !out.empty()) written = WriteBitmapFile(picture, out);
        DeleteObject(picture);
        DeleteDC(dc);
        if (!written) return Fail("cannot write " + out);
    }
    WriteOut("{\"width\":" + std::to_string(size.cx) + ",\"height\":" + std::to_string(size.cy) +
             ",\"msPerRender\":" + std::to_string(std::lround(total / repeat)) + "}\n");
    return 0;
}
CommandRegistrar reg("render", kUsage, Render);
}  // namespace
