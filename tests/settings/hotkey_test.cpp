#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "settings/HotKey.h"
#include "tests/support/TraceCapture.h"

namespace {

TEST(HotKeyText, ModifiersInFixedOrderBeforeTheKeyName) {
    struct Case {
        uint16_t modifiers;
        unsigned key;
        const char* text;
    } cases[] = {
        {14, 36, "Ctrl + Alt + Home"},
        {1, 112, "Shift + F1"},
        {0, 123, "F12"},
        {15, 135, "Ctrl + Alt + Shift + F24"},  // the extended flag (8) shows nothing
        {3, 96, "Ctrl + Shift + Num 0"},
        {0, 108, "Seperator"},  // spelt as users of earlier versions have always seen it
        {0, 136, "\x88"},       // unnamed: the character of the code
        {0, 0x141, "A"},        // above 254 only the low byte counts
    };
    for (const Case& c : cases) EXPECT_EQ(HotKeyText(c.modifiers, c.key), c.text) << c.modifiers << " " << c.key;
    EXPECT_EQ(HotKeyKeyName(0), std::string(1, '\0'));
}

// Remembers what is registered; combinations in `taken` belong to another program.
class FakeRegistrar : public IHotKeyRegistrar {
public:
    struct Combo {
        unsigned mods, vk;
        bool operator<(const Combo& o) const { return mods != o.mods ? mods < o.mods : vk < o.vk; }
    };
    bool Register(int id, unsigned mods, unsigned vk) override {
        if (taken.count({mods, vk}) || registered.count(id)) return false;
        registered[id] = {mods, vk};
        return true;
    }
    void Unregister(int id) override { registered.erase(id); }
    std::map<int, Combo> registered;
    std::set<Combo> taken;
};

TEST(RegisterHotKeys, AComboHeldElsewhereFailsAloneAndIsTracedWithItsSlot) {
    COptionData d;
    FakeRegistrar r;
    r.taken.insert({HOTKEY_MOD_CONTROL | HOTKEY_MOD_ALT, 36});
    TraceCapture trace;
    EXPECT_FALSE(RegisterHotKeys(d.m_hotkeys, r));
    EXPECT_EQ(r.registered.count(10), 0u);
    EXPECT_EQ(r.registered.size(), 4u);
    EXPECT_TRUE(trace.Has("slot 0 (Ctrl + Alt + Home)"));
}

}  // namespace
