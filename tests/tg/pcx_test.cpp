#include <gtest/gtest.h>

#include <vector>

#include "tg/core/Pcx.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Header(int w, int h, int bits, int planes, int bytesPerLine, int encoding = 1) {
    Bytes b(128, 0);
    b[0] = 10;
    b[1] = 5;
    b[2] = static_cast<uint8_t>(encoding);
    b[3] = static_cast<uint8_t>(bits);
    b[4] = 3;  // xmin 3, ymin 0: the size is max - min + 1
    b[8] = (w + 2) & 0xFF;
    b[9] = (w + 2) >> 8;
    b[10] = (h - 1) & 0xFF;
    b[11] = (h - 1) >> 8;
    b[65] = static_cast<uint8_t>(planes);
    b[66] = bytesPerLine & 0xFF;
    b[67] = bytesPerLine >> 8;
    return b;
}

bool Decode(const Bytes& b, tg::Image& img) {
    return tg::DecodePcx(b.data(), b.size(), img);
}

TEST(PcxDecoder, TwentyFourBitAsThreePlanes) {
    const int w = 2, h = 2;
    Bytes raw = {10, 20, 30, 40,  50,  60,  // line 0: red plane, green plane, blue plane
                 70, 80, 90, 100, 110, 120};
    Bytes f = Header(w, h, 8, 3, 2);
    f.insert(f.end(), raw.begin(), raw.end());  // bytes below 0xC0 stand for themselves
    tg::Image img;
    ASSERT_TRUE(Decode(f, img));
    EXPECT_EQ(img.Row(0)[0], tg::Pixel(10, 30, 50));
    EXPECT_EQ(img.Row(0)[1], tg::Pixel(20, 40, 60));
    EXPECT_EQ(img.Row(1)[1], tg::Pixel(80, 100, 120));
}

}  // namespace
