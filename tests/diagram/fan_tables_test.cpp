#include "diagram_fixture.h"
#include "errors.h"
#include "fan_tables.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

using Op = CanvasCall::Op;

class DataTable : public DrawingTest {
  protected:
    void Draw() { vd::DrawDataTable(target, grid); }
};

TEST_F(DataTable, RowsShowTheDutyTheGridRowAndTheRecord) {
    Write(StandardFan(1));
    Draw();
    const int labels[][2] = {{23, 3},   {37, 20},  {38, 38},  {39, 56},  {40, 74},
                             {21, 92},  {41, 110}, {26, 128}, {42, 146}, {43, 164},
                             {29, 182}, {44, 200}, {45, 219}, {46, 236}};
    for (auto [n, y] : labels)
        EXPECT_EQ(canvas.TextAt(5, y), "T" + std::to_string(n)) << y;
    const std::pair<int, const char*> values[] = {{3, "PW 250"},
                                                  {20, "0.60 m3/s"},
                                                  {38, "200 Pa"},
                                                  {56, "0.62 m3/s"},
                                                  {74, "214 Pa"},
                                                  {92, "103%"},
                                                  {110, "0.650 T134"},
                                                  {128, "1400 T129"},
                                                  {146, "IP44 T130"},
                                                  {164, "0.5 T131"},
                                                  {200, "40 \xB0"
                                                        "C"},
                                                  {219, "pw250d"},
                                                  {236, "12.5 kg"}};
    for (auto [y, text] : values)
        EXPECT_EQ(canvas.TextAt(138, y), text) << y;
    EXPECT_EQ(canvas.TextAt(135, 182), "230/50/1 T138");
    const CanvasState first = canvas.Of(Op::Text).front().state;
    EXPECT_EQ(first.fontName, "Arial");
    EXPECT_EQ(first.fontSize, 9);

    // The table grid, in black.
    EXPECT_EQ(canvas.LinesFromTo(133, 0, 133, 252), 1);
    EXPECT_EQ(canvas.LinesFromTo(300, 0, 300, 342), 1);
    for (int y = 18; y <= 252; y += 18)
        EXPECT_EQ(canvas.LinesFromTo(0, y, 300, y), 1) << y;
    EXPECT_EQ(canvas.Of(Op::LineTo).size(), 2u + 14u + 11u + 4u);
    EXPECT_TRUE(canvas
                    .Where([](const CanvasCall& c) {
                        return IsLine(c) && c.state.pen != vd::colours::kBlack;
                    })
                    .empty());
}

TEST_F(DataTable, EnteredDutyIsFormattedPerUnit) {
    vd::TFanRecord r = StandardFan(1);
    r.diagram_file.assign("a.wm"); // four characters: nothing left
    Write(r);
    struct Case {
        const char *vunit, *punit;
        float volume, pressure;
        const char *volumeText, *pressureText;
    };
    for (const Case& c : {Case{"m3/h", "mmwg", 5400.4f, 20.25f, "5400 m3/h", "20.2 mmwg"},
                          Case{"l/s", "inwg", 600.5f, 0.8f, "600 l/s", "0.80 inwg"},
                          Case{"cfm", "N/m2", 1271, 199.5f, "1271 cfm", "200 N/m2"}}) {
        vd::VolumeUnit = c.vunit;
        vd::PressureUnit = c.punit;
        vd::EnteredVolume = c.volume;
        vd::EnteredPressure = c.pressure;
        canvas.clear();
        Draw();
        EXPECT_EQ(canvas.TextAt(138, 20), c.volumeText);
        EXPECT_EQ(canvas.TextAt(138, 38), c.pressureText);
    }
    EXPECT_EQ(canvas.TextAt(138, 219), "");

    vd::VolumeUnit = "gal"; // unknown units: nothing in the duty rows
    vd::PressureUnit = "";
    canvas.clear();
    Draw();
    EXPECT_EQ(canvas.TextAt(138, 20), "<none>");
    EXPECT_EQ(canvas.TextAt(138, 38), "<none>");
    EXPECT_EQ(canvas.TextAt(138, 56), "0.62 gal");

    vd::SetDecimalSeparator(',');
    vd::VolumeUnit = "m3/s";
    vd::EnteredVolume = 1.5f;
    canvas.clear();
    Draw();
    EXPECT_EQ(canvas.TextAt(138, 20), "1,50 m3/s");
}

