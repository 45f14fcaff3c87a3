#include "axis_scales.h"
#include "scale_variables.h"
#include "test_files.h"
#include "vd_variables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using vd::PowerLabels;
using vd::PressureLabels;
using vd::VolumeLabels;

// A tick label as a number: blanks around it, "k" for thousands.
double LabelValue(std::string s) {
    const double mult = !s.empty() && s.back() == 'k' ? (s.pop_back(), 1000.0) : 1.0;
    return std::stod(s) * mult;
}

float AtOrBelow(long double bound) {
    float f = static_cast<float>(bound);
    while (static_cast<long double>(f) > bound)
        f = std::nextafter(f, -INFINITY);
    return f;
}

// For each row: the value at its upper bound stays in it and the next float
// goes to the next row. `top` reads the chosen row's top value back from the
// scale variables; `labelsOk` checks the chosen row's labels against it.
void SweepBounds(const std::vector<long double>& bounds, long double lastTop,
                 const std::function<double(float)>& top,
                 const std::function<void(double)>& labelsOk) {
    for (size_t r = 0; r < bounds.size(); ++r) {
        const double b = static_cast<double>(bounds[r]);
        const float at = AtOrBelow(bounds[r]);
        EXPECT_NEAR(top(at), b, b * 1e-6) << "at " << b;
        labelsOk(b);
        const double next = static_cast<double>(r + 1 < bounds.size() ? bounds[r + 1] : lastTop);
        EXPECT_NEAR(top(std::nextafter(at, INFINITY)), next, next * 1e-6) << "just above " << b;
        labelsOk(next);
    }
}

// Labels 1..n name evenly spaced values up to the top value.
void EvenLabels(const std::array<std::string, 8>& labels, int n, double top) {
    ASSERT_TRUE(n >= 4 && n <= 7) << n;
    for (int i = 1; i <= n; ++i)
        EXPECT_NEAR(LabelValue(labels[static_cast<size_t>(i)]), top * i / n, top * 1e-9)
            << top << " label " << i;
}

TEST(AxisScales, EveryRowOfEachTableHoldsItsBoundAndHandsOnAboveIt) {
    SweepBounds(
        {0.1L, 0.12L, 0.14L, 0.16L, 0.2L, 0.25L, 0.3L,  0.4L,  0.5L,  0.6L,  0.7L,  0.8L,  1,
         1.2L, 1.4L,  1.6L,  2,     2.5L, 3,     4,     5,     6,     7,     8,     10,    12,
         14,   16,    20,    25,    30,   40,    50,    60,    70,    80,    100,   120,   140,
         160,  200,   250,   300,   400,  500,   600,   700,   800,   1000,  1200,  2000,  3000,
         4000, 5000,  6000,  7000,  8000, 10000, 12000, 15000, 20000, 30000, 40000, 50000, 100000},
        150000,
        [](float v) { return vd::ChooseVolumeScale("m3/s", v, 180), 180.0 / vd::VolumeScale; },
        [](double top) { EvenLabels(VolumeLabels, vd::VolumeTicks, top); });
    SweepBounds(
        {2.5L, 5,   6,    8,    10,   12,   15,   16,   20,   25,  30,  40,
         50,   60,  80,   100,  120,  150,  160,  200,  250,  300, 400, 500,
         600,  800, 1000, 1200, 1500, 1600, 2000, 2500, 3000, 4000},
        5000,
        [](float v) { return vd::ChoosePressureScale("Pa", v, 180), 180.0 / vd::PressureScale; },
        [](double top) { EvenLabels(PressureLabels, vd::PressureTicks, top); });
    SweepBounds(
        {0.05L, 0.1L, 0.2L, 0.5L, 1, 2, 5, 10, 20, 50, 100, 200, 500}, 1000,
        [](float v) { return vd::ChoosePowerScale(v, 50), 50.0 / vd::PowerScale; },
        [](double top) {
            EXPECT_DOUBLE_EQ(LabelValue(PowerLabels[2]), top);
            EXPECT_DOUBLE_EQ(LabelValue(PowerLabels[1]), top / 2);
        });
    EXPECT_EQ(VolumeLabels[0], "0");
    EXPECT_EQ(PressureLabels[0], "      0");
    EXPECT_EQ(PowerLabels[0], "      0");
}

