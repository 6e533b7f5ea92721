#include "display/DisplayLayout.h"

#include <algorithm>
#include <cstdint>

#include "settings/OptionData.h"

void RequestedRenderSize(const CDisplayRegion& region, int screenW, int screenH, int& w, int& h) {
    if (region.m_nWidth < 0) {
        w = screenW;
        h = screenH;
    } else {
        w = region.m_nWidth;
        h = region.m_nHeight;
    }
}

namespace {

// One axis of the custom layout. The random position is taken within the room the clipped
// window leaves, so a picture larger than the screen never pushes the window off it.
void PlaceAxis(bool random, int screen, int pic, int regionStart, int regionSize, const std::function<int()>& rnd,
               int& pos, int& size, int& src) {
    if (regionSize > 0 && pic > regionSize) {
        size = regionSize;
        src = (pic - regionSize) / 2;
    } else {
        size = pic;
        src = 0;
    }
    if (random) {
        const int room = screen - size;
        pos = room > 0 ? rnd() % room : 0;
        if (pos < 0) pos = 0;
    } else {
        pos = regionStart + (regionSize - pic) / 2;
        if (pos < regionStart) pos = regionStart;
    }
}

constexpr int kFarOut = 1 << 28;

// Cuts what lies outside the monitor off one axis.
void ClipAxis(int start, int end, int& pos, int& size, int& src) {
    const int cutBefore = pos < start ? start - pos : 0;
    const int64_t over = int64_t{pos} + size - end;
    const int cutAfter = over > 0 ? static_cast<int>(over) : 0;
    pos += cutBefore;
    src += cutBefore;
    size -= cutBefore + cutAfter;
}

}  // namespace

CDisplayPlacement LayoutPicture(int sizeMode, const CDisplayRegion& region, int screenW, int screenH, int picW,
                                int picH, const std::function<int()>& random) {
    return LayoutPicture(sizeMode, region, MonitorList{CScreenRect{0, 0, screenW, screenH}}, picW, picH, random);
}

CDisplayPlacement LayoutPicture(int sizeMode, const CDisplayRegion& region, const MonitorList& monitors, int picW,
                                int picH, const std::function<int()>& random) {
    CDisplayPlacement p;
    if (sizeMode == 3 && region.m_nWidth > 0) {
        // No screen is this far out; a damaged file's numbers are kept from overflowing.
        const int left = std::clamp(region.m_nLeft, -kFarOut, kFarOut),
                  top = std::clamp(region.m_nTop, -kFarOut, kFarOut);
        const int w = std::min(region.m_nWidth, kFarOut), h = std::min(region.m_nHeight, kFarOut);
        const CScreenRect& m = MonitorAt(monitors, left + w / 2, top + h / 2);
        const bool rnd = region.m_nPositionMode == 0;
        PlaceAxis(rnd, m.Width(), picW, left - m.left, w, random, p.x, p.width, p.srcX);
        PlaceAxis(rnd, m.Height(), picH, top - m.top, h, random, p.y, p.height, p.srcY);
        p.x += m.left;
        p.y += m.top;
        // A window that would keep nothing (a region far off every monitor, from a damaged
        // file) stays as it is.
        const bool meets =
            int64_t{p.x} + p.width > m.left && p.x < m.right && int64_t{p.y} + p.height > m.top && p.y < m.bottom;
        if (meets) {
            ClipAxis(m.left, m.right, p.x, p.width, p.srcX);
            ClipAxis(m.top, m.bottom, p.y, p.height, p.srcY);
        }
        return p;
    }
    const CScreenRect& primary = monitors.front();
    p.x = primary.left + (primary.Width() - picW) / 2;
    p.y = primary.top + (primary.Height() - picH) / 2;
    p.width = picW;
    p.height = picH;
    return p;
}
