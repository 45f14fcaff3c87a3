#include "axis_scales.h"
#include "scale_variables.h"
#include "test_files.h"
#include "vd_variables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using vd::PowerLabels;
using vd::PressureLabels;
using vd::VolumeLabels;

// A tick label as a number: blanks around it, "k" for thousands.
double LabelValue(std::string s) {
    while (!s.empty() && s.front() == ' ')
        s.erase(s.begin());
    double mult = 1;
    if (!s.empty() && s.back() == 'k') {
        mult = 1000;
        s.pop_back();
    }
    return std::stod(s) * mult;
}

float FloatAtOrBelow(long double bound) {
    float f = static_cast<float>(bound);
    while (static_cast<long double>(f) > bound)
        f = std::nextafter(f, -INFINITY);
    return f;
}
float FloatAbove(long double bound) {
    float f = static_cast<float>(bound);
    while (!(static_cast<long double>(f) > bound))
        f = std::nextafter(f, INFINITY);
    return f;
}

// The upper bound of every row but the last; each equals that row's top value.
const std::vector<long double> kVolumeBounds = {
    0.1L, 0.12L, 0.14L, 0.16L, 0.2L, 0.25L, 0.3L, 0.4L, 0.5L, 0.6L, 0.7L, 0.8L, 1, 1.2L, 1.4L,
    1.6L, 2, 2.5L, 3, 4, 5, 6, 7, 8, 10, 12, 14, 16, 20, 25, 30, 40, 50, 60, 70, 80, 100, 120,
    140, 160, 200, 250, 300, 400, 500, 600, 700, 800, 1000, 1200, 2000, 3000, 4000, 5000, 6000,
    7000, 8000, 10000, 12000, 15000, 20000, 30000, 40000, 50000, 100000};
const std::vector<long double> kPressureBounds = {
    2.5L, 5, 6, 8, 10, 12, 15, 16, 20, 25, 30, 40, 50, 60, 80, 100, 120, 150, 160, 200, 250,
    300, 400, 500, 600, 800, 1000, 1200, 1500, 1600, 2000, 2500, 3000, 4000};
const std::vector<long double> kPowerBounds = {0.05L, 0.1L, 0.2L, 0.5L, 1, 2, 5, 10, 20, 50, 100, 200, 500};

// The labels 1..n of the chosen row name evenly spaced values up to `top`.
void ExpectEvenLabels(const std::array<std::string, 8>& labels, int n, double top, const std::string& where) {
    ASSERT_GE(n, 4) << where;
    ASSERT_LE(n, 7) << where;
    for (int i = 1; i <= n; ++i)
        EXPECT_NEAR(LabelValue(labels[static_cast<size_t>(i)]), top * i / n, top * 1e-9)
            << where << " label " << i << " '" << labels[static_cast<size_t>(i)] << "'";
}

TEST(VolumeScale, EveryRowHoldsItsBoundAndHandsOnJustAboveIt) {
    for (size_t r = 0; r < kVolumeBounds.size(); ++r) {
        const long double bound = kVolumeBounds[r];
        const std::string where = "bound " + std::to_string(static_cast<double>(bound));
        vd::ChooseVolumeScale("m3/s", FloatAtOrBelow(bound), 180);
        const double top = 180.0 / vd::VolumeScale;
        EXPECT_NEAR(top, static_cast<double>(bound), static_cast<double>(bound) * 1e-6) << where;
        EXPECT_EQ(VolumeLabels[0], "0");
        ExpectEvenLabels(VolumeLabels, vd::VolumeTicks, static_cast<double>(bound), where);

        vd::ChooseVolumeScale("m3/s", FloatAbove(bound), 180);
        const double next = r + 1 < kVolumeBounds.size() ? static_cast<double>(kVolumeBounds[r + 1]) : 150000.0;
        EXPECT_NEAR(180.0 / vd::VolumeScale, next, next * 1e-6) << "just above " << where;
        ExpectEvenLabels(VolumeLabels, vd::VolumeTicks, next, "just above " + where);
    }
}

TEST(VolumeScale, DecimalBoundIsComparedExactly) {
    // 0.1f lies a little above one tenth, so it is over the first row's bound.
    vd::ChooseVolumeScale("m3/s", 0.1f, 180);
    EXPECT_EQ(vd::VolumeTicks, 6);
    EXPECT_EQ(VolumeLabels[6], " 0.12");
    // 0.12f lies a little below 0.12 and stays in its row.
    vd::ChooseVolumeScale("m3/s", 0.12f, 180);
    EXPECT_EQ(vd::VolumeTicks, 6);
}

