#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "tg/core/Orientation.h"
#include "tg/core/Scale.h"
#include "tg/core/Sizing.h"

namespace {

// A flat colour stays exact at any size (weight rounding), and shrinking averages the
// covered area: 4 -> 3 pixels, output 0 covers source 0 wholly and a third of source 1.
TEST(Resample, FlatColourStaysExactAndShrinkingAveragesTheCoveredArea) {
    for (const auto& s : {std::array<int, 4>{1000, 3, 7, 3}, {2, 9, 5, 4}, {641, 479, 640, 480}}) {
        tg::Image src, dst;
        ASSERT_TRUE(src.Allocate(s[0], s[1]));
        std::fill(src.pixels.begin(), src.pixels.end(), 0xFFC86432u);
        ASSERT_TRUE(tg::Resample(src, dst, s[2], s[3]));
        for (uint32_t px : dst.pixels) ASSERT_EQ(px, 0xFFC86432u) << s[0] << "x" << s[1] << "->" << s[2];
    }
    tg::Image src, dst;
    ASSERT_TRUE(src.Allocate(4, 1));
    const int v[4] = {0, 240, 60, 120};
    for (int i = 0; i < 4; ++i) src.pixels[i] = tg::Pixel(v[i], 0, 0);
    ASSERT_TRUE(tg::Resample(src, dst, 3, 1));
    std::string reds;
    for (uint32_t px : dst.pixels) reds += std::to_string((px >> 16) & 0xFF) + " ";
    EXPECT_EQ(reds, "60 150 105 ");
}

// Where the first stored pixel and the last of the first stored row end up for each EXIF
// orientation ("row 0 is at the ..., column 0 at the ...").
TEST(Orient, PutsTheStoredCornersWhereTheTagSays) {
    enum Corner { TL, TR, BR, BL };
    const Corner first[9] = {TL, TL, TR, BR, BL, TL, TR, BR, BL};
    const Corner endOfRow[9] = {TR, TR, TL, BL, BR, BL, BR, TR, TL};
    for (int o = 0; o <= 8; ++o) {
        tg::Image pic;
        ASSERT_TRUE(pic.Allocate(4, 3));
        for (size_t i = 0; i < pic.pixels.size(); ++i) pic.pixels[i] = uint32_t(i);
        ASSERT_TRUE(tg::Orient(pic, o));
        ASSERT_EQ(pic.width, o >= 5 ? 3 : 4) << o;
        auto at = [&pic](Corner c) {
            return pic.Row((c == BL || c == BR) ? pic.height - 1 : 0)[(c == TR || c == BR) ? pic.width - 1 : 0];
        };
        EXPECT_EQ(at(first[o]), 0u) << o;
        EXPECT_EQ(at(endOfRow[o]), 3u) << o;
    }
}

TEST(Sizing, ThumbnailsFitAndAreNeverEnlarged) {
    int w = 0, h = 0;
    ASSERT_TRUE(tg::PlanThumbnail(128, 128, 50, 20, w, h));
    EXPECT_EQ(w, 50);
    EXPECT_EQ(h, 20);
    ASSERT_TRUE(tg::PlanThumbnail(128, 128, 300, 199, w, h));  // 84.9 rounds to 85
    EXPECT_EQ(h, 85);
    // Narrower than the box but too tall: shrunk all the same.
    ASSERT_TRUE(tg::PlanThumbnail(128, 96, 100, 200, w, h));
    EXPECT_EQ(w, 48);
    EXPECT_EQ(h, 96);
}

}  // namespace
