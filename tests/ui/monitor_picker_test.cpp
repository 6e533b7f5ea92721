#include <gtest/gtest.h>

#include "ui/core/RegionPicker.h"

// Primary 1920 x 1080; a smaller one left of it; one of another size right of it, lower.
TEST(MonitorPicker, TheMiniatureSpansAllMonitorsAsTheyAreArranged) {
    const MonitorList desk{{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}, {1920, 200, 2944, 968}};
    const ScreenRect all = BoundingScreen(desk);
    EXPECT_EQ(all.left, -1280);
    EXPECT_EQ(all.width, 4224);

    CRegionPicker picker(all);
    const PickerRect primary = picker.ToPicker(desk[0]), left = picker.ToPicker(desk[1]);
    EXPECT_EQ(left.left, kPickerScreenArea.left);
    EXPECT_EQ(left.right, primary.left);

    // A region on the left monitor keeps its negative position; dragged to the far right,
    // it ends on the right monitor's edge.
    picker.SetRegionSize(400, 300);
    picker.SetPosition(-1000, 100);
    EXPECT_EQ(picker.GetPosition().x, -1000);
    ASSERT_TRUE(picker.BeginDrag({picker.Block().left, picker.Block().top}));
    picker.DragTo({200, picker.Block().top});
    picker.EndDrag();
    EXPECT_EQ(picker.GetPosition().x, 2944 - 400);
}
