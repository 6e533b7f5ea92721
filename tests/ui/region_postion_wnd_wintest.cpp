// The position picker as a window: taking a placeholder's place, what it paints, and the
// drag by the mouse's messages, with the capture and the parent's notification.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "res/ImageSizeIds.h"
#include "framework/Dialog.h"
#include "ui/RegionPostionWnd.h"

namespace {

const ScreenRect k1280{0, 0, 1280, 1024};
const COLORREF kUnpainted = RGB(1, 2, 3);

// The size dialog's template as a bare parent; it records what the picker tells it.
class Parent : public CDialog {
public:
    Parent() : CDialog(IDD_IMAGE_SIZE_CUSTOM) {
        MapControl(IDC_POSITION_PICKER, CRegionPostionWnd::kPositionChanged, [this](UINT) { ++moved; });
    }
    int moved = 0;
};

// A 32-bit picture of what the picker paints.
class Canvas {
public:
    Canvas() : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = kPickerWidth;
        bi.bmiHeader.biHeight = -kPickerHeight;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bmp_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        old_ = SelectObject(dc_, bmp_);
        // Anything the picker leaves unpainted shows as this.
        RECT all = {0, 0, kPickerWidth, kPickerHeight};
        HBRUSH unpainted = CreateSolidBrush(kUnpainted);
        FillRect(dc_, &all, unpainted);
        DeleteObject(unpainted);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bmp_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    int Count(const RECT& r, COLORREF c) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += At(x, y) == c;
        return n;
    }

private:
    HDC dc_;
    HBITMAP bmp_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

class RegionPostionWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.Create());
        dialog = parent.GetSafeHwnd();
        GetWindowRect(GetDlgItem(dialog, IDC_POSITION_PICKER), &placeholder);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placeholder), 2);
        picker.SetScreen(k1280);
        ASSERT_TRUE(picker.CreateOver(dialog, IDC_POSITION_PICKER));
        hwnd = picker.GetSafeHwnd();
    }
    void TearDown() override {
        if (GetCapture()) ReleaseCapture();
        parent.DestroyWindow();
    }
    void Mouse(UINT msg, int x, int y) {
        SendMessageA(hwnd, msg, msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
    void Drag(int fromX, int fromY, int toX, int toY) {
        Mouse(WM_LBUTTONDOWN, fromX, fromY);
        Mouse(WM_MOUSEMOVE, toX, toY);
        Mouse(WM_LBUTTONUP, toX, toY);
    }

    Parent parent;
    CRegionPostionWnd picker;
    HWND dialog = nullptr;
    HWND hwnd = nullptr;
    RECT placeholder{};
};

TEST_F(RegionPostionWndTest, TakesThePlaceholdersPlaceOnceOnly) {
    EXPECT_EQ(GetDlgItem(dialog, IDC_POSITION_PICKER), hwnd);
    RECT rc;
    GetWindowRect(hwnd, &rc);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(rc.left, placeholder.left);
    EXPECT_EQ(rc.top, placeholder.top);
    EXPECT_FALSE(picker.CreateOver(dialog, IDC_POSITION_PICKER));
    CRegionPostionWnd other;
    EXPECT_FALSE(other.CreateOver(dialog, 4321));
}

TEST_F(RegionPostionWndTest, PaintsMonitorAndFramedBlockOrAnEmptyScreenWhenDisabled) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const RECT all = {0, 0, kPickerWidth, kPickerHeight};
    picker.SetRegionSize(800, 600);
    picker.SetPosition(240, 212);
    const PickerRect b = picker.Picker().Block();
    {
        Canvas c;
        picker.Paint(c.Dc());
        EXPECT_EQ(c.Count(all, kUnpainted), 0) << "pixels left unpainted";
        // Around the monitor the dialog's colour shows, not the magenta of the picture.
        EXPECT_EQ(c.At(0, 0), face);
        EXPECT_EQ(c.Count(all, RGB(255, 0, 255)), 0);
        EXPECT_EQ(c.Count({b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, RGB(255, 255, 255)),
                  (b.Width() - 2) * (b.Height() - 2));
    }
    picker.Enable(false);
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    Canvas c;
    picker.Paint(c.Dc());
    const PickerRect& screen = kPickerScreenArea;
    EXPECT_EQ(c.Count({screen.left, screen.top, screen.right, screen.bottom}, face), screen.Width() * screen.Height());
}

TEST_F(RegionPostionWndTest, DragTellsTheParentOnceAndEndsWithTheCaptureOrWhenDisabled) {
    picker.SetRegionSize(800, 600);
    picker.SetPosition(240, 212);
    Mouse(WM_LBUTTONDOWN, 30, 25);
    EXPECT_EQ(GetCapture(), hwnd);
    Mouse(WM_MOUSEMOVE, 35, 25);
    Mouse(WM_MOUSEMOVE, 40, 25);
    EXPECT_EQ(parent.moved, 0);  // not before the drag ends
    Mouse(WM_LBUTTONUP, 40, 25);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(parent.moved, 1);
    EXPECT_EQ(picker.Picker().Block().left, 34);
    EXPECT_EQ(picker.GetPosition().x, 395);

    // A click without a move, or a press beside the block, moves nothing and tells nobody.
    Drag(40, 25, 40, 25);
    Drag(5, 5, 60, 60);
    EXPECT_EQ(parent.moved, 1);
    EXPECT_EQ(picker.Picker().Block().left, 34);

    // Another window took the mouse: the drag ended where it was.
    Mouse(WM_LBUTTONDOWN, 40, 25);
    Mouse(WM_MOUSEMOVE, 45, 25);
    ReleaseCapture();
    EXPECT_EQ(parent.moved, 2);
    Mouse(WM_MOUSEMOVE, 60, 40);
    EXPECT_EQ(picker.Picker().Block().left, 39);

    Mouse(WM_LBUTTONDOWN, 40, 25);
    ASSERT_EQ(GetCapture(), hwnd);
    picker.Enable(false);
    EXPECT_EQ(GetCapture(), nullptr);
    Mouse(WM_MOUSEMOVE, 60, 40);
    // Disabled, a press starts nothing.
    Drag(40, 25, 60, 40);
    EXPECT_EQ(picker.Picker().Block().left, 39);
    EXPECT_EQ(GetCapture(), nullptr);
    picker.Enable(true);
    Drag(40, 25, 41, 25);
    EXPECT_EQ(picker.Picker().Block().left, 40);
}

}  // namespace
