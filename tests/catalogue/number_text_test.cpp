#include "errors.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <utility>

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

// Values a double cannot hold take our own conversion: it must give what the
// C library gives, for any magnitude, sign and number of decimals, and on
// exact ties.
TEST_F(NumberText, FixedFormatOfExtendedValuesMatchesTheCLibrary) {
    auto library = [](long double v, int decimals) {
        char buf[512];
        std::snprintf(buf, sizeof buf, "%.*Lf", decimals, v);
        return std::string(buf);
    };
    std::mt19937_64 rng(99);
    for (int n = 0; n < 200000; ++n) {
        const int exponent = static_cast<int>(rng() % 150) - 85; // 2^-85 .. 2^64
        long double v = std::ldexp(static_cast<long double>(rng() | (1ull << 63)), exponent - 64);
        if (rng() & 1)
            v = -v;
        const int decimals = static_cast<int>(rng() % 20);
        ASSERT_EQ(FormatFixedDot(v, decimals), library(v, decimals)) << n;
    }
    // Exact ties at the last decimal: K + 0.5 at none, K + 0.125 at two,
    // K + 0.0625 at three, with K too large for a double to hold the sum.
    for (int n = 0; n < 2000; ++n) {
        const long double k = static_cast<long double>((rng() >> 2) | (1ull << 56));
        for (auto [frac, decimals] : {std::pair{0.5L, 0}, {0.125L, 2}, {0.0625L, 3}}) {
            for (long double v : {k + frac, -(k + frac), k + 1 + frac}) {
                ASSERT_EQ(FormatFixedDot(v, decimals), library(v, decimals));
            }
        }
    }
}

// Extended values are taken apart from their bits: encodings the processor
// does not take as numbers (no integer bit) print as the C library prints them.
TEST_F(NumberText, FixedFormatOfInvalidExtendedEncodingsMatchesTheCLibrary) {
    if constexpr (std::numeric_limits<long double>::digits == 64) {
        for (std::uint16_t signAndExponent : {16383, 16383 + 62, 0x8000 | 16390})
            for (std::uint64_t mantissa : {std::uint64_t(1), std::uint64_t(1) << 62}) {
                long double v = 0;
                unsigned char raw[sizeof v] = {};
                std::memcpy(raw, &mantissa, 8);
                std::memcpy(raw + 8, &signAndExponent, 2);
                std::memcpy(&v, raw, sizeof v);
                char buf[64];
                std::snprintf(buf, sizeof buf, "%.2Lf", v);
                EXPECT_EQ(FormatFixedDot(v, 2), buf);
            }
    }
}

// Doubles (every float the catalogue holds) are taken apart from their bits:
// normal and subnormal values of every magnitude, zeros of both signs and
// exact ties must come out as the C library prints them.
TEST_F(NumberText, FixedFormatOfDoublesMatchesTheCLibrary) {
    auto library = [](double v, int decimals) {
        char buf[512];
        std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
        return std::string(buf);
    };
    std::mt19937_64 rng(5);
    for (int n = 0; n < 200000; ++n) {
        double v;
        if (n % 10 == 0) { // any bit pattern below 2^63, subnormals included
            v = std::bit_cast<double>(rng() & 0x43DFFFFFFFFFFFFFull);
        } else {
            const int exponent = static_cast<int>(rng() % 120) - 60; // 2^-60 .. 2^60
            v = std::ldexp(static_cast<double>(rng() >> 11), exponent - 53);
        }
        if (rng() & 1)
            v = -v;
        const int decimals = static_cast<int>(rng() % 19);
        ASSERT_EQ(FormatFixedDot(v, decimals), library(v, decimals)) << n << " " << v;
    }
    for (double v : {0.0, -0.0, 0x1p-1074, -0x1p-1074, 0x1.fffffffffffffp62, 0.5, 2.5, -2.5})
        for (int decimals : {0, 1, 3, 18})
            EXPECT_EQ(FormatFixedDot(v, decimals), library(v, decimals)) << v;
    for (int n = 0; n < 2000; ++n) {
        const double k = static_cast<double>(rng() >> 20);
        for (auto [frac, decimals] : {std::pair{0.5, 0}, {0.125, 2}, {0.0625, 3}})
            for (double v : {k + frac, -(k + frac), k + 1 + frac})
                ASSERT_EQ(FormatFixedDot(v, decimals), library(v, decimals)) << v;
    }
}

TEST_F(NumberText, FixedFormatUsesTheSystemSeparator) {
    SetDecimalSeparator(',');
    EXPECT_EQ(FormatFixed(1.25L, 1), "1,2");
    EXPECT_EQ(DecimalSepText(), ",");
    // Past what the exact conversion takes (2^63 and more, over 18 decimals)
    // the library's text is used, with the separator all the same.
    EXPECT_EQ(FormatFixed(0x1p64L, 1), "18446744073709551616,0");
    EXPECT_EQ(FormatFixed(0.5L, 19), "0,5000000000000000000");
    EXPECT_EQ(FormatFixed(-HUGE_VALL, 2), "-inf");
}

// Appending gives the formatted text after what the string held, on every
// path, with the separator asked for.
TEST_F(NumberText, AppendFixedAddsTheFormattedText) {
    std::mt19937_64 rng(17);
    for (int n = 0; n < 20000; ++n) {
        long double v =
            std::ldexp(static_cast<long double>(rng() >> 1), static_cast<int>(rng() % 140) - 100);
        if (rng() & 1)
            v = -v;
        const int decimals = static_cast<int>(rng() % 22);
        std::string text = FormatFixedDot(v, decimals);
        for (char& c : text)
            if (c == '.')
                c = ';';
        std::string out = "head";
        AppendFixed(out, v, decimals, ';');
        ASSERT_EQ(out, "head" + text) << n;
    }
    std::string out = "x";
    AppendFixed(out, std::nanl(""), 2, ',');
    EXPECT_EQ(out, "xnan");
}

TEST_F(NumberText, IntegersMustBeWholeTexts) {
    EXPECT_EQ(*ParseInteger(" 42 "), 42);
    EXPECT_FALSE(ParseInteger("4 2"));
    EXPECT_FALSE(ParseInteger(""));
    EXPECT_FALSE(ParseInteger("99999999999999999999"));
}
