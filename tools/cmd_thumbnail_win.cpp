#include <cmath>
#include <string>

#include "plugin/PaintLibThumbnailGenerater_win.h"
#include "tools/Command.h"
#include "tools/PictureOut_win.h"

namespace {
const char kUsage[] = "thumbnail FILE --box W H [--out OUT.bmp] [--repeat N]";

int Thumbnail(const std::vector<std::string>& args) {
    if (args.empty()) return Usage(kUsage);
    int boxW = 0, boxH = 0, repeat = 1;
    bool haveBox = false;
    std::string out;
    for (size_t i = 1; i < args.size();) {
        const std::string& key = args[i];
        if (key == "--box" && i + 2 < args.size()) {
            if (!ParseInt(args[i + 1], boxW) || !ParseInt(args[i + 2], boxH)) return Usage(kUsage);
            haveBox = true;
            i += 3;
        } else if (key == "--out" && i + 1 < args.size()) {
            out = args[i + 1];
            i += 2;
        } else if (key == "--repeat" && i + 1 < args.size()) {
            if (!ParseInt(args[i + 1], repeat) || repeat < 1) return Usage(kUsage);
            i += 2;
        } else {
            return Usage(kUsage);
        }
    }
    if (!haveBox) return Usage(kUsage);

    CPaintLibThumbnailGenerater generator;
    if (!generator.Load()) return Fail("cannot load tg.dll");
    HBITMAP bitmap = nullptr;
    int pw = 0, ph = 0;
    double total = 0;
    for (int n = 0; n < repeat; ++n) {
        const double start = NowMs();
        const bool ok = generator.GenerateThumbnail(args[0].c_str(), bitmap, SIZE{boxW, boxH}, pw, ph);
        total += NowMs() - start;
        if (!ok) return Fail("cannot make a thumbnail of " + args[0]);
    }
    BITMAP bm = {};
    GetObject(bitmap, sizeof bm, &bm);
    const bool written = out.empty() || WriteBitmapFile(bitmap, out);
    DeleteObject(bitmap);
    if (!written) return Fail("cannot write " + out);
    WriteOut("{\"width\":" + std::to_string(bm.bmWidth) + ",\"height\":" + std::to_string(bm.bmHeight) +
             ",\"pictureWidth\":" + std::to_string(pw) + ",\"pictureHeight\":" + std::to_string(ph) +
             ",\"msPerThumbnail\":" + std::to_string(std::lround(total / repeat)) + "}\n");
    return 0;
}
CommandRegistrar reg("thumbnail", kUsage, Thumbnail);
}  // namespace
