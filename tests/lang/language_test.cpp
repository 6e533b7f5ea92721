#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/File.h"
#include "base/StringUtil.h"
#include "lang/LangReader.h"
#include "lang/LanguageMenu.h"
#include "lang/LanguageManager.h"
#include "tests/support/TraceCapture.h"

namespace {

const char kInfo[] = "[info]\r\nlang name=Test\r\nauthor=A\r\nversion=1\r\nvm ver=1.10\r\n";

// A manager loaded from text; the trace is kept quiet.
class LangTest : public ::testing::Test {
protected:
    bool Load(const std::string& body, const std::string& path = "t.lng") {
        return m_mgr.LoadLanguageFromBytes(kInfo + body, path);
    }
    std::string Get(const std::string& section, const std::string& key) {
        std::string text = "<missing>";
        m_mgr.GetString(section, key, text);
        return text;
    }

    TraceCapture m_quiet;
    CLanguageManager m_mgr;
};

TEST_F(LangTest, KeysAndValuesFollowTheByteRules) {
    ASSERT_TRUE(
        Load("[Menu]\r\n"
             "  EXIT  =  Quit now  \r\n"   // blanks trimmed, key case ignored
             "v1=one; tail\r\nv2=two\r\n"  // ';' ends the value, the rest starts a key
             "last=no line end"));
    EXPECT_EQ(Get("menu", "Exit"), "Quit now");
    EXPECT_EQ(Get("Menu", "v1"), "one");
    EXPECT_EQ(Get("Menu", "tailv2"), "two");
    EXPECT_EQ(Get("Menu", "v2"), "<missing>");
    EXPECT_EQ(Get("Menu", "last"), "no line end");
}

TEST_F(LangTest, EscapesAreProcessedOnLookup) {
    ASSERT_TRUE(
        Load("[S]\r\n"
             "nl=a\\nb\r\n"
             "trail=a\\tb\\\r\n"  // a single backslash at the end stays, the rest is processed
             "pair=a\\\\\r\n"     // an escaped backslash at the end is one backslash
             "three=a\\\\\\\r\n"));
    EXPECT_EQ(Get("S", "nl"), "a\nb");
    EXPECT_EQ(Get("S", "trail"), "a\tb\\");
    EXPECT_EQ(Get("S", "pair"), "a\\");
    EXPECT_EQ(Get("S", "three"), "a\\\\");
}

// Code page 932's lead bytes, and a system whose ANSI code page can be chosen.
class FakeCodePages : public ITextCodePages {
public:
    unsigned ansi = 1252;
    unsigned AnsiCodePage() const override { return ansi; }
    bool IsLeadByte(unsigned codePage, unsigned char c) const override {
        return (codePage ? codePage : ansi) == 932 && ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC));
    }
};

TEST(LangCodePageTest, EscapesStepOverDoubleByteCharacters) {
    TraceCapture quiet;
    FakeCodePages codePages;
    CLanguageManager mgr(nullptr, &codePages);
    // "\x94\x5C" is one character; the backslash after it starts an escape.
    const std::string body =
        "[S]\r\n"
        "nl=\x94\x5C\\n\r\n"
        "trail=\x94\x5Cn\r\n"
        "end=a\\t\x81\r\n";  // damaged: a lead byte with nothing after it
    auto get = [&mgr](const char* key) {
        std::string text = "<missing>";
        mgr.GetString("S", key, text);
        return text;
    };
    ASSERT_TRUE(mgr.LoadLanguageFromBytes("[info]\r\nlang name=J\r\ncodepage=932\r\n" + body, "j.lng"));
    EXPECT_EQ(get("nl"), "\x94\x5C\n");
    EXPECT_EQ(get("trail"), "\x94\x5Cn");
    EXPECT_EQ(get("end"), "a\t\x81");

    // Without "codepage" the file is in the system's code page, byte by byte on 1252.
    ASSERT_TRUE(mgr.LoadLanguageFromBytes("[info]\r\nlang name=J\r\n" + body, "j.lng"));
    EXPECT_EQ(get("nl"), "\x94\\n");
    codePages.ansi = 932;
    EXPECT_EQ(get("nl"), "\x94\x5C\n");
}

