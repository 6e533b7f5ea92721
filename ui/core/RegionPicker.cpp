#include "ui/core/RegionPicker.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// Smallest block drawn: a frame around one white pixel, so a tiny region can still be seen and dragged.
constexpr int kMinBlock = 3;

int ClampToInt(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// 64 bits: 81 times a width from a damaged file does not fit 32.
int64_t Scale(int64_t value, int64_t to, int64_t from) {
    return value * to / from;
}

int BlockExtent(int size, int screen, int area) {
    return ClampToInt(std::min<int64_t>(area, std::max<int64_t>(kMinBlock, Scale(size, area, screen))));
}

// The region's corner on one axis, moved so that the region lies on the screen where it can.
int ClampAxis(int64_t pos, int size, int screenStart, int screenSize) {
    const int64_t last = std::max<int64_t>(screenStart, int64_t{screenStart} + screenSize - size);
    return ClampToInt(std::clamp<int64_t>(pos, screenStart, last));
}

}  // namespace

PickerPoint CentredPosition(const ScreenRect& screen, int w, int h) {
    if (w <= 0 || h <= 0) return {screen.left, screen.top};
    const int64_t cx = std::max(1, screen.width), cy = std::max(1, screen.height);
    return {ClampToInt(screen.left + (cx - w) / 2), ClampToInt(screen.top + (cy - h) / 2)};
}

ScreenRect BoundingScreen(const MonitorList& monitors) {
    if (monitors.empty()) return ScreenRect{};
    CScreenRect all = monitors.front();
    for (const CScreenRect& m : monitors) {
        all = {std::min(all.left, m.left), std::min(all.top, m.top), std::max(all.right, m.right),
               std::max(all.bottom, m.bottom)};
    }
    return ScreenRect{all.left, all.top, all.Width(), all.Height()};
}

CRegionPicker::CRegionPicker(const ScreenRect& screen, const PickerRect& area) : m_screen(screen), m_area(area) {
    m_screen.width = std::max(1, m_screen.width);
    m_screen.height = std::max(1, m_screen.height);
    m_area.right = std::max(m_area.right, m_area.left + 1);
    m_area.bottom = std::max(m_area.bottom, m_area.top + 1);
    m_block = m_area;
    m_width = m_screen.width;
    m_height = m_screen.height;
    m_exact = {m_screen.left, m_screen.top};
}

void CRegionPicker::SetRegionSize(int w, int h) {
    if (w <= 0 || h <= 0) {
        w = m_screen.width;
        h = m_screen.height;
    }
    m_width = w;
    m_height = h;
    m_block.right = m_block.left + BlockExtent(w, m_screen.width, m_area.Width());
    m_block.bottom = m_block.top + BlockExtent(h, m_screen.height, m_area.Height());
    if (m_exactValid) {
        SetPosition(m_exact.x, m_exact.y);
    } else {
        KeepInside();
    }
}

void CRegionPicker::SetPosition(int x, int y) {
    m_exact = {ClampAxis(x, m_width, m_screen.left, m_screen.width),
               ClampAxis(y, m_height, m_screen.top, m_screen.height)};
    m_exactValid = true;
    PlaceBlockAtExact();
}

PickerPoint CRegionPicker::GetPosition() const {
    if (m_exactValid) return m_exact;
    // After a drag: from the miniature, and a block at an edge puts the region at that edge.
    const int64_t x = m_screen.left + Scale(m_block.left - m_area.left, m_screen.width, m_area.Width());
    const int64_t y = m_screen.top + Scale(m_block.top - m_area.top, m_screen.height, m_area.Height());
    return {ClampAxis(x, m_width, m_screen.left, m_screen.width),
            ClampAxis(y, m_height, m_screen.top, m_screen.height)};
}

bool CRegionPicker::BeginDrag(PickerPoint press) {
    if (!m_block.Contains(press)) return false;
    m_dragging = true;
    m_press = press;
    m_blockAtPress = m_block;
    m_exactAtPress = m_exactValid;
    return true;
}

