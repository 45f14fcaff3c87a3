// The numeric entry's calculator: its arithmetic, keys and display, without a window.
#include "calculator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using vd::Calculator;

// Presses the keys of `keys` as the popup's buttons would: digits, the
// separator of the calculator, + - * / =, C (clear), B (backspace), N (negate).
void Press(Calculator& c, const std::string& keys, char sep = '.') {
    for (char k : keys) {
        if (k >= '0' && k <= '9')
            c.Digit(k - '0');
        else if (k == sep)
            c.Point();
        else if (k == '=')
            c.Equals();
        else if (k == 'C')
            c.Clear();
        else if (k == 'B')
            c.Backspace();
        else if (k == 'N')
            c.Negate();
        else
            c.Operator(k);
    }
}

TEST(Calculator, ChainsOperationsLeftToRightAndStartsFromTheEntrysValue) {
    Calculator c;
    c.SetValue(2.5L);
    EXPECT_EQ(c.Display(), "2.5");
    Press(c, "*4+1=");
    EXPECT_EQ(c.Display(), "11");
    Press(c, "/4=");
    EXPECT_EQ(c.Display(), "2.75");
    Press(c, "-3=");
    EXPECT_EQ(c.Display(), "-0.25");
    EXPECT_EQ(c.Value(), -0.25L);
}

TEST(Calculator, DivisionByZeroShowsErrorUntilTheNextKey) {
    Calculator c;
    Press(c, "7/0=");
    EXPECT_EQ(c.Display(), "Error");
    EXPECT_TRUE(c.HasError());
    EXPECT_EQ(c.Value(), 0);
    Press(c, "+N="); // operators and negate do nothing on an error
    EXPECT_EQ(c.Display(), "Error");
    Press(c, "5"); // a digit starts afresh
    EXPECT_FALSE(c.HasError());
    EXPECT_EQ(c.Display(), "5");
    Press(c, "/0=B"); // backspace clears an error too
    EXPECT_EQ(c.Display(), "0");
    EXPECT_FALSE(c.HasError());
}

TEST(Calculator, BackspaceEditsOnlyTheNumberBeingTyped) {
    Calculator c;
    Press(c, "12.5B");
    EXPECT_EQ(c.Display(), "12.");
    Press(c, "BBB");
    EXPECT_EQ(c.Display(), "0");
    Press(c, "4N");
    EXPECT_EQ(c.Display(), "-4");
    Press(c, "B");
    EXPECT_EQ(c.Display(), "0"); // not a lone "-"
    Press(c, "6*2=B");
    EXPECT_EQ(c.Display(), "12"); // a result is not edited
}

TEST(Calculator, NegateTogglesTheSignButNotOfZero) {
    Calculator c;
    Press(c, "N");
    EXPECT_EQ(c.Display(), "0");
    Press(c, "3.5N");
    EXPECT_EQ(c.Display(), "-3.5");
    Press(c, "N");
    EXPECT_EQ(c.Display(), "3.5");
    Press(c, "N+1=");
    EXPECT_EQ(c.Display(), "-2.5");
}

TEST(Calculator, TypingKeepsOneSeparatorAndNoLeadingZeros) {
    Calculator c(',');
    Press(c, "007,,5,2", ',');
    EXPECT_EQ(c.Display(), "7,52");
    EXPECT_EQ(c.Value(), 7.52L);
    Press(c, "C0,0", ',');
    EXPECT_EQ(c.Display(), "0,0");
}

TEST(Calculator, FormatsWithTheSeparatorAndWithoutExponentOrTrailingZeros) {
    EXPECT_EQ(Calculator::Format(0.5L, ','), "0,5");
    EXPECT_EQ(Calculator::Format(-0.0L, '.'), "0");
    EXPECT_EQ(Calculator::Format(1.0L / 3, '.'), "0.333333333333333");
    EXPECT_EQ(Calculator::Format(2500, '.'), "2500");
    // What the entry takes back must be a number it can read: no "1e+16".
    EXPECT_EQ(Calculator::Format(1e16L, '.'), "10000000000000000");
    EXPECT_EQ(Calculator::Format(0.00001L, '.'), "0.00001");
    EXPECT_EQ(Calculator::Format(-123456.789L, '.'), "-123456.789");
}

TEST(Calculator, ALargeResultKeepsItsValue) {
    Calculator c;
    Press(c, "99999999*99999999=");
    EXPECT_EQ(c.Display(), "9999999800000001");
    EXPECT_EQ(c.Value(), 9999999800000001.0L);
    EXPECT_FALSE(c.HasError());
}

} // namespace
