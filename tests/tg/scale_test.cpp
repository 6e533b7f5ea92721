#include <gtest/gtest.h>

#include <cstdlib>

#include "tg/core/Scale.h"
#include "tg/core/Sizing.h"

namespace {

tg::Image Filled(int w, int h, uint32_t px) {
    tg::Image img;
    EXPECT_TRUE(img.Allocate(w, h));
    std::fill(img.pixels.begin(), img.pixels.end(), px);
    return img;
}

int Channel(uint32_t px, int shift) {
    return (px >> shift) & 0xFF;
}

TEST(Resample, UniformColourStaysExactAtAnySize) {
    // Weight rounding must not shift a flat colour, shrinking or enlarging, in either direction.
    const int sizes[][4] = {{1000, 3, 7, 3}, {2, 9, 5, 4}, {641, 479, 640, 480}};
    for (const auto& s : sizes) {
        tg::Image src = Filled(s[0], s[1], 0xFFC86432), dst;
        ASSERT_TRUE(tg::Resample(src, dst, s[2], s[3]));
        for (uint32_t px : dst.pixels) ASSERT_EQ(px, 0xFFC86432u) << s[0] << "x" << s[1] << "->" << s[2] << "x" << s[3];
    }
}

TEST(Resample, ShrinkingAveragesTheCoveredArea) {
    // 4 -> 3: output 0 covers source 0 wholly and a third of source 1.
    tg::Image src;
    ASSERT_TRUE(src.Allocate(4, 1));
    const int v[4] = {0, 240, 60, 120};
    for (int i = 0; i < 4; ++i) src.pixels[i] = tg::Pixel(v[i], 0, 0);
    tg::Image dst;
    ASSERT_TRUE(tg::Resample(src, dst, 3, 1));
    EXPECT_EQ(Channel(dst.pixels[0], 16), 60);   // (3 * 0 + 1 * 240) / 4
    EXPECT_EQ(Channel(dst.pixels[1], 16), 150);  // (2 * 240 + 2 * 60) / 4
    EXPECT_EQ(Channel(dst.pixels[2], 16), 105);  // (1 * 60 + 3 * 120) / 4

    // Every source pixel counts: one white pixel anywhere in a black field shows in its cell,
    // with its share of the light.
    for (int where : {37, 99 * 100 + 99}) {
        tg::Image field = Filled(100, 100, 0xFF000000), small;
        field.pixels[where] = 0xFFFFFFFF;
        ASSERT_TRUE(tg::Resample(field, small, 10, 10));
        const uint32_t cell = small.Row((where / 100) / 10)[(where % 100) / 10];
        EXPECT_NEAR(Channel(cell, 8), 255 / 100.0, 1) << where;
        EXPECT_GT(Channel(cell, 8), 0) << where;
    }
}

TEST(Resample, EnlargingInterpolatesBetweenNeighbours) {
    tg::Image src;
    ASSERT_TRUE(src.Allocate(2, 1));
    src.pixels[0] = tg::Pixel(0, 0, 0);
    src.pixels[1] = tg::Pixel(200, 0, 0);
    tg::Image dst;
    ASSERT_TRUE(tg::Resample(src, dst, 8, 3));
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(Channel(dst.Row(y)[0], 16), 0);
        EXPECT_EQ(Channel(dst.Row(y)[7], 16), 200);
        for (int x = 1; x < 8; ++x) EXPECT_GE(Channel(dst.Row(y)[x], 16), Channel(dst.Row(y)[x - 1], 16));
    }
    EXPECT_EQ(dst.pixels[0] >> 24, 0xFFu);
    tg::Image none;
    EXPECT_FALSE(tg::Resample(src, none, 0, 3));
}

TEST(Resample, TileRepeatsFromTheTopLeft) {
    tg::Image src;
    ASSERT_TRUE(src.Allocate(2, 2));
    src.pixels = {1, 2, 3, 4};
    std::vector<uint32_t> dst(5 * 3, 0);
    tg::Tile(src, dst.data(), 5, 3, 5);
    EXPECT_EQ(dst, (std::vector<uint32_t>{1, 2, 1, 2, 1, 3, 4, 3, 4, 3, 1, 2, 1, 2, 1}));
}

TEST(Sizing, ModesGiveTheExpectedSizes) {
    tg::RenderPlan p;
    // Own size: as it is, whatever the box.
    ASSERT_TRUE(tg::PlanRender(0, 400, 300, 1024, 768, 3000, 2000, p));
    EXPECT_EQ(p.width, 3000);
    EXPECT_EQ(p.height, 2000);
    // Fit to screen enlarges a small picture; the box does not matter.
    ASSERT_TRUE(tg::PlanRender(1, 400, 300, 1024, 768, 100, 50, p));
    EXPECT_EQ(p.width, 1024);
    EXPECT_EQ(p.height, 512);
    ASSERT_TRUE(tg::PlanRender(1, 400, 300, 1024, 768, 1000, 2000, p));
    EXPECT_EQ(p.width, 384);
    EXPECT_EQ(p.height, 768);
    // Tiled: the whole screen, the picture at its own size.
    ASSERT_TRUE(tg::PlanRender(2, 400, 300, 1024, 768, 100, 50, p));
    EXPECT_TRUE(p.tiled);
    EXPECT_EQ(p.width, 1024);
    EXPECT_EQ(p.pictureWidth, 100);
    // Custom with fit mode 0 (high word) keeps the size, fit mode 1 fits the box.
    ASSERT_TRUE(tg::PlanRender(3, 400, 300, 1024, 768, 800, 600, p));
    EXPECT_EQ(p.width, 800);
    ASSERT_TRUE(tg::PlanRender(3 | (1u << 16), 400, 300, 1024, 768, 1600, 600, p));
    EXPECT_EQ(p.width, 400);
    EXPECT_EQ(p.height, 150);
    ASSERT_TRUE(tg::PlanRender(3 | (1u << 16), 400, 300, 1024, 768, 40, 60, p));
    EXPECT_EQ(p.width, 200);
    EXPECT_EQ(p.height, 300);
    // A box that is not positive stands for the screen.
    ASSERT_TRUE(tg::PlanRender(3 | (1u << 16), -1, 300, 1024, 768, 100, 100, p));
    EXPECT_EQ(p.width, 768);
    // Extreme proportions still give at least one pixel.
    ASSERT_TRUE(tg::PlanRender(1, 0, 0, 1024, 768, 60000, 2, p));
    EXPECT_EQ(p.width, 1024);
    EXPECT_EQ(p.height, 1);
    EXPECT_FALSE(tg::PlanRender(1, 0, 0, 1024, 768, 0, 2, p));
}

TEST(Sizing, ThumbnailsFitAndAreNeverEnlarged) {
    int w = 0, h = 0;
    ASSERT_TRUE(tg::PlanThumbnail(128, 128, 6000, 4000, w, h));
    EXPECT_EQ(w, 128);
    EXPECT_EQ(h, 85);
    ASSERT_TRUE(tg::PlanThumbnail(128, 128, 50, 20, w, h));
    EXPECT_EQ(w, 50);
    EXPECT_EQ(h, 20);
    ASSERT_TRUE(tg::PlanThumbnail(128, 96, 100, 200, w, h));
    EXPECT_EQ(w, 48);
    EXPECT_EQ(h, 96);
    EXPECT_FALSE(tg::PlanThumbnail(0, 96, 100, 200, w, h));
}

}  // namespace
