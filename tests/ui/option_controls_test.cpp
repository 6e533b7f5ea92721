#include <gtest/gtest.h>

#include "ui/core/SectionFont.h"
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
    EXPECT_EQ(CheckInterval("4", v), IntervalCheck::OutOfRange);
    EXPECT_EQ(CheckInterval("1001", v), IntervalCheck::OutOfRange);
    EXPECT_EQ(CheckInterval("-10", v), IntervalCheck::OutOfRange);
    EXPECT_EQ(CheckInterval("99999999999999999999999", v), IntervalCheck::OutOfRange);
    // The thousands separator an up-down control writes without UDS_NOTHOUSANDS.
    EXPECT_EQ(CheckInterval("1,000", v), IntervalCheck::NotInteger);
    EXPECT_EQ(CheckInterval("  ", v), IntervalCheck::NotInteger);
    EXPECT_EQ(CheckInterval("12a", v), IntervalCheck::NotInteger);
    EXPECT_EQ(CheckInterval("1 2", v), IntervalCheck::NotInteger);
    EXPECT_EQ(v, 77);
}

TEST(RangeMessage, LimitsFillTheirPlaces) {
    EXPECT_EQ(FormatRangeMessage("Please enter an integer between %1 and %2.", 5, 1000),
              "Please enter an integer between 5 and 1000.");
    EXPECT_EQ(FormatRangeMessage("%2 >= x >= %1 %3 %", 5, 1000), "1000 >= x >= 5 %3 %");
}

TEST(ButtonStyleFont, AHostileLanguageFontFallsBackOrIsHeldToItsLimits) {
    CFontFace style;
    CLangFont font;
    font.m_strName = std::string(40, 'x');
    font.m_nSize = 9;
    font.m_nWeight = 5000;
    SetStyleFont(style, true, font, kCommandButtonFont);
    EXPECT_EQ(style.m_strFace, "Arial");
    EXPECT_EQ(style.m_nHeight, -12);
    EXPECT_EQ(style.m_nWeight, 1000);
}

}  // namespace
