#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/core/SetupPages.h"

namespace {

TEST(HotKeyControlValue, KeyInTheLowByteFlagsInTheHighByte) {
    // Ctrl + Alt + extended Home, as the defaults hold it.
    EXPECT_EQ(HotKeyControlValue(CHotKeyItem(36, 14)), 0x0E24);
    EXPECT_EQ(HotKeyFromControlValue(0x0E24), CHotKeyItem(36, 14));
    EXPECT_EQ(HotKeyFromControlValue(0), CHotKeyItem(0, 0));
    // A key code from a damaged file that the control cannot hold shows as no hotkey
    // rather than as another key with other modifiers.
    EXPECT_EQ(HotKeyControlValue(CHotKeyItem(0x124, 2)), 0);
    EXPECT_EQ(HotKeyControlValue(CHotKeyItem(65, 0x0102)), 0x0241);
}

TEST(LanguageSelection, TheCurrentLanguageElseTheFirstEnglishOne) {
    const std::vector<std::string> names = {"Deutsch", "ENGLISH (UK)", "English"};
    EXPECT_EQ(LanguageSelection(names, 0), 0);
    EXPECT_EQ(LanguageSelection(names, -1), 1);
}

TEST(SheetButtons, OkAndCancelTakeTheTwoRightmostPlacesOfTheRow) {
    const UiRect ok = Box(100, 200, 50, 14), cancel = Box(160, 200, 50, 14), apply = Box(220, 200, 50, 14),
                 help = Box(280, 200, 50, 14);
    UiRect newOk = ok, newCancel = cancel;
    RightEndButtonPlaces({ok, cancel, apply, help}, newOk, newCancel);
    EXPECT_EQ(newOk, apply);
    EXPECT_EQ(newCancel, help);
    // Two buttons on one place count once; OK and Cancel never end on one place.
    newOk = ok;
    newCancel = cancel;
    RightEndButtonPlaces({ok, cancel, apply, apply}, newOk, newCancel);
    EXPECT_EQ(newOk, cancel);
    EXPECT_EQ(newCancel, apply);
}

}  // namespace
