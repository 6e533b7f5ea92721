#pragma once
#include <string>

// ASCII-only case mapping: ANSI bytes above 0x7F stay as they are.
std::string AsciiLower(std::string s);
std::string AsciiUpper(std::string s);
bool EqualsNoCase(const std::string& a, const std::string& b);
// Removes leading and trailing blanks, tabs, CR, LF, VT and FF.
std::string TrimBlanks(const std::string& s);
