#include <gtest/gtest.h>

#include "ui/core/RegionPicker.h"

// Primary 1920 x 1080; a smaller one left of it; one of another size right of it, lower.
TEST(MonitorPicker, TheMiniatureSpansAllMonitorsAsTheyAreArranged) {
    const MonitorList desk{{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}, {1920, 200, 2944, 968}};
    const ScreenRect all = BoundingScreen(desk);
    EXPECT_EQ(all.left, -1280);
    EXPECT_EQ(all.top, 0);
    EXPECT_EQ(all.width, 4224);
    EXPECT_EQ(all.height, 1080);

    CRegionPicker picker(all);
    const PickerRect primary = picker.ToPicker(desk[0]), left = picker.ToPicker(desk[1]),
                     right = picker.ToPicker(desk[2]);
    // Side by side from edge to edge of the screen area, touching, none overlapping.
    EXPECT_EQ(left.left, kPickerScreenArea.left);
    EXPECT_EQ(left.right, primary.left);
    EXPECT_EQ(primary.right, right.left);
    EXPECT_EQ(right.right, kPickerScreenArea.right);
    EXPECT_EQ(primary.top, kPickerScreenArea.top);
    EXPECT_EQ(primary.bottom, kPickerScreenArea.bottom);
    // The lower, smaller one shows lower and smaller.
    EXPECT_GT(right.top, primary.top);
    EXPECT_LT(right.bottom, primary.bottom);
    EXPECT_LT(left.bottom, primary.bottom);

    // A region on the left monitor keeps its negative position, and its block is drawn there.
    picker.SetRegionSize(400, 300);
    picker.SetPosition(-1000, 100);
    EXPECT_EQ(picker.GetPosition().x, -1000);
    EXPECT_EQ(picker.GetPosition().y, 100);
    EXPECT_GE(picker.Block().left, left.left);
    EXPECT_LE(picker.Block().right, left.right);
    // Dragged to the far right, it ends on the right monitor's edge.
    ASSERT_TRUE(picker.BeginDrag({picker.Block().left, picker.Block().top}));
    picker.DragTo({200, picker.Block().top});
    picker.EndDrag();
    EXPECT_EQ(picker.GetPosition().x, 2944 - 400);
}
