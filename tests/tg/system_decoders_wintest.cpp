#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>

#include "base/File.h"
#include "base/Sync.h"
#include "tests/support/Pictures.h"
#include "tg/Picture_win.h"
#include "tests/support_win/TempFolder.h"

namespace {

// Thumbnails are made on up to five threads at once: GDI+ is started by the first picture
// only and stays loaded after every picture has gone.
TEST(SystemDecoders, GdiplusIsStartedOnceWhateverTheThreads) {
    const std::string bmp = TempFolder("velum-gdiplus") + "\\threads.bmp";
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
