#include <windows.h>

#include <gtest/gtest.h>

#include "ui/core/SpeedTest.h"

namespace {

// The real counters give a clock, and the thread gets back the priority and processor it had.
TEST(SpeedTestWin, MeasuresAndRestoresTheThread) {
    HANDLE thread = GetCurrentThread();
    DWORD_PTR process = 0, system = 0;
    ASSERT_TRUE(GetProcessAffinityMask(GetCurrentProcess(), &process, &system));
    // The highest processor of the process: the measurement pins to the lowest.
    DWORD_PTR mine = process;
    while (mine & (mine - 1)) mine &= mine - 1;
    const DWORD_PTR before = SetThreadAffinityMask(thread, mine);
    ASSERT_NE(before, 0u);
    ASSERT_TRUE(SetThreadPriority(thread, THREAD_PRIORITY_BELOW_NORMAL));

    const CpuSpeed speed = MeasureCpuSpeed(SystemCpuCounters());

    EXPECT_EQ(GetThreadPriority(thread), THREAD_PRIORITY_BELOW_NORMAL);
    EXPECT_EQ(SetThreadAffinityMask(thread, before), mine);
    SetThreadPriority(thread, THREAD_PRIORITY_NORMAL);
    EXPECT_GT(speed.mhz, 0u);
    EXPECT_GT(speed.cycles, 0u);
}

}  // namespace
