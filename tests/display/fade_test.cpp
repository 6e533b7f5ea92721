#include <gtest/gtest.h>

#include <cmath>

#include "display/Fade.h"

namespace {

// Where both pictures overlap, the desktop shows through (1 - a_new)(1 - a_old): the same as
// at either end, 1 - o, within the rounding of two alphas.
TEST(FadeAlpha, TheOverlapLetsThroughAsMuchDesktopAsEitherEnd) {
    for (int target : {13, 127, 191, 254, 255}) {
        EXPECT_EQ(CFade::LeavingAlpha(0, target), target);
        EXPECT_EQ(CFade::LeavingAlpha(target, target), 0);
        int previous = target;
        for (int incoming = 0; incoming <= target; ++incoming) {
            const int leaving = CFade::LeavingAlpha(incoming, target);
            ASSERT_GE(leaving, 0);
            ASSERT_LE(leaving, previous) << incoming;  // the old picture only ever falls
            previous = leaving;
            const double through = (1 - incoming / 255.0) * (1 - leaving / 255.0);
            EXPECT_NEAR(through, 1 - target / 255.0, 1.0 / 255) << incoming << " of " << target;
        }
    }
    // Out of range inputs stay within the target.
    EXPECT_EQ(CFade::LeavingAlpha(-20, 100), 100);
    EXPECT_EQ(CFade::LeavingAlpha(300, 100), 0);
}

TEST(FadeSchedule, GoesOnAcrossTheWrapOfTheTickCount) {
    CFade fade;
    fade.Start(0xFFFFFF00u, 1000, 200);
    CFade::Alphas a = fade.At(244);  // 256 + 244 = 500 ms in
    EXPECT_EQ(a.incoming, 100);
    EXPECT_FALSE(a.done);
    EXPECT_TRUE(fade.At(744).done);
}

TEST(FadeSchedule, NeverLongerThanHalfTheIntervalAndOffAtZero) {
    EXPECT_EQ(CFade::DurationMs(1000, 30000), 1000u);
    EXPECT_EQ(CFade::DurationMs(2000, 3000), 1500u);
    EXPECT_EQ(CFade::DurationMs(0, 30000), 0u);
    EXPECT_EQ(CFade::DurationMs(-500, 30000), 0u);
}

}  // namespace
