// The arithmetic of the configuration window's skinned frame: its region of seven
// rectangles, where each control goes, the border zones, resizing and its limits, and
// the font heights. Client coordinates unless said otherwise.
#pragma once

struct UiRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const UiRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

inline UiRect Box(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

constexpr int kConfigMinWidth = 532;
constexpr int kConfigMinHeight = 413;
constexpr int kCaptionBandHeight = 37;
constexpr int kRegionRectCount = 7;

// The window's shape for a client area of width x height: caption band, body and button
// band joined by two short bars above and below the body.
void ConfigRegionRects(int width, int height, UiRect (&rects)[kRegionRectCount]);

struct ConfigLayout {
    UiRect captionPanel, bodyPanel, buttonPanel;
    UiRect bars[4];
    UiRect systemButton, minimizeButton, maximizeButton, closeButton;
    UiRect add, remove, clear, listMode;
    UiRect list;
    UiRect top, up, down, bottom;
    UiRect opacity, sequence, interval, sizeMode;
    UiRect ok, cancel;
};
ConfigLayout LayoutConfigWindow(int width, int height);

// The four option captions, in the client coordinates of the panel they are drawn on.
struct OptionCaptionLayout {
    UiRect opacity, intervals, sequence, sizePosition;
};
OptionCaptionLayout LayoutOptionCaptions(int left, int right, int bottom);

// Hit-test codes of the borders, as the system numbers them.
enum HitZone : int {
    kZoneNone = 0,
    kZoneLeft = 10,
    kZoneRight = 11,
    kZoneTop = 12,
    kZoneTopLeft = 13,
    kZoneTopRight = 14,
    kZoneBottom = 15,
    kZoneBottomLeft = 16,
    kZoneBottomRight = 17,
};
// The border under client point (x, y): left and top 4 pixels wide, right 3, bottom 4.
int BorderZone(int x, int y, int width, int height);

// The window rectangle (screen coordinates) while a border drag of zone has moved the
// mouse by (dx, dy) from where it began on the rectangle start. Only the size is then
// limited (ClampWindowSize), so a dragged left or top edge still follows the mouse.
UiRect ResizedWindowRect(int zone, const UiRect& start, int dx, int dy);
// At least 532 x 413, at most the screen.
void ClampWindowSize(int& width, int& height, int screenWidth, int screenHeight);

// A double click here toggles maximize and restore.
bool InCaptionBand(int x, int y, int width);

// The pixel height (negative: a character height) of a language font of this many points,
// at the fixed 96 dots per inch of the language files.
int LanguageFontHeight(int points);
// The dialog font's size in tenths of a point, so that its pixel height stays that of
// 8 points at 96 dots per inch, and the pixel height of such a size.
int DialogFontTenths(int logPixelsY);
int PointFontHeight(int tenths, int logPixelsY);
