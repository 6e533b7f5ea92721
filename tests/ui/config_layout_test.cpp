#include <gtest/gtest.h>

#include "ui/core/ConfigLayout.h"

namespace {

TEST(BorderZone, EdgesOfEachZone) {
    const int w = 532, h = 413;
    EXPECT_EQ(BorderZone(3, 200, w, h), kZoneLeft);
    EXPECT_EQ(BorderZone(4, 200, w, h), kZoneNone);
    EXPECT_EQ(BorderZone(w - 4, 200, w, h), kZoneNone);
    EXPECT_EQ(BorderZone(w - 3, 200, w, h), kZoneRight);
    EXPECT_EQ(BorderZone(200, h - 5, w, h), kZoneNone);
    EXPECT_EQ(BorderZone(200, h - 4, w, h), kZoneBottom);
    EXPECT_EQ(BorderZone(3, 4, w, h), kZoneLeft);
    EXPECT_EQ(BorderZone(w - 1, h - 1, w, h), kZoneBottomRight);
}

TEST(Resize, EachZoneMovesOnlyItsEdges) {
    const UiRect s = {10, 20, 610, 520};
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
    // A hostile size neither overflows nor vanishes.
    EXPECT_EQ(LanguageFontHeight(2147483647), -1333);
    EXPECT_LT(LanguageFontHeight(0), 0);
}

TEST(Fonts, DialogFontKeepsItsPixelHeightAcrossScreens) {
    EXPECT_EQ(DialogFontTenths(0), 80);
    for (int dpi : {96, 120, 144}) EXPECT_EQ(PointFontHeight(DialogFontTenths(dpi), dpi), -11) << dpi;
}

}  // namespace
