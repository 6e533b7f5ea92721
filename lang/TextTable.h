// Which language text each part of a window shows: {control id, section, key}. Each
// window declares its tables; one function applies a table, and the test that holds the
// language files to the program's keys reads the same tables.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

// Looks a text up in the current language; false when the section or key is missing.
using TextLookup = std::function<bool(const std::string& section, const std::string& key, std::string& text)>;

struct TextEntry {
    unsigned id;  // control id, or the entry's place in a list
    const char* section;
    const char* key;
    // Shown when the language lacks the key and the window has no text of its own for
    // it (combo entries, painted captions); nullptr: the key itself is the English wording.
    const char* english;
};

template <size_t N>
constexpr size_t CountOf(const TextEntry (&)[N]) {
    return N;
}

// The entry's text in the language, else its English wording.
inline std::string TextOrEnglish(const TextLookup& lookup, const TextEntry& e) {
    std::string text;
    if (lookup && lookup(e.section, e.key, text)) return text;
    return e.english ? e.english : e.key;
}
