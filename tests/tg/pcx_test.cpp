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

// Run-length encodes the whole stream at once, so runs may cross line ends as some writers do.
void AppendRle(Bytes& out, const Bytes& raw) {
    size_t i = 0;
    while (i < raw.size()) {
        size_t run = 1;
        while (i + run < raw.size() && run < 63 && raw[i + run] == raw[i]) ++run;
        if (run > 1 || (raw[i] & 0xC0) == 0xC0) {
            out.push_back(static_cast<uint8_t>(0xC0 | run));
            out.push_back(raw[i]);
        } else {
            out.push_back(raw[i]);
        }
        i += run;
    }
}

bool Decode(const Bytes& b, tg::Image& img) {
    return tg::DecodePcx(b.data(), b.size(), img);
}

TEST(PcxDecoder, EightBitWithPaletteAndRunsAcrossLines) {
    const int w = 5, h = 3, bpl = 6;  // one padding byte per line
    Bytes raw;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < bpl; ++x) raw.push_back(static_cast<uint8_t>(y == 1 ? 200 : x));  // line 1 one long run
    Bytes f = Header(w, h, 8, 1, bpl);
    AppendRle(f, raw);
    f.push_back(12);
    for (int i = 0; i < 256; ++i) {
        f.push_back(static_cast<uint8_t>(i));
        f.push_back(static_cast<uint8_t>(255 - i));
        f.push_back(7);
    }
    tg::Image img;
    ASSERT_TRUE(Decode(f, img));
    ASSERT_EQ(img.width, w);
    ASSERT_EQ(img.height, h);
    EXPECT_EQ(img.Row(0)[4], tg::Pixel(4, 251, 7));
    EXPECT_EQ(img.Row(1)[0], tg::Pixel(200, 55, 7));
    EXPECT_EQ(img.Row(2)[3], tg::Pixel(3, 252, 7));

    // Without the palette marker the indices read as grey levels.
    f[f.size() - 769] = 0;
    ASSERT_TRUE(Decode(f, img));
    EXPECT_EQ(img.Row(0)[4], tg::Pixel(4, 4, 4));
}

TEST(PcxDecoder, TwentyFourBitAsThreePlanes) {
    const int w = 2, h = 2;
    Bytes raw = {10, 20, 30, 40,  50,  60,  // line 0: red plane, green plane, blue plane
                 70, 80, 90, 100, 110, 120};
    Bytes f = Header(w, h, 8, 3, 2);
    AppendRle(f, raw);
    tg::Image img;
    ASSERT_TRUE(Decode(f, img));
    EXPECT_EQ(img.Row(0)[0], tg::Pixel(10, 30, 50));
    EXPECT_EQ(img.Row(0)[1], tg::Pixel(20, 40, 60));
    EXPECT_EQ(img.Row(1)[1], tg::Pixel(80, 100, 120));
}

TEST(PcxDecoder, LowDepthsUseTheHeaderPalette) {
    tg::Image img;
    // Monochrome: black and white whatever the header palette holds.
    Bytes mono = Header(10, 1, 1, 1, 2);
    mono[16] = 99;
    AppendRle(mono, {0b10100000, 0b01000000});
    ASSERT_TRUE(Decode(mono, img));
    EXPECT_EQ(img.Row(0)[0], tg::Pixel(255, 255, 255));
    EXPECT_EQ(img.Row(0)[1], tg::Pixel(0, 0, 0));
    EXPECT_EQ(img.Row(0)[2], tg::Pixel(255, 255, 255));
    EXPECT_EQ(img.Row(0)[9], tg::Pixel(255, 255, 255));

    // Sixteen colours as four 1-bit planes: plane p gives bit p of the index.
    Bytes ega = Header(2, 1, 1, 4, 1);
    for (int i = 0; i < 16; ++i) ega[16 + 3 * i] = static_cast<uint8_t>(i * 10);
    AppendRle(ega, {0b10000000, 0b01000000, 0b11000000, 0b00000000});  // pixel 0: 1+4=5, pixel 1: 2+4=6
    ASSERT_TRUE(Decode(ega, img));
    EXPECT_EQ(img.Row(0)[0], tg::Pixel(50, 0, 0));
    EXPECT_EQ(img.Row(0)[1], tg::Pixel(60, 0, 0));

    // Sixteen colours as one 4-bit plane, stored without compression.
    Bytes nib = Header(3, 1, 4, 1, 2, 0);
    for (int i = 0; i < 16; ++i) nib[17 + 3 * i] = static_cast<uint8_t>(i * 16);
    nib.insert(nib.end(), {0xF1, 0x20});
    ASSERT_TRUE(Decode(nib, img));
    EXPECT_EQ(img.Row(0)[0], tg::Pixel(0, 240, 0));
    EXPECT_EQ(img.Row(0)[1], tg::Pixel(0, 16, 0));
    EXPECT_EQ(img.Row(0)[2], tg::Pixel(0, 32, 0));
}

TEST(PcxDecoder, DamagedFilesFailCleanly) {
    Bytes raw(3 * 2 * 4, 0);
    for (size_t i = 0; i < raw.size(); ++i) raw[i] = static_cast<uint8_t>(i * 37);
    Bytes good = Header(4, 2, 8, 3, 4);
    AppendRle(good, raw);
    tg::Image img;
    ASSERT_TRUE(Decode(good, img));
    for (size_t n = 0; n < good.size(); ++n) {
        Bytes cut(good.begin(), good.begin() + n);
        EXPECT_FALSE(Decode(cut, img)) << n;
        EXPECT_TRUE(img.pixels.empty());
    }
    Bytes narrow = Header(20, 1, 8, 1, 10);  // a line of 10 bytes cannot hold 20 pixels
    narrow.resize(200, 1);
    EXPECT_FALSE(Decode(narrow, img));
    Bytes wrongSign = good;
    wrongSign[0] = 11;
    EXPECT_FALSE(Decode(wrongSign, img));
    Bytes inverted = Header(4, 2, 8, 3, 4);
    inverted[8] = 0;  // xmax below xmin
    inverted.resize(300, 1);
    EXPECT_FALSE(Decode(inverted, img));
    Bytes odd = Header(4, 2, 16, 1, 8);
    odd.resize(300, 1);
    EXPECT_FALSE(Decode(odd, img));
    // 60000 x 60000 is over budget; 8000 x 8000 in budget but 1 KiB of runs cannot fill it.
    Bytes huge = Header(60000, 60000, 8, 1, 60000);
    huge.resize(1024, 0xFF);
    EXPECT_FALSE(Decode(huge, img));
    Bytes sparse = Header(8000, 8000, 8, 1, 8000);
    sparse.resize(1024, 0xFF);
    EXPECT_FALSE(Decode(sparse, img));
}

}  // namespace
