#include "base/Json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/Unicode.h"

const JsonValue* JsonValue::Find(const std::string& key) const {
    for (const auto& m : members) {
        if (m.first == key) return &m.second;
    }
    return nullptr;
}

int64_t JsonValue::AsInt() const {
    if (type == Bool) return boolean ? 1 : 0;
    if (type != Number || std::isnan(number)) return 0;
    if (number >= 9.2e18) return INT64_MAX;
    if (number <= -9.2e18) return INT64_MIN;
    return static_cast<int64_t>(number);
}

namespace {
class Parser {
public:
    Parser(const std::string& s, std::string* error) : m_s(s), m_error(error) {}

    bool Document(JsonValue& out) {
        if (!Value(out, 0)) return false;
        Blank();
        return m_pos == m_s.size() || Fail("text after the document");
    }

private:
    bool Fail(const char* why) {
        if (m_error) *m_error = std::string(why) + " at offset " + std::to_string(m_pos);
        return false;
    }
    void Blank() {
        while (m_pos < m_s.size() &&
               (m_s[m_pos] == ' ' || m_s[m_pos] == '\t' || m_s[m_pos] == '\r' || m_s[m_pos] == '\n'))
            ++m_pos;
    }
    bool Literal(const char* word) {
        size_t n = std::char_traits<char>::length(word);
        if (m_s.compare(m_pos, n, word) != 0) return Fail("unknown literal");
        m_pos += n;
        return true;
    }
    static int Hex(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }
    // out: the code-page bytes; utf8: the same string read as UTF-8 text.
    bool StringValue(std::string& out, std::string* utf8 = nullptr) {
        ++m_pos;  // opening quote
        out.clear();
        std::u16string wide;
        size_t run = 0;  // where out's bytes not yet in wide begin
        auto flush = [&] {
            std::u16string part;
            Utf8ToUtf16(out.substr(run), part);
            wide += part;
            run = out.size();
        };
        while (m_pos < m_s.size()) {
            char c = m_s[m_pos++];
            if (c == '"') {
                if (utf8) {
                    flush();
                    Utf16ToUtf8(wide, *utf8);
                }
                return true;
            }
            if (c != '\\') {
                out.push_back(c);
                continue;
            }
            if (m_pos >= m_s.size()) break;
            char e = m_s[m_pos++];
            switch (e) {
                case '"':
                    out.push_back('"');
                    break;
                case '\\':
                    out.push_back('\\');
                    break;
                case '/':
                    out.push_back('/');
                    break;
                case 'b':
                    out.push_back('\b');
                    break;
                case 'f':
                    out.push_back('\f');
                    break;
                case 'n':
                    out.push_back('\n');
                    break;
                case 'r':
                    out.push_back('\r');
                    break;
                case 't':
                    out.push_back('\t');
                    break;
                case 'u': {
                    if (m_pos + 4 > m_s.size()) return Fail("short \\u escape");
                    int v = 0;
                    for (int i = 0; i < 4; ++i) {
                        int h = Hex(m_s[m_pos + i]);
                        if (h < 0) return Fail("bad \\u escape");
                        v = v * 16 + h;
                    }
                    m_pos += 4;
                    flush();
                    wide.push_back(static_cast<char16_t>(v));
                    // Only single bytes exist in an ANSI string; anything wider cannot be kept.
                    out.push_back(v < 0x100 ? static_cast<char>(v) : '?');
                    run = out.size();
                    break;
                }
                default:
                    return Fail("bad escape");
            }
        }
        return Fail("unterminated string");
    }
    bool NumberValue(JsonValue& out) {
        size_t start = m_pos;
        if (m_pos < m_s.size() && (m_s[m_pos] == '-' || m_s[m_pos] == '+')) ++m_pos;
        while (m_pos < m_s.size() && std::string("0123456789.eE+-").find(m_s[m_pos]) != std::string::npos) ++m_pos;
        std::string num = m_s.substr(start, m_pos - start);
        char* end = nullptr;
        out.number = std::strtod(num.c_str(), &end);
        if (num.empty() || !end || *end) return Fail("bad number");
        out.type = JsonValue::Number;
        return true;
    }
    bool Value(JsonValue& out, int depth) {
        if (depth > 64) return Fail("nesting too deep");
        Blank();
        if (m_pos >= m_s.size()) return Fail("unexpected end");
        char c = m_s[m_pos];
        if (c == '{') {
            out.type = JsonValue::Object;
            ++m_pos;
            Blank();
            if (m_pos < m_s.size() && m_s[m_pos] == '}') {
                ++m_pos;
                return true;
            }
            for (;;) {
                Blank();
                if (m_pos >= m_s.size() || m_s[m_pos] != '"') return Fail("expected a key");
                std::string key;
                if (!StringValue(key)) return false;
                Blank();
                if (m_pos >= m_s.size() || m_s[m_pos] != ':') return Fail("expected ':'");
                ++m_pos;
                out.members.emplace_back(key, JsonValue());
                if (!Value(out.members.back().second, depth + 1)) return false;
                Blank();
                if (m_pos < m_s.size() && m_s[m_pos] == ',') {
                    ++m_pos;
                    continue;
                }
                if (m_pos < m_s.size() && m_s[m_pos] == '}') {
                    ++m_pos;
                    return true;
                }
                return Fail("expected ',' or '}'");
            }
        }
        if (c == '[') {
            out.type = JsonValue::Array;
            ++m_pos;
            Blank();
            if (m_pos < m_s.size() && m_s[m_pos] == ']') {
                ++m_pos;
                return true;
            }
            for (;;) {
                out.items.emplace_back();
                if (!Value(out.items.back(), depth + 1)) return false;
                Blank();
                if (m_pos < m_s.size() && m_s[m_pos] == ',') {
                    ++m_pos;
                    continue;
                }
                if (m_pos < m_s.size() && m_s[m_pos] == ']') {
                    ++m_pos;
                    return true;
                }
                return Fail("expected ',' or ']'");
            }
        }
        if (c == '"') {
            out.type = JsonValue::String;
            return StringValue(out.text, &out.utf8);
        }
        if (c == 't') {
            out.type = JsonValue::Bool;
            out.boolean = true;
            return Literal("true");
        }
        if (c == 'f') {
            out.type = JsonValue::Bool;
            return Literal("false");
        }
        if (c == 'n') {
            out.type = JsonValue::Null;
            return Literal("null");
        }
        return NumberValue(out);
    }

