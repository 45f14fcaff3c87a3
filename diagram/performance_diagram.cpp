#include "performance_diagram.h"

#include "axis_scales.h"
#include "fan_file.h"
#include "number_text.h"
#include "operating_point.h"
#include "scale_variables.h"
#include "text_entries.h"
#include "vd_variables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace vd {
namespace {

using LD = long double;
using namespace colours;

// Chart geometry in drawing units.
constexpr int kChartLeft = 350, kChartRight = 530;
constexpr int kPressureTop = 20, kPressureBottom = 200;
constexpr int kPowerTop = 225, kPowerBottom = 275;
constexpr int kAxisLength = 180;
constexpr int kLabelX = 305;

// Grid spacing for an interval count; 0 (no grid) for a count the layout
// does not know.
int GridSpacing(int count) {
    switch (count) {
    case 4:
        return 45;
    case 5:
        return 36;
    case 6:
        return 30;
    case 7:
        return 26;
    default:
        return 0;
    }
}

// Label positions for interval counts 4..7, from label n down to label 0.
constexpr std::array<std::array<int, 8>, 4> kPressureLabelY = {{
    {15, 58, 103, 148, 193},
    {15, 49, 85, 121, 157, 193},
    {15, 43, 73, 103, 133, 163, 193},
    {15, 39, 65, 90, 116, 141, 167, 193},
}};
constexpr std::array<std::array<int, 8>, 4> kVolumeLabelX = {{
    {520, 475, 430, 385, 340},
    {520, 484, 448, 412, 376, 340},
    {520, 490, 460, 430, 400, 370, 340},
    {520, 494, 468, 442, 416, 390, 365, 340},
}};

LD X(float q) {
    return kChartLeft + static_cast<LD>(q) * VolumeScale;
}
LD Yp(float p) {
    return kPressureBottom - static_cast<LD>(p) * PressureScale;
}
LD Yw(float w) {
    return kPowerBottom - static_cast<LD>(w) / 1000 * PowerScale;
}

float F(int v) {
    return static_cast<float>(v);
}

void DrawFrame(const DrawTarget& t) {
    t.canvas->SetBrushColor(kWhite);
    t.canvas->SetPenColor(kBlack);
    t.Rectangle(0, 0, 545, 342);
}

void DrawAxes(const DrawTarget& t) {
    Canvas& c = *t.canvas;
    c.SetFontName("Arial");
    c.SetFontSize(8);
    c.SetPenWidth(1);
    c.SetPenColor(kBlack);
    c.SetFontSize(9);
    c.SetFontColor(kNavy);
    t.Text(kChartLeft, 3, LanguageEntry(entry::kAxisPressure) + PressureUnit);
    t.Text(kChartLeft, 207, LanguageEntry(entry::kAxisPower) + LanguageEntry(entry::kColumnKw));

    c.SetFontColor(kBlack);
    c.SetFontSize(8);
    t.Rectangle(kChartLeft, kPressureTop, kChartRight, kPressureBottom);

    c.SetPenColor(kGrey);
    const int dv = GridSpacing(VolumeTicks);
    if (dv > 0)
        for (int i = 1; i <= VolumeTicks - 1; ++i)
            t.Line(F(kChartLeft + i * dv), F(kPressureTop), F(kChartLeft + i * dv),
                   F(kPressureBottom));
    const int dp = GridSpacing(PressureTicks);
    if (dp > 0)
        for (int i = 1; i <= PressureTicks - 1; ++i)
            t.Line(F(kChartLeft), F(kPressureTop + i * dp), F(kChartRight),
                   F(kPressureTop + i * dp));

    if (PressureTicks >= 4 && PressureTicks <= 7) {
        const auto& ys = kPressureLabelY[static_cast<size_t>(PressureTicks - 4)];
        for (int i = 0; i <= PressureTicks; ++i)
            t.Text(kLabelX, ys[static_cast<size_t>(PressureTicks - i)],
                   PressureLabels[static_cast<size_t>(i)]);
    }

    c.SetPenColor(kBlack);
    t.Rectangle(kChartLeft, kPowerTop, kChartRight, kPowerBottom);
    c.SetPenColor(kGrey);
    if (dv > 0)
        for (int i = 1; i <= VolumeTicks - 1; ++i)
            t.Line(F(kChartLeft + i * dv), F(kPowerTop), F(kChartLeft + i * dv), F(kPowerBottom));
    for (int i = 1; i <= 4; ++i)
        t.Line(F(kChartLeft), F(kPowerTop + 10 * i), F(kChartRight), F(kPowerTop + 10 * i));

    t.Text(kLabelX, 220, PowerLabels[2]);
    t.Text(kLabelX, 245, PowerLabels[1]);
    t.Text(kLabelX, 267, PowerLabels[0]);

    if (VolumeTicks >= 4 && VolumeTicks <= 7) {
        const auto& xs = kVolumeLabelX[static_cast<size_t>(VolumeTicks - 4)];
        for (int i = 0; i <= VolumeTicks; ++i)
            t.Text(xs[static_cast<size_t>(VolumeTicks - i)], 277,
                   VolumeLabels[static_cast<size_t>(i)]);
    }

    std::string title = LanguageEntry(entry::kAirVolume);
    if (VolumeUnit == "m3/s" || VolumeUnit == "m3/h" || VolumeUnit == "l/s" || VolumeUnit == "cfm")
        title += " " + VolumeUnit;
    t.Text(400, 290, title);
}

// Curves beyond the fifth have no points in the record.
int CurvesInRecord(const TFanRecord& r) {
    return std::clamp(r.curve_count, 0, kCurves);
}

// A curve whose twenty points are all zero is absent from the record (a fan
// of two or three speeds has no fourth curve); its speed-step label would
// stand alone at the chart's origin.
bool HasPoints(const TFanRecord& r, int curve) {
    const int first = kPointsPerCurve * (curve - 1) + 1;
    for (int i = first; i < first + kPointsPerCurve; ++i)
        if (r.vol[i] != 0 || r.pres[i] != 0 || r.power[i] != 0)
            return true;
    return false;
}

bool ShowsStepLabel(const TFanRecord& r, int curve) {
    return r.curve_count > 1 && HasPoints(r, curve);
}

void DrawPressureCurves(const DrawTarget& t, const TFanRecord& r) {
    Canvas& c = *t.canvas;
    c.SetPenWidth(1);
    for (int curve = 1; curve <= CurvesInRecord(r); ++curve) {
        for (int k = 1; k <= kPointsPerCurve; ++k) {
            const int i = kPointsPerCurve * (curve - 1) + k;
            const float p = r.pres[i];
            // Below the curve's minimum pressure the fan must not run.
            c.SetPenColor(static_cast<LD>(r.min_pa[static_cast<size_t>(curve)]) > p ? kLime : kRed);
            const float x = F(RoundHalfEven(X(r.vol[i])));
            const float y = F(RoundHalfEven(Yp(p)));
            if (k == 1) {
                t.MoveTo(x, y);
                if (ShowsStepLabel(r, curve))
                    t.Text(static_cast<int>(x), static_cast<int>(y), std::to_string(6 - curve));
            } else if (p > 0) {
                t.LineTo(x, y);
            } else {
                t.MoveTo(x, y); // a gap; the next segment starts here
            }
        }
    }
}

void DrawPowerCurve(const DrawTarget& t, const TFanRecord& r, int curve, const char* label) {
    const int first = kPointsPerCurve * (curve - 1) + 1;
    const int x = RoundHalfEven(X(r.vol[first]));
    const int y = RoundHalfEven(Yw(r.power[first]));
    if (ShowsStepLabel(r, curve))
        t.Text(x + 10, y - 10, label);
    t.MoveTo(F(x), F(y));
    for (int k = 2; k <= kPointsPerCurve; ++k) {
        const int i = first + k - 1;
        // A point without pressure is bridged, not broken.
        if (r.pres[i] > 0)
            t.LineTo(F(RoundHalfEven(X(r.vol[i]))), F(RoundHalfEven(Yw(r.power[i]))));
    }
}

void DrawPowerCurves(const DrawTarget& t, const TFanRecord& r) {
    t.canvas->SetPenColor(kGreen);
    t.canvas->SetPenWidth(1);
    if (r.curve_count < 1)
        return; // a record without curves has no power curve either
    DrawPowerCurve(t, r, 1, "5");
    // Speed step 2 is the fourth curve. A fan of two or three curves has an
    // empty fourth one: its line position still moves to the origin, unlabelled.
    if (r.curve_count > 1)
        DrawPowerCurve(t, r, 4, "2");
}

struct DisplayUnits {
    LD f = 1;         // display volume units per m3/s
    LD step = 0.001L; // system-curve step in display volume units
    LD g = 1;         // Pa per display pressure unit
};

DisplayUnits UnitsOfDisplay() {
    DisplayUnits u;
    if (VolumeUnit == "m3/h") {
        u.f = 3600;
        u.step = 1;
    } else if (VolumeUnit == "l/s") {
        u.f = 1000;
        u.step = 10;
    } else if (VolumeUnit == "cfm") {
        u.f = 2118;
        u.step = 20;
    }
    if (PressureUnit == "mmwg")
        u.g = 10;
    else if (PressureUnit == "inwg")
        u.g = 250;
    return u;
}

void DrawDutyAndSystemCurve(const DrawTarget& t, const TFanRecord& r, float fanVolume,
                            float fanPressure) {
    Canvas& c = *t.canvas;
    const DisplayUnits u = UnitsOfDisplay();
    c.SetPenWidth(1);
    c.SetPenColor(kNavy);

    // The duty in the display units, raised to total pressure for a static duty.
    const float pv = PressureType == "Static" ? VelocityPressure(DutyVolume, r.outlet_area) : 0.0f;
    const float pvd = static_cast<float>(pv / u.g);
    const float k = static_cast<float>((static_cast<LD>(EnteredPressure) + pvd) /
                                       (static_cast<LD>(EnteredVolume) * EnteredVolume));
    const LD perVolume = VolumeScale / u.f; // chart units per display volume unit
    const int limit = RoundHalfEven(perVolume * std::max(fanVolume, EnteredVolume));

    t.MoveTo(F(kChartLeft), F(kPressureBottom));
    std::uint16_t a = 0, b = 0;
    std::uint16_t lastA = 0, lastB = 0; // where the line position is
    for (long long i = 1; a < kAxisLength && b < kAxisLength; ++i) {
        const float q = static_cast<float>(i * u.step);
        a = RoundToWord(perVolume * q);
        b = RoundToWord(static_cast<LD>(q) * q * k * PressureScale * u.g);
        // A line to where the pen already is paints nothing; fine steps on a
        // wide axis repeat points many times over.
        if (a < limit && (a != lastA || b != lastB)) {
            t.LineTo(F(kChartLeft + a), F(kPressureBottom - b));
            lastA = a;
            lastB = b;
        }
    }

    // Operating point, on the system curve.
    c.SetBrushColor(kAqua);
    c.SetPenColor(kBlack);
    c.SetPenWidth(1);
    int ma = RoundToWord(std::rint(perVolume * fanVolume) + kChartLeft);
    int mb = RoundToWord(kPressureBottom -
                         std::rint(static_cast<LD>(PressureScale) * u.g * fanPressure));
    t.Ellipse(ma - 4, mb - 4, ma + 4, mb + 4);

    // Duty point, at its total pressure.
    c.SetBrushColor(kRed);
    c.SetPenWidth(1);
    ma = RoundToWord(std::rint(perVolume * EnteredVolume) + kChartLeft);
    mb = RoundToWord(kPressureBottom -
                     std::rint((static_cast<LD>(EnteredPressure) + pvd) * PressureScale * u.g));
    t.Ellipse(ma - 4, mb - 4, ma + 4, mb + 4);

    c.SetBrushColor(kWhite);
    c.SetPenColor(kBlue);
}

void DrawVelocityPressureLine(const DrawTarget& t, const TFanRecord& r) {
    t.canvas->SetPenWidth(1);
    t.canvas->SetPenColor(kRed);
    t.MoveTo(F(kChartLeft), F(kPressureBottom));
    const float step = static_cast<float>(static_cast<LD>(r.vol[1]) / 10);
    for (int i = 1; i <= 10; ++i) {
        const float q = static_cast<float>(i * static_cast<LD>(step));
        const float pd = VelocityPressure(q, r.outlet_area);
        const std::uint16_t a = RoundToWord(static_cast<LD>(q) * VolumeScale);
        const std::uint16_t b = RoundToWord(static_cast<LD>(pd) * PressureScale);
        if (a < kAxisLength && b < kAxisLength)
            t.LineTo(F(kChartLeft + a), F(kPressureBottom - b));
    }
}

void DrawLegend(const DrawTarget& t) {
    Canvas& c = *t.canvas;
    c.SetBrushColor(kYellow);
    c.SetPenColor(kBlack);
    t.Rectangle(450, 20, 530, 52);
    c.SetBrushColor(kRed);
    t.Ellipse(455, 25, 460, 30);
    c.SetBrushColor(kYellow);
    t.Text(465, 22, LanguageEntry(entry::kLegendDuty));
    c.SetBrushColor(kAqua);
    t.Ellipse(455, 40, 460, 45);
    c.SetBrushColor(kYellow);
    t.Text(465, 37, LanguageEntry(entry::kLegendOperating));
    c.SetBrushColor(kWhite);
}

} // namespace

void DrawDiagram(const DrawTarget& target, const ResultsGrid& grid, DetailLoader& detail) {
    FetchFanRecord(SelectedFanNo, FanRecord);
    detail.LoadFanDetail();
    const int row = grid.CurrentRow();
    const float fanVolume = static_cast<float>(StrToFloatDot(grid.Cell(ResultsGrid::kVolume, row)));
    const float fanPressure =
        static_cast<float>(StrToFloatDot(grid.Cell(ResultsGrid::kPressure, row)));
    const TFanRecord& r = FanRecord;
    ChooseAxisScales(r);

    DrawFrame(target);
    DrawAxes(target);
    DrawPressureCurves(target, r);
    DrawPowerCurves(target, r);
    DrawDutyAndSystemCurve(target, r, fanVolume, fanPressure);
    if (r.outlet_area > 0)
        DrawVelocityPressureLine(target, r);
    DrawLegend(target);
}

} // namespace vd
