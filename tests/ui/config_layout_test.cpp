#include <gtest/gtest.h>

#include "ui/core/ConfigLayout.h"

namespace {

// Is client point (x, y) inside the window's shape?
bool InRegion(int w, int h, int x, int y) {
    UiRect r[kRegionRectCount];
    ConfigRegionRects(w, h, r);
    for (const UiRect& rect : r) {
        if (rect.Contains(x, y)) return true;
    }
    return false;
}

TEST(ConfigRegion, AtTheInitialSizeTheBarsJoinTheBandsWithGapsBeside) {
    UiRect r[kRegionRectCount];
    ConfigRegionRects(532, 413, r);
    // D = (532 - 268) / 3 = 88
    EXPECT_EQ(r[1], (UiRect{88, 37, 222, 42}));
    EXPECT_EQ(r[2], (UiRect{310, 37, 444, 42}));
    EXPECT_EQ(r[4], (UiRect{88, 350, 222, 355}));
    EXPECT_EQ(r[6], (UiRect{0, 355, 532, 413}));
    // The points the Wine test looks at: the desktop shows through beside the bars.
    EXPECT_FALSE(InRegion(532, 413, 50, 39));
    EXPECT_TRUE(InRegion(532, 413, 100, 39));
    EXPECT_FALSE(InRegion(532, 413, 300, 39));
    EXPECT_TRUE(InRegion(532, 413, 400, 39));
    EXPECT_FALSE(InRegion(532, 413, 500, 352));
    // Bands and body are whole.
    EXPECT_TRUE(InRegion(532, 413, 0, 0));
    EXPECT_TRUE(InRegion(532, 413, 531, 36));
    EXPECT_TRUE(InRegion(532, 413, 0, 42));
    EXPECT_TRUE(InRegion(532, 413, 531, 349));
    EXPECT_TRUE(InRegion(532, 413, 531, 412));
    EXPECT_FALSE(InRegion(532, 413, 532, 412));
}

TEST(ConfigRegion, MaximizedTheBarsSpreadWithTheWidth) {
    UiRect r[kRegionRectCount];
    ConfigRegionRects(1280, 1024, r);
    // D = (1280 - 268) / 3 = 337
    EXPECT_EQ(r[1], (UiRect{337, 37, 471, 42}));
    EXPECT_EQ(r[2], (UiRect{808, 37, 942, 42}));
    EXPECT_EQ(r[3], (UiRect{0, 42, 1280, 961}));
    EXPECT_EQ(r[5], (UiRect{808, 961, 942, 966}));
    EXPECT_EQ(r[6], (UiRect{0, 966, 1280, 1024}));
}

TEST(ConfigLayout, ControlsAtTheInitialSize) {
    ConfigLayout l = LayoutConfigWindow(532, 413);
    // M = (532 - 490) / 2 = 21, E = (532 - 188) / 3 = 114, T = (413 - 268) / 2 + 56 = 128
    EXPECT_EQ(l.opacity, Box(127, 290, 110, 20));
    EXPECT_EQ(l.sequence, Box(381, 290, 120, 20));
    EXPECT_EQ(l.interval, Box(127, 315, 66, 20));
    EXPECT_EQ(l.sizeMode, Box(381, 315, 120, 20));
    EXPECT_EQ(l.ok, Box(114, 368, 94, 32));
    EXPECT_EQ(l.cancel, Box(322, 368, 94, 32));
    EXPECT_EQ(l.list, Box(122, 56, 366, 220));
    EXPECT_EQ(l.top, Box(502, 128, 16, 11));
    EXPECT_EQ(l.bottom, Box(502, 193, 15, 10));
    EXPECT_EQ(l.closeButton, Box(503, 11, 15, 15));
    EXPECT_EQ(l.bodyPanel, Box(0, 42, 532, 308));
    EXPECT_EQ(l.bars[3], Box(310, 350, 134, 5));
    // Nothing of the body reaches into the button band or past the right edge.
    for (const UiRect& r : {l.list, l.opacity, l.sequence, l.interval, l.sizeMode, l.top, l.up, l.down, l.bottom}) {
        EXPECT_LE(r.bottom, 413 - 63);
        EXPECT_LE(r.right, 532 - 4);
    }
}

TEST(ConfigLayout, MaximizedOptionsStayCentredAndTheListGrows) {
    ConfigLayout l = LayoutConfigWindow(1280, 1024);
    EXPECT_EQ(l.list, Box(122, 56, 1114, 831));
    EXPECT_EQ(l.opacity.left, 395 + 106);  // M = 395
    EXPECT_EQ(l.ok, Box(364, 979, 94, 32));
    EXPECT_EQ(l.cancel, Box(822, 979, 94, 32));
    // OK and Cancel split the band in three equal gaps.
    EXPECT_EQ(l.ok.left, l.cancel.left - l.ok.right);
}

TEST(ConfigLayout, CaptionsSitBesideTheirControls) {
    ConfigLayout l = LayoutConfigWindow(532, 413);
    // Drawn on the body panel: its client area is 532 x 308, placed at y = 42.
    OptionCaptionLayout c = LayoutOptionCaptions(0, l.bodyPanel.Width(), l.bodyPanel.Height());
    EXPECT_EQ(c.opacity, (UiRect{21, 250, 121, 266}));
    EXPECT_EQ(c.sizePosition, (UiRect{246, 275, 377, 291}));
    // Same vertical middle as the control, and ending just left of it.
    auto middle = [](const UiRect& r) { return (r.top + r.bottom) / 2; };
    EXPECT_EQ(middle(c.opacity) + 42, middle(l.opacity));
    EXPECT_EQ(middle(c.intervals) + 42, middle(l.interval));
    EXPECT_LT(c.sequence.right, l.sequence.left);
    EXPECT_LT(c.opacity.right, l.opacity.left);
}

TEST(BorderZone, EdgesOfEachZone) {
    const int w = 532, h = 413;
    EXPECT_EQ(BorderZone(3, 200, w, h), kZoneLeft);
    EXPECT_EQ(BorderZone(4, 200, w, h), kZoneNone);
    EXPECT_EQ(BorderZone(w - 4, 200, w, h), kZoneNone);
    EXPECT_EQ(BorderZone(w - 3, 200, w, h), kZoneRight);
    EXPECT_EQ(BorderZone(200, 3, w, h), kZoneTop);
    EXPECT_EQ(BorderZone(200, 4, w, h), kZoneNone);
    EXPECT_EQ(BorderZone(200, h - 5, w, h), kZoneNone);
    EXPECT_EQ(BorderZone(200, h - 4, w, h), kZoneBottom);
    EXPECT_EQ(BorderZone(0, 0, w, h), kZoneTopLeft);
    EXPECT_EQ(BorderZone(3, 4, w, h), kZoneLeft);
    EXPECT_EQ(BorderZone(w - 1, 3, w, h), kZoneTopRight);
    EXPECT_EQ(BorderZone(w - 1, h - 1, w, h), kZoneBottomRight);
    EXPECT_EQ(BorderZone(0, h - 4, w, h), kZoneBottomLeft);
    EXPECT_EQ(BorderZone(4, h - 4, w, h), kZoneBottom);
}

TEST(Resize, DraggingTheLeftEdgeNarrowsAndMovesTheWindow) {
    const UiRect start = {100, 50, 800, 550};  // 700 wide
    UiRect r = ResizedWindowRect(kZoneLeft, start, 50, 30);
    EXPECT_EQ(r, (UiRect{150, 50, 800, 550}));
    int w = r.Width(), h = r.Height();
    ClampWindowSize(w, h, 1280, 1024);
    EXPECT_EQ(w, 650);
}

TEST(Resize, PastTheMinimumTheLeftEdgeStillFollowsAndTheWindowSlides) {
    const UiRect start = {100, 50, 632, 463};  // 532 x 413
    UiRect r = ResizedWindowRect(kZoneLeft, start, 80, 0);
    int w = r.Width(), h = r.Height();
    ClampWindowSize(w, h, 1280, 1024);
    EXPECT_EQ(r.left, 180);
    EXPECT_EQ(w, 532);
    EXPECT_EQ(r.left + w, 712);  // the right edge moved with it
}

TEST(Resize, EachZoneMovesOnlyItsEdges) {
    const UiRect s = {10, 20, 610, 520};
    EXPECT_EQ(ResizedWindowRect(kZoneRight, s, 5, 7), (UiRect{10, 20, 615, 520}));
    EXPECT_EQ(ResizedWindowRect(kZoneTop, s, 5, 7), (UiRect{10, 27, 610, 520}));
    EXPECT_EQ(ResizedWindowRect(kZoneBottom, s, 5, 7), (UiRect{10, 20, 610, 527}));
    EXPECT_EQ(ResizedWindowRect(kZoneTopLeft, s, 5, 7), (UiRect{15, 27, 610, 520}));
    EXPECT_EQ(ResizedWindowRect(kZoneTopRight, s, 5, 7), (UiRect{10, 27, 615, 520}));
    EXPECT_EQ(ResizedWindowRect(kZoneBottomLeft, s, 5, 7), (UiRect{15, 20, 610, 527}));
    EXPECT_EQ(ResizedWindowRect(kZoneBottomRight, s, -5, -7), (UiRect{10, 20, 605, 513}));
    EXPECT_EQ(ResizedWindowRect(kZoneNone, s, 5, 7), s);
}

TEST(Resize, SizeLimits) {
    int w = 100, h = 5000;
    ClampWindowSize(w, h, 1280, 1024);
    EXPECT_EQ(w, 532);
    EXPECT_EQ(h, 1024);
    // A screen narrower than the minimum wins.
    w = 600;
    h = 300;
    ClampWindowSize(w, h, 500, 400);
    EXPECT_EQ(w, 500);
    EXPECT_EQ(h, 400);
}

TEST(CaptionBand, DoubleClickRowsAndColumns) {
    EXPECT_TRUE(InCaptionBand(10, 36, 532));
    EXPECT_FALSE(InCaptionBand(10, 37, 532));
    EXPECT_TRUE(InCaptionBand(0, 0, 532));
    EXPECT_FALSE(InCaptionBand(532, 10, 532));
    EXPECT_FALSE(InCaptionBand(-1, 10, 532));
}

TEST(Fonts, LanguagePointsToPixelHeights) {
    EXPECT_EQ(LanguageFontHeight(12), -16);
    EXPECT_EQ(LanguageFontHeight(10), -13);
    EXPECT_EQ(LanguageFontHeight(9), -12);
    EXPECT_EQ(LanguageFontHeight(14), -18);
    // A hostile size neither overflows nor vanishes.
    EXPECT_EQ(LanguageFontHeight(2147483647), -1333);
    EXPECT_LT(LanguageFontHeight(0), 0);
}

TEST(Fonts, DialogFontKeepsItsPixelHeightAcrossScreens) {
    EXPECT_EQ(DialogFontTenths(96), 80);
    EXPECT_EQ(DialogFontTenths(120), 64);
    EXPECT_EQ(DialogFontTenths(144), 53);
    EXPECT_EQ(DialogFontTenths(0), 80);
    for (int dpi : {96, 120, 144}) EXPECT_EQ(PointFontHeight(DialogFontTenths(dpi), dpi), -11) << dpi;
}

}  // namespace
