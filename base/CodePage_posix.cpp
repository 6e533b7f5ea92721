// A small double-byte code page for the native build, so that the code-page rules are
// tested without Windows: 0x00..0x7F ASCII; 0x80 stands for nothing; 0x81..0x9F lead a
// pair whose trail is 0x40..0xFC except 0x7F, for U+4E00 + (lead - 0x81) * 256 + trail;
// 0xA0..0xFF are U+00A0..U+00FF.
#include "base/CodePage.h"

namespace {
bool IsTrail(unsigned char c) {
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}
}  // namespace

bool AnsiLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0x9F;
}

bool AnsiToUtf16Exact(const std::string& ansi, std::u16string& out) {
    out.clear();
    for (size_t i = 0; i < ansi.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(ansi[i]);
        if (AnsiLeadByte(c)) {
            if (i + 1 >= ansi.size() || !IsTrail(static_cast<unsigned char>(ansi[i + 1]))) return false;
            out.push_back(static_cast<char16_t>(0x4E00 + (c - 0x81) * 256 + static_cast<unsigned char>(ansi[++i])));
        } else if (c == 0x80) {
            return false;
        } else {
            out.push_back(c);
        }
    }
    return true;
}

bool Utf16ToAnsiExact(const std::u16string& text, std::string& out) {
    out.clear();
    for (char16_t c : text) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.push_back(static_cast<char>(c));
        } else if (c >= 0x4E00 && c < 0x4E00 + 31 * 256 && IsTrail((c - 0x4E00) & 0xFF)) {
            out.push_back(static_cast<char>(0x81 + (c - 0x4E00) / 256));
            out.push_back(static_cast<char>((c - 0x4E00) & 0xFF));
        } else {
            return false;
        }
    }
    return true;
}
