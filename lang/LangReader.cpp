#include "lang/LangReader.h"

#include <climits>

#include "base/StringUtil.h"

bool CLangReader::SkipLine() {
    char c;
    while (Next(c)) {
        if (c == '\n') return true;
    }
    return false;
}

char CLangReader::SkipBlanks() {
    char c;
    while (Next(c)) {
        // Bytes from 0x80 up are negative as signed bytes and so count as blanks.
        if (static_cast<signed char>(c) > 0x20) return c;
    }
    return 0;
}

bool CLangReader::ReadSectionHeader(std::string& name) {
    size_t open = m_bytes.find('[', m_pos);
    if (open == std::string::npos) {
        m_pos = m_bytes.size();
        return false;
    }
    size_t close = m_bytes.find(']', open + 1);
    if (close == std::string::npos) {
        m_pos = m_bytes.size();
        return false;
    }
    name = TrimBlanks(m_bytes.substr(open + 1, close - open - 1));
    m_pos = close + 1;
    return true;
}

CLangReader::EntryResult CLangReader::ReadEntry(std::string& key, std::string& value) {
    key.clear();
    value.clear();
    m_lastTerminator = 0;
    bool inValue = false;
    char c;
    for (;;) {
        if (!Next(c)) {
            if (!inValue) return kEndOfFile;  // a partial key is dropped
            break;
        }
        if (!inValue) {
            if (c == ';') {
                SkipLine();
                key.clear();
            } else if (c == '=') {
                inValue = true;
            } else if (c == '[') {
                --m_pos;
                return kSectionEnd;
            } else if (static_cast<signed char>(c) >= 0x20) {
                key += c;
            }
            // CR, LF, other control bytes and bytes from 0x80 up never belong to a key.
        } else {
            if (c == '\r' || c == '\n' || c == ';') {
                m_lastTerminator = c;
                break;
            }
            value += c;
        }
    }
    key = TrimBlanks(key);
    value = TrimBlanks(value);
    return key.empty() ? kEmptyKey : kEntry;
}

int ParseLangInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        n = n * 10 + (text[i] - '0');
        if (n > static_cast<long long>(INT_MAX) + 1) n = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) return static_cast<int>(-n < INT_MIN ? INT_MIN : -n);
    return static_cast<int>(n > INT_MAX ? INT_MAX : n);
}

std::string UnescapeLangValue(const std::string& value, const LeadByteRule& isLead) {
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (isLead && isLead(static_cast<unsigned char>(c))) {
            out += c;
            // A lead byte at the very end has no trail byte to take.
            if (i + 1 < value.size()) out += value[++i];
            continue;
        }
        if (c != '\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        char e = value[++i];
        switch (e) {
            case '"':
                out += '"';
                break;
            case '\'':
                out += '\'';
                break;
            case '\\':
                out += '\\';
                break;
            case 'a':
                out += '\a';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'v':
                out += '\v';
                break;
            default:
                out += '\\';
                out += e;
                break;
        }
    }
    return out;
}
