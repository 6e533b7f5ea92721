#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tg/core/Tga.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Header(int type, int w, int h, int depth, int descriptor, int mapLen = 0, int mapBits = 0, int mapFirst = 0) {
    Bytes b(18, 0);
    b[1] = mapLen ? 1 : 0;
    b[2] = static_cast<uint8_t>(type);
    b[3] = mapFirst & 0xFF;
    b[4] = mapFirst >> 8;
    b[5] = mapLen & 0xFF;
    b[6] = mapLen >> 8;
    b[7] = static_cast<uint8_t>(mapBits);
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
        EXPECT_EQ(img.Row(0)[0], c.topLeft) << c.descriptor;
        EXPECT_EQ(img.Row(0)[1], c.topRight) << c.descriptor;
        EXPECT_EQ(img.Row(1)[0], c.bottomLeft) << c.descriptor;
        EXPECT_EQ(img.Row(1)[1], c.bottomRight) << c.descriptor;
    }
}

// Encodes pixels as run-length packets: runs where they repeat, raw packets otherwise.
Bytes EncodeRle(const std::vector<uint32_t>& px) {
    Bytes out;
    size_t i = 0;
    while (i < px.size()) {
        size_t run = 1;
        while (i + run < px.size() && run < 128 && px[i + run] == px[i]) ++run;
        if (run > 1) {
            out.push_back(static_cast<uint8_t>(0x80 | (run - 1)));
            Bgr(out, px[i]);
            i += run;
        } else {
            size_t raw = 1;
            while (i + raw < px.size() && raw < 128 && px[i + raw] != px[i + raw - 1]) ++raw;
            out.push_back(static_cast<uint8_t>(raw - 1));
            for (size_t k = 0; k < raw; ++k) Bgr(out, px[i + k]);
            i += raw;
        }
    }
    return out;
}

TEST(TgaDecoder, RunLengthMatchesPlainIncludingRunsAcrossRows) {
    const int w = 7, h = 5;
    std::vector<uint32_t> px;
    for (int i = 0; i < w * h; ++i) px.push_back(i < 10 ? kRed : (i < 20 ? 0xFF000000u | (i * 9) : kBlue));
    Bytes plain = Header(2, w, h, 24, 0);
    for (uint32_t p : px) Bgr(plain, p);
    Bytes rle = Header(10, w, h, 24, 0);
    Bytes packets = EncodeRle(px);
    rle.insert(rle.end(), packets.begin(), packets.end());
    tg::Image a, b;
    ASSERT_TRUE(Decode(plain, a));
    ASSERT_TRUE(Decode(rle, b));
    EXPECT_EQ(a.pixels, b.pixels);
    EXPECT_EQ(b.Row(h - 1)[0], kRed);  // first stored pixel: bottom-left

    // A packet that runs past the picture's last pixel is refused.
    Bytes over = Header(10, 2, 1, 24, 0);
    over.push_back(0x82);
    Bgr(over, kRed);
    EXPECT_FALSE(Decode(over, a));
}

}  // namespace
