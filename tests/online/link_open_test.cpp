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

TEST(BrowserCommandLine, LineWithoutPlaceholderIsKeptWhole) {
    EXPECT_EQ(BrowserCommandLine("b.exe -url", "http://a.example/"), "b.exe -url http://a.example/");
    EXPECT_EQ(BrowserCommandLine("", "u"), " u");
    // A lone '%' or "%2" is no placeholder.
    EXPECT_EQ(BrowserCommandLine("b.exe %2 %", "u"), "b.exe %2 % u");
}

TEST(HyperLinkErrorMessage, KnownCodesAndTheUnknownRest) {
    EXPECT_EQ(HyperLinkErrorMessage(1), "Unable to open hyperlink:\n\nUnknown Error (1) occurred.");
    EXPECT_EQ(HyperLinkErrorMessage(-5), "Unable to open hyperlink:\n\nUnknown Error (-5) occurred.");
}

}  // namespace
