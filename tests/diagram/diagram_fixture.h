#pragma once
// A catalogue in a temporary data root, a language table whose entry n reads
// "Tn", a results grid with one current row, and a recording canvas.
#include "draw_target.h"
#include "fan_record.h"
#include "number_text.h"
#include "paths.h"
#include "performance_diagram.h"
#include "recording_canvas.h"
#include "results_grid.h"
#include "scale_variables.h"
#include "test_files.h"
#include "vd_variables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vdtest {

struct CountingLoader : vd::DetailLoader {
    int calls = 0;
    int fanNoSeen = -1; // the record buffer when the material was loaded
    void LoadFanDetail() override {
        ++calls;
        fanNoSeen = vd::FanRecord.fan_no;
    }
};

// Curve c (1..5) of the standard fan: curve 1 scaled down by 1 - 0.1·(c-1) in
// volume, its square in pressure and its cube in power.
inline void SetCurve(vd::TFanRecord& r, int c, const std::vector<float>& vol,
                     const std::vector<float>& pres, const std::vector<float>& power) {
    for (size_t k = 0; k < vol.size(); ++k) {
        const int i = 20 * (c - 1) + static_cast<int>(k) + 1;
        r.vol[i] = vol[k];
        r.pres[i] = pres[k];
        r.power[i] = power[k];
    }
}

// Curve 1 reaches 0.95 m3/s, 380 Pa and 450 W, so that with 5 % headroom the
// axes end at 1 m3/s, 400 Pa and 0.5 kW: 180 chart units per m3/s, 0.45 per
// Pa and 100 per kW.
inline const std::vector<float> kVol = {0.95f, 0.9f, 0.8f, 0.7f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f, 0.1f};
inline const std::vector<float> kPres = {0, 100, 180, 240, 290, 320, 345, 360, 370, 380};
inline const std::vector<float> kPower = {300, 320, 350, 380, 400, 420, 430, 440, 445, 450};

inline vd::TFanRecord StandardFan(int fanNo, int curves = 1) {
    vd::TFanRecord r = MakeFan(fanNo, "PW", "PW 250", kVol, kPres, kPower);
    r.curve_count = curves;
    r.outlet_area = 0;
    for (int c = 2; c <= curves && c <= 5; ++c) {
        const float f = 1.0f - 0.1f * static_cast<float>(c - 1);
        std::vector<float> v, p, w;
        for (size_t k = 0; k < kVol.size(); ++k) {
            v.push_back(kVol[k] * f);
            p.push_back(kPres[k] * f * f);
            w.push_back(kPower[k] * f * f * f);
        }
        SetCurve(r, c, v, p, w);
    }
    r.diagram_file.assign("pw250d.wmf");
    r.weight.assign("12.5");
    r.max_temp = 40;
    r.value_col6.assign("2450");
    r.value_col7.assign("0.25");
    r.amps.assign("1.1");
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 10; ++col)
            r.sound[static_cast<size_t>(row)][static_cast<size_t>(col)].assign(std::to_string(40 + row + col));
    r.dim_a.assign("330");
    r.dim_m.assign("12");
    for (auto* d : {&r.dim_d1, &r.dim_d2, &r.dim_d3, &r.dim_d4, &r.dim_b, &r.dim_c, &r.dim_d,
                    &r.dim_e, &r.dim_f, &r.dim_g, &r.dim_h, &r.dim_i, &r.dim_j, &r.dim_k, &r.dim_l})
        d->assign("0");
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

    // Row 1 becomes the current row with the operating point and ratings.
    void SetRow(const std::string& fanNo, const std::string& volume, const std::string& pressure) {
        grid.SetCell(vd::ResultsGrid::kFanNo, 1, fanNo);
        grid.SetCell(vd::ResultsGrid::kVolume, 1, volume);
        grid.SetCell(vd::ResultsGrid::kPressure, 1, pressure);
        grid.SetCell(vd::ResultsGrid::kPercent, 1, "103%");
        grid.SetCell(vd::ResultsGrid::kSpecificPower, 1, "0.650");
        grid.SetCell(vd::ResultsGrid::kSupply, 1, "230/50/1");
        grid.SetCurrentRow(1);
    }

    // The calls from the first one matching `from` up to (not including) the
    // next one matching `to`.
    template <typename From, typename To>
    std::vector<CanvasCall> Between(From from, To to) const {
        std::vector<CanvasCall> out;
        bool in = false;
        for (const auto& c : canvas.calls()) {
            if (!in && from(c)) {
                in = true;
                continue;
            }
            if (in && to(c))
                break;
            if (in)
                out.push_back(c);
        }
        return out;
    }

    TempDir dir;
    vd::ResultsGrid grid;
    RecordingCanvas canvas;
    vd::DrawTarget target = vd::DrawTarget::Screen(canvas);
    CountingLoader loader;
};

inline bool IsLine(const CanvasCall& c) { return c.op == CanvasCall::Op::LineTo; }
inline bool IsText(const CanvasCall& c) { return c.op == CanvasCall::Op::Text; }

} // namespace vdtest
