#include "number_text.h"
#include "units.h"

#include <gtest/gtest.h>

using namespace vd;

TEST(Units, ConversionsUseTheFixedFactors) {
    EXPECT_EQ(*ToBaseUnit(VolumeUnits(), "cfm", 1), static_cast<float>(1.0L / 2118));
    EXPECT_EQ(*ToBaseUnit(VolumeUnits(), "m3/h", 3600), 1.0f);
    EXPECT_EQ(*ToBaseUnit(PressureUnits(), "inwg", 1), 250.0f);
    EXPECT_EQ(*ToBaseUnit(PressureUnits(), "mmwg", 1), 10.0f);
    EXPECT_EQ(*FromBaseUnit(PressureUnits(), "mmwg", 25), 2.5f);
    EXPECT_FALSE(ToBaseUnit(VolumeUnits(), "M3/S", 1)); // compared exactly
}

TEST(Units, DisplayFormatsFollowTheUnit) {
    SetDecimalSeparator('.');
    EXPECT_EQ(FormatInUnit(VolumeUnits(), "m3/s", 1.234f), "1.23");
    // 1.2345f is just below 1.2345: the exact value decides, not the decimal text.
    EXPECT_EQ(FormatInUnit(VolumeUnits(), "l/s", 1.2345f), "1234");
    EXPECT_EQ(FormatInUnit(VolumeUnits(), "l/s", 1.2346f), "1235");
    EXPECT_EQ(FormatInUnit(PressureUnits(), "mmwg", 123.0f), "12.3");
    EXPECT_EQ(FormatInUnit(PressureUnits(), "inwg", 250.0f), "1.00");
    EXPECT_EQ(FormatInUnit(PressureUnits(), "bar", 1.0f), "");
}