TEST(AxisScales, WorkedExamplesInTheDisplayUnits) {
    const float max = static_cast<float>(1.9f * 1.05L);
    vd::ChooseVolumeScale("m3/s", max, 180);
    EXPECT_EQ(std::vector(VolumeLabels.begin(), VolumeLabels.begin() + 5),
              (std::vector<std::string>{"0", " 0.5", " 1.0", " 1.5", " 2.0"}));
    EXPECT_FLOAT_EQ(vd::VolumeScale, 90.0f);
    vd::ChooseVolumeScale("m3/h", max, 180); // 7182 m3/h
    EXPECT_EQ(std::vector(VolumeLabels.begin(), VolumeLabels.begin() + 5),
              (std::vector<std::string>{"0", "2000", "4000", "6000", "8000"}));
    EXPECT_FLOAT_EQ(vd::VolumeScale, 81.0f);
    vd::ChooseVolumeScale("m3/h", 8000.5f / 3600, 180);
    EXPECT_EQ(VolumeLabels[5], "10k");
    vd::ChooseVolumeScale("m3/h", 18000.0f / 3600, 180);
    EXPECT_EQ(VolumeLabels[4], " 20k");
    EXPECT_NEAR(vd::VolumeScale, 32.4, 1e-4);
    vd::ChooseVolumeScale("cfm", 1.0f, 180); // 2118 cfm
    EXPECT_NEAR(vd::VolumeScale, 180.0 / 3000 * 2118, 1e-3);
    vd::ChooseVolumeScale("l/s", 0.45f, 180);
    EXPECT_NEAR(vd::VolumeScale, 360.0, 1e-3);
    vd::ChooseVolumeScale("m3/s", 25000, 180);
    EXPECT_EQ(VolumeLabels[6], "30k"); // no leading blank, unlike " 25k"

    // 0.1f is a little over one tenth: over the first row's decimal bound.
    vd::ChooseVolumeScale("m3/s", 0.1f, 180);
    EXPECT_EQ(vd::VolumeTicks, 6);

    vd::ChoosePressureScale("mmwg", static_cast<float>(300 * 1.05L), 180); // 31.5 mmwg
    EXPECT_EQ(vd::PressureTicks, 4);
    EXPECT_EQ(PressureLabels[4], "    40");
    EXPECT_NEAR(vd::PressureScale, 0.45, 1e-6);
    vd::ChoosePressureScale("inwg", 500, 180); // 2 inwg
    EXPECT_EQ(PressureLabels[4], "  2.0");
    EXPECT_NEAR(vd::PressureScale, 180.0 / 2.5 / 250, 1e-7);
}

TEST(AxisScales, NothingToShowFallsInTheFirstRows) {
    for (float v : {0.0f, -5.0f, NAN}) {
        vd::ChooseVolumeScale("m3/s", v, 180);
        vd::ChoosePressureScale("Pa", v, 180);
        vd::ChoosePowerScale(v, 50);
        EXPECT_FLOAT_EQ(vd::VolumeScale, 1800.0f);
        EXPECT_FLOAT_EQ(vd::PressureScale, 72.0f);
        EXPECT_FLOAT_EQ(vd::PowerScale, 1000.0f);
    }
}

TEST(AxisScales, LabelsAboveTheIntervalCountKeepEarlierTexts) {
    vd::ChooseVolumeScale("m3/s", 0.65f, 180); // 7 intervals
    vd::ChooseVolumeScale("m3/s", 1.9f, 180);  // 4 intervals
    EXPECT_EQ(vd::VolumeTicks, 4);
    EXPECT_EQ(VolumeLabels[4], " 2.0");
    EXPECT_EQ(VolumeLabels[7], " 0.7");
}

TEST(AxisScales, RangesComeFromCurveOneAndTheDutyWithHeadroom) {
    vd::TFanRecord r =
        vdtest::MakeFan(1, "PW", "X", {1.2f, 1.0f, NAN}, {0, 300, 200}, {500, 700, 600});
    r.vol[21] = 50; // curve 2 never sets a range
    r.pres[21] = 9000;
    vd::AxisMaxima m = vd::AxisMaximaFor(r, 0.5f, 100);
    EXPECT_FLOAT_EQ(m.volume, 1.26f);
    EXPECT_FLOAT_EQ(m.pressure, 315.0f);
    EXPECT_FLOAT_EQ(m.power, 0.735f);
    m = vd::AxisMaximaFor(r, 2.0f, 400);
    EXPECT_FLOAT_EQ(m.volume, 2.1f);
    EXPECT_FLOAT_EQ(m.pressure, 420.0f);
}

} // namespace
