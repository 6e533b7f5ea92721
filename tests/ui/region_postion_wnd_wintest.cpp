// The position picker as a window: what it paints when disabled, and the drag by the
// mouse's messages, with the capture and the parent's notification.
#include <windows.h>

#include <gtest/gtest.h>

#include "res/ImageSizeIds.h"
#include "framework/Dialog.h"
#include "ui/RegionPostionWnd.h"

namespace {

// The size dialog's template as a bare parent; it counts what the picker tells it.
class Parent : public CDialog {
public:
    Parent() : CDialog(IDD_IMAGE_SIZE_CUSTOM) {
        MapControl(IDC_POSITION_PICKER, CRegionPostionWnd::kPositionChanged, [this](UINT) { ++moved; });
    }
    int moved = 0;
};

class RegionPostionWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.Create());
        picker.SetScreen(ScreenRect{0, 0, 1280, 1024});
        ASSERT_TRUE(picker.CreateOver(parent.GetSafeHwnd(), IDC_POSITION_PICKER));
        hwnd = picker.GetSafeHwnd();
        picker.SetRegionSize(800, 600);
        picker.SetPosition(240, 212);
    }
    void TearDown() override {
        if (GetCapture()) ReleaseCapture();
        parent.DestroyWindow();
    }
    void Mouse(UINT msg, int x, int y) {
        SendMessageA(hwnd, msg, msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }

    Parent parent;
    CRegionPostionWnd picker;
    HWND hwnd = nullptr;
};

TEST_F(RegionPostionWndTest, DisabledItPaintsAnEmptyScreen) {
    picker.Enable(false);
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, kPickerWidth, -kPickerHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bmp);
    picker.Paint(dc);
    const PickerRect& s = kPickerScreenArea;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int faced = 0;
    for (int y = s.top; y < s.bottom; ++y)
        for (int x = s.left; x < s.right; ++x) faced += GetPixel(dc, x, y) == face;
    EXPECT_EQ(faced, s.Width() * s.Height());
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
}

TEST_F(RegionPostionWndTest, DragTellsTheParentOnceAndEndsWithTheCapture) {
    Mouse(WM_LBUTTONDOWN, 30, 25);
    Mouse(WM_MOUSEMOVE, 40, 25);
    Mouse(WM_LBUTTONUP, 40, 25);
    EXPECT_EQ(parent.moved, 1);
    // A click without a move tells nobody.
    Mouse(WM_LBUTTONDOWN, 40, 25);
    Mouse(WM_LBUTTONUP, 40, 25);
    EXPECT_EQ(parent.moved, 1);
    // Another window took the mouse: the drag ended where it was.
    Mouse(WM_LBUTTONDOWN, 40, 25);
    Mouse(WM_MOUSEMOVE, 45, 25);
    ReleaseCapture();
    EXPECT_EQ(parent.moved, 2);
    const int left = picker.Picker().Block().left;
    Mouse(WM_MOUSEMOVE, 60, 40);
    EXPECT_EQ(picker.Picker().Block().left, left);
}

}  // namespace
