#include "ui/core/ConfigLayout.h"

void ConfigRegionRects(int w, int h, UiRect (&r)[kRegionRectCount]) {
    const int d = (w - 268) / 3;
    r[0] = {0, 0, w, 37};
    r[1] = {d, 37, d + 134, 42};
    r[2] = {2 * d + 134, 37, 2 * d + 268, 42};
    r[3] = {0, 42, w, h - 63};
    r[4] = {d, h - 63, d + 134, h - 58};
    r[5] = {2 * d + 134, h - 63, 2 * d + 268, h - 58};
    r[6] = {0, h - 58, w, h};
}

ConfigLayout LayoutConfigWindow(int w, int h) {
    const int d = (w - 268) / 3, e = (w - 188) / 3, m = (w - 490) / 2;
    const int t = (h - 268) / 2 + 56;
    ConfigLayout l;
    l.captionPanel = Box(0, 0, w, 37);
    l.bodyPanel = Box(0, 42, w, h - 105);
    l.buttonPanel = Box(0, h - 58, w, 58);
    l.bars[0] = Box(d, 37, 134, 5);
    l.bars[1] = Box(2 * d + 134, 37, 134, 5);
    l.bars[2] = Box(d, h - 63, 134, 5);
    l.bars[3] = Box(2 * d + 134, h - 63, 134, 5);
    l.systemButton = Box(14, 11, 15, 15);
    l.minimizeButton = Box(w - 59, 11, 15, 15);
    l.maximizeButton = Box(w - 44, 11, 15, 15);
    l.closeButton = Box(w - 29, 11, 15, 15);
    l.add = Box(14, 56, 94, 32);
    l.remove = Box(14, 88, 94, 32);
    l.clear = Box(14, 120, 94, 32);
    l.listMode = Box(14, 184, 94, 32);
    l.list = Box(122, 56, w - 166, h - 193);
    l.top = Box(w - 30, t, 16, 11);
    l.up = Box(w - 30, t + 22, 16, 9);
    l.down = Box(w - 30, t + 45, 15, 8);
    l.bottom = Box(w - 30, t + 65, 15, 10);
    l.opacity = Box(m + 106, h - 123, 110, 20);
    l.sequence = Box(m + 360, h - 123, 120, 20);
    l.interval = Box(m + 106, h - 98, 66, 20);
    l.sizeMode = Box(m + 360, h - 98, 120, 20);
    l.ok = Box(e, h - 45, 94, 32);
    l.cancel = Box(2 * e + 94, h - 45, 94, 32);
    return l;
}

OptionCaptionLayout LayoutOptionCaptions(int left, int right, int bottom) {
    const int x = (right - left - 490) / 2;
    OptionCaptionLayout c;
    c.opacity = {x, bottom - 58, x + 100, bottom - 42};
    c.intervals = {x, bottom - 33, x + 100, bottom - 17};
    c.sequence = {x + 225, bottom - 58, x + 356, bottom - 42};
    c.sizePosition = {x + 225, bottom - 33, x + 356, bottom - 17};
    return c;
}

int BorderZone(int x, int y, int w, int h) {
    const bool top = y < 4, bottom = y >= h - 4;
    if (x < 4) return top ? kZoneTopLeft : (bottom ? kZoneBottomLeft : kZoneLeft);
    if (x > w - 4) return top ? kZoneTopRight : (bottom ? kZoneBottomRight : kZoneRight);
    if (top) return kZoneTop;
    if (bottom) return kZoneBottom;
    return kZoneNone;
}

UiRect ResizedWindowRect(int zone, const UiRect& start, int dx, int dy) {
    UiRect r = start;
    switch (zone) {
        case kZoneLeft:
            r.left += dx;
            break;
        case kZoneRight:
            r.right += dx;
            break;
        case kZoneTop:
            r.top += dy;
            break;
        case kZoneTopLeft:
            r.left += dx;
            r.top += dy;
            break;
        case kZoneTopRight:
            r.top += dy;
            r.right += dx;
            break;
        case kZoneBottom:
            r.bottom += dy;
            break;
        case kZoneBottomLeft:
            r.bottom += dy;
            r.left += dx;
            break;
        case kZoneBottomRight:
            r.bottom += dy;
            r.right += dx;
            break;
        default:
            break;
    }
    return r;
}

void ClampWindowSize(int& width, int& height, int screenWidth, int screenHeight) {
    if (width < kConfigMinWidth) width = kConfigMinWidth;
    if (screenWidth > 0 && width > screenWidth) width = screenWidth;
    if (height < kConfigMinHeight) height = kConfigMinHeight;
    if (screenHeight > 0 && height > screenHeight) height = screenHeight;
}

bool InCaptionBand(int x, int y, int width) {
    return y >= 0 && y < kCaptionBandHeight && x >= 0 && x < width;
}

int LanguageFontHeight(int points) {
    // A language file may name any size; past this no button could show a letter anyway.
    const int kMaxPoints = 1000;
    if (points > kMaxPoints) points = kMaxPoints;
    if (points < 1) points = 1;
    return -(points * 10 * 96 / 720);
}

int DialogFontTenths(int logPixelsY) {
    if (logPixelsY <= 0) return 80;
    return 96 * 80 / logPixelsY;
}

int PointFontHeight(int tenths, int logPixelsY) {
    // Rounded as the system's MulDiv rounds.
    const long long num = static_cast<long long>(tenths) * logPixelsY;
    const long long h = (num + 360) / 720;
    return -static_cast<int>(h);
}