void CRegionPicker::DragTo(PickerPoint pointer) {
    if (!m_dragging) return;
    // Any offset beyond the area's size ends at an edge anyway; clamping keeps the sums small.
    const int dx = ClampToInt(std::clamp<int64_t>(int64_t{pointer.x} - m_press.x, -m_area.Width(), m_area.Width()));
    const int dy = ClampToInt(std::clamp<int64_t>(int64_t{pointer.y} - m_press.y, -m_area.Height(), m_area.Height()));
    m_block = {m_blockAtPress.left + dx, m_blockAtPress.top + dy, m_blockAtPress.right + dx,
               m_blockAtPress.bottom + dy};
    KeepInside();
    // A press without a move, or a drag back to the start, keeps the exact position.
    m_exactValid = m_exactAtPress && m_block == m_blockAtPress;
}

PickerRect CRegionPicker::BlockToPaint() const {
    return {std::max(m_block.left, m_area.left), std::max(m_block.top, m_area.top),
            std::min(m_block.right, m_area.right), std::min(m_block.bottom, m_area.bottom)};
}

PickerPoint CRegionPicker::ToPicker(int x, int y) const {
    return {ClampToInt(m_area.left + Scale(int64_t{x} - m_screen.left, m_area.Width(), m_screen.width)),
            ClampToInt(m_area.top + Scale(int64_t{y} - m_screen.top, m_area.Height(), m_screen.height))};
}

PickerRect CRegionPicker::ToPicker(const CScreenRect& r) const {
    const PickerPoint a = ToPicker(r.left, r.top), b = ToPicker(r.right, r.bottom);
    return {a.x, a.y, b.x, b.y};
}

void CRegionPicker::PlaceBlockAtExact() {
    PickerPoint p = ToPicker(m_exact.x, m_exact.y);
    // A region at the screen's far edge shows at the area's edge, whatever the rounding.
    if (int64_t{m_exact.x} + m_width >= int64_t{m_screen.left} + m_screen.width) p.x = m_area.right - m_block.Width();
    if (int64_t{m_exact.y} + m_height >= int64_t{m_screen.top} + m_screen.height)
        p.y = m_area.bottom - m_block.Height();
    m_block = {p.x, p.y, p.x + m_block.Width(), p.y + m_block.Height()};
    KeepInside();
}

// Right, bottom, top, left in this order: a block larger than the area ends at its top-left.
void CRegionPicker::KeepInside() {
    if (m_block.right > m_area.right) {
        const int d = m_block.right - m_area.right;
        m_block.left -= d;
        m_block.right -= d;
    }
    if (m_block.bottom > m_area.bottom) {
        const int d = m_block.bottom - m_area.bottom;
        m_block.top -= d;
        m_block.bottom -= d;
    }
    if (m_block.top < m_area.top) {
        const int d = m_area.top - m_block.top;
        m_block.top += d;
        m_block.bottom += d;
    }
    if (m_block.left < m_area.left) {
        const int d = m_area.left - m_block.left;
        m_block.left += d;
        m_block.right += d;
    }
}

const std::vector<RegionSize>& SizePresets() {
    static const std::vector<RegionSize> presets = {{240, 180},  {280, 210},  {320, 240},  {400, 300},  {480, 360},
                                                    {560, 420},  {640, 480},  {720, 540},  {800, 600},  {920, 690},
                                                    {1000, 750}, {1024, 768}, {1100, 825}, {1200, 900}, {1280, 1024}};
    return presets;
}

std::string FormatSize(const RegionSize& size) {
    return std::to_string(size.width) + " x " + std::to_string(size.height);
}

SizeList BuildSizeList(int screenWidth, int storedWidth, int storedHeight) {
    SizeList list;
    for (const RegionSize& s : SizePresets()) {
        if (s.width >= screenWidth) break;
        list.sizes.push_back(s);
    }
    if (storedWidth <= 0 || storedHeight <= 0) return list;
    const RegionSize stored{storedWidth, storedHeight};
    auto it = std::find_if(list.sizes.begin(), list.sizes.end(), [&](const RegionSize& s) {
        return s.width > stored.width || (s.width == stored.width && s.height >= stored.height);
    });
    if (it == list.sizes.end() || !(*it == stored)) it = list.sizes.insert(it, stored);
    list.selected = static_cast<int>(it - list.sizes.begin()) + 1;
    return list;
}

void TakeSize(const SizeList& list, int entry, int& width, int& height) {
    if (entry >= 1 && entry <= static_cast<int>(list.sizes.size())) {
        width = list.sizes[entry - 1].width;
        height = list.sizes[entry - 1].height;
    } else {
        width = -1;
    }
}
