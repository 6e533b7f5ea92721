#include <windows.h>

#include <gtest/gtest.h>

#include "res/ArtIds.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);

// Owns a bitmap and a memory DC holding it, so that pixels can be read.
class Pixels {
public:
    explicit Pixels(HBITMAP bmp) : bmp_(bmp), dc_(CreateCompatibleDC(nullptr)) {
        if (bmp_) old_ = SelectObject(dc_, bmp_);
    }
    ~Pixels() {
        if (old_) SelectObject(dc_, old_);
        DeleteDC(dc_);
        if (bmp_) DeleteObject(bmp_);
    }
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;

    bool Loaded() const { return bmp_ != nullptr; }
    SIZE Size() const {
        BITMAP bm = {};
        GetObject(bmp_, sizeof bm, &bm);
        return {bm.bmWidth, bm.bmHeight};
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HBITMAP bmp_;
    HDC dc_;
    HGDIOBJ old_ = nullptr;
};

HBITMAP LoadDib(int id) {
    return static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// Screen-format bitmap, as LoadBitmap gives it to the widgets.
HBITMAP LoadDdb(int id) {
    return LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

TEST(Artwork, MonitorIsSixteenColoursWithAWholeScreenAndAClearFoot) {
    HBITMAP dib = LoadDib(IDB_MONITOR);
    ASSERT_NE(dib, nullptr);
    DIBSECTION ds = {};
    const int got = GetObject(dib, sizeof ds, &ds);
    DeleteObject(dib);
    ASSERT_EQ(got, static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBmih.biBitCount, 4);

    // The picker masks the picture by magenta: outside the case it must be magenta, and
    // no magenta may punch a hole into the screen it paints the block on.
    Pixels p(LoadDdb(IDB_MONITOR));
    ASSERT_TRUE(p.Loaded());
    EXPECT_EQ(p.At(0, 0), kMagenta);
    EXPECT_EQ(p.At(98, 0), kMagenta);
    int holes = 0;
    for (int y = 7; y < 68; ++y) {
        for (int x = 9; x < 90; ++x) {
            if (p.At(x, y) == kMagenta) ++holes;
        }
    }
    EXPECT_EQ(holes, 0);
    // Rows 75 to 77 are the picker's own.
    int drawn = 0;
    for (int y = 75; y < 78; ++y) {
        for (int x = 0; x < 99; ++x) {
            if (p.At(x, y) != kMagenta) ++drawn;
        }
    }
    EXPECT_EQ(drawn, 0);
}

TEST(Artwork, BlockCursorLoadsWithItsHotSpotOnTheShape) {
    HCURSOR cur = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_BLOCK_CURSOR));
    ASSERT_NE(cur, nullptr);
    ICONINFO ii = {};
    ASSERT_TRUE(GetIconInfo(cur, &ii));
    EXPECT_FALSE(ii.fIcon);
    Pixels mask(ii.hbmMask);
    Pixels colour(ii.hbmColor);
    ASSERT_TRUE(mask.Loaded());
    EXPECT_EQ(mask.Size().cx, 32);
    ASSERT_LT(static_cast<LONG>(ii.xHotspot), 32);
    ASSERT_LT(static_cast<LONG>(ii.yHotspot), 32);
    // A clear AND mask at the hot spot would leave the user aiming with an invisible point.
    EXPECT_EQ(mask.At(ii.xHotspot, ii.yHotspot), RGB(0, 0, 0));
    // Away from the cross the cursor is transparent.
    EXPECT_EQ(mask.At(0, 0), RGB(255, 255, 255));
}

}  // namespace
