#include "display/DisplayLayout.h"

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

}  // namespace

CDisplayPlacement LayoutPicture(int sizeMode, const CDisplayRegion& region, int screenW, int screenH, int picW,
                                int picH, const std::function<int()>& random) {
    CDisplayPlacement p;
    if (sizeMode == 3 && region.m_nWidth > 0) {
        const bool rnd = region.m_nPositionMode == 0;
        PlaceAxis(rnd, screenW, picW, region.m_nLeft, region.m_nWidth, random, p.x, p.width, p.srcX);
        PlaceAxis(rnd, screenH, picH, region.m_nTop, region.m_nHeight, random, p.y, p.height, p.srcY);
        return p;
    }
    p.x = (screenW - picW) / 2;
    p.y = (screenH - picH) / 2;
    p.width = picW;
    p.height = picH;
    return p;
}
