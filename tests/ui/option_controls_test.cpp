#include <gtest/gtest.h>

#include "ui/core/OptionControls.h"

namespace {

TEST(Opacity, DamagedStoredValuesSelectAnEntryAndNothingSelectedKeepsTheValue) {
    EXPECT_EQ(OpacityIndex(0), 0);
    EXPECT_EQ(OpacityIndex(-2147483647 - 1), 0);
    EXPECT_EQ(OpacityIndex(4), 0);
    EXPECT_EQ(OpacityIndex(105), 19);
    EXPECT_EQ(OpacityIndex(2147483647), 19);
    EXPECT_EQ(OpacityFromIndex(-1, 0), 0);
    EXPECT_EQ(OpacityFromIndex(-1, 35), 35);
    EXPECT_EQ(OpacityFromIndex(20, 35), 35);
}

TEST(Interval, WholeNumbersWithinTheRange) {
    int32_t v = 0;
    EXPECT_EQ(CheckInterval("5", v), IntervalCheck::Ok);
    EXPECT_EQ(v, 5);
    EXPECT_EQ(CheckInterval(" 1000\t", v), IntervalCheck::Ok);
    EXPECT_EQ(v, 1000);
}

TEST(Interval, RefusalsLeaveTheValueAlone) {
    int32_t v = 77;
    EXPECT_EQ(CheckInterval("1001", v), IntervalCheck::OutOfRange);
    EXPECT_EQ(CheckInterval("99999999999999999999999", v), IntervalCheck::OutOfRange);
    // The thousands separator an up-down control writes without UDS_NOTHOUSANDS.
    EXPECT_EQ(CheckInterval("1,000", v), IntervalCheck::NotInteger);
    EXPECT_EQ(CheckInterval("12a", v), IntervalCheck::NotInteger);
    EXPECT_EQ(v, 77);
}

}  // namespace
