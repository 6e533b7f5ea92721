#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/ProgramPath.h"
#include "base/Sync.h"
#include "base/WideName_win.h"
#include "tests/support_win/ProcessCounts.h"
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

bool Near(COLORREF c, int r, int g, int b) {
    return abs(GetRValue(c) - r) < 8 && abs(GetGValue(c) - g) < 8 && abs(GetBValue(c) - b) < 8;
}

// Left half red, right half blue, drawn into a metafile DC.
void DrawHalves(HDC dc, int w, int h) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0)), blue = CreateSolidBrush(RGB(0, 0, 255));
    RECT l = {0, 0, w / 2, h}, r = {w / 2, 0, w, h};
    FillRect(dc, &l, red);
    FillRect(dc, &r, blue);
    DeleteObject(red);
    DeleteObject(blue);
}

// An enhanced metafile of w x h halves in the temporary folder, framed by what is drawn.
std::string Emf(const char* name, int w, int h) {
    const std::string path = TempFile(name);
    HDC dc = CreateEnhMetaFileA(nullptr, path.c_str(), nullptr, nullptr);
    EXPECT_NE(dc, nullptr);
    DrawHalves(dc, w, h);
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

    // Renders through the display window's entry point and frees everything as it does.
    bool RenderAndCheck(const std::string& path, uint32_t mode, SIZE box, SIZE& got,
                        void (*check)(HDC, SIZE) = nullptr) {
        HDC dc = nullptr;
        HBITMAP previous = nullptr;
        got = box;
        if (!m_gen.GenerateToDC(path.c_str(), mode, dc, got, previous)) return false;
        if (check) check(dc, got);
        HGDIOBJ picture = SelectObject(dc, previous);
        EXPECT_EQ(GetObjectType(picture), static_cast<DWORD>(OBJ_BITMAP));
        DeleteObject(picture);
        DeleteDC(dc);
        return true;
    }

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
    // A library without the entry points loads but is not usable, silently.
    CPaintLibThumbnailGenerater other("kernel32.dll");
    EXPECT_FALSE(other.Load());
    EXPECT_EQ(g_messages, 1);
    // Without a hook (the console tool) nothing is shown.
    CPaintLibThumbnailGenerater::SetMessageFn(nullptr);
    EXPECT_FALSE(gen.Load());
    EXPECT_EQ(g_messages, 1);
}

TEST_F(PluginTest, MetafilesPlayBackAtTheRequestedSize) {
    const std::string emf = Emf("velum-halves.emf", 400, 200);

    SIZE got;
    ASSERT_TRUE(RenderAndCheck(emf, 3 | (1u << 16), SIZE{300, 300}, got, [](HDC dc, SIZE s) {
        EXPECT_TRUE(Near(GetPixel(dc, s.cx / 4, s.cy / 2), 255, 0, 0));
        EXPECT_TRUE(Near(GetPixel(dc, s.cx * 3 / 4, s.cy / 2), 0, 0, 255));
    }));
    EXPECT_EQ(got.cx, 300);
    EXPECT_NEAR(got.cy, 150, 1);
    DeleteFileA(emf.c_str());
}

TEST_F(PluginTest, EveryPixelIsOpaqueAndThumbnailsReplaceTheOldBitmap) {
    const std::string emf = Emf("velum-opaque.emf", 100, 100);
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
    const std::string emf = Emf("velum-plain.emf", 100, 50);
    const std::string greek = TempFile("velum-\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1.emf");
    ASSERT_TRUE(CopyFileW(WideName(emf).c_str(), WideName(greek).c_str(), FALSE));
    SIZE got;
    EXPECT_TRUE(RenderAndCheck(greek, 3 | (1u << 16), SIZE{100, 100}, got));
    HBITMAP bmp = nullptr;
    EXPECT_TRUE(m_gen.GenerateThumbnail(greek.c_str(), bmp, SIZE{32, 32}));
    DeleteObject(bmp);
    DeleteFileW(WideName(greek).c_str());
    DeleteFileA(emf.c_str());
}

TEST_F(PluginTest, TwoThreadsRenderAtOnceWithoutLeaking) {
    const std::string emf = Emf("velum-threads.emf", 500, 500);
    const ProcessCounts before = CountProcessObjects();
    int okA = 0, okB = 0;
    Thread a, b;
    a.Start([&] {
        for (int i = 0; i < 40; ++i) {
            SIZE got;
            okA += RenderAndCheck(emf, 1, SIZE{100, 100}, got);
        }
    });
    b.Start([&] {
        for (int i = 0; i < 40; ++i) {
            HBITMAP t = nullptr;
            okB += m_gen.GenerateThumbnail(emf.c_str(), t, SIZE{48, 48});
            DeleteObject(t);
        }
    });
    a.Join();
    b.Join();
    EXPECT_EQ(okA, 40);
    EXPECT_EQ(okB, 40);
    const ProcessCounts after = CountProcessObjects();
    EXPECT_GT(before.gdiObjects, 0u);
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.handles, before.handles);
    DeleteFileA(emf.c_str());
}

}  // namespace
