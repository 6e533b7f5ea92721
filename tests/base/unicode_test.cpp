#include <gtest/gtest.h>

#include "base/Unicode.h"

namespace {

TEST(Unicode, EachMalformedSequenceBecomesOneReplacement) {
    const char16_t R = 0xFFFD;
    const struct {
        const char* bytes;
        std::u16string wide;
    } cases[] = {
        {"\xC0\xAF", {R, R}},          // overlong '/': a lead that is never valid
        {"x\xE0\x80\xAF", {u'x', R}},  // overlong three-byte form
        {"\xED\xA0\x80", {R}},         // a high surrogate encoded
        {"\xF4\x90\x80\x80", {R}},     // past U+10FFFF
        {"\xE6\x97z", {R, u'z'}},      // cut before a character, which survives
        {"\x80z", {R, u'z'}},          // a stray continuation byte
    };
    for (const auto& c : cases) {
        std::u16string out;
        EXPECT_FALSE(Utf8ToUtf16(c.bytes, out)) << c.bytes;
        EXPECT_EQ(out, c.wide) << c.bytes;
    }
    std::string out;
    EXPECT_FALSE(Utf16ToUtf8(std::u16string{u'a', 0xD83D}, out));  // a high surrogate left alone
    EXPECT_EQ(out, "a\xEF\xBF\xBD");
    EXPECT_FALSE(Utf16ToUtf8(std::u16string{0xDE00, u'b'}, out));  // a low one without its pair
    EXPECT_EQ(out,
              "\xEF\xBF\xBD"
              "b");
}

// The native build's code page: 0x81..0x9F lead a pair, 0x80 stands for nothing,
// 0xA0..0xFF are Latin-1 (see CodePage_posix.cpp).
TEST(Unicode, CodePageStringsBecomeNamesAndGoBackByteForByteDamagedOnesIncluded) {
    const std::string cases[] = {
        "C:\\Z\xFCrich.jpg",
        "C:\\\x81\x5C\\x.jpg",  // a pair whose trail byte is a backslash
        "C:\\\x80.jpg",         // a byte for no character
        "C:\\\x81",             // a lead byte cut by the end
        "C:\\\x81\x0Ax",        // a lead byte before a byte that cannot trail
        "\x81\x80\x81\x81\x40",
    };
    for (const std::string& ansi : cases) {
        const std::string name = AnsiToName(ansi);
        std::string back;
        EXPECT_TRUE(NameToAnsi(name, back)) << ansi;
        EXPECT_EQ(back, ansi);
    }
    EXPECT_EQ(AnsiToName("Z\xFCrich"), "Z\xC3\xBCrich");
    EXPECT_EQ(AnsiToName("\x81\x5C"), "\xE4\xB9\x9C");                  // U+4E5C: one character, no backslash
    EXPECT_EQ(AnsiToName("a\x80"), "a\xED\xB2\x80");                    // held as the escape U+DC80
    EXPECT_EQ(AnsiToName("\x80\x81\x5C"), "\xED\xB2\x80\xE4\xB9\x9C");  // a damaged string keeps its pairs
}

}  // namespace
