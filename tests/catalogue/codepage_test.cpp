#include "codepage.h"

#include <gtest/gtest.h>

using namespace vd;

TEST(CodePage, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(CodePage, HighRangeUsesTheWindowsTableNotLatin1) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\u0178");
    EXPECT_EQ(Cp1252ToUtf8("\xE5\xE4\xF6"), "åäö");
    EXPECT_EQ(Utf8ToCp1252("€ Œ ™"), "\x80 \x8C \x99");
}

TEST(CodePage, UnmappableCharactersBecomeTheReplacement) {
    EXPECT_EQ(Utf8ToCp1252("a\u4E2Db"), "a?b");
    EXPECT_EQ(Utf8ToCp1252("\xFF"), "\xFF"); // stray byte taken as Latin-1
}
