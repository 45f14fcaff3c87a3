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

// The conversion skips plain ASCII a word at a time: a high byte at any place
// within or after such a word must still be converted, byte for byte as one
// at a time would.
TEST(CodePage, HighBytesAnywhereInLongAsciiRunsAreConverted) {
    for (std::size_t length = 0; length < 40; ++length)
        for (std::size_t at = 0; at <= length; ++at) {
            std::string text(length, 'a');
            std::string expected(length, 'a');
            if (at < length) {
                text[at] = '\xE9';
                expected.replace(at, 1, "\u00E9");
            }
            ASSERT_EQ(Cp1252ToUtf8(text), expected) << length << " " << at;
        }
}
