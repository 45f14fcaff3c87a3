#include "diagram_fixture.h"
#include "errors.h"
#include "fan_tables.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vdtest {
namespace {

using Op = CanvasCall::Op;

class DataTable : public DrawingTest {
protected:
    void Draw() { vd::DrawDataTable(target, grid); }
    int LinesFromTo(int x1, int y1, int x2, int y2) const {
        return static_cast<int>(canvas.Where([&](const CanvasCall& c) {
            return IsLine(c) && c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2;
        }).size());
    }
};

TEST_F(DataTable, RowsShowTheDutyTheGridRowAndTheRecord) {
    Write(StandardFan(1));
    Draw();
    const std::pair<int, int> labels[] = {{23, 3},   {37, 20},  {38, 38},  {39, 56},  {40, 74},
                                          {21, 92},  {41, 110}, {26, 128}, {42, 146}, {43, 164},
                                          {29, 182}, {44, 200}, {45, 219}, {46, 236}};
    for (auto [n, y] : labels)
        EXPECT_EQ(canvas.TextAt(5, y), "T" + std::to_string(n)) << y;
    EXPECT_EQ(canvas.TextAt(138, 3), "PW 250");
    EXPECT_EQ(canvas.TextAt(138, 20), "0.60 m3/s");
    EXPECT_EQ(canvas.TextAt(138, 38), "200 Pa");
    EXPECT_EQ(canvas.TextAt(138, 56), "0.62 m3/s");
    EXPECT_EQ(canvas.TextAt(138, 74), "214 Pa");
    EXPECT_EQ(canvas.TextAt(138, 92), "103%");
    EXPECT_EQ(canvas.TextAt(138, 110), "0.650 T134");
    EXPECT_EQ(canvas.TextAt(138, 128), "2450 T129");
    EXPECT_EQ(canvas.TextAt(138, 146), "0.25 T130");
    EXPECT_EQ(canvas.TextAt(138, 164), "1.1 T131");
    EXPECT_EQ(canvas.TextAt(135, 182), "230/50/1 T138");
    EXPECT_EQ(canvas.TextAt(138, 182), "<none>");
    EXPECT_EQ(canvas.TextAt(138, 200), "40 \xB0" "C");
    EXPECT_EQ(canvas.TextAt(138, 219), "pw250d");
    EXPECT_EQ(canvas.TextAt(138, 236), "12.5 kg");

    const auto first = canvas.Where(IsText).front();
    EXPECT_EQ(first.state.fontName, "Arial");
    EXPECT_EQ(first.state.fontSize, 9);
    EXPECT_EQ(first.state.fontColor, vd::colours::kBlack);
}

TEST_F(DataTable, EnteredDutyIsFormattedPerUnit) {
    vd::TFanRecord r = StandardFan(1);
    r.diagram_file.assign("a.wm");
    Write(r);
    struct Case {
        const char* vunit;
        float volume;
        const char* punit;
        float pressure;
        const char* volumeText;
        const char* pressureText;
    };
    const Case cases[] = {
        {"m3/h", 5400.4f, "mmwg", 20.25f, "5400 m3/h", "20.2 mmwg"},
        {"l/s", 600.5f, "inwg", 0.8f, "600 l/s", "0.80 inwg"},
        {"cfm", 1271.0f, "N/m2", 199.5f, "1271 cfm", "200 N/m2"},
        {"m3/s", 1.5f, "Pa", 200, "1.50 m3/s", "200 Pa"},
    };
    for (const Case& c : cases) {
        canvas.clear();
        vd::VolumeUnit = c.vunit;
        vd::PressureUnit = c.punit;
        vd::EnteredVolume = c.volume;
        vd::EnteredPressure = c.pressure;
        Draw();
        EXPECT_EQ(canvas.TextAt(138, 20), c.volumeText);
        EXPECT_EQ(canvas.TextAt(138, 38), c.pressureText);
        EXPECT_EQ(canvas.TextAt(138, 56), std::string("0.62 ") + c.vunit);
    }
    // Unknown units: nothing in the duty rows; the grid rows keep the unit text.
    canvas.clear();
    vd::VolumeUnit = "gal";
    vd::PressureUnit = "";
    Draw();
    EXPECT_EQ(canvas.TextAt(138, 20), "<none>");
    EXPECT_EQ(canvas.TextAt(138, 38), "<none>");
    EXPECT_EQ(canvas.TextAt(138, 56), "0.62 gal");
    EXPECT_EQ(canvas.TextAt(138, 74), "214 ");
    // A picture name of four characters or fewer leaves nothing.
    EXPECT_EQ(canvas.TextAt(138, 219), "");

    canvas.clear();
    vd::SetDecimalSeparator(',');
    vd::VolumeUnit = "m3/s";
    vd::EnteredVolume = 1.5f;
    Draw();
    EXPECT_EQ(canvas.TextAt(138, 20), "1,50 m3/s");
}

TEST_F(DataTable, SoundRowsStartingWithZeroAreLeftBlank) {
    vd::TFanRecord r = StandardFan(1);
    r.sound[2][1].assign("0");   // not shown, label included
    r.sound[3][1].assign("0.0"); // shown: only "0" means no data
    r.sound_label[1] = 141;
    r.sound_label[3] = 0;        // names no language entry
    r.sound_label[4] = 251;
    Write(r);
    Draw();
    EXPECT_EQ(canvas.TextAt(5, 254), "T47");
    const char* heads[] = {"lpa", "lwa", "63", "125", "250", "500", "1k", "2k", "4k", "8k"};
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(canvas.TextAt(80 + 20 * c, 254), heads[c]);
    EXPECT_EQ(canvas.TextAt(280, 254), "Hz");
    EXPECT_EQ(canvas.Where([](const CanvasCall& c) { return IsText(c) && c.y1 == 254; }).front().state.fontSize, 7);

    EXPECT_EQ(canvas.TextAt(5, 272), "T140");
    EXPECT_EQ(canvas.TextAt(80, 272), "42");
    EXPECT_EQ(canvas.TextAt(260, 272), "51");
    EXPECT_EQ(canvas.TextAt(280, 272), "T89");
    EXPECT_TRUE(canvas.Where([](const CanvasCall& c) { return IsText(c) && c.y1 == 290; }).empty());
    EXPECT_EQ(canvas.TextAt(80, 308), "0.0");
    EXPECT_EQ(canvas.TextAt(5, 308), "");
    EXPECT_EQ(canvas.TextAt(5, 326), "");

    for (int x = 77; x <= 277; x += 20)
        EXPECT_EQ(LinesFromTo(x, 252, x, 342), 1) << x;
    for (int y : {270, 288, 306, 324})
        EXPECT_EQ(LinesFromTo(0, y, 300, y), 1) << y;
}

TEST_F(DataTable, TableGridIsComplete) {
    Write(StandardFan(1));
    Draw();
    EXPECT_EQ(LinesFromTo(133, 0, 133, 252), 1);
    EXPECT_EQ(LinesFromTo(300, 0, 300, 342), 1);
    for (int y = 18; y <= 252; y += 18)
        EXPECT_EQ(LinesFromTo(0, y, 300, y), 1) << y;
    EXPECT_TRUE(std::all_of(canvas.calls().begin(), canvas.calls().end(),
                            [](const CanvasCall& c) { return !IsLine(c) || c.state.pen == vd::colours::kBlack; }));
    EXPECT_EQ(canvas.state().fontSize, 7);
}

TEST_F(DataTable, SpeedStepTableOnlyForMultiSpeedFansWithVoltagesByPhases) {
    Write(StandardFan(1, 1));
    Draw();
    EXPECT_EQ(canvas.TextAt(305, 308), "<none>");
    EXPECT_EQ(LinesFromTo(300, 306, 550, 306), 0);

    for (int phases : {1, 3}) {
        vd::TFanRecord r = StandardFan(1, 5);
        r.phases = phases;
        Write(r);
        canvas.clear();
        Draw();
        EXPECT_EQ(canvas.TextAt(305, 308), "T132");
        EXPECT_EQ(canvas.TextAt(305, 326), "T133");
        const char* steps[] = {"5", "4", "3", "2", "1"};
        const char* single[] = {"230", "165", "135", "110", " 80"};
        const char* three[] = {"400", "240", "185", "145", " 95"};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(canvas.TextAt(362 + 40 * i, 308), steps[i]);
            EXPECT_EQ(canvas.TextAt(355 + 40 * i, 326), phases == 1 ? single[i] : three[i]);
        }
        EXPECT_EQ(LinesFromTo(300, 306, 550, 306), 1);
        EXPECT_EQ(LinesFromTo(300, 324, 550, 324), 1);
        for (int x = 345; x <= 505; x += 40)
            EXPECT_EQ(LinesFromTo(x, 306, x, 342), 1);
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
    void Draw() { vd::DrawDimensionTable(target); }
    void AllZero() {
        for (const auto& d : vd::DimensionFields())
            (vd::FanRecord.*d.field).assign("0");
    }
};

TEST_F(DimensionTable, DimensionsOfZeroTakeNoColumnAndTheRestCloseUp) {
    // Drawn from the record buffer alone: there is no catalogue file here.
    AllZero();
    vd::FanRecord.dim_a.assign("330");
    vd::FanRecord.dim_m.assign("12");
    vd::FanRecord.dim_c.assign("0.0");
    Draw();
    EXPECT_EQ(canvas.TextAt(5, 5), "A");
    EXPECT_EQ(canvas.TextAt(3, 30), "330");
    EXPECT_EQ(canvas.TextAt(30, 5), "C");
    EXPECT_EQ(canvas.TextAt(28, 30), "0.0");
    EXPECT_EQ(canvas.TextAt(55, 5), "M");
    EXPECT_EQ(canvas.TextAt(53, 30), "12");
    EXPECT_EQ(canvas.Of(Op::Text).size(), 6u);
}

TEST_F(DimensionTable, AllZeroLeavesFrameAndFullGrid) {
    AllZero();
    Draw();
    EXPECT_TRUE(canvas.Of(Op::Text).empty());
    const auto rect = canvas.Of(Op::Rectangle);
    ASSERT_EQ(rect.size(), 1u);
    EXPECT_EQ((std::array{rect[0].x1, rect[0].y1, rect[0].x2, rect[0].y2}), (std::array{0, 0, 500, 50}));
    EXPECT_EQ(rect[0].state.brush, vd::colours::kWhite);
    EXPECT_EQ(rect[0].state.pen, vd::colours::kBlack);
    EXPECT_TRUE(canvas.HasLine(0, 25, 500, 25));
    for (int x = 25; x <= 475; x += 25)
        EXPECT_TRUE(canvas.HasLine(x, 0, x, 50)) << x;
    EXPECT_EQ(canvas.Of(Op::LineTo).size(), 20u);
}

TEST_F(DimensionTable, AllSeventeenFillColumnsUpToTheLast) {
    for (const auto& d : vd::DimensionFields())
        (vd::FanRecord.*d.field).assign("");
    vd::FanRecord.dim_d1.assign("99");
    Draw();
    EXPECT_EQ(canvas.TextAt(5, 5), "d1");
    EXPECT_EQ(canvas.TextAt(30, 5), "d2");
    EXPECT_EQ(canvas.TextAt(30, 30 - 0), "<none>");
    EXPECT_EQ(canvas.TextAt(28, 30), "");
    EXPECT_EQ(canvas.TextAt(405, 5), "M");
}

} // namespace
} // namespace vdtest
