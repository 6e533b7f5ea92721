// A small JSON reader and writer for the console tool. Strings are byte strings in
// the ANSI code page: bytes 0x20..0x7E stand as they are, every other byte is
// written \u00XX, and reading maps \u00XX back to that one byte. A name (UTF-8, see
// Unicode.h) without a form in the code page is the object {"unicode": "<text>"}.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class JsonValue {
public:
    enum Type { Null, Bool, Number, String, Array, Object };
    JsonValue() = default;

    Type type = Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::string utf8;  // a string read as UTF-8 text, \u escapes beyond one byte included
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    const JsonValue* Find(const std::string& key) const;
    bool IsNumber() const { return type == Number; }
    int64_t AsInt() const;
    // A plain string (in the code page) or {"unicode": "..."}; false for anything else.
    bool AsName(std::string& name) const;
};

// Parses one document; false (with a reason) on any syntax error or nesting deeper than 64.
bool ParseJson(const std::string& input, JsonValue& out, std::string* error = nullptr);

// "..." with the byte mapping above.
std::string JsonQuote(const std::string& bytes);
// A name as a plain string when it has a form in the code page, else as {"unicode": "..."}.
std::string JsonName(const std::string& name);

// Builds compact JSON in order.
class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(const std::string& key);
    JsonWriter& Value(const std::string& s);
    JsonWriter& Value(const char* s) { return Value(std::string(s)); }
    JsonWriter& Name(const std::string& name);
    JsonWriter& Value(int64_t n);
    JsonWriter& Value(int n) { return Value(static_cast<int64_t>(n)); }
    JsonWriter& Value(uint32_t n) { return Value(static_cast<int64_t>(n)); }
    JsonWriter& Raw(const std::string& json);
    const std::string& Str() const { return m_out; }

private:
    void Separate();
    std::string m_out;
    std::vector<bool> m_first;  // one per open container
    bool m_afterKey = false;
};
