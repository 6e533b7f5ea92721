#include <gtest/gtest.h>

#include <string>

#include "base/File.h"
#include "tg/core/JpegDc.h"

namespace {

std::string Fixture(const char* name) {
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(std::string(VELUM_SOURCE_DIR) + "/tests/tg/data/" + name, bytes, 1 << 20), ReadResult::Ok)
        << name;
    return bytes;
}

bool Decode(const std::string& b, tg::Image& img) {
    return tg::DecodeJpegEighth(reinterpret_cast<const uint8_t*>(b.data()), b.size(), img);
}

void ExpectNear(uint32_t px, int r, int g, int b, const char* what) {
    EXPECT_NEAR(static_cast<int>((px >> 16) & 0xFF), r, 8) << what;
    EXPECT_NEAR(static_cast<int>((px >> 8) & 0xFF), g, 8) << what;
    EXPECT_NEAR(static_cast<int>(px & 0xFF), b, 8) << what;
    EXPECT_EQ(px >> 24, 0xFFu) << what;
}

// Four 32 x 32 quadrants: red, green / blue, white; at one eighth each is 4 x 4 (the
// encoders blur the borders a little, so only the inner pixels are checked).
void ExpectQuadrants(const tg::Image& img) {
    ASSERT_EQ(img.width, 8);
    ASSERT_EQ(img.height, 8);
    for (int y : {0, 1}) {
        for (int x : {0, 1}) ExpectNear(img.Row(y)[x], 230, 30, 40, "red");
        for (int x : {6, 7}) ExpectNear(img.Row(y)[x], 20, 200, 60, "green");
    }
    for (int y : {6, 7}) {
        for (int x : {0, 1}) ExpectNear(img.Row(y)[x], 30, 40, 220, "blue");
        for (int x : {6, 7}) ExpectNear(img.Row(y)[x], 240, 240, 240, "white");
    }
}

TEST(JpegEighth, SubsampledColourAndRestartIntervals) {
    tg::Image img;
    ASSERT_TRUE(Decode(Fixture("quad420.jpg"), img));
    ExpectQuadrants(img);
    ASSERT_TRUE(Decode(Fixture("quad444rst.jpg"), img));  // 4:4:4, a restart marker after every MCU
    ExpectQuadrants(img);
}

TEST(JpegEighth, GreyOddSizeRoundsUp) {
    tg::Image img;
    const std::string grey = Fixture("grey70x50.jpg");
    int w = 0, h = 0;
    ASSERT_TRUE(tg::JpegDcSize(reinterpret_cast<const uint8_t*>(grey.data()), grey.size(), w, h));
    EXPECT_EQ(w, 70);
    EXPECT_EQ(h, 50);
    ASSERT_TRUE(Decode(grey, img));
    EXPECT_EQ(img.width, 9);
    EXPECT_EQ(img.height, 7);
    // A vertical gradient from black to white, grey on every row.
    const uint32_t top = img.Row(0)[4], bottom = img.Row(6)[4];
    EXPECT_LT(top & 0xFF, 60u);
    EXPECT_GT(bottom & 0xFF, 190u);
    EXPECT_EQ((top >> 8) & 0xFF, top & 0xFF);
}

TEST(JpegEighth, RefusesWhatTheSystemCodecsMustRead) {
    tg::Image img;
    const std::string prog = Fixture("quadprog.jpg");
    int w = 0, h = 0;
    EXPECT_FALSE(tg::JpegDcSize(reinterpret_cast<const uint8_t*>(prog.data()), prog.size(), w, h));
    EXPECT_FALSE(Decode(prog, img));
    EXPECT_TRUE(img.pixels.empty());
    // Every truncation of a good file fails rather than showing made-up blocks.
    for (const char* name : {"quad420.jpg", "quad444rst.jpg"}) {
        const std::string good = Fixture(name);
        const size_t eoi = good.size() - 2;  // the end marker alone may go missing
        for (size_t n = 0; n < eoi; ++n) {
            EXPECT_FALSE(Decode(good.substr(0, n), img)) << name << " " << n;
            EXPECT_TRUE(img.pixels.empty());
        }
    }
    // A damaged Huffman table is refused, not followed.
    std::string bad = Fixture("quad420.jpg");
    const size_t dht = bad.find("\xFF\xC4");
    ASSERT_NE(dht, std::string::npos);
    bad[dht + 5] = static_cast<char>(0xFF);  // 255 codes of length 1
    EXPECT_FALSE(Decode(bad, img));
}

}  // namespace
