#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/File.h"
#include "tests/support/Pictures.h"
#include "tg/Picture_win.h"

namespace {

std::string TempFile(const char* name) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

// WIC and GDI+ each read a picture to the same opaque, top-down pixels, and refuse junk.
TEST(SystemDecoders, WicAndGdiplusAgree) {
    CoInitialize(nullptr);
    const std::string bmp = TempFile("velum-codecs.bmp"), junk = TempFile("velum-codecs.png");
    // Top row red, green, grey; bottom row blue, white, black.
    const uint32_t want[6] = {0xFFFF0000, 0xFF00FF00, 0xFF808080, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000};
    ASSERT_TRUE(WriteFileReplacing(bmp, BmpBytes(3, 2, [&want](int x, int y) { return want[y * 3 + x] & 0xFFFFFF; })));
    ASSERT_TRUE(WriteFileReplacing(junk, "not a picture"));
    int opened = 0;
    for (auto open : {OpenWithWic, OpenWithGdiplus}) {
        std::unique_ptr<CPictureSource> src = open(bmp.c_str());
        if (!src) continue;  // a system without this codec library
        ++opened;
        EXPECT_EQ(src->Width(), 3);
        EXPECT_EQ(src->Height(), 2);
        tg::Image img;
        ASSERT_TRUE(src->Decode(3, 2, img));
        ASSERT_EQ(img.pixels.size(), 6u);
        for (int i = 0; i < 6; ++i) EXPECT_EQ(img.pixels[i], want[i]) << i;
        EXPECT_EQ(open(junk.c_str()), nullptr);
        EXPECT_EQ(open(TempFile("velum-no-such.bmp").c_str()), nullptr);
    }
    EXPECT_EQ(opened, 2);
    DeleteFileA(bmp.c_str());
    DeleteFileA(junk.c_str());
    CoUninitialize();
}

}  // namespace
