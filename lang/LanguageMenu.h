// The items of the "Language" submenu: one per catalogue record, command 38000 + index,
// the current language checked, a language in another code page than the system's disabled.
// The command range ends at 39000, so at most 1001 items.
#pragma once
#include <string>
#include <vector>

#include "lang/LanguageManager.h"

constexpr unsigned kLanguageCommandFirst = 38000;
constexpr unsigned kLanguageCommandLast = 39000;

struct LanguageMenuItem {
    unsigned id;
    std::string text;
    bool checked;
    bool enabled;
};

std::vector<LanguageMenuItem> BuildLanguageMenuItems(const CLanguageManager& mgr);

// Runs the command of a language item: switches the language and, when a language is
// current afterwards, stores its path in languageFile. False for an id outside the range
// or a language that does not load (the current one then stays).
bool SwitchLanguageByCommand(CLanguageManager& mgr, unsigned id, std::string& languageFile);
