#include <gtest/gtest.h>

#include <vector>

#include "display/DisplayLayout.h"
#include "settings/OptionData.h"
#include "tests/support/Regions.h"

namespace {

CDisplayRegion Region(int w, int h, int left, int top, int positionMode) {
    return MakeRegion(w, h, left, top, CDisplayRegion().m_nFitMode, positionMode);
}

// Hands out the given numbers and counts how many were asked for.
struct FakeRandom {
    std::vector<int> values;
    size_t used = 0;
    std::function<int()> Fn() {
        return [this] { return values.at(used++); };
    }
};

void ExpectPlacement(const CDisplayPlacement& p, int x, int y, int w, int h, int sx, int sy) {
    EXPECT_EQ(p.x, x);
    EXPECT_EQ(p.y, y);
    EXPECT_EQ(p.width, w);
    EXPECT_EQ(p.height, h);
    EXPECT_EQ(p.srcX, sx);
    EXPECT_EQ(p.srcY, sy);
}

TEST(DisplayLayout, CustomPositionCentresInTheRegionAndClipsToIt) {
    FakeRandom rnd;
    const CDisplayRegion r = Region(400, 300, 100, 50, 1);
    // Larger than the region: the region shows the picture's centre.
    ExpectPlacement(LayoutPicture(3, r, 1280, 1024, 800, 600, rnd.Fn()), 100, 50, 400, 300, 200, 150);
    // Smaller: centred in the region, shown whole.
    ExpectPlacement(LayoutPicture(3, r, 1280, 1024, 200, 100, rnd.Fn()), 200, 150, 200, 100, 0, 0);
    // Wider but lower: clipped across only; odd differences truncate toward zero.
    ExpectPlacement(LayoutPicture(3, r, 1280, 1024, 601, 99, rnd.Fn()), 100, 150, 400, 99, 100, 0);
    EXPECT_EQ(rnd.used, 0u);
}

TEST(DisplayLayout, RandomPositionStaysOnScreen) {
    const CDisplayRegion r = Region(400, 300, 100, 50, 0);
    FakeRandom rnd{{1000003, 77}};
    // Room left by a 200 x 100 picture on 1280 x 1024: 1080 across, 924 down.
    ExpectPlacement(LayoutPicture(3, r, 1280, 1024, 200, 100, rnd.Fn()), 1000003 % 1080, 77, 200, 100, 0, 0);
    EXPECT_EQ(rnd.used, 2u);

    // Exactly as wide as the screen: x is 0 and no number is drawn for it (no division by zero).
    FakeRandom one{{5}};
    const CDisplayRegion wide = Region(1280, 300, 0, 0, 0);
    ExpectPlacement(LayoutPicture(3, wide, 1280, 1024, 1280, 200, one.Fn()), 0, 5, 1280, 200, 0, 0);
    EXPECT_EQ(one.used, 1u);

    // A picture larger than the screen is clipped to the region first, and the window fits.
    FakeRandom big{{999999, 999999}};
    const CDisplayPlacement p = LayoutPicture(3, r, 1280, 1024, 3000, 2000, big.Fn());
    EXPECT_EQ(p.width, 400);
    EXPECT_EQ(p.srcX, 1300);
    EXPECT_GE(p.x, 0);
    EXPECT_LE(p.x + p.width, 1280);
    EXPECT_LE(p.y + p.height, 1024);
}

TEST(DisplayLayout, OtherModesAndFullScreenRegionsAreCentred) {
    FakeRandom rnd;
    for (int mode : {0, 1, 2}) {
        ExpectPlacement(LayoutPicture(mode, Region(400, 300, 100, 50, 1), 1280, 1024, 200, 100, rnd.Fn()), 540, 462,
                        200, 100, 0, 0);
    }
    // Full-screen region (negative width): centred, and the screen is what the plug-in is asked for.
    const CDisplayRegion full = Region(-1, 300, 100, 50, 0);
    ExpectPlacement(LayoutPicture(3, full, 1280, 1024, 1000, 800, rnd.Fn()), 140, 112, 1000, 800, 0, 0);
    int w = 0, h = 0;
    RequestedRenderSize(full, 1280, 1024, w, h);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 1024);
    RequestedRenderSize(Region(400, 300, 0, 0, 0), 1280, 1024, w, h);
    EXPECT_EQ(w, 400);
    // Larger than the screen: negative position, cut equally on both sides.
    ExpectPlacement(LayoutPicture(1, full, 1280, 1024, 1501, 1024, rnd.Fn()), -110, 0, 1501, 1024, 0, 0);
    // A zero-width region counts as no region.
    ExpectPlacement(LayoutPicture(3, Region(0, 300, 100, 50, 1), 1280, 1024, 200, 100, rnd.Fn()), 540, 462, 200, 100, 0,
                    0);
    EXPECT_EQ(rnd.used, 0u);
}

}  // namespace
