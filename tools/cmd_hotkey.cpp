#include <cstdlib>

#include "settings/HotKey.h"
#include "tools/Command.h"

namespace {
const char kUsage[] = "hotkey MODIFIERS KEY";

// A decimal number that fits the 16 bits a hotkey slot stores.
bool ParseWord(const std::string& s, uint16_t& value) {
    if (s.empty() || s.size() > 5) return false;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    unsigned long v = std::strtoul(s.c_str(), nullptr, 10);
    if (v > 0xFFFF) return false;
    value = static_cast<uint16_t>(v);
    return true;
}

int HotKey(const std::vector<std::string>& args) {
    uint16_t modifiers, key;
    if (args.size() != 2 || !ParseWord(args[0], modifiers) || !ParseWord(args[1], key)) return Usage(kUsage);
    WriteOut(HotKeyText(modifiers, key) + "\n");
    return 0;
}
CommandRegistrar reg("hotkey", kUsage, HotKey);
}  // namespace
