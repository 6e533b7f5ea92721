#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/core/SetupPages.h"

namespace {

TEST(ThumbSizeList, StoredSizesTheListLacksShowAndStoreAs128) {
    // 100 (or a damaged value) shows 128 x 128; OK then stores 128.
    for (int stored : {100, 0, -64, 2147483647}) {
        SCOPED_TRACE(stored);
        EXPECT_EQ(ThumbSizeEntryText(ThumbSizeIndex(stored)), "128 x 128");
        EXPECT_EQ(ThumbSizeFromIndex(ThumbSizeIndex(stored)), 128);
    }
    // Nothing selected, or an entry the list does not have.
    EXPECT_EQ(ThumbSizeFromIndex(-1), 128);
    EXPECT_EQ(ThumbSizeFromIndex(kThumbSizeCount), 128);
    // Every entry stores the size it shows.
    for (int i = 0; i < kThumbSizeCount; ++i) {
        const int side = ThumbSizeFromIndex(i);
        EXPECT_EQ(ThumbSizeEntryText(i), std::to_string(side) + " x " + std::to_string(side));
        EXPECT_EQ(ThumbSizeIndex(side), i);
    }
}

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
    // An index the catalogue no longer has selects nothing.
    EXPECT_EQ(LanguageSelection(names, 3), -1);
    EXPECT_EQ(LanguageSelection({"Deutsch", "Englisch", "Eng"}, -1), -1);
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
