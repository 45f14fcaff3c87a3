#include "fan_tables.h"

#include "fan_file.h"
#include "number_text.h"
#include "speed_steps.h"
#include "text_entries.h"
#include "units.h"
#include "vd_variables.h"

#include <array>
#include <string>

namespace vd {
namespace {

using namespace colours;

struct RowLabel {
    int text; // language text
    int y;
};
constexpr std::array<RowLabel, 14> kRowLabels = {{
    {23, 3},
    {37, 20},
    {38, 38},
    {39, 56},
    {40, 74},
    {21, 92},
    {41, 110},
    {26, 128},
    {42, 146},
    {43, 164},
    {29, 182},
    {44, 200},
    {45, 219},
    {46, 236},
}};

constexpr int kValueX = 138;
constexpr int kDimensionFontPoints = 5;
constexpr int kSupplyValueX = 135;
constexpr int kTableRight = 300;
constexpr int kSoundTop = 252, kAreaBottom = 342;

// "value unit" in the unit's display format; empty for a unit the table
// does not know.
std::string EnteredWithUnit(const std::array<UnitRow, 4>& table, const std::string& unit,
                            float value) {
    const UnitRow* row = FindUnit(table, unit);
    if (!row)
        return {};
    return FormatFixed(value, row->decimals) + " " + unit;
}

// The picture name without its four-character extension.
std::string WithoutExtension(std::string_view name) {
    return name.size() > 4 ? std::string(name.substr(0, name.size() - 4)) : std::string();
}

void DrawValues(const DrawTarget& t, const TFanRecord& r, const ResultsGrid& grid) {
    const int row = grid.CurrentRow();
    auto cell = [&](int col) { return std::string(grid.Cell(col, row)); };

    t.Text(kValueX, 3, r.model.str());
    const std::string volume = EnteredWithUnit(VolumeUnits(), VolumeUnit, EnteredVolume);
    if (!volume.empty())
        t.Text(kValueX, 20, volume);
    const std::string pressure = EnteredWithUnit(PressureUnits(), PressureUnit, EnteredPressure);
    if (!pressure.empty())
        t.Text(kValueX, 38, pressure);
    t.Text(kValueX, 56, cell(ResultsGrid::kVolume) + " " + VolumeUnit);
    t.Text(kValueX, 74, cell(ResultsGrid::kPressure) + " " + PressureUnit);
    t.Text(kValueX, 92, cell(ResultsGrid::kPercent));
    t.Text(kValueX, 110,
           cell(ResultsGrid::kSpecificPower) + " " + LanguageEntry(entry::kUnitSpecificPower));
    t.Text(kValueX, 128, r.value_col6.str() + " " + LanguageEntry(entry::kUnitRpm));
    t.Text(kValueX, 146, r.value_col7.str() + " " + LanguageEntry(entry::kUnitKw));
    t.Text(kValueX, 164, r.amps.str() + " " + LanguageEntry(entry::kUnitAmps));
    t.Text(kSupplyValueX, 182,
           cell(ResultsGrid::kSupply) + " " + LanguageEntry(entry::kUnitSupply));
    t.Text(kValueX, 200,
           FormatFixed(r.max_temp, 0) + " \xB0"
                                        "C");
    t.Text(kValueX, 219, WithoutExtension(r.diagram_file.view()));
    t.Text(kValueX, 236, r.weight.str() + " kg");
}

void DrawSoundTable(const DrawTarget& t, const TFanRecord& r) {
    Canvas& c = *t.canvas;
    c.SetFontSize(7);
    const auto& columns = SoundColumnNames();
    t.Text(5, 254, LanguageEntry(entry::kSoundHead));
    for (int col = 0; col < 10; ++col)
        t.Text(80 + 20 * col, 254, columns[static_cast<size_t>(col)]);
    t.Text(280, 254, "Hz");

    for (int row = 1; row <= 4; ++row) {
        const auto& values = r.sound[static_cast<size_t>(row)];
        // A row without data is written "0" in its first column.
        if (values[1] == "0")
            continue;
        const int y = 272 + 18 * (row - 1);
        t.Text(5, y,
               LanguageEntry(static_cast<long long>(r.sound_label[static_cast<size_t>(row)]) - 1));
        for (int col = 1; col <= 10; ++col)
            t.Text(80 + 20 * (col - 1), y, values[static_cast<size_t>(col)].str());
        t.Text(280, y, LanguageEntry(entry::kUnitDb));
    }

    c.SetPenColor(kBlack);
    for (int x = 277; x >= 77; x -= 20)
        t.Line(x, kSoundTop, x, kAreaBottom);
    for (int y = 270; y <= 324; y += 18)
        t.Line(0, y, kTableRight, y);
}

void DrawSpeedSteps(const DrawTarget& t, const TFanRecord& r) {
    t.canvas->SetFontSize(9);
    t.Text(305, 308, LanguageEntry(entry::kStep));
    t.Text(305, 326, LanguageEntry(entry::kVolts));
    for (int curve = 1; curve <= kMaxCurves; ++curve)
        t.Text(362 + 40 * (curve - 1), 308, SpeedStepLabel(curve));
    for (int curve = 1; curve <= kMaxCurves; ++curve)
        t.Text(355 + 40 * (curve - 1), 326, SpeedStepVolts(curve, r.phases));
    // Reaches 5 units past the diagram's frame; a screen picture cuts it off.
    t.Line(300, 306, 550, 306);
    t.Line(300, 324, 550, 324);
    for (int x = 345; x <= 505; x += 40)
        t.Line(x, 306, x, kAreaBottom);
}

} // namespace

void DrawDataTable(const DrawTarget& target, const ResultsGrid& grid) {
    FetchFanRecord(SelectedFanNo, FanRecord);
    const TFanRecord& r = FanRecord;
    Canvas& c = *target.canvas;

    c.SetFontName("Arial");
    c.SetFontSize(9);
    c.SetFontColor(kBlack);
    for (const RowLabel& label : kRowLabels)
        target.Text(5, label.y, LanguageEntry(label.text));
    DrawValues(target, r, grid);
    DrawSoundTable(target, r);
    if (r.curve_count > 1)
        DrawSpeedSteps(target, r);

    c.SetPenColor(kBlack);
    target.Line(133, 0, 133, kSoundTop);
    target.Line(kTableRight, 0, kTableRight, kAreaBottom);
    for (int y = 18; y <= kSoundTop; y += 18)
        target.Line(0, y, kTableRight, y);
}

void DrawDimensionTable(const DrawTarget& target) {
    const TFanRecord& r = FanRecord;
    Canvas& c = *target.canvas;
    c.SetBrushColor(kWhite);
    c.SetPenColor(kBlack);
    target.Rectangle(0, 0, 500, 50);
    // A value starts 3 units into its 25-unit column: five digits of Arial at
    // 5 points (7 pixels on a 96-dpi screen) leave the next grid line clear,
    // on the screen and on paper, where a column is wider in points.
    c.SetFontName("Arial");
    c.SetFontSize(kDimensionFontPoints);
    c.SetFontStyle(kFontRegular);
    c.SetFontColor(kBlack);
    int x = 5;
    for (const DimensionField& dim : DimensionFields()) {
        const auto& text = r.*dim.field;
        if (text == "0")
            continue; // the dimension does not apply; the others close up
        target.Text(x, 5, dim.label);
        target.Text(x - 2, 30, text.str());
        x += 25;
    }
    target.Line(0, 25, 500, 25);
    for (int gx = 25; gx <= 475; gx += 25)
        target.Line(gx, 0, gx, 50);
}

} // namespace vd
