#include <gtest/gtest.h>

#include "base/Json.h"
#include "base/Unicode.h"

namespace {

// The console tool reads documents a person wrote; a deep one must not exhaust the stack.
TEST(Json, DeepNestingIsRefused) {
    JsonValue v;
    std::string error;
    EXPECT_FALSE(ParseJson(std::string(100000, '['), v, &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace

// A name with a form in the code page is a plain string; any other is {"unicode": ...}.
TEST(Json, NamesOutsideTheCodePageAreUnicodeObjectsAndReadBackTheSame) {
    EXPECT_EQ(JsonName("Z\xC3\xBCrich"), "\"Z\\u00FCrich\"");
    const std::string name = "\"\xCE\xA9\xF0\x9F\x98\x80\xED\xB2\x80";  // a quote, omega, U+1F600, an escaped byte
    const std::string json = JsonName(name);
    EXPECT_EQ(json, "{\"unicode\":\"\\\"\\u03A9\\uD83D\\uDE00\\uDC80\"}");
    JsonValue v;
    ASSERT_TRUE(ParseJson("[" + json + ",\"Z\\u00FCrich\"]", v));
    std::string back;
    ASSERT_TRUE(v.items[0].AsName(back));
    EXPECT_EQ(back, name);
    ASSERT_TRUE(v.items[1].AsName(back));
    EXPECT_EQ(back, "Z\xC3\xBCrich");
}