TEST_F(DataTable, SoundRowsStartingWithZeroAreLeftBlankButKeepTheirLines) {
    vd::TFanRecord r = StandardFan(1);
    r.sound[2][1].assign("0");   // no data: not shown, label included
    r.sound[3][1].assign("0.0"); // shown: only "0" means no data
    r.sound_label[3] = 0;        // names no language entry
    r.sound_label[4] = 251;
    Write(r);
    Draw();
    EXPECT_EQ(canvas.TextAt(5, 254), "T47");
    EXPECT_EQ(canvas.TextAt(80, 254), "lpa");
    EXPECT_EQ(canvas.TextAt(260, 254), "8k");
    EXPECT_EQ(canvas.TextAt(280, 254), "Hz");
    auto row = [&](int y) {
        return canvas.Where([y](const CanvasCall& c) { return IsText(c) && c.y1 == y; });
    };
    EXPECT_EQ(row(254).front().state.fontSize, 7);
    ASSERT_EQ(row(272).size(), 12u);
    EXPECT_EQ(canvas.TextAt(5, 272), "T140");
    EXPECT_EQ(canvas.TextAt(100, 272), "43");
    EXPECT_EQ(canvas.TextAt(280, 272), "T89");
    EXPECT_TRUE(row(290).empty());
    EXPECT_EQ(canvas.TextAt(80, 308), "0.0");
    EXPECT_EQ(canvas.TextAt(5, 308), "");
    EXPECT_EQ(canvas.TextAt(5, 326), "");
    for (int x = 77; x <= 277; x += 20)
        EXPECT_EQ(canvas.LinesFromTo(x, 252, x, 342), 1) << x;
    for (int y : {270, 288, 306, 324})
        EXPECT_EQ(canvas.LinesFromTo(0, y, 300, y), 1) << y;
    EXPECT_EQ(canvas.state().fontSize, 7);
}

TEST_F(DataTable, SpeedStepsOfMultiSpeedFansWithVoltagesByPhases) {
    Write(StandardFan(1, 1));
    Draw();
    EXPECT_EQ(canvas.TextAt(305, 308), "<none>");
    EXPECT_EQ(canvas.LinesFromTo(300, 306, 550, 306), 0);

    for (int phases : {1, 3}) {
        vd::TFanRecord r = StandardFan(1, 5);
        r.phases = phases;
        Write(r);
        canvas.clear();
        Draw();
        EXPECT_EQ(canvas.TextAt(305, 308), "T132");
        EXPECT_EQ(canvas.TextAt(305, 326), "T133");
        const char* single[] = {"230", "165", "135", "110", " 80"};
        const char* three[] = {"400", "240", "185", "145", " 95"};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(canvas.TextAt(362 + 40 * i, 308), std::to_string(5 - i));
            EXPECT_EQ(canvas.TextAt(355 + 40 * i, 326), phases == 1 ? single[i] : three[i]);
            EXPECT_EQ(canvas.LinesFromTo(345 + 40 * i, 306, 345 + 40 * i, 342), 1);
        }
        EXPECT_EQ(canvas.LinesFromTo(300, 306, 550, 306), 1);
        EXPECT_EQ(canvas.LinesFromTo(300, 324, 550, 324), 1);
        EXPECT_EQ(canvas.state().fontSize, 9);
    }
}

TEST_F(DataTable, FetchFailureDrawsNothing) {
    Write(StandardFan(1));
    vd::SelectedFanNo = 5;
    EXPECT_THROW(Draw(), vd::FileError);
    EXPECT_TRUE(canvas.calls().empty());
}

class DimensionTable : public DrawingTest {
  protected:
    // Drawn from the record buffer alone: there is no catalogue file here.
    void Draw(std::initializer_list<std::pair<vd::Str10 vd::TFanRecord::*, const char*>> dims,
              const char* others = "0") {
        for (const auto& d : vd::DimensionFields())
            (vd::FanRecord.*d.field).assign(others);
        for (auto [field, text] : dims)
            (vd::FanRecord.*field).assign(text);
        canvas.clear();
        vd::DrawDimensionTable(target);
    }
};

TEST_F(DimensionTable, DimensionsOfZeroTakeNoColumnAndTheRestCloseUp) {
    Draw({{&vd::TFanRecord::dim_a, "330"},
          {&vd::TFanRecord::dim_c, "0.0"},
          {&vd::TFanRecord::dim_m, "12"}});
    EXPECT_EQ(canvas.TextAt(5, 5), "A");
    EXPECT_EQ(canvas.TextAt(3, 30), "330");
    EXPECT_EQ(canvas.TextAt(30, 5), "C");
    EXPECT_EQ(canvas.TextAt(28, 30), "0.0");
    EXPECT_EQ(canvas.TextAt(55, 5), "M");
    EXPECT_EQ(canvas.TextAt(53, 30), "12");
    EXPECT_EQ(canvas.Of(Op::Text).size(), 6u);

    Draw({}, ""); // empty texts are not "0": all seventeen columns
    EXPECT_EQ(canvas.TextAt(30, 5), "d2");
    EXPECT_EQ(canvas.TextAt(405, 5), "M");
}

TEST_F(DimensionTable, AllZeroLeavesTheFrameAndTheFullGrid) {
    Draw({});
    EXPECT_TRUE(canvas.Of(Op::Text).empty());
    const auto rect = canvas.Of(Op::Rectangle);
    ASSERT_EQ(rect.size(), 1u);
    EXPECT_EQ(rect[0].box(), (std::array{0, 0, 500, 50}));
    EXPECT_EQ(rect[0].state.brush, vd::colours::kWhite);
    EXPECT_EQ(canvas.LinesFromTo(0, 25, 500, 25), 1);
    for (int x = 25; x <= 475; x += 25)
        EXPECT_EQ(canvas.LinesFromTo(x, 0, x, 50), 1) << x;
    EXPECT_EQ(canvas.Of(Op::LineTo).size(), 20u);
}

} // namespace
} // namespace vdtest
