// Names (paths, folders, file names) are held as UTF-8 and converted to UTF-16 only where
// they meet the system. A string read from a file in the ANSI code page becomes a name here;
// a byte of it that stands for no character (a damaged string) is held as the lone surrogate
// U+DC00 + byte, so that the name is written back byte for byte. No other lone surrogate is
// valid.
#pragma once
#include <string>

// A byte escape: a code-page byte 0x80..0xFF that stands for no character.
inline bool IsByteEscape(char32_t c) {
    return c >= 0xDC80 && c <= 0xDCFF;
}

// Decodes UTF-8. Each malformed sequence (an overlong form, a surrogate that is not a byte
// escape, a cut sequence, a value past U+10FFFF, a stray continuation byte) becomes U+FFFD
// and the answer is false.
bool Utf8ToUtf16(const std::string& in, std::u16string& out);

// Encodes UTF-16. A lone surrogate that is not a byte escape becomes U+FFFD and the answer
// is false.
bool Utf16ToUtf8(const std::u16string& in, std::string& out);

// A string in the ANSI code page as a name; always succeeds (see the byte escapes above).
std::string AnsiToName(const std::string& ansi);

// The name's exact form in the ANSI code page; false when it has none (a character the
// code page lacks, or a malformed name).
bool NameToAnsi(const std::string& name, std::string& ansi);

// A text for a window or a file kept in the code page: a character it lacks becomes "?".
std::string NameToAnsiLossy(const std::string& name);
