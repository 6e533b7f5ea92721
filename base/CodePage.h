// The system's ANSI code page, for texts that are kept in it.
#pragma once

#include <string>

// The lead-byte test of the system's ANSI code page (Windows only).
bool AnsiLeadByte(unsigned char c);

// Puts text, converted from the ANSI code page, into a wide buffer of size characters with
// its NUL: a long text is cut, never written past the buffer (Windows only).
void AnsiToWideBuffer(const std::string& text, wchar_t* buffer, int size);
