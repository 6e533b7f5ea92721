// Loading stays fast and linear: a large real file well under the budget, and hostile
// files at the size limit within a fixed time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "base/File.h"
#include "lang/LanguageManager.h"

namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

double MillisecondsToLoad(CLanguageManager& mgr, const std::string& path, int runs) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(mgr.LoadLanguage(path));
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

TEST(LanguageLoadTimeTest, OneMebibyteFileLoadsWithinFiftyMilliseconds) {
    std::string text = "; generated\r\n[info]\r\nlang name=Big\r\nauthor=a\r\nversion=1\r\nvm ver=1.10\r\n";
    for (int s = 0; text.size() < (1u << 20); ++s) {
        text += "[Section " + std::to_string(s) + "]\r\n;font name=Arial\r\n;font size=10\r\n;font weight=700\r\n";
        for (int k = 0; k < 40; ++k) {
            text += "Key Number " + std::to_string(k) + "=A value with some words in it \\n and an escape\r\n";
            if (k % 10 == 0) text += "; a comment line\r\n";
        }
    }
    text.resize(1u << 20);
    text += "\r\n";
    // The process id keeps two test runs on one machine off each other's file.
    std::string path = ::testing::TempDir() + "velum_big_" + std::to_string(getpid()) + ".lng";
    ASSERT_TRUE(WriteFileReplacing(path, text));

    CLanguageManager mgr;
    double ms = MillisecondsToLoad(mgr, path, 5);
    std::printf("loading a %zu-byte language file: %.2f ms (best of 5)\n", text.size(), ms);
    std::string value;
    ASSERT_TRUE(mgr.GetString("section 100", "KEY NUMBER 39", value));
    EXPECT_EQ(value, "A value with some words in it \n and an escape");
    CLangFont font;
    EXPECT_TRUE(mgr.GetFont("Section 7", font));
    if (!kSanitized) {
        EXPECT_LT(ms, 50.0);
    }
    std::remove(path.c_str());
}

TEST(LanguageLoadTimeTest, HostileFilesAtTheSizeLimitFinishQuickly) {
    const size_t size = kMaxLanguageFileBytes - 64;
    auto repeat = [size](const std::string& unit) {
        std::string s = "[info]\n";
        while (s.size() + unit.size() < size) s += unit;
        return s;
    };
    const std::string files[] = {
        repeat("[a]\n;"),                                            // a font line begun after every header
        repeat("[s]\n;font name=x\n;font size=1\n;"),                // font lines read and read again
        "[info]\n[s]\n;" + std::string(size, ';') + "\nk=v\n",       // one comment run after another
        "[info]\n[s]\n;font name=" + std::string(size, '[') + "\n",  // a value full of '['
        repeat("x"),                                                 // one endless key
        repeat("[[[[]"),                                             // headers in headers
        repeat("k=v;"),                                              // the same key again and again
        std::string(size, '\x80'),                                   // nothing but high bytes
    };
    for (const std::string& bytes : files) {
        CLanguageManager mgr;
        auto start = std::chrono::steady_clock::now();
        mgr.LoadLanguageFromBytes(bytes, "hostile.lng");
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took.count(), kSanitized ? 5000.0 : 1000.0) << bytes.substr(0, 40);
    }
}

}  // namespace
