#include <windows.h>

#include <gtest/gtest.h>

#include "ui/core/SpeedTest.h"

namespace {

// The wizard measures on the window's thread, which must not stay time-critical.
TEST(SpeedTestWin, MeasuresAndGivesTheThreadItsPriorityBack) {
    ASSERT_TRUE(SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL));
    EXPECT_GT(MeasureCpuSpeed(SystemCpuCounters()).mhz, 0u);
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_BELOW_NORMAL);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
}

}  // namespace
