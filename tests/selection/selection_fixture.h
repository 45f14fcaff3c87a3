#pragma once
// A catalogue in a temporary folder, the shared state reset, and a message
// box that records what it was asked to show.
#include "number_text.h"
#include "paths.h"
#include "results_grid.h"
#include "select_fans.h"
#include "test_files.h"
#include "vd_variables.h"

#include <gtest/gtest.h>

struct RecordingMessages : vd::MessageService {
    std::vector<std::string> shown;
    void ShowMessage(const std::string& text) override { shown.push_back(text); }
};

class SelectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        vd::ResetVariables();
        vd::SetDecimalSeparator('.');
        vd::SetDataRoot(dir.path());
        for (int i = 0; i < vd::kLanguageEntries; ++i)
            vd::LanguageText[static_cast<size_t>(i)] = "T" + std::to_string(i);
        for (const auto& f : vd::FamilyFlags())
            *f.flag = "Y";
        vd::PressureType = "Total";
        vd::VolumeUnit = "m3/s";
        vd::PressureUnit = "Pa";
    }
    void TearDown() override {
        vd::SetDataRoot({});
        vd::ResetVariables();
    }

    void Catalogue(const std::vector<vd::TFanRecord>& recs) {
        vdtest::WriteFile(dir / "dat/vd_fan.rec", vdtest::EncodeRecords(recs));
    }

    // Resets the grid and runs the selection for a duty in m3/s and Pa.
    void Run(float volume, float pressure) {
        vd::EnteredVolume = vd::DutyVolume = volume;
        vd::EnteredPressure = vd::DutyPressure = pressure;
        vd::ResetResultsGrid(grid, "m3/s", "Pa");
        vd::SelectFans(controls, grid, messages);
    }

    std::vector<std::string> Column(int col) const {
        std::vector<std::string> v;
        for (int r = 1; r < grid.RowCount(); ++r)
            v.emplace_back(grid.Cell(col, r));
        return v;
    }

    // A fan whose curve passes through (1 m3/s, 100 Pa) with k = 100 there, so
    // a duty of (1/f m3/s, 100/f² Pa) is delivered at f × 100 percent.
    static vd::TFanRecord Through(int no, const std::string& family, const std::string& model) {
        return vdtest::MakeFan(no, family, model, {2, 1, 0.5f}, {0, 100, 150}, {200, 300, 350});
    }

    vdtest::TempDir dir;
    vd::ResultsGrid grid;
    vd::FixedSelectionControls controls;
    RecordingMessages messages;
};
