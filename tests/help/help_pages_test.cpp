// The help page on language files is generated from the program's list of keys at build
// time; these hold the generated page to that list and to the English file.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>

#include "base/File.h"
#include "lang/LangKeys.h"
#include "lang/LanguageManager.h"

namespace {

std::string HtmlText(std::string s) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
    for (const auto& e : entities) {
        for (size_t at = s.find(e.first); at != std::string::npos; at = s.find(e.first, at + 1))
            s.replace(at, std::string(e.first).size(), e.second);
    }
    return s;
}

// The escapes a language file may hold, as the language manager turns them into text.
std::string Unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            char c = s[i + 1];
            if (c == 'n' || c == 't' || c == '\\') {
                out += c == 'n' ? '\n' : c == 't' ? '\t' : '\\';
                ++i;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

// (section, key) -> English text, as the page lists them.
std::map<std::pair<std::string, std::string>, std::string> PageRows(const std::string& page, int& duplicates) {
    std::map<std::pair<std::string, std::string>, std::string> rows;
    std::regex token(R"(<h3>\[([^\]]*)\]</h3>|<tr><td><code>([^<]*)</code></td><td>(.*)</td></tr>)");
    std::string section;
    duplicates = 0;
    for (std::sregex_iterator it(page.begin(), page.end(), token), end; it != end; ++it) {
        if ((*it)[1].matched) {
            section = HtmlText((*it)[1]);
            continue;
        }
        auto key = std::make_pair(section, HtmlText((*it)[2]));
        if (rows.count(key)) ++duplicates;
        rows[key] = HtmlText((*it)[3]);
    }
    return rows;
}

TEST(HelpLanguagePage, ListsExactlyTheKeysTheProgramLooksUpWithTheirEnglishText) {
    std::string page;
    ASSERT_EQ(ReadFileBytes(VELUM_HELP_LANGUAGE_PAGE, page, 1 << 20), ReadResult::Ok);
    int duplicates = 0;
    auto rows = PageRows(page, duplicates);
    EXPECT_EQ(duplicates, 0);
    EXPECT_EQ(rows.size(), kProgramLangKeyCount);

    CLanguageManager english;
    ASSERT_TRUE(english.LoadLanguage(std::string(VELUM_SOURCE_DIR) + "/language/vmeng.lng"));
    std::set<std::pair<std::string, std::string>> listed;
    for (const LangKeyRef& ref : kProgramLangKeys) {
        SCOPED_TRACE(std::string(ref.section) + " / " + ref.key);
        auto key = std::make_pair(std::string(ref.section), std::string(ref.key));
        listed.insert(key);
        auto row = rows.find(key);
        if (row == rows.end()) {
            ADD_FAILURE() << "not on the page";
            continue;
        }
        std::string text;
        ASSERT_TRUE(english.GetString(ref.section, ref.key, text));
        EXPECT_EQ(Unescape(row->second), text);
    }
    for (const auto& row : rows) EXPECT_TRUE(listed.count(row.first)) << row.first.first << " / " << row.first.second;
}

}  // namespace
