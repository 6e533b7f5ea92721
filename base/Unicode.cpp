#include "base/Unicode.h"

#include "base/CodePage.h"

namespace {
const char16_t kReplacement = 0xFFFD;

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
    } else {
        c -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// One character from in at i, advancing i; false (i past the bad bytes) when malformed.
bool DecodeUtf8(const std::string& in, size_t& i, char32_t& c) {
    const unsigned char lead = static_cast<unsigned char>(in[i++]);
    if (lead < 0x80) {
        c = lead;
        return true;
    }
    int more;
    char32_t least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1, least = 0x80, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2, least = 0x800, c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3, least = 0x10000, c = lead & 0x07;
    } else {
        return false;  // a continuation byte, an overlong two-byte lead or past U+10FFFF
    }
    for (int k = 0; k < more; ++k) {
        if (i >= in.size() || (static_cast<unsigned char>(in[i]) & 0xC0) != 0x80) return false;  // cut
        c = (c << 6) | (static_cast<unsigned char>(in[i++]) & 0x3F);
    }
    return c >= least && c <= 0x10FFFF && (!IsSurrogate(c) || IsByteEscape(c));
}
}  // namespace

bool Utf8ToUtf16(const std::string& in, std::u16string& out) {
    out.clear();
    bool ok = true;
    for (size_t i = 0; i < in.size();) {
        char32_t c;
        if (DecodeUtf8(in, i, c)) {
            AppendUtf16(out, c);
        } else {
            out.push_back(kReplacement);
            ok = false;
        }
    }
    return ok;
}

bool Utf16ToUtf8(const std::u16string& in, std::string& out) {
    out.clear();
    bool ok = true;
    for (size_t i = 0; i < in.size(); ++i) {
        char32_t c = in[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (in[++i] - 0xDC00);
        } else if (IsSurrogate(c) && !IsByteEscape(c)) {
            c = kReplacement;
            ok = false;
        }
        AppendUtf8(out, c);
    }
    return ok;
}

std::string AnsiToName(const std::string& ansi) {
    std::u16string wide;
    std::string name;
    if (AnsiToUtf16Exact(ansi, wide) && Utf16ToUtf8(wide, name)) return name;
    // A damaged string: character by character, escaping each byte that stands for none.
    name.clear();
    std::u16string one;
    std::string part;
    for (size_t i = 0; i < ansi.size();) {
        const unsigned char c = static_cast<unsigned char>(ansi[i]);
        const size_t length = i + 1 < ansi.size() ? static_cast<size_t>(AnsiCharLength(c)) : 1;
        if (AnsiToUtf16Exact(ansi.substr(i, length), one) && Utf16ToUtf8(one, part)) {
            name += part;
            i += length;
        } else {
            AppendUtf8(name, c < 0x80 ? char32_t(c) : 0xDC00 + c);
            ++i;
        }
    }
    return name;
}

bool NameToAnsi(const std::string& name, std::string& ansi) {
    ansi.clear();
    std::u16string wide;
    if (!Utf8ToUtf16(name, wide)) return false;
    std::u16string run;
    std::string part;
    for (size_t i = 0; i <= wide.size(); ++i) {
        if (i < wide.size() && !IsByteEscape(wide[i])) {
            run.push_back(wide[i]);
            continue;
        }
        if (!run.empty()) {
            if (!Utf16ToAnsiExact(run, part)) return false;
            ansi += part;
            run.clear();
        }
        if (i < wide.size()) ansi.push_back(static_cast<char>(wide[i] - 0xDC00));
    }
    return true;
}

std::string NameToAnsiLossy(const std::string& name) {
    std::string ansi;
    if (NameToAnsi(name, ansi)) return ansi;
    std::u16string wide;
    Utf8ToUtf16(name, wide);
    std::string part;
    for (size_t i = 0; i < wide.size(); ++i) {
        const bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size();
        std::u16string one = wide.substr(i, pair ? 2 : 1);
        if (pair) ++i;
        if (one.size() == 1 && IsByteEscape(one[0])) {
            ansi.push_back(static_cast<char>(one[0] - 0xDC00));
        } else {
            ansi += Utf16ToAnsiExact(one, part) ? part : "?";
        }
    }
    return ansi;
}
