// The five global hotkeys: their ids, the slots that hold them, the modifier
// translation for registering them, and their display text ("Ctrl + Alt + Home").
#pragma once
#include <cstdint>
#include <string>

#include "settings/OptionData.h"

// RegisterHotKey's modifier flags (the same numbers as MOD_ALT, MOD_CONTROL, MOD_SHIFT).
enum : unsigned { HOTKEY_MOD_ALT = 1, HOTKEY_MOD_CONTROL = 2, HOTKEY_MOD_SHIFT = 4 };

// Hotkey ids as registered with the main window, in slot order 0..4.
constexpr int kHotKeyIds[COptionData::kUsedHotKeys] = {10, 11, 12, 19, 20};

// The slot of a registered id, or -1 for an id that is none of ours.
int HotKeySlotOfId(int id);

inline bool IsHotKeyEmpty(const CHotKeyItem& item) {
    return item.m_wVirtualKey == 0;
}

// Hotkey-control flags (1 Shift, 2 Control, 4 Alt, 8 extended) to RegisterHotKey's
// flags; the extended flag has no counterpart and is dropped.
unsigned HotKeyRegisterModifiers(uint16_t hotkeyFlags);

// The name of a virtual-key code as the menus show it.
std::string HotKeyKeyName(unsigned virtualKey);

// "Ctrl + ", "Alt + ", "Shift + " (in that order, as set) and the key name.
std::string HotKeyText(uint16_t modifiers, unsigned virtualKey);
inline std::string HotKeyText(const CHotKeyItem& item) {
    return HotKeyText(item.m_wModifiers, item.m_wVirtualKey);
}

// Where hotkeys are registered: the main window on Windows, a recording double in tests.
class IHotKeyRegistrar {
public:
    virtual ~IHotKeyRegistrar() = default;
    virtual bool Register(int id, unsigned registerModifiers, unsigned virtualKey) = 0;
    virtual void Unregister(int id) = 0;
};

// Releases all five ids, then registers every set hotkey of slots 0..4. True only when
// each of them was registered; a hotkey that another program holds is traced with its
// slot and the others are registered all the same.
bool RegisterHotKeys(const CHotKeyItem (&hotkeys)[COptionData::kHotKeySlots], IHotKeyRegistrar& registrar);
void UnregisterHotKeys(IHotKeyRegistrar& registrar);
