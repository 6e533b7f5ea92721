#include <gtest/gtest.h>

#include "tg/core/Sizing.h"

namespace {

TEST(Sizing, ThumbnailsFitAndAreNeverEnlarged) {
    int w = 0, h = 0;
    ASSERT_TRUE(tg::PlanThumbnail(128, 128, 50, 20, w, h));
    EXPECT_EQ(w, 50);
    EXPECT_EQ(h, 20);
    // Narrower than the box but too tall: shrunk all the same.
    ASSERT_TRUE(tg::PlanThumbnail(128, 96, 100, 200, w, h));
    EXPECT_EQ(w, 48);
    EXPECT_EQ(h, 96);
}

}  // namespace
