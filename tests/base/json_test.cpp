#include <gtest/gtest.h>

#include "base/Json.h"
#include "base/Unicode.h"

namespace {

TEST(Json, BytesOutsidePrintableAsciiRoundTripAsU00XX) {
    std::string all;
    for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
    const std::string quoted = JsonQuote(all);
    EXPECT_NE(quoted.find("\\u0000"), std::string::npos);
    EXPECT_NE(quoted.find("\\u00FF"), std::string::npos);
    EXPECT_NE(quoted.find("\\\""), std::string::npos);
    EXPECT_NE(quoted.find("\\\\"), std::string::npos);
    EXPECT_NE(quoted.find(" !"), std::string::npos);
    JsonValue v;
    ASSERT_TRUE(ParseJson(quoted, v));
    EXPECT_EQ(v.text, all);
}

TEST(Json, ParsesNestedDocumentsAndKeepsKeyOrder) {
    JsonValue v;
    ASSERT_TRUE(ParseJson(" {\"b\": [1, -2, 3.5e1], \"a\": {\"x\": true, \"y\": null}, \"s\": \"\\n\\u00e4\"} ", v));
    ASSERT_EQ(v.members.size(), 3u);
    EXPECT_EQ(v.members[0].first, "b");
    EXPECT_EQ(v.Find("b")->items[1].AsInt(), -2);
    EXPECT_EQ(v.Find("b")->items[2].AsInt(), 35);
    EXPECT_TRUE(v.Find("a")->Find("x")->boolean);
    EXPECT_EQ(v.Find("s")->text, "\n\xE4");
}

TEST(Json, RejectsBrokenInputWithoutCrashing) {
    const char* bad[] = {"", "[1,", "{\"a\" 1}", "\"abc", "[1] x", "{\"a\":\"\\u12\"}", "{\"a\":1,}"};
    for (const char* text : bad) {
        JsonValue v;
        std::string error;
        EXPECT_FALSE(ParseJson(text, v, &error)) << text;
        EXPECT_FALSE(error.empty());
    }
    JsonValue v;
    EXPECT_FALSE(ParseJson(std::string(100000, '['), v));
}

TEST(Json, WriterSeparatesMembersAndElements) {
    JsonWriter w;
    w.BeginObject()
        .Key("a")
        .Value(1)
        .Key("b")
        .BeginArray()
        .Value("x")
        .Value(2)
        .EndArray()
        .Key("c")
        .BeginObject()
        .EndObject()
        .EndObject();
    EXPECT_EQ(w.Str(), "{\"a\":1,\"b\":[\"x\",2],\"c\":{}}");
}

}  // namespace

// A name with a form in the code page is a plain string; any other is {"unicode": ...}.
TEST(Json, NamesOutsideTheCodePageAreUnicodeObjectsAndReadBackTheSame) {
    EXPECT_EQ(JsonName("Z\xC3\xBCrich"), "\"Z\\u00FCrich\"");
    const std::string name = "\"\xCE\xA9\xF0\x9F\x98\x80\xED\xB2\x80";  // a quote, omega, U+1F600, an escaped byte
    const std::string json = JsonName(name);
    EXPECT_EQ(json, "{\"unicode\":\"\\\"\\u03A9\\uD83D\\uDE00\\uDC80\"}");
    JsonValue v;
    ASSERT_TRUE(ParseJson("[" + json + ",\"Z\\u00FCrich\",{\"unicode\":\"\xCE\xA9\\u00fc\"},{\"unicode\":1},{}]", v));
    std::string back;
    ASSERT_TRUE(v.items[0].AsName(back));
    EXPECT_EQ(back, name);
    ASSERT_TRUE(v.items[1].AsName(back));
    EXPECT_EQ(back, "Z\xC3\xBCrich");
    ASSERT_TRUE(v.items[2].AsName(back));  // raw UTF-8 and escapes mixed
    EXPECT_EQ(back, "\xCE\xA9\xC3\xBC");
    EXPECT_FALSE(v.items[3].AsName(back));
    EXPECT_FALSE(v.items[4].AsName(back));
}
