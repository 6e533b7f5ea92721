#include <gtest/gtest.h>

#include "display/DisplayLayout.h"
#include "tests/support/Regions.h"

namespace {

// Primary 1920 x 1080; a smaller one left of it (negative coordinates); one of another
// size right of it, lower down.
const MonitorList kDesk{{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}, {1920, 200, 2944, 968}};

struct Placement {
    int x, y, w, h, sx, sy;
    bool operator==(const Placement& o) const {
        return x == o.x && y == o.y && w == o.w && h == o.h && sx == o.sx && sy == o.sy;
    }
};
void PrintTo(const Placement& p, std::ostream* os) {
    *os << "(" << p.x << "," << p.y << " " << p.w << "x" << p.h << " from " << p.sx << "," << p.sy << ")";
}

Placement Place(int mode, const CDisplayRegion& r, int picW, int picH, std::vector<int> randoms = {}) {
    size_t used = 0;
    const CDisplayPlacement p = LayoutPicture(mode, r, kDesk, picW, picH, [&] { return randoms.at(used++); });
    return {p.x, p.y, p.width, p.height, p.srcX, p.srcY};
}

}  // namespace

TEST(MonitorLayout, CustomRegionOnAnyMonitorIsClippedToTheMonitorOfItsCentre) {
    // Wholly on the left monitor: as on a single screen, at negative coordinates.
    EXPECT_EQ(Place(3, MakeRegion(400, 300, -1000, 100, 0, 1), 800, 600), (Placement{-1000, 100, 400, 300, 200, 150}));
    EXPECT_EQ(Place(3, MakeRegion(400, 300, -1000, 100, 0, 1), 200, 100), (Placement{-900, 200, 200, 100, 0, 0}));
    // Across the edge to the primary, centre on the left one: what lies on the primary is cut.
    EXPECT_EQ(Place(3, MakeRegion(400, 300, -300, 100, 0, 1), 800, 600), (Placement{-300, 100, 300, 300, 200, 150}));
    // On the lower right monitor, running past its bottom: cut there.
    EXPECT_EQ(Place(3, MakeRegion(400, 300, 2400, 800, 0, 1), 800, 600), (Placement{2400, 800, 400, 168, 200, 150}));
    // Above its top, centre still on it: the top is cut and the picture's lower part shows.
    EXPECT_EQ(Place(3, MakeRegion(400, 300, 2000, 100, 0, 1), 400, 300), (Placement{2000, 200, 400, 200, 0, 100}));
    // Centred in the gap under the right monitor: the nearest monitor takes it.
    EXPECT_EQ(Place(3, MakeRegion(400, 300, 2000, 900, 0, 1), 400, 300), (Placement{2000, 900, 400, 68, 0, 0}));
    // A region from a damaged file far off every monitor stays where it says, uncut.
    EXPECT_EQ(Place(3, MakeRegion(400, 300, 100000, 100, 0, 1), 400, 300), (Placement{100000, 100, 400, 300, 0, 0}));
}