TEST(VolumeScale, WorkedExamplesInEachUnit) {
    const float value = static_cast<float>(1.9f * 1.05L);
    vd::ChooseVolumeScale("m3/s", value, 180);
    EXPECT_EQ(vd::VolumeTicks, 4);
    EXPECT_EQ((std::vector<std::string>(VolumeLabels.begin(), VolumeLabels.begin() + 5)),
              (std::vector<std::string>{"0", " 0.5", " 1.0", " 1.5", " 2.0"}));
    EXPECT_FLOAT_EQ(vd::VolumeScale, 90.0f);

    vd::ChooseVolumeScale("m3/h", value, 180); // 7182 m3/h
    EXPECT_EQ(vd::VolumeTicks, 4);
    EXPECT_EQ((std::vector<std::string>(VolumeLabels.begin(), VolumeLabels.begin() + 5)),
              (std::vector<std::string>{"0", "2000", "4000", "6000", "8000"}));
    EXPECT_FLOAT_EQ(vd::VolumeScale, 81.0f);

    // 8000 in the display unit exactly stays; a little more goes to the row
    // topped by "10k".
    vd::ChooseVolumeScale("m3/s", 8000.0f, 180);
    EXPECT_EQ(vd::VolumeLabels[vd::VolumeTicks], "8000");
    vd::ChooseVolumeScale("m3/h", 8000.5f / 3600, 180);
    EXPECT_EQ(vd::VolumeTicks, 5);
    EXPECT_EQ(VolumeLabels[5], "10k");
    EXPECT_NEAR(vd::VolumeScale, 180.0 / 10000 * 3600, 1e-4);

    vd::ChooseVolumeScale("m3/h", 18000.0f / 3600, 180);
    EXPECT_EQ(VolumeLabels[4], " 20k");
    EXPECT_NEAR(vd::VolumeScale, 32.4, 1e-4);

    vd::ChooseVolumeScale("l/s", 0.45f, 180); // 450 l/s
    EXPECT_EQ(VolumeLabels[5], " 500");
    EXPECT_NEAR(vd::VolumeScale, 360.0, 1e-3);
    vd::ChooseVolumeScale("cfm", 1.0f, 180); // 2118 cfm
    EXPECT_EQ(VolumeLabels[6], "3000");
    EXPECT_NEAR(vd::VolumeScale, 180.0 / 3000 * 2118, 1e-3);
    // An unknown unit reads as m3/s.
    vd::ChooseVolumeScale("xyz", 0.45f, 180);
    EXPECT_EQ(VolumeLabels[5], " 0.5");
    EXPECT_FLOAT_EQ(vd::VolumeScale, 360.0f);
}

TEST(VolumeScale, OddLabelsOfTheLargeRowsAreKept) {
    vd::ChooseVolumeScale("m3/s", 25000, 180);
    EXPECT_EQ(VolumeLabels[5], " 25k");
    EXPECT_EQ(VolumeLabels[6], "30k");
    vd::ChooseVolumeScale("m3/s", 11000, 180);
    EXPECT_EQ(VolumeLabels[5], "10000");
    vd::ChooseVolumeScale("m3/s", 1e30f, 180);
    EXPECT_EQ(VolumeLabels[5], "150k");
}

TEST(AxisScales, ZeroNegativeAndNaNFallInTheFirstRow) {
    for (float v : {0.0f, -5.0f, NAN}) {
        vd::ChooseVolumeScale("m3/s", v, 180);
        EXPECT_FLOAT_EQ(vd::VolumeScale, 1800.0f);
        vd::ChoosePressureScale("Pa", v, 180);
        EXPECT_FLOAT_EQ(vd::PressureScale, 72.0f);
        vd::ChoosePowerScale(v, 50);
        EXPECT_FLOAT_EQ(vd::PowerScale, 1000.0f);
        EXPECT_EQ(PowerLabels[2], " 0.05");
    }
}

TEST(AxisScales, LabelsAboveTheIntervalCountKeepEarlierTexts) {
    vd::ResetScaleVariables();
    vd::ChooseVolumeScale("m3/s", 0.65f, 180); // 7 intervals
    ASSERT_EQ(vd::VolumeTicks, 7);
    vd::ChooseVolumeScale("m3/s", 1.9f, 180); // 4 intervals
    EXPECT_EQ(vd::VolumeTicks, 4);
    EXPECT_EQ(VolumeLabels[4], " 2.0");
    EXPECT_EQ(VolumeLabels[5], " 0.5");
    EXPECT_EQ(VolumeLabels[7], " 0.7");
}

TEST(PressureScale, EveryRowHoldsItsBoundAndHandsOnJustAboveIt) {
    for (size_t r = 0; r < kPressureBounds.size(); ++r) {
        const long double bound = kPressureBounds[r];
        const std::string where = "bound " + std::to_string(static_cast<double>(bound));
        vd::ChoosePressureScale("Pa", FloatAtOrBelow(bound), 180);
        EXPECT_NEAR(180.0 / vd::PressureScale, static_cast<double>(bound), 1e-3) << where;
        EXPECT_EQ(PressureLabels[0], "      0");
        ExpectEvenLabels(PressureLabels, vd::PressureTicks, static_cast<double>(bound), where);
        EXPECT_LE(vd::PressureTicks, 6);

        vd::ChoosePressureScale("Pa", FloatAbove(bound), 180);
        const double next = r + 1 < kPressureBounds.size() ? static_cast<double>(kPressureBounds[r + 1]) : 5000.0;
        EXPECT_NEAR(180.0 / vd::PressureScale, next, 1e-3) << "just above " << where;
    }
}