    const std::string& m_s;
    std::string* m_error;
    size_t m_pos = 0;
};
}  // namespace

bool ParseJson(const std::string& input, JsonValue& out, std::string* error) {
    out = JsonValue();
    return Parser(input, error).Document(out);
}

namespace {
// One byte or UTF-16 unit of a JSON string: printable ASCII as it is, the rest as \uXXXX.
void AppendEscaped(std::string& out, unsigned unit) {
    if (unit == '"' || unit == '\\') {
        out.push_back('\\');
        out.push_back(static_cast<char>(unit));
    } else if (unit >= 0x20 && unit <= 0x7E) {
        out.push_back(static_cast<char>(unit));
    } else {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04X", unit & 0xFFFFu);
        out += buf;
    }
}
}  // namespace

std::string JsonName(const std::string& name) {
    std::string ansi;
    if (NameToAnsi(name, ansi)) return JsonQuote(ansi);
    std::u16string wide;
    Utf8ToUtf16(name, wide);
    std::string out = "{\"unicode\":\"";
    for (char16_t c : wide) AppendEscaped(out, c);
    return out + "\"}";
}

bool JsonValue::AsName(std::string& name) const {
    if (type == String) {
        name = AnsiToName(text);
        return true;
    }
    const JsonValue* unicode = type == Object && members.size() == 1 ? Find("unicode") : nullptr;
    if (!unicode || unicode->type != String) return false;
    name = unicode->utf8;
    return true;
}

std::string JsonQuote(const std::string& bytes) {
    std::string out = "\"";
    for (unsigned char c : bytes) AppendEscaped(out, c);
    out.push_back('"');
    return out;
}

void JsonWriter::Separate() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back()) m_out.push_back(',');
        m_first.back() = false;
    }
}

JsonWriter& JsonWriter::BeginObject() {
    Separate();
    m_out.push_back('{');
    m_first.push_back(true);
    return *this;
}
JsonWriter& JsonWriter::EndObject() {
    m_out.push_back('}');
    m_first.pop_back();
    return *this;
}
JsonWriter& JsonWriter::BeginArray() {
    Separate();
    m_out.push_back('[');
    m_first.push_back(true);
    return *this;
}
JsonWriter& JsonWriter::EndArray() {
    m_out.push_back(']');
    m_first.pop_back();
    return *this;
}
JsonWriter& JsonWriter::Key(const std::string& key) {
    Separate();
    m_out += JsonQuote(key);
    m_out.push_back(':');
    m_afterKey = true;
    return *this;
}
JsonWriter& JsonWriter::Name(const std::string& name) {
    return Raw(JsonName(name));
}

JsonWriter& JsonWriter::Value(const std::string& s) {
    Separate();
    m_out += JsonQuote(s);
    return *this;
}
JsonWriter& JsonWriter::Value(int64_t n) {
    Separate();
    m_out += std::to_string(n);
    return *this;
}
JsonWriter& JsonWriter::Raw(const std::string& json) {
    Separate();
    m_out += json;
    return *this;
}
