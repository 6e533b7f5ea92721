#include <gtest/gtest.h>

#include "tg/core/LibraryPath.h"

TEST(GdiplusCandidates, FullPathsOnlyOnWindows2000AndTheNameElsewhere) {
    using V = std::vector<std::string>;
    EXPECT_EQ(GdiplusCandidates(false, "C:\\Velum", "C:\\WINNT\\system32"), V{"gdiplus.dll"});
    EXPECT_EQ(GdiplusCandidates(true, "C:\\Velum", "C:\\WINNT\\system32\\"),
              (V{"C:\\Velum\\gdiplus.dll", "C:\\WINNT\\system32\\gdiplus.dll"}));
    // Never the bare name on Windows 2000, even when neither folder is known.
    EXPECT_EQ(GdiplusCandidates(true, "", "C:\\WINNT\\system32"), V{"C:\\WINNT\\system32\\gdiplus.dll"});
    EXPECT_TRUE(GdiplusCandidates(true, "", "").empty());
}