TEST_F(LangTest, FontLinesDirectlyAfterTheHeaderOnly) {
    struct Case {
        const char* body;
        const char* name;  // nullptr: no font
        int size, weight;
    } cases[] = {
        {"[S]\r\n;Font Name=Tahoma\r\n;font size=9\r\nk=v\r\n", "Tahoma", 9, 400},
        {"[S]\n  ;font name = Tahoma \n;font size= 9\n;font weight=700\nk=v\n", "Tahoma", 9, 700},
        {"[S]\r\n;font name=A\r\n;font size=99999999999999999999\r\nk=v\r\n", "A", 2147483647, 400},
        {"[S]\r\n;font name=Tahoma\r\n;Font Size=9\r\nk=v\r\n", nullptr, 0, 0},  // only the name ignores case
        {"[S]\r\nk=v\r\n;font name=Tahoma\r\n;font size=9\r\n", nullptr, 0, 0},
        {"[S]\r\n;font name=Tahoma\r\n;font size=-12x\r\n;font weight= +700.5\r\nk=v\r\n", nullptr, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        ASSERT_TRUE(Load(c.body));
        EXPECT_EQ(Get("S", "k"), "v");                  // font lines never swallow the entries after them
        EXPECT_EQ(Get("S", "font name"), "<missing>");  // rejected ones are read again as comments
        CLangFont font;
        font.m_strName = "unchanged";
        ASSERT_EQ(m_mgr.GetFont("s", font), c.name != nullptr);
        EXPECT_EQ(font.m_strName, c.name ? c.name : "unchanged");
        if (c.name) {
            EXPECT_EQ(font.m_nSize, c.size);
            EXPECT_EQ(font.m_nWeight, c.weight);
        }
    }
}

// A directory search that serves prepared names, like the platform's would.
class FakeFolder : public ILanguageFolder {
public:
    std::vector<std::string> matches;
    void FindMatches(const std::string&, std::vector<std::string>& paths) override { paths = matches; }
    int CompareNames(const std::string& a, const std::string& b) override {
        return AsciiLower(a).compare(AsciiLower(b));
    }
};

std::string TempDir(const std::string& name) {
    // The process id keeps two test runs on one machine out of each other's folders.
    std::string dir = ::testing::TempDir() + "velum_lang_" + name + "_" + std::to_string(getpid());
    std::string cmd = "rm -rf '" + dir + "' && mkdir -p '" + dir + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    return dir;
}

TEST_F(LangTest, CatalogueThroughTheSearchSeam) {
    FakeFolder folder;
    CLanguageManager mgr(&folder);
    std::string dir = TempDir("seam");
    ASSERT_TRUE(WriteFileReplacing(dir + "/b.lng", "[info]\r\nlang name=B\r\nauthor=Me\r\n"));
    ASSERT_TRUE(WriteFileReplacing(dir + "/noinfo.lng", "[x]\r\n"));
    folder.matches = {dir + "/b.lng", dir + "/noinfo.lng", dir + "/gone.lng"};
    ASSERT_TRUE(mgr.EnumLanguages("C:\\Velum\\language\\", "vm*.lng"));
    ASSERT_EQ(mgr.GetCatalogue().size(), 1u);
    EXPECT_EQ(mgr.GetCatalogue()[0].m_strPath, dir + "/b.lng");
    // The stored path may differ from the catalogue's in letter case only.
    ASSERT_TRUE(mgr.LoadLanguageFromBytes("[info]\r\n", AsciiUpper(dir) + "/B.LNG"));
    EXPECT_EQ(mgr.GetCurrentIndex(), 0);
}

TEST(LanguageMenuTest, ItemsFollowTheCatalogueAndSwitchTheLanguage) {
    FakeFolder folder;
    CLanguageManager mgr(&folder);
    EXPECT_TRUE(BuildLanguageMenuItems(mgr).empty());

    std::string dir = TempDir("menu");
    for (int i = 0; i < 1003; ++i) {
        std::string path = dir + "/vm" + std::to_string(i) + ".lng";
        char body[40];  // names that sort as the files are numbered
        std::snprintf(body, sizeof body, "[info]\r\nlang name=L%04d\r\n", i);
        FILE* f = std::fopen(path.c_str(), "wb");  // plain writes: a thousand synced files take long
        ASSERT_TRUE(f);
        std::fputs(body, f);
        std::fclose(f);
        folder.matches.push_back(path);
    }
    ASSERT_TRUE(mgr.EnumLanguages("x", "vm*.lng"));
    ASSERT_EQ(mgr.GetCatalogue().size(), 1003u);

    std::string stored = "settings path";
    EXPECT_FALSE(SwitchLanguageByCommand(mgr, 38000 + 1001, stored));  // beyond the range
    EXPECT_EQ(stored, "settings path");                                // nothing current yet
    ASSERT_TRUE(SwitchLanguageByCommand(mgr, 38002, stored));
    EXPECT_EQ(stored, dir + "/vm2.lng");

    std::vector<LanguageMenuItem> items = BuildLanguageMenuItems(mgr);
    ASSERT_EQ(items.size(), 1001u);
    EXPECT_EQ(items.back().id, 39000u);
    EXPECT_TRUE(items[2].checked);

    ASSERT_TRUE(SwitchLanguageByCommand(mgr, 39000, stored));
    EXPECT_EQ(stored, dir + "/vm1000.lng");
}

TEST(LanguageMenuTest, ALanguageInAnotherCodePageIsDisabled) {
    FakeFolder folder;
    FakeCodePages codePages;
    CLanguageManager mgr(&folder, &codePages);
    std::string dir = TempDir("codepage");
    const char* const bodies[] = {"lang name=A\r\ncodepage=932", "lang name=B", "lang name=C\r\ncodepage=1252"};
    for (const char* body : bodies) {
        folder.matches.push_back(dir + "/vm" + std::to_string(folder.matches.size()) + ".lng");
        ASSERT_TRUE(WriteFileReplacing(folder.matches.back(), std::string("[info]\r\n") + body + "\r\n"));
    }
    ASSERT_TRUE(mgr.EnumLanguages("x", "vm*.lng"));
    auto enabled = [&mgr] {
        std::string flags;
        for (const LanguageMenuItem& item : BuildLanguageMenuItems(mgr)) flags += item.enabled ? '+' : '-';
        return flags;
    };
    EXPECT_EQ(enabled(), "-++");
    codePages.ansi = 932;
    EXPECT_EQ(enabled(), "++-");
}

}  // namespace
