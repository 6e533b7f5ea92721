// Names (UTF-8, see Unicode.h) where they meet the W functions of the system.
#pragma once
#include <string>

std::wstring WideName(const std::string& name);
std::string NameFromWide(const wchar_t* wide, size_t length);
inline std::string NameFromWide(const std::wstring& wide) {
    return NameFromWide(wide.data(), wide.size());
}
// A NUL-terminated wide buffer.
std::string NameFromWide(const wchar_t* wide);

// ShellExecute's "open" of a file or an address given as a name.
long ShellOpen(void* owner, const std::string& name, int show);
