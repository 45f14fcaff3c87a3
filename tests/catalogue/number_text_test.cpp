#include "errors.h"
#include "number_text.h"

#include <gtest/gtest.h>

using namespace vd;

class NumberText : public ::testing::Test {
  protected:
    void TearDown() override { SetDecimalSeparator('.'); }
};

TEST_F(NumberText, StrToFloatDotReadsAPointUnderEitherSeparator) {
    SetDecimalSeparator('.');
    EXPECT_DOUBLE_EQ(StrToFloatDot("1.5"), 1.5);
    SetDecimalSeparator(',');
    EXPECT_DOUBLE_EQ(StrToFloatDot("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloatDot("1,5"), 1.5);
}

TEST_F(NumberText, StrToFloatDotRaisesTheConversionErrorWithItsText) {
    SetDecimalSeparator('.');
    try {
        StrToFloatDot("1,5");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1,5' is not a valid floating point value");
    }
    SetDecimalSeparator(',');
    // 1.000,5 becomes 1,000,5: two separators.
    EXPECT_THROW(StrToFloatDot("1.000,5"), ConversionError);
    EXPECT_THROW(StrToFloatDot(""), ConversionError);
}

TEST_F(NumberText, StrToFloatDotIsZeroUnderAnyOtherSeparator) {
    SetDecimalSeparator('/');
    EXPECT_EQ(StrToFloatDot("1.5"), 0.0);
    EXPECT_EQ(StrToFloatDot("garbage"), 0.0);
}

TEST_F(NumberText, ParseDecimalAcceptsOnlyWholeNumbers) {
    EXPECT_EQ(*ParseDecimal(" -2.5e2 ", '.'), -250.0L);
    EXPECT_EQ(*ParseDecimal("+.5", '.'), 0.5L);
    EXPECT_EQ(*ParseDecimal("7.", '.'), 7.0L);
    for (const char* bad : {"", ".", "1.2.3", "1e", "nan", "inf", "0x10", "1 000", "12abc"})
        EXPECT_FALSE(ParseDecimal(bad, '.')) << bad;
}

TEST_F(NumberText, FixedFormatRoundsTheExactBinaryValueTiesToEven) {
    EXPECT_EQ(FormatFixedDot(0.5L, 0), "0");
    EXPECT_EQ(FormatFixedDot(1.5L, 0), "2");
    EXPECT_EQ(FormatFixedDot(2.5L, 0), "2");
    // 0.125 is exact in binary: a true tie, to even.
    EXPECT_EQ(FormatFixedDot(0.125L, 2), "0.12");
    // 2.675f is below 2.675 in binary: rounds down although the text looks like a tie.
    EXPECT_EQ(FormatFixedDot(2.675f, 2), "2.67");
    EXPECT_EQ(FormatFixedDot(-0.3L, 0), "-0");
}

TEST_F(NumberText, FixedFormatUsesTheSystemSeparator) {
    SetDecimalSeparator(',');
    EXPECT_EQ(FormatFixed(1.25L, 1), "1,2");
    EXPECT_EQ(DecimalSepText(), ",");
}

TEST_F(NumberText, IntegersMustBeWholeTexts) {
    EXPECT_EQ(*ParseInteger(" 42 "), 42);
    EXPECT_FALSE(ParseInteger("4 2"));
    EXPECT_FALSE(ParseInteger(""));
    EXPECT_FALSE(ParseInteger("99999999999999999999"));
}
