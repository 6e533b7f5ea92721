#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tg/core/Tga.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Header(int type, int w, int h, int depth, int descriptor) {
    Bytes b(18, 0);
    b[2] = static_cast<uint8_t>(type);
    b[12] = w & 0xFF;
    b[13] = w >> 8;
    b[14] = h & 0xFF;
    b[15] = h >> 8;
    b[16] = static_cast<uint8_t>(depth);
    b[17] = static_cast<uint8_t>(descriptor);
    return b;
}

void Bgr(Bytes& b, uint32_t px) {
    b.push_back(px & 0xFF);
    b.push_back((px >> 8) & 0xFF);
    b.push_back((px >> 16) & 0xFF);
}

bool Decode(const Bytes& b, tg::Image& img) {
    return tg::DecodeTga(b.data(), b.size(), img);
}

const uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

TEST(TgaDecoder, OriginCornersPutTheFirstStoredPixelInTheirCorner) {
    // Stored order: red, green / blue, white. Each origin maps it to a different screen layout.
    struct Case {
        int descriptor;
        uint32_t topLeft, topRight, bottomLeft, bottomRight;
    } cases[] = {
        {0x00, kBlue, kWhite, kRed, kGreen},  // bottom-left origin (the default)
        {0x20, kRed, kGreen, kBlue, kWhite},  // top-left
        {0x10, kWhite, kBlue, kGreen, kRed},  // bottom-right
        {0x30, kGreen, kRed, kWhite, kBlue},  // top-right
    };
    for (const Case& c : cases) {
        Bytes b = Header(2, 2, 2, 24, c.descriptor);
        for (uint32_t px : {kRed, kGreen, kBlue, kWhite}) Bgr(b, px);
        tg::Image img;
        ASSERT_TRUE(Decode(b, img)) << c.descriptor;
        EXPECT_EQ(img.pixels, (std::vector<uint32_t>{c.topLeft, c.topRight, c.bottomLeft, c.bottomRight}))
            << c.descriptor;
    }
}

TEST(TgaDecoder, RunLengthPacketsMayCrossRowsButNotThePicturesEnd) {
    Bytes rle = Header(10, 3, 2, 24, 0);
    rle.push_back(0x83);  // a run of four: the bottom row and the first pixel of the top one
    Bgr(rle, kRed);
    rle.push_back(0x01);  // two raw pixels
    Bgr(rle, kGreen);
    Bgr(rle, kBlue);
    tg::Image img;
    ASSERT_TRUE(Decode(rle, img));
    EXPECT_EQ(img.pixels, (std::vector<uint32_t>{kRed, kGreen, kBlue, kRed, kRed, kRed}));

    Bytes over = Header(10, 2, 1, 24, 0);
    over.push_back(0x82);
    Bgr(over, kRed);
    EXPECT_FALSE(Decode(over, img));
}

}  // namespace
