// The byte-level reader of language files. The file is held in memory and read one
// byte at a time with a position that can be asked for and set back, so that font
// lines that turn out not to be font lines can be read again as ordinary lines.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

class CLangReader {
public:
    enum EntryResult { kEntry, kEmptyKey, kSectionEnd, kEndOfFile };

    explicit CLangReader(const std::string& bytes) : m_bytes(bytes) {}

    size_t GetPosition() const { return m_pos; }
    void SetPosition(size_t pos) { m_pos = pos < m_bytes.size() ? pos : m_bytes.size(); }
    bool AtEnd() const { return m_pos >= m_bytes.size(); }

    // Reads up to and including the next LF; false when the end came first.
    bool SkipLine();
    // Returns the first byte above 0x20 as a signed byte (consumed); 0 at the end.
    char SkipBlanks();
    // Skips to the next '[' and collects the name up to the next ']', trimmed.
    bool ReadSectionHeader(std::string& name);
    // One "key = value" entry; see the file format notes in Language.h.
    EntryResult ReadEntry(std::string& key, std::string& value);
    // The byte that ended the value of the last kEntry/kEmptyKey (0 at the end of the file).
    char LastTerminator() const { return m_lastTerminator; }

private:
    bool Next(char& c) {
        if (m_pos >= m_bytes.size()) return false;
        c = m_bytes[m_pos++];
        return true;
    }

    const std::string& m_bytes;
    size_t m_pos = 0;
    char m_lastTerminator = 0;
};

// Reads a decimal integer after optional blanks and sign, stopping at the first
// non-digit; saturates instead of overflowing.
int ParseLangInt(const std::string& text);

// Tells whether a byte starts a double-byte character of the text's code page.
using LeadByteRule = std::function<bool(unsigned char)>;

// Replaces the escapes \" \' \\ \a \b \f \n \r \t \v; a backslash before any other
// byte, or at the very end, stays as it is. A double-byte character is copied whole, so
// its trail byte never starts an escape (0x5C is a trail byte in Shift-JIS).
std::string UnescapeLangValue(const std::string& value, const LeadByteRule& isLead);
