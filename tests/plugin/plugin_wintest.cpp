#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/ProgramPath.h"
#include "base/WideName_win.h"
#include "plugin/PaintLibThumbnailGenerater_win.h"

namespace {

// The test runner lives in <build>/tests, the plug-in in <build>/program.
std::string PluginPath() {
    return ProgramFolder() + "\\..\\program\\tg.dll";
}

std::string TempFile(const char* name) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

int g_messages = 0;
void RecordMessage() {
    ++g_messages;
}

// An enhanced metafile at path, framed by the square drawn into it.
std::string Emf(const std::string& path) {
    HDC dc = CreateEnhMetaFileW(nullptr, WideName(path).c_str(), nullptr, nullptr);
    EXPECT_NE(dc, nullptr);
    RECT r = {0, 0, 100, 100};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    DeleteEnhMetaFile(CloseEnhMetaFile(dc));
    return path;
}

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        CPaintLibThumbnailGenerater::SetMessageFn(RecordMessage);
        ASSERT_TRUE(m_gen.Load()) << PluginPath();
    }
    void TearDown() override { CPaintLibThumbnailGenerater::SetMessageFn(nullptr); }

    CPaintLibThumbnailGenerater m_gen{PluginPath()};
};

TEST(PluginLoader, MissingLibraryTellsTheHookOnceAndFails) {
    CPaintLibThumbnailGenerater::SetMessageFn(RecordMessage);
    g_messages = 0;
    CPaintLibThumbnailGenerater gen(TempFile("no-such-folder\\tg.dll"));
    EXPECT_FALSE(gen.Load());
    EXPECT_EQ(g_messages, 1);
    EXPECT_FALSE(gen.CanRender());
    HBITMAP bmp = nullptr;
    EXPECT_FALSE(gen.GenerateThumbnail("x.png", bmp, SIZE{64, 64}));
    // Without a hook (the console tool) nothing is shown.
    CPaintLibThumbnailGenerater::SetMessageFn(nullptr);
    EXPECT_FALSE(gen.Load());
    EXPECT_EQ(g_messages, 1);
}

TEST_F(PluginTest, EveryPixelIsOpaqueAndThumbnailsReplaceTheOldBitmap) {
    const std::string emf = Emf(TempFile("velum-opaque.emf"));
    HBITMAP bmp = CreateBitmap(4, 4, 1, 32, nullptr);
    ASSERT_TRUE(m_gen.GenerateThumbnail(emf.c_str(), bmp, SIZE{32, 32}));
    DIBSECTION ds = {};
    ASSERT_EQ(GetObject(bmp, sizeof ds, &ds), static_cast<int>(sizeof ds));
    const uint32_t* px = static_cast<const uint32_t*>(ds.dsBm.bmBits);
    int transparent = 0;
    for (int i = 0; i < ds.dsBm.bmWidth * ds.dsBm.bmHeight; ++i) transparent += (px[i] >> 24) != 0xFF;
    EXPECT_EQ(transparent, 0);
    // A failure still frees what the target held.
    EXPECT_FALSE(m_gen.GenerateThumbnail(TempFile("velum-missing.png").c_str(), bmp, SIZE{32, 32}));
    EXPECT_EQ(bmp, nullptr);
    DeleteFileA(emf.c_str());
}

// velum.exe passes names through the wide exports.
TEST_F(PluginTest, NamesOutsideTheCodePageRender) {
    const std::string greek = Emf(TempFile("velum-\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1.emf"));
    HBITMAP bmp = nullptr;
    EXPECT_TRUE(m_gen.GenerateThumbnail(greek.c_str(), bmp, SIZE{32, 32}));
    DeleteObject(bmp);
    DeleteFileW(WideName(greek).c_str());
}

}  // namespace
