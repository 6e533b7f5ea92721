// The position picker's model: a white block on a miniature of the screen that stands for
// the display region, and the size list shared by the size dialog and the wizard.
#pragma once
#include <string>
#include <vector>

#include "display/Monitors.h"

struct PickerPoint {
    int x = 0;
    int y = 0;
};

// left/top inclusive, right/bottom exclusive, as window rectangles are.
struct PickerRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(PickerPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const PickerRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// The miniature's screen inside the 99 x 78 monitor picture.
constexpr PickerRect kPickerScreenArea{9, 7, 90, 68};
constexpr int kPickerWidth = 99;
constexpr int kPickerHeight = 78;

// The screen in screen coordinates; a width or height below 1 counts as 1.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Top-left corner that centres a region of w x h on the screen ((screen - size) / 2 on each
// axis); a full-screen region (width or height 0 or less) gets the screen's corner.
PickerPoint CentredPosition(const ScreenRect& screen, int w, int h);

// The rectangle around all monitors: what the miniature stands for when there are several.
ScreenRect BoundingScreen(const MonitorList& monitors);

class CRegionPicker {
public:
    explicit CRegionPicker(const ScreenRect& screen, const PickerRect& area = kPickerScreenArea);

    // A width or height of 0 or less is the full screen. The block keeps its corner.
    void SetRegionSize(int w, int h);
    // The region's top-left corner in screen coordinates, moved so that the region lies on the
    // screen. GetPosition gives it back exactly until the block is dragged; after a drag it is
    // read from the miniature (a block at an edge puts the region at that edge).
    void SetPosition(int x, int y);
    PickerPoint GetPosition() const;

    // A press inside the block starts a drag (true); each move places the block by the
    // pointer's offset from the press, inside the screen area.
    bool BeginDrag(PickerPoint press);
    void DragTo(PickerPoint pointer);
    void EndDrag() { m_dragging = false; }
    bool Dragging() const { return m_dragging; }

    bool HitsBlock(PickerPoint p) const { return m_block.Contains(p); }
    const PickerRect& Block() const { return m_block; }
    // The block as it is drawn: clipped to the screen area. Frame on it, white inside.
    PickerRect BlockToPaint() const;

    // Where a screen point lies in the miniature (also for drawing other monitors).
    PickerPoint ToPicker(int x, int y) const;
    PickerRect ToPicker(const CScreenRect& r) const;

private:
    void KeepInside();
    void PlaceBlockAtExact();

    ScreenRect m_screen;
    PickerRect m_area;
    PickerRect m_block;
    int m_width = 0;  // the region's size on the screen, full screen resolved
    int m_height = 0;
    PickerPoint m_exact;  // the region's corner while m_exactValid
    bool m_exactValid = true;
    bool m_dragging = false;
    bool m_exactAtPress = true;
    PickerPoint m_press;
    PickerRect m_blockAtPress;
};

struct RegionSize {
    int width = 0;
    int height = 0;
    bool operator==(const RegionSize& o) const { return width == o.width && height == o.height; }
};

// The fifteen sizes offered, narrowest first.
const std::vector<RegionSize>& SizePresets();

// "%d x %d"
std::string FormatSize(const RegionSize& size);

// The size list after its full-screen entry: the presets narrower than the screen, plus a
// stored size that is none of them (in width order), so that OK without a choice keeps it.
struct SizeList {
    std::vector<RegionSize> sizes;  // entry k (from 1) is sizes[k - 1]
    int selected = 0;               // the entry that shows the stored size; 0 is the full screen
};
SizeList BuildSizeList(int screenWidth, int storedWidth, int storedHeight);

// Taking a size out of the list: the full-screen entry (or none) sets the width to -1 and
// leaves the height.
void TakeSize(const SizeList& list, int entry, int& width, int& height);
