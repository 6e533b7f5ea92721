#include <gtest/gtest.h>

#include "online/LinkOpen.h"

namespace {

TEST(BrowserCommandLine, PlaceholderIsReplacedByTheAddress) {
    // Quoted placeholder: the cut starts at the opening quote.
    EXPECT_EQ(BrowserCommandLine("\"C:\\Program Files\\Web\\browser.exe\" -nohome \"%1\"", "http://a.example/"),
              "\"C:\\Program Files\\Web\\browser.exe\" -nohome  http://a.example/");
    EXPECT_EQ(BrowserCommandLine("browser.exe %1", "http://a.example/"), "browser.exe  http://a.example/");
    // A quoted %1 is preferred even when a bare one comes first.
    EXPECT_EQ(BrowserCommandLine("b.exe -x%1 \"%1\"", "u"), "b.exe -x%1  u");
    // Everything after the placeholder goes.
    EXPECT_EQ(BrowserCommandLine("b.exe %1 -new-window", "u"), "b.exe  u");
}

}  // namespace
