#include "settings/HotKey.h"

#include <cstdio>

#include "base/Trace.h"

int HotKeySlotOfId(int id) {
    for (int slot = 0; slot < COptionData::kUsedHotKeys; ++slot) {
        if (kHotKeyIds[slot] == id) return slot;
    }
    return -1;
}

unsigned HotKeyRegisterModifiers(uint16_t hotkeyFlags) {
    unsigned mods = 0;
    if (hotkeyFlags & HOTKEYF_CONTROL_FLAG) mods |= HOTKEY_MOD_CONTROL;
    if (hotkeyFlags & HOTKEYF_ALT_FLAG) mods |= HOTKEY_MOD_ALT;
    if (hotkeyFlags & HOTKEYF_SHIFT_FLAG) mods |= HOTKEY_MOD_SHIFT;
    return mods;
}

namespace {
struct KeyName {
    unsigned code;
    const char* name;
};

// Names of the keys that are neither letters, digits, keypad digits nor function keys.
// "Seperator" is spelt as users of earlier versions have always seen it.
// clang-format off
const KeyName kKeyNames[] = {
    {1, "Left Button"},   {2, "Right Button"},   {3, "Cancel"},         {4, "Middle Button"},  {8, "Backspace"},
    {9, "Tab"},           {12, "Clear"},         {13, "Return"},        {16, "Shift"},         {17, "Ctrl"},
    {18, "Menu"},         {19, "Pause"},         {20, "CapsLock"},      {21, "Hangul"},        {23, "Junja"},
    {24, "Final"},        {25, "Kanji"},         {27, "Escape"},        {28, "Convert"},       {29, "No Convert"},
    {30, "Accept"},       {31, "Mode Change"},   {32, " "},             {33, "Page Up"},       {34, "Page Down"},
    {35, "End"},          {36, "Home"},          {37, "Left"},          {38, "Up"},            {39, "Right"},
    {40, "Down"},         {41, "Select"},        {42, "Print"},         {43, "Execute"},       {44, "Snapshot"},
    {45, "Insert"},       {46, "Delete"},        {47, "Help"},          {91, "Left Win"},      {92, "Right Win"},
    {93, "Application"},  {106, "*"},            {107, "+"},            {108, "Seperator"},    {109, "-"},
    {110, "."},           {111, "/"},            {144, "Num Lock"},     {145, "Scroll"},       {160, "Left Shift"},
    {161, "Right Shift"}, {162, "Left Control"}, {163, "Right Control"}, {164, "Left Menu"},   {165, "Right Menu"},
    {186, ";"},           {187, "+"},            {188, ","},            {189, "-"},            {190, "."},
    {191, "/"},           {192, "`"},            {219, "["},            {220, "\\"},           {221, "]"},
    {222, "'"},           {246, "Attn"},         {247, "Crsel"},        {248, "Exsel"},        {249, "Ereof"},
    {250, "Play"},        {251, "Zoom"},         {252, "No Name"},      {253, "PA1"},          {254, "OEM Clear"},
};
// clang-format on
}  // namespace

std::string HotKeyKeyName(unsigned k) {
    char buf[16];
    if ((k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9')) return std::string(1, static_cast<char>(k));
    if (k >= 96 && k <= 105) {
        std::snprintf(buf, sizeof buf, "Num %u", k - 96);
        return buf;
    }
    if (k >= 112 && k <= 135) {
        std::snprintf(buf, sizeof buf, "F%u", k - 111);
        return buf;
    }
    for (const KeyName& n : kKeyNames) {
        if (n.code == k) return n.name;
    }
    // Unnamed codes show as the character of their low byte; code 0 gives a NUL byte,
    // which a menu shows as nothing.
    return std::string(1, static_cast<char>(k & 0xFFu));
}

std::string HotKeyText(uint16_t modifiers, unsigned virtualKey) {
    std::string text;
    if (modifiers & HOTKEYF_CONTROL_FLAG) text += "Ctrl + ";
    if (modifiers & HOTKEYF_ALT_FLAG) text += "Alt + ";
    if (modifiers & HOTKEYF_SHIFT_FLAG) text += "Shift + ";
    return text + HotKeyKeyName(virtualKey);
}

void UnregisterHotKeys(IHotKeyRegistrar& registrar) {
    for (int id : kHotKeyIds) registrar.Unregister(id);
}

bool RegisterHotKeys(const CHotKeyItem (&hotkeys)[COptionData::kHotKeySlots], IHotKeyRegistrar& registrar) {
    UnregisterHotKeys(registrar);
    bool result = true;
    for (int slot = 0; slot < COptionData::kUsedHotKeys; ++slot) {
        const CHotKeyItem& hk = hotkeys[slot];
        if (IsHotKeyEmpty(hk)) continue;
        if (!registrar.Register(kHotKeyIds[slot], HotKeyRegisterModifiers(hk.m_wModifiers), hk.m_wVirtualKey)) {
            std::string msg = "hotkey slot " + std::to_string(slot) + " (" + HotKeyText(hk) + ") not registered";
            VL_TRACE_MSG(msg.c_str());
            result = false;
        }
    }
    return result;
}
