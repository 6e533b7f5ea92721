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

// A picture exactly as wide as the screen leaves no room to draw a position from.
TEST(DisplayLayout, RandomPositionOnAFullWidthPictureDrawsNothingAcross) {
    FakeRandom one{{5}};
    const CDisplayRegion wide = Region(1280, 300, 0, 0, 0);
    ExpectPlacement(LayoutPicture(3, wide, 1280, 1024, 1280, 200, one.Fn()), 0, 5, 1280, 200, 0, 0);
    EXPECT_EQ(one.used, 1u);
}

}  // namespace
