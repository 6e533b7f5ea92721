#include <gtest/gtest.h>

#include "settings/HotKey.h"

namespace {

TEST(HotKeyText, DefaultsReadAsTheMenusShowThem) {
    COptionData d;
    EXPECT_EQ(HotKeyText(d.m_hotkeys[COptionData::HK_ENABLE]), "Ctrl + Alt + Home");
    EXPECT_EQ(HotKeyText(d.m_hotkeys[COptionData::HK_INCREASE_OPACITY]), "Ctrl + Alt + Page Up");
    EXPECT_EQ(HotKeyText(d.m_hotkeys[COptionData::HK_DECREASE_OPACITY]), "Ctrl + Alt + Page Down");
    EXPECT_EQ(HotKeyText(d.m_hotkeys[COptionData::HK_PREVIOUS]), "Ctrl + Alt + ,");
    EXPECT_EQ(HotKeyText(d.m_hotkeys[COptionData::HK_NEXT]), "Ctrl + Alt + .");
}

TEST(HotKeyText, ModifiersInFixedOrderAndExtendedFlagSilent) {
    EXPECT_EQ(HotKeyText(14, 36), "Ctrl + Alt + Home");
    EXPECT_EQ(HotKeyText(1, 112), "Shift + F1");
    EXPECT_EQ(HotKeyText(3, 101), "Ctrl + Shift + Num 5");
    EXPECT_EQ(HotKeyText(15, 'P'), "Ctrl + Alt + Shift + P");
    EXPECT_EQ(HotKeyText(8, 'Q'), "Q");
    EXPECT_EQ(HotKeyText(0, 220), "\\");
    EXPECT_EQ(HotKeyText(0, 39), "Right");
}

TEST(HotKeyKeyName, RangeEdgesOfLettersDigitsKeypadAndFunctionKeys) {
    EXPECT_EQ(HotKeyKeyName('0'), "0");
    EXPECT_EQ(HotKeyKeyName('9'), "9");
    EXPECT_EQ(HotKeyKeyName('A'), "A");
    EXPECT_EQ(HotKeyKeyName('Z'), "Z");
    EXPECT_EQ(HotKeyKeyName(96), "Num 0");
    EXPECT_EQ(HotKeyKeyName(105), "Num 9");
    EXPECT_EQ(HotKeyKeyName(112), "F1");
    EXPECT_EQ(HotKeyKeyName(123), "F12");
    EXPECT_EQ(HotKeyKeyName(135), "F24");
    // Neighbours of the ranges that have names of their own.
    EXPECT_EQ(HotKeyKeyName(47), "Help");
    EXPECT_EQ(HotKeyKeyName(91), "Left Win");
    EXPECT_EQ(HotKeyKeyName(106), "*");
    EXPECT_EQ(HotKeyKeyName(111), "/");
}

TEST(HotKeyKeyName, NamedKeysKeepTheirHistoricSpelling) {
    EXPECT_EQ(HotKeyKeyName(108), "Seperator");
    EXPECT_EQ(HotKeyKeyName(32), " ");
    EXPECT_EQ(HotKeyKeyName(33), "Page Up");
    EXPECT_EQ(HotKeyKeyName(34), "Page Down");
    EXPECT_EQ(HotKeyKeyName(192), "`");
    EXPECT_EQ(HotKeyKeyName(222), "'");
    EXPECT_EQ(HotKeyKeyName(187), "+");
    EXPECT_EQ(HotKeyKeyName(107), "+");
    EXPECT_EQ(HotKeyKeyName(1), "Left Button");
    EXPECT_EQ(HotKeyKeyName(254), "OEM Clear");
}

TEST(HotKeyKeyName, UnnamedCodesShowTheCharacterOfTheirLowByte) {
    EXPECT_EQ(HotKeyKeyName(58), ":");
    EXPECT_EQ(HotKeyKeyName(95), "_");
    EXPECT_EQ(HotKeyKeyName(136), std::string(1, '\x88'));
    EXPECT_EQ(HotKeyKeyName(255), std::string(1, '\xFF'));
    EXPECT_EQ(HotKeyKeyName(0), std::string(1, '\0'));
    // Above 254 only the low byte counts, even where it would name a key.
    EXPECT_EQ(HotKeyKeyName(0x141), "A");
    EXPECT_EQ(HotKeyKeyName(0x124), "$");
}

TEST(HotKeyRegistration, ModifierFlagsTranslateAndExtendedIsDropped) {
    EXPECT_EQ(HotKeyRegisterModifiers(14), HOTKEY_MOD_CONTROL | HOTKEY_MOD_ALT);
    EXPECT_EQ(HotKeyRegisterModifiers(1), HOTKEY_MOD_SHIFT);
    EXPECT_EQ(HotKeyRegisterModifiers(2), HOTKEY_MOD_CONTROL);
    EXPECT_EQ(HotKeyRegisterModifiers(4), HOTKEY_MOD_ALT);
    EXPECT_EQ(HotKeyRegisterModifiers(8), 0u);
    EXPECT_EQ(HotKeyRegisterModifiers(15), HOTKEY_MOD_CONTROL | HOTKEY_MOD_ALT | HOTKEY_MOD_SHIFT);
    // The two flag sets use the same bits for different keys: Alt is 4 on one side, 1 on the other.
    EXPECT_EQ(HOTKEY_MOD_ALT, 1u);
    EXPECT_EQ(HOTKEY_MOD_SHIFT, 4u);
}

TEST(HotKeyRegistration, IdsMapToTheirSlots) {
    EXPECT_EQ(HotKeySlotOfId(10), COptionData::HK_ENABLE);
    EXPECT_EQ(HotKeySlotOfId(11), COptionData::HK_INCREASE_OPACITY);
    EXPECT_EQ(HotKeySlotOfId(12), COptionData::HK_DECREASE_OPACITY);
    EXPECT_EQ(HotKeySlotOfId(19), COptionData::HK_PREVIOUS);
    EXPECT_EQ(HotKeySlotOfId(20), COptionData::HK_NEXT);
    EXPECT_EQ(HotKeySlotOfId(13), -1);
    EXPECT_EQ(HotKeySlotOfId(0), -1);
}

}  // namespace