TEST(PressureScale, LabelsAreRightAlignedByLeadingBlanks) {
    // Six blanks before one digit, four before two, two before three, none
    // before four; the decimals of the smallest row carry two.
    for (size_t r = 0; r <= kPressureBounds.size(); ++r) {
        const float v = r < kPressureBounds.size() ? FloatAtOrBelow(kPressureBounds[r]) : 10000.0f;
        vd::ChoosePressureScale("Pa", v, 180);
        for (int i = 1; i <= vd::PressureTicks; ++i) {
            const std::string& s = PressureLabels[static_cast<size_t>(i)];
            const size_t blanks = s.find_first_not_of(' ');
            const size_t digits = s.size() - blanks;
            const size_t expected = s.find('.') != std::string::npos ? 2
                                    : digits == 1                   ? 6
                                    : digits == 2                   ? 4
                                    : digits == 3                   ? 2
                                                                    : 0;
            EXPECT_EQ(blanks, expected) << "'" << s << "'";
        }
    }
}

TEST(PressureScale, DisplayUnitsConvertTheValueAndTheScale) {
    vd::ChoosePressureScale("mmwg", static_cast<float>(300 * 1.05L), 180); // 31.5 mmwg
    EXPECT_EQ(vd::PressureTicks, 4);
    EXPECT_EQ(PressureLabels[1], "    10");
    EXPECT_EQ(PressureLabels[4], "    40");
    EXPECT_NEAR(vd::PressureScale, 0.45, 1e-6);

    vd::ChoosePressureScale("inwg", 500, 180); // 2 inwg
    EXPECT_EQ(PressureLabels[4], "  2.0");
    EXPECT_NEAR(vd::PressureScale, 180.0 / 2.5 / 250, 1e-6);
    vd::ChoosePressureScale("N/m2", 500, 180);
    EXPECT_EQ(PressureLabels[5], "  500");
}

TEST(PowerScale, EveryRowHoldsItsBoundAndHandsOnJustAboveIt) {
    for (size_t r = 0; r < kPowerBounds.size(); ++r) {
        const double bound = static_cast<double>(kPowerBounds[r]);
        vd::ChoosePowerScale(FloatAtOrBelow(kPowerBounds[r]), 50);
        EXPECT_NEAR(50.0 / vd::PowerScale, bound, bound * 1e-6);
        EXPECT_NEAR(LabelValue(PowerLabels[2]), bound, 1e-9);
        EXPECT_NEAR(LabelValue(PowerLabels[1]), bound / 2, 1e-9);
        EXPECT_EQ(PowerLabels[0], "      0");
        vd::ChoosePowerScale(FloatAbove(kPowerBounds[r]), 50);
        const double next = r + 1 < kPowerBounds.size() ? static_cast<double>(kPowerBounds[r + 1]) : 1000.0;
        EXPECT_NEAR(50.0 / vd::PowerScale, next, next * 1e-6);
    }
    vd::ChoosePowerScale(0.15f, 50);
    EXPECT_EQ(PowerLabels[1], "    0.1");
    EXPECT_EQ(PowerLabels[2], " 0.20");
}

TEST(AxisScales, RangesComeFromCurveOneAndTheDutyWithHeadroom) {
    vd::TFanRecord r = vdtest::MakeFan(1, "PW", "X", {1.2f, 1.0f, 0.5f}, {0, 200, 300}, {500, 600, 700});
    r.vol[21] = 50; // curve 2 never sets a range
    r.pres[21] = 9000;
    r.power[21] = 90000;
    r.vol[5] = NAN;
    vd::AxisMaxima m = vd::AxisMaximaFor(r, 0.5f, 100);
    EXPECT_FLOAT_EQ(m.volume, 1.26f);
    EXPECT_FLOAT_EQ(m.pressure, 315.0f);
    EXPECT_FLOAT_EQ(m.power, 0.735f);
    m = vd::AxisMaximaFor(r, 2.0f, 400);
    EXPECT_FLOAT_EQ(m.volume, 2.1f);
    EXPECT_FLOAT_EQ(m.pressure, 420.0f);

    vd::ResetVariables();
    vd::VolumeUnit = "l/s";
    vd::PressureUnit = "Pa";
    vd::DutyVolume = 0.5f;
    vd::ChooseAxisScales(r); // 1260 l/s, 315 Pa, 0.735 kW
    EXPECT_EQ(VolumeLabels[vd::VolumeTicks], "2000");
    EXPECT_EQ(PressureLabels[vd::PressureTicks], "  400");
    EXPECT_EQ(PowerLabels[2], " 1.00");
    EXPECT_NEAR(vd::PowerScale, 50.0, 1e-6);
}

} // namespace
