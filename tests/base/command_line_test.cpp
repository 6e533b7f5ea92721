#include <gtest/gtest.h>

#include "base/CommandLine.h"

namespace {

TEST(CommandLine, SwitchesAreFoundInTheArgumentsOnlyAndInAnyCase) {
    EXPECT_TRUE(HasSwitchIn("\"C:\\Program Files\\Velum\\velum.exe\" -r", "-r"));
    EXPECT_TRUE(HasSwitchIn("velum.exe -R", "-r"));
    EXPECT_TRUE(HasSwitchIn("velum.exe /x -U", "-u"));
    EXPECT_TRUE(HasSwitchIn("\"C:\\v.exe\"-r", "-r"));
    // A folder of the program's own path is not a switch.
    EXPECT_FALSE(HasSwitchIn("\"C:\\X-Ray\\velum.exe\"", "-r"));
    EXPECT_FALSE(HasSwitchIn("C:\\my-utils\\velum.exe", "-u"));
    EXPECT_FALSE(HasSwitchIn("\"C:\\my-utils\\velum.exe\" -r", "-u"));
    EXPECT_FALSE(HasSwitchIn("", "-r"));
    EXPECT_FALSE(HasSwitchIn("   ", "-r"));
    // An unterminated quote leaves no arguments rather than reading the path as one.
    EXPECT_FALSE(HasSwitchIn("\"C:\\a-r\\velum.exe -r", "-r"));
}

TEST(CommandLine, ArgumentsFollowTheProgramName) {
    EXPECT_EQ(CommandLineArguments("  velum.exe   -r"), "   -r");
    EXPECT_EQ(CommandLineArguments("\"C:\\a b\\velum.exe\" -u x"), " -u x");
    EXPECT_EQ(CommandLineArguments("velum.exe"), "");
    EXPECT_EQ(CommandLineArguments("\tvelum.exe\t-r"), "\t-r");
}

}  // namespace
