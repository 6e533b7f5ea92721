// What the open and save dialogs are given and what comes back from them.
#include "ui/core/FileChoice.h"

#include <gtest/gtest.h>

namespace {

bool ShiftJisLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::string Zeros(std::initializer_list<const char*> parts) {
    std::string s;
    for (const char* p : parts) s.append(p).push_back('\0');
    s.push_back('\0');
    return s;
}

TEST(FileChoice, FilterBarsBecomeZerosButNotInsideADoubleByteCharacter) {
    EXPECT_EQ(DialogFilter("Image List File( *.iml )|*.iml||", ShiftJisLead),
              std::string("Image List File( *.iml )\0*.iml\0\0", 32));
    // 0x7C is also a possible second byte of a double-byte character.
    EXPECT_EQ(DialogFilter("\x83\x7C|*.jpg|", ShiftJisLead), std::string("\x83\x7C\0*.jpg\0", 9));
}

TEST(FileChoice, OnePathOrAFolderWithItsNamesInTheirOrder) {
    EXPECT_EQ(ChosenPaths(Zeros({"C:\\Pictures\\sea.jpg"})), (std::vector<std::string>{"C:\\Pictures\\sea.jpg"}));
    EXPECT_EQ(ChosenPaths(Zeros({"C:\\Pictures", "c.jpg", "a.jpg", "b.gif"})),
              (std::vector<std::string>{"C:\\Pictures\\c.jpg", "C:\\Pictures\\a.jpg", "C:\\Pictures\\b.gif"}));
    EXPECT_EQ(ChosenPaths(Zeros({"C:\\", "a.jpg", "b.jpg"})), (std::vector<std::string>{"C:\\a.jpg", "C:\\b.jpg"}));
    EXPECT_EQ(ChosenPaths(Zeros({"C:\\x", "D:\\y\\a.jpg", "\\\\nas\\b.jpg", "c.jpg"})),
              (std::vector<std::string>{"D:\\y\\a.jpg", "\\\\nas\\b.jpg", "C:\\x\\c.jpg"}));
    EXPECT_TRUE(ChosenPaths(std::string(2, '\0')).empty());
    // Without its closing zeros (a full buffer) the names still come back whole.
    EXPECT_EQ(ChosenPaths(std::string("C:\\x\0a.jpg\0b.jpg", 16)).back(), "C:\\x\\b.jpg");
}

}  // namespace
