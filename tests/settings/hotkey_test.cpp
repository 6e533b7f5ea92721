#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/Trace.h"
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

namespace {

// Remembers what is registered; combinations in `taken` belong to another program.
class FakeRegistrar : public IHotKeyRegistrar {
public:
    struct Combo {
        unsigned mods, vk;
        bool operator<(const Combo& o) const { return mods != o.mods ? mods < o.mods : vk < o.vk; }
    };
    bool Register(int id, unsigned mods, unsigned vk) override {
        log.push_back("R" + std::to_string(id));
        if (taken.count({mods, vk}) || registered.count(id)) return false;
        registered[id] = {mods, vk};
        return true;
    }
    void Unregister(int id) override {
        log.push_back("U" + std::to_string(id));
        registered.erase(id);
    }
    std::map<int, Combo> registered;
    std::set<Combo> taken;
    std::vector<std::string> log;
};

class TraceCapture {
public:
    TraceCapture() {
        SetTraceSink([this](const std::string& line) { lines.push_back(line); });
    }
    ~TraceCapture() { SetTraceSink({}); }
    std::vector<std::string> lines;
};

TEST(RegisterHotKeys, DefaultsRegisterAllFiveWithTranslatedModifiers) {
    COptionData d;
    FakeRegistrar r;
    EXPECT_TRUE(RegisterHotKeys(d.m_hotkeys, r));
    ASSERT_EQ(r.registered.size(), 5u);
    EXPECT_EQ(r.registered[10].mods, HOTKEY_MOD_CONTROL | HOTKEY_MOD_ALT);
    EXPECT_EQ(r.registered[10].vk, 36u);
    EXPECT_EQ(r.registered[11].vk, 33u);
    EXPECT_EQ(r.registered[12].vk, 34u);
    EXPECT_EQ(r.registered[19].vk, 188u);
    EXPECT_EQ(r.registered[20].vk, 190u);
    // Everything is released before anything is registered.
    std::vector<std::string> first(r.log.begin(), r.log.begin() + 5);
    EXPECT_EQ(first, (std::vector<std::string>{"U10", "U11", "U12", "U19", "U20"}));
}

TEST(RegisterHotKeys, AComboHeldElsewhereFailsAloneAndIsTracedWithItsSlot) {
    COptionData d;
    FakeRegistrar r;
    r.taken.insert({HOTKEY_MOD_CONTROL | HOTKEY_MOD_ALT, 36});
    TraceCapture trace;
    EXPECT_FALSE(RegisterHotKeys(d.m_hotkeys, r));
    EXPECT_EQ(r.registered.count(10), 0u);
    EXPECT_EQ(r.registered.size(), 4u);
    ASSERT_EQ(trace.lines.size(), 1u);
    EXPECT_NE(trace.lines[0].find("slot 0"), std::string::npos) << trace.lines[0];
    EXPECT_NE(trace.lines[0].find("Ctrl + Alt + Home"), std::string::npos) << trace.lines[0];
}

TEST(RegisterHotKeys, ChangedAndClearedSlotsReplaceTheOldCombinations) {
    COptionData d;
    FakeRegistrar r;
    ASSERT_TRUE(RegisterHotKeys(d.m_hotkeys, r));
    d.m_hotkeys[COptionData::HK_PREVIOUS] = CHotKeyItem('P', 6);
    d.m_hotkeys[COptionData::HK_NEXT] = CHotKeyItem();
    // The slots past the five used ones are never registered.
    d.m_hotkeys[7] = CHotKeyItem('Z', 2);
    EXPECT_TRUE(RegisterHotKeys(d.m_hotkeys, r));
    EXPECT_EQ(r.registered.size(), 4u);
    EXPECT_EQ(r.registered.count(20), 0u);
    EXPECT_EQ(r.registered[19].vk, static_cast<unsigned>('P'));
    for (const auto& kv : r.registered) EXPECT_NE(kv.second.vk, 188u);
}

TEST(RegisterHotKeys, UnregisterReleasesEveryId) {
    COptionData d;
    FakeRegistrar r;
    RegisterHotKeys(d.m_hotkeys, r);
    UnregisterHotKeys(r);
    EXPECT_TRUE(r.registered.empty());
}

}  // namespace
