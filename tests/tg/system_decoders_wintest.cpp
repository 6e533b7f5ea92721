#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>

#include "base/File.h"
#include "base/Sync.h"
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

// Thumbnails are made on up to five threads at once: GDI+ is started by the first picture
// only and stays loaded after every picture has gone.
TEST(SystemDecoders, GdiplusIsStartedOnceWhateverTheThreads) {
    const std::string bmp = TempFile("velum-gdiplus-threads.bmp");
    ASSERT_TRUE(WriteFileReplacing(bmp, BmpBytes(4, 4, [](int x, int y) { return x == y ? 0xFF0000 : 0x0000FF; })));
    std::atomic<int> decoded{0};
    Thread threads[5];
    for (Thread& thread : threads) {
        ASSERT_TRUE(thread.Start([&bmp, &decoded] {
            for (int i = 0; i < 10; ++i) {
                std::unique_ptr<CPictureSource> src = OpenWithGdiplus(bmp.c_str());
                tg::Image img;
                if (src && src->Decode(4, 4, img) && img.pixels.size() == 16 && img.pixels[5] == 0xFFFF0000) ++decoded;
            }
        }));
    }
    for (Thread& thread : threads) EXPECT_TRUE(thread.Join(30000));
    EXPECT_EQ(decoded.load(), 50);
    EXPECT_EQ(GdiplusStartups(), 1u);
    EXPECT_NE(GetModuleHandleA("gdiplus.dll"), nullptr);
    DeleteFileA(bmp.c_str());
}

}  // namespace
