#include "axis_scales.h"

#include "scale_variables.h"
#include "vd_variables.h"

#include <array>
#include <cstddef>
#include <limits>

namespace vd {
namespace {

using LD = long double;

// The last row of each table has no upper bound.
constexpr LD kNoBound = std::numeric_limits<LD>::infinity();

struct ScaleRow {
    LD upper; // the row holds values over the previous row's bound up to this one
    int n;
    std::array<const char*, 7> labels; // labels 1..n
    LD top;                            // the value label n shows
};

struct PowerRow {
    LD upper;
    const char* middle;
    const char* top_label;
    LD top;
};

// Label texts are shown exactly as written here, leading blanks included.
const ScaleRow kVolumeRows[] = {
    {0.1L, 5, {" 0.02", " 0.04", " 0.06", " 0.08", " 0.10"}, 0.1L},
    {0.12L, 6, {" 0.02", " 0.04", " 0.06", " 0.08", " 0.10", " 0.12"}, 0.12L},
    {0.14L, 7, {" 0.02", " 0.04", " 0.06", " 0.08", " 0.10", " 0.12", " 0.14"}, 0.14L},
    {0.16L, 4, {" 0.04", " 0.08", " 0.12", " 0.16"}, 0.16L},
    {0.2L, 4, {" 0.05", " 0.10", " 0.15", " 0.20"}, 0.2L},
    {0.25L, 5, {" 0.05", " 0.10", " 0.15", " 0.20", " 0.25"}, 0.25L},
    {0.3L, 6, {" 0.05", " 0.10", " 0.15", " 0.20", " 0.25", " 0.30"}, 0.3L},
    {0.4L, 4, {" 0.1", " 0.2", " 0.3", " 0.4"}, 0.4L},
    {0.5L, 5, {" 0.1", " 0.2", " 0.3", " 0.4", " 0.5"}, 0.5L},
    {0.6L, 6, {" 0.1", " 0.2", " 0.3", " 0.4", " 0.5", " 0.6"}, 0.6L},
    {0.7L, 7, {" 0.1", " 0.2", " 0.3", " 0.4", " 0.5", " 0.6", " 0.7"}, 0.7L},
    {0.8L, 4, {" 0.2", " 0.4", " 0.6", " 0.8"}, 0.8L},
    {1.0L, 5, {" 0.2", " 0.4", " 0.6", " 0.8", " 1.0"}, 1.0L},
    {1.2L, 6, {" 0.2", " 0.4", " 0.6", " 0.8", " 1.0", " 1.2"}, 1.2L},
    {1.4L, 7, {" 0.2", " 0.4", " 0.6", " 0.8", " 1.0", " 1.2", " 1.4"}, 1.4L},
    {1.6L, 4, {" 0.4", " 0.8", " 1.2", " 1.6"}, 1.6L},
    {2.0L, 4, {" 0.5", " 1.0", " 1.5", " 2.0"}, 2.0L},
    {2.5L, 5, {" 0.5", " 1.0", " 1.5", " 2.0", " 2.5"}, 2.5L},
    {3.0L, 6, {" 0.5", " 1.0", " 1.5", " 2.0", " 2.5", " 3.0"}, 3.0L},
    {4.0L, 4, {"   1", "   2", "   3", "   4"}, 4.0L},
    {5.0L, 5, {"   1", "   2", "   3", "   4", "   5"}, 5.0L},
    {6.0L, 6, {"   1", "   2", "   3", "   4", "   5", "   6"}, 6.0L},
    {7.0L, 7, {"   1", "   2", "   3", "   4", "   5", "   6", "   7"}, 7.0L},
    {8.0L, 4, {"   2", "   4", "   6", "   8"}, 8.0L},
    {10.0L, 5, {"   2", "   4", "   6", "   8", "  10"}, 10.0L},
    {12.0L, 6, {"   2", "   4", "   6", "   8", "  10", "  12"}, 12.0L},
    {14.0L, 7, {"   2", "   4", "   6", "   8", "  10", "  12", "  14"}, 14.0L},
    {16.0L, 4, {"   4", "   8", "  12", "  16"}, 16.0L},
    {20.0L, 4, {"   5", "  10", "  15", "  20"}, 20.0L},
    {25.0L, 5, {"   5", "  10", "  15", "  20", "  25"}, 25.0L},
    {30.0L, 6, {"   5", "  10", "  15", "  20", "  25", "  30"}, 30.0L},
    {40.0L, 4, {"  10", "  20", "  30", "  40"}, 40.0L},
    {50.0L, 5, {"  10", "  20", "  30", "  40", "  50"}, 50.0L},
    {60.0L, 6, {"  10", "  20", "  30", "  40", "  50", "  60"}, 60.0L},
    {70.0L, 7, {"  10", "  20", "  30", "  40", "  50", "  60", "  70"}, 70.0L},
    {80.0L, 4, {"  20", "  40", "  60", "  80"}, 80.0L},
    {100.0L, 5, {"  20", "  40", "  60", "  80", " 100"}, 100.0L},
    {120.0L, 6, {"  20", "  40", "  60", "  80", " 100", " 120"}, 120.0L},
    {140.0L, 7, {"  20", "  40", "  60", "  80", " 100", " 120", " 140"}, 140.0L},
    {160.0L, 4, {"  40", "  80", " 120", " 160"}, 160.0L},
    {200.0L, 4, {"  50", " 100", " 150", " 200"}, 200.0L},
    {250.0L, 5, {"  50", " 100", " 150", " 200", " 250"}, 250.0L},
    {300.0L, 6, {"  50", " 100", " 150", " 200", " 250", " 300"}, 300.0L},
    {400.0L, 4, {" 100", " 200", " 300", " 400"}, 400.0L},
    {500.0L, 5, {" 100", " 200", " 300", " 400", " 500"}, 500.0L},
    {600.0L, 6, {" 100", " 200", " 300", " 400", " 500", " 600"}, 600.0L},
    {700.0L, 7, {" 100", " 200", " 300", " 400", " 500", " 600", " 700"}, 700.0L},
    {800.0L, 4, {" 200", " 400", " 600", " 800"}, 800.0L},
    {1000.0L, 5, {" 200", " 400", " 600", " 800", "1000"}, 1000.0L},
    {1200.0L, 6, {" 200", " 400", " 600", " 800", "1000", "1200"}, 1200.0L},
    {2000.0L, 4, {" 500", "1000", "1500", "2000"}, 2000.0L},
    {3000.0L, 6, {" 500", "1000", "1500", "2000", "2500", "3000"}, 3000.0L},
    {4000.0L, 4, {"1000", "2000", "3000", "4000"}, 4000.0L},
    {5000.0L, 5, {"1000", "2000", "3000", "4000", "5000"}, 5000.0L},
    {6000.0L, 6, {"1000", "2000", "3000", "4000", "5000", "6000"}, 6000.0L},
    {7000.0L, 7, {"1000", "2000", "3000", "4000", "5000", "6000", "7000"}, 7000.0L},
    {8000.0L, 4, {"2000", "4000", "6000", "8000"}, 8000.0L},
    {10000.0L, 5, {"2000", "4000", "6000", "8000", "10k"}, 10000.0L},
    {12000.0L, 6, {"2000", "4000", "6000", "8000", "10000", "12000"}, 12000.0L},
    {15000.0L, 6, {"2500", "5000", "7500", "10000", "12500", "15000"}, 15000.0L},
    {20000.0L, 4, {"  5k", " 10k", " 15k", " 20k"}, 20000.0L},
    {30000.0L, 6, {"  5k", " 10k", " 15k", " 20k", " 25k", "30k"}, 30000.0L},
    {40000.0L, 4, {" 10k", " 20k", " 30k", " 40k"}, 40000.0L},
    {50000.0L, 5, {" 10k", " 20k", " 30k", " 40k", " 50k"}, 50000.0L},
    {100000.0L, 5, {" 20k", " 40k", " 60k", " 80k", "100k"}, 100000.0L},
    {kNoBound, 5, {" 30k", " 60k", " 90k", "120k", "150k"}, 150000.0L},
};

const ScaleRow kPressureRows[] = {
    {2.5L, 5, {"  0.5", "  1.0", "  1.5", "  2.0", "  2.5"}, 2.5L},
    {5.0L, 5, {"      1", "      2", "      3", "      4", "      5"}, 5.0L},
    {6.0L, 6, {"      1", "      2", "      3", "      4", "      5", "      6"}, 6.0L},
    {8.0L, 4, {"      2", "      4", "      6", "      8"}, 8.0L},
    {10.0L, 5, {"      2", "      4", "      6", "      8", "    10"}, 10.0L},
    {12.0L, 6, {"      2", "      4", "      6", "      8", "    10", "    12"}, 12.0L},
    {15.0L, 5, {"      3", "      6", "      9", "    12", "    15"}, 15.0L},
    {16.0L, 4, {"      4", "      8", "    12", "    16"}, 16.0L},
    {20.0L, 4, {"      5", "    10", "    15", "    20"}, 20.0L},
    {25.0L, 5, {"      5", "    10", "    15", "    20", "    25"}, 25.0L},
    {30.0L, 6, {"      5", "    10", "    15", "    20", "    25", "    30"}, 30.0L},
    {40.0L, 4, {"    10", "    20", "    30", "    40"}, 40.0L},
    {50.0L, 5, {"    10", "    20", "    30", "    40", "    50"}, 50.0L},
    {60.0L, 6, {"    10", "    20", "    30", "    40", "    50", "    60"}, 60.0L},
    {80.0L, 4, {"    20", "    40", "    60", "    80"}, 80.0L},
    {100.0L, 5, {"    20", "    40", "    60", "    80", "  100"}, 100.0L},
    {120.0L, 6, {"    20", "    40", "    60", "    80", "  100", "  120"}, 120.0L},
    {150.0L, 5, {"    30", "    60", "    90", "  120", "  150"}, 150.0L},
    {160.0L, 4, {"    40", "    80", "  120", "  160"}, 160.0L},
    {200.0L, 4, {"    50", "  100", "  150", "  200"}, 200.0L},
    {250.0L, 5, {"    50", "  100", "  150", "  200", "  250"}, 250.0L},
    {300.0L, 6, {"    50", "  100", "  150", "  200", "  250", "  300"}, 300.0L},
    {400.0L, 4, {"  100", "  200", "  300", "  400"}, 400.0L},
    {500.0L, 5, {"  100", "  200", "  300", "  400", "  500"}, 500.0L},
    {600.0L, 6, {"  100", "  200", "  300", "  400", "  500", "  600"}, 600.0L},
    {800.0L, 4, {"  200", "  400", "  600", "  800"}, 800.0L},
    {1000.0L, 5, {"  200", "  400", "  600", "  800", "1000"}, 1000.0L},
    {1200.0L, 6, {"  200", "  400", "  600", "  800", "1000", "1200"}, 1200.0L},
    {1500.0L, 5, {"  300", "  600", "  900", "1200", "1500"}, 1500.0L},
    {1600.0L, 4, {"  400", "  800", "1200", "1600"}, 1600.0L},
    {2000.0L, 4, {"  500", "1000", "1500", "2000"}, 2000.0L},
    {2500.0L, 5, {"  500", "1000", "1500", "2000", "2500"}, 2500.0L},
    {3000.0L, 6, {"  500", "1000", "1500", "2000", "2500", "3000"}, 3000.0L},
    {4000.0L, 4, {"1000", "2000", "3000", "4000"}, 4000.0L},
    {kNoBound, 5, {"1000", "2000", "3000", "4000", "5000"}, 5000.0L},
};

const PowerRow kPowerRows[] = {
    {0.05L, "0.025", " 0.05", 0.05L},    {0.1L, " 0.05", " 0.10", 0.1L},
    {0.2L, "    0.1", " 0.20", 0.2L},    {0.5L, " 0.25", " 0.50", 0.5L},
    {1.0L, "  0.5", " 1.00", 1.0L},      {2.0L, "      1", " 2.00", 2.0L},
    {5.0L, "  2.5", " 5.00", 5.0L},      {10.0L, "      5", "10.00", 10.0L},
    {20.0L, "    10", "20.00", 20.0L},   {50.0L, "    25", "50.00", 50.0L},
    {100.0L, "    50", "  100", 100.0L}, {200.0L, "  100", "  200", 200.0L},
    {500.0L, "  250", "  500", 500.0L},  {kNoBound, "  500", "1000", 1000.0L},
};

// The bounds are decimal constants compared in extended precision, so a
// float just above a decimal bound (0.1f is 0.1000000015) counts as over it.
template <typename Row, std::size_t N> const Row& FindRow(const Row (&rows)[N], float value) {
    for (std::size_t i = 0; i + 1 < N; ++i)
        if (!(static_cast<LD>(value) > rows[i].upper))
            return rows[i];
    return rows[N - 1];
}

} // namespace

void ChooseVolumeScale(std::string_view unit, float value, std::int32_t length) {
    LD factor = 1;
    if (unit == "m3/h")
        factor = 3600;
    else if (unit == "l/s")
        factor = 1000;
    else if (unit == "cfm")
        factor = 2118;
    const float shown = static_cast<float>(value * factor);
    const ScaleRow& row = FindRow(kVolumeRows, shown);
    VolumeTicks = row.n;
    VolumeLabels[0] = "0";
    for (int i = 1; i <= row.n; ++i)
        VolumeLabels[static_cast<std::size_t>(i)] = row.labels[static_cast<std::size_t>(i - 1)];
    VolumeScale = static_cast<float>(length / row.top);
    if (factor != 1)
        VolumeScale = static_cast<float>(VolumeScale * factor);
}

void ChoosePressureScale(std::string_view unit, float value, std::int32_t length) {
    LD divisor = 1;
    if (unit == "mmwg")
        divisor = 10;
    else if (unit == "inwg")
        divisor = 250;
    const float shown = static_cast<float>(value / divisor);
    const ScaleRow& row = FindRow(kPressureRows, shown);
    PressureTicks = row.n;
    PressureLabels[0] = "      0";
    for (int i = 1; i <= row.n; ++i)
        PressureLabels[static_cast<std::size_t>(i)] = row.labels[static_cast<std::size_t>(i - 1)];
    PressureScale = static_cast<float>(length / row.top);
    if (divisor != 1)
        PressureScale = static_cast<float>(PressureScale / divisor);
}

void ChoosePowerScale(float value, std::int32_t length) {
    const PowerRow& row = FindRow(kPowerRows, value);
    PowerLabels[0] = "      0";
    PowerLabels[1] = row.middle;
    PowerLabels[2] = row.top_label;
    PowerScale = static_cast<float>(length / row.top);
}

AxisMaxima AxisMaximaFor(const TFanRecord& rec, float dutyVolume, float dutyPressure) {
    // Only the full-speed curve sets the ranges; a NaN point never wins.
    float vol = 0, pres = 0, power = 0;
    for (int k = 1; k <= kPointsPerCurve; ++k) {
        if (rec.vol[k] > vol)
            vol = rec.vol[k];
        if (rec.pres[k] > pres)
            pres = rec.pres[k];
        if (rec.power[k] > power)
            power = rec.power[k];
    }
    if (dutyVolume > vol)
        vol = dutyVolume;
    if (dutyPressure > pres)
        pres = dutyPressure;
    AxisMaxima m;
    m.volume = static_cast<float>(vol * 1.05L);
    m.pressure = static_cast<float>(pres * 1.05L);
    m.power = static_cast<float>(power / 1000.0L * 1.05L);
    return m;
}

void ChooseAxisScales(const TFanRecord& rec) {
    const AxisMaxima m = AxisMaximaFor(rec, DutyVolume, DutyPressure);
    ChooseVolumeScale(VolumeUnit, m.volume, 180);
    ChoosePressureScale(PressureUnit, m.pressure, 180);
    ChoosePowerScale(m.power, 50);
}

} // namespace vd
