#include <gtest/gtest.h>

#include <climits>

#include "ui/core/RegionPicker.h"

namespace {

const ScreenRect k1024{0, 0, 1024, 768};
const ScreenRect k1280{0, 0, 1280, 1024};

void ExpectRect(const PickerRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

void ExpectPoint(PickerPoint p, int x, int y) {
    EXPECT_EQ(p.x, x);
    EXPECT_EQ(p.y, y);
}

TEST(RegionPicker, BlockSizeFollowsTheRegion) {
    struct Case {
        int w, h, blockW, blockH;
    } cases[] = {
        {800, 600, 63, 47},       // 81 x 800 / 1024, 61 x 600 / 768
        {30000000, 600, 81, 47},  // 81 x a damaged width overflows 32 bits
        {10, 10, 3, 3},           // still visible and grabbable
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        CRegionPicker picker(k1024);
        picker.SetRegionSize(c.w, c.h);
        EXPECT_EQ(picker.Block().Width(), c.blockW);
        EXPECT_EQ(picker.Block().Height(), c.blockH);
    }
}

TEST(RegionPicker, PositionIsKeptExactlyAndInsideTheScreen) {
    CRegionPicker picker(k1280);
    picker.SetRegionSize(800, 600);
    picker.SetPosition(240, 212);
    // The miniature alone would give back (237, 201).
    ExpectPoint(picker.GetPosition(), 240, 212);
    ExpectRect(picker.Block(), 24, 19, 74, 54);

    // Past the right and bottom edges: the block touches them, the region lies at the screen's edges.
    CRegionPicker small(k1024);
    small.SetRegionSize(800, 600);
    small.SetPosition(1000, 1000);
    EXPECT_EQ(small.Block().right, 90);
    EXPECT_EQ(small.Block().bottom, 68);
    ExpectPoint(small.GetPosition(), 224, 168);
    small.SetPosition(-50, INT_MIN);
    ExpectRect(small.Block(), 9, 7, 72, 54);
    ExpectPoint(small.GetPosition(), 0, 0);
}

TEST(RegionPicker, DragConvertsFromTheMiniatureOnBothAxes) {
    CRegionPicker picker(k1280);
    picker.SetRegionSize(800, 600);
    picker.SetPosition(240, 212);
    ASSERT_EQ(picker.Block().left, 24);

    // 10 pixels right: left 1280 x 25 / 81, top (not moved) 1024 x 12 / 61.
    ASSERT_TRUE(picker.BeginDrag({30, 25}));
    picker.DragTo({40, 25});
    picker.EndDrag();
    EXPECT_FALSE(picker.Dragging());
    ExpectPoint(picker.GetPosition(), 395, 201);

    // Back to where this drag started: still the miniature's position, the exact one is gone.
    ASSERT_TRUE(picker.BeginDrag({40, 25}));
    picker.DragTo({50, 25});
    picker.DragTo({40, 25});
    ExpectPoint(picker.GetPosition(), 395, 201);

    // Far into the lower right corner, even from a wild pointer: the region sits in the screen's corner.
    picker.DragTo({INT_MAX, INT_MAX});
    picker.EndDrag();
    EXPECT_EQ(picker.Block().right, 90);
    EXPECT_EQ(picker.Block().bottom, 68);
    ExpectPoint(picker.GetPosition(), 480, 424);
}

TEST(RegionPicker, AScreenWithoutSizeDividesByNothing) {
    CRegionPicker none({0, 0, 0, 0});  // a broken system answer
    none.SetRegionSize(800, 600);
    none.SetPosition(10, 10);
    ExpectPoint(none.GetPosition(), 0, 0);
}

TEST(SizeList, PresetsNarrowerThanTheScreen) {
    const SizeList at1024 = BuildSizeList(1024, 800, 600);
    EXPECT_EQ(at1024.sizes.size(), 11u);
    EXPECT_EQ(at1024.sizes[at1024.selected - 1], (RegionSize{800, 600}));
    const SizeList at1280 = BuildSizeList(1280, -1, 300);
    EXPECT_EQ(at1280.sizes.size(), 14u);
    EXPECT_EQ(at1280.selected, 0);
}

TEST(SizeList, StoredSizeThatIsNoPresetIsKept) {
    struct Case {
        int screenWidth, w, h, count, selected;
    } cases[] = {
        {1280, 400, 250, 15, 4},  // hand-edited: just before 400 x 300
        {1024, 400, 0, 11, 0},    // no size: the full-screen entry
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " on " << c.screenWidth);
        const SizeList list = BuildSizeList(c.screenWidth, c.w, c.h);
        EXPECT_EQ(list.sizes.size(), static_cast<size_t>(c.count));
        ASSERT_EQ(list.selected, c.selected);
        // OK without touching the list gives the stored size back.
        int w = 7, h = c.h;
        TakeSize(list, list.selected, w, h);
        EXPECT_EQ(w, c.selected > 0 ? c.w : -1);
        EXPECT_EQ(h, c.h);
    }
}

}  // namespace
