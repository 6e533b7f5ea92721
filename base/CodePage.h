// The system's ANSI code page, for texts that are kept in it.
#pragma once

#include <string>

// The lead-byte test of the ANSI code page.
bool AnsiLeadByte(unsigned char c);

// Puts text, converted from the ANSI code page, into a wide buffer of size characters with
// its NUL: a long text is cut, never written past the buffer (Windows only).
void AnsiToWideBuffer(const std::string& text, wchar_t* buffer, int size);

// The exact conversions of the ANSI code page (a fake code page in the native build): false
// unless every character converts and converts back to the same bytes (no best fit).
bool AnsiToUtf16Exact(const std::string& ansi, std::u16string& out);
bool Utf16ToAnsiExact(const std::u16string& text, std::string& out);

// How many bytes the character starting with this byte takes: 2 for a lead byte, else 1.
inline int AnsiCharLength(unsigned char c) {
    return AnsiLeadByte(c) ? 2 : 1;
}
