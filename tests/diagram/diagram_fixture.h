#pragma once
// A catalogue in a temporary data root, a language table whose entry n reads
// "Tn", a results grid with one current row, and a recording canvas.
#include "draw_target.h"
#include "number_text.h"
#include "paths.h"
#include "performance_diagram.h"
#include "recording_canvas.h"
#include "results_grid.h"
#include "scale_variables.h"
#include "test_files.h"
#include "vd_variables.h"

#include <gtest/gtest.h>

namespace vdtest {

struct CountingLoader : vd::DetailLoader {
    int calls = 0;
    int fanNoSeen = -1; // the record buffer when the material was loaded
    void LoadFanDetail() override { ++calls, fanNoSeen = vd::FanRecord.fan_no; }
};

// Curve 1 reaches 0.95 m3/s, 380 Pa and 450 W, so that with the 5 % headroom
// the axes end at 1 m3/s (5 intervals), 400 Pa (4) and 0.5 kW: 180 chart
// units per m3/s, 0.45 per Pa, 100 per kW. Curve c is curve 1 scaled by
// f = 1 - 0.1·(c-1) in volume, f² in pressure and f³ in power.
inline vd::TFanRecord StandardFan(int fanNo, int curves = 1) {
    const float vol[] = {0.95f, 0.9f, 0.8f, 0.7f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f, 0.1f};
    const float pres[] = {0, 100, 180, 240, 290, 320, 345, 360, 370, 380};
    const float power[] = {300, 320, 350, 380, 400, 420, 430, 440, 445, 450};
    vd::TFanRecord r = MakeFan(fanNo, "PW", "PW 250", {}, {});
    for (int c = 1; c <= curves && c <= 5; ++c) {
        const float f = 1.0f - 0.1f * static_cast<float>(c - 1);
        for (int k = 0; k < 10; ++k) {
            r.vol[20 * (c - 1) + k + 1] = vol[k] * f;
            r.pres[20 * (c - 1) + k + 1] = pres[k] * f * f;
            r.power[20 * (c - 1) + k + 1] = power[k] * f * f * f;
        }
    }
    r.curve_count = curves;
    r.outlet_area = 0;
    r.diagram_file.assign("pw250d.wmf");
    r.weight.assign("12.5");
    r.max_temp = 40;
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 10; ++col)
            r.sound[static_cast<size_t>(row)][static_cast<size_t>(col)].assign(
                std::to_string(40 + row + col));
    for (const auto& d : vd::DimensionFields())
        (r.*d.field).assign("0");
    return r;
}

class DrawingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        vd::ResetVariables();
        vd::ResetScaleVariables();
        vd::SetDecimalSeparator('.');
        vd::SetDataRoot(dir.path());
        for (int n = 0; n < vd::kLanguageEntries; ++n)
            vd::LanguageText[static_cast<size_t>(n)] = "T" + std::to_string(n);
        vd::VolumeUnit = "m3/s";
        vd::PressureUnit = "Pa";
        vd::PressureType = "Total";
        vd::EnteredVolume = vd::DutyVolume = 0.6f;
        vd::EnteredPressure = vd::DutyPressure = 200;
        vd::SelectedFanNo = 1;
        vd::ResetResultsGrid(grid, "m3/s", "Pa");
        SetRow("1", "0.62", "214");
    }
    void TearDown() override {
        vd::SetDataRoot({});
        vd::SetDecimalSeparator('.');
    }

    void Write(const std::vector<vd::TFanRecord>& recs) {
        WriteFile(dir / "dat/vd_fan.rec", EncodeRecords(recs));
    }
    void Write(const vd::TFanRecord& rec) { Write(std::vector<vd::TFanRecord>{rec}); }

    // Row 1, the current row: operating point and ratings.
    void SetRow(const std::string& fanNo, const std::string& volume, const std::string& pressure) {
        const std::string cells[] = {fanNo,   "PW 250", volume, pressure, "103%",
                                     "0.650", "",       "",     "",       "230/50/1"};
        for (int c = 0; c < 10; ++c)
            grid.SetCell(c, 1, cells[c]);
        grid.SetCurrentRow(1);
    }

    TempDir dir;
    vd::ResultsGrid grid;
    RecordingCanvas canvas;
    vd::DrawTarget target = vd::DrawTarget::Screen(canvas);
    CountingLoader loader;
};

inline bool IsLine(const CanvasCall& c) {
    return c.op == CanvasCall::Op::LineTo;
}
inline bool IsText(const CanvasCall& c) {
    return c.op == CanvasCall::Op::Text;
}

} // namespace vdtest
