#include "diagram_fixture.h"
#include "errors.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vdtest {
namespace {

using Op = CanvasCall::Op;
namespace col = vd::colours;

class PerformanceDiagram : public DrawingTest {
  protected:
    void Draw() { vd::DrawDiagram(target, grid, loader); }

    std::vector<CanvasCall> LinesIn(vd::Rgb pen) const {
        return canvas.Where([pen](const CanvasCall& c) { return IsLine(c) && c.state.pen == pen; });
    }
    // The run of calls drawn with one of `pens`, from the first such call.
    std::vector<CanvasCall> Layer(std::initializer_list<vd::Rgb> pens) const {
        auto in = [pens](const CanvasCall& c) {
            return std::find(pens.begin(), pens.end(), c.state.pen) != pens.end();
        };
        const auto& all = canvas.calls();
        auto first = std::find_if(all.begin(), all.end(), in);
        return {first, std::find_if_not(first, all.end(), in)};
    }
    std::vector<CanvasCall> PressureCurves() const { return Layer({col::kRed, col::kLime}); }
    std::vector<CanvasCall> PowerCurves() const { return Layer({col::kGreen}); }
    // Red lines after the duty-point marker.
    std::vector<CanvasCall> VelocityPressureLines() const {
        const auto& all = canvas.calls();
        auto duty = std::find_if(all.begin(), all.end(), [](const CanvasCall& c) {
            return c.op == Op::Ellipse && c.state.brush == col::kRed;
        });
        std::vector<CanvasCall> out;
        std::copy_if(duty, all.end(), std::back_inserter(out),
                     [](const CanvasCall& c) { return IsLine(c) && c.state.pen == col::kRed; });
        return out;
    }
    static std::vector<CanvasCall> Only(const std::vector<CanvasCall>& calls, Op op) {
        std::vector<CanvasCall> out;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                     [op](const CanvasCall& c) { return c.op == op; });
        return out;
    }
};

TEST_F(PerformanceDiagram, FrameAxesGridsLabelsAndLegendFollowTheScales) {
    Write(StandardFan(1));
    Draw();
    const auto rects = canvas.Of(Op::Rectangle);
    ASSERT_EQ(rects.size(), 4u);
    EXPECT_EQ(rects[0].box(), (std::array{0, 0, 545, 342}));
    EXPECT_EQ(rects[0].state.brush, col::kWhite);
    EXPECT_EQ(rects[1].box(), (std::array{350, 20, 530, 200}));
    EXPECT_EQ(rects[2].box(), (std::array{350, 225, 530, 275}));
    EXPECT_EQ(rects[3].box(), (std::array{450, 20, 530, 52}));
    EXPECT_EQ(rects[3].state.brush, col::kYellow);

    EXPECT_EQ(canvas.TextAt(350, 3), "T84Pa");
    EXPECT_EQ(canvas.Of(Op::Text)[0].state.fontColor, col::kNavy);
    EXPECT_EQ(canvas.Of(Op::Text)[0].state.fontSize, 9);
    EXPECT_EQ(canvas.TextAt(350, 207), "T85T27");
    EXPECT_EQ(canvas.TextAt(400, 290), "T19 m3/s");
    EXPECT_EQ(canvas.TextAt(465, 22), "T86");
    EXPECT_EQ(canvas.TextAt(465, 37), "T87");

    // 5 volume intervals 36 apart in both charts, 4 pressure intervals 45 apart.
    const auto grey = LinesIn(col::kGrey);
    EXPECT_EQ(grey.size(), 4u + 4u + 3u + 4u);
    for (int x : {386, 422, 458, 494})
        EXPECT_EQ(canvas.LinesFromTo(x, 20, x, 200) + canvas.LinesFromTo(x, 225, x, 275), 2) << x;
    for (int y : {65, 110, 155, 235, 245, 255, 265})
        EXPECT_EQ(canvas.LinesFromTo(350, y, 530, y), 1) << y;

    EXPECT_EQ(canvas.TextAt(305, 15), "  400");
    EXPECT_EQ(canvas.TextAt(305, 148), "  100");
    EXPECT_EQ(canvas.TextAt(305, 193), "      0");
    EXPECT_EQ(canvas.TextAt(305, 220), " 0.50");
    EXPECT_EQ(canvas.TextAt(305, 245), " 0.25");
    EXPECT_EQ(canvas.TextAt(520, 277), " 1.0");
    EXPECT_EQ(canvas.TextAt(376, 277), " 0.2");
    EXPECT_EQ(canvas.TextAt(340, 277), "0");

    // The canvas is left for the tables: brush white, pen black, Arial 8 black.
    EXPECT_EQ(canvas.state().brush, col::kWhite);
    EXPECT_EQ(canvas.state().pen, col::kBlack);
    EXPECT_EQ(canvas.state().fontName, "Arial");
    EXPECT_EQ(canvas.state().fontSize, 8);
    EXPECT_EQ(canvas.state().fontColor, col::kBlack);
}

TEST_F(PerformanceDiagram, SevenVolumeAndSixPressureIntervalsHaveTheirOwnLayout) {
    vd::TFanRecord r = StandardFan(1);
    for (int k = 1; k <= 10; ++k) {
        r.vol[k] *= 0.62f / 0.95f; // 0.651 m3/s: 7 intervals
        r.pres[k] *= 520.0f / 380; // 546 Pa: 6 intervals
    }
    Write(r);
    vd::VolumeUnit = "xyz"; // unknown: read as m3/s, no unit in the title
    Draw();
    int i = 0;
    for (int x : {340, 365, 390, 416, 442, 468, 494, 520})
        EXPECT_EQ(canvas.TextAt(x, 277), vd::VolumeLabels[static_cast<size_t>(i++)]) << x;
    i = 0;
    for (int y : {193, 163, 133, 103, 73, 43, 15})
        EXPECT_EQ(canvas.TextAt(305, y), vd::PressureLabels[static_cast<size_t>(i++)]) << y;
    EXPECT_EQ(canvas.LinesFromTo(506, 225, 506, 275), 1);
    EXPECT_EQ(canvas.LinesFromTo(350, 170, 530, 170), 1);
    EXPECT_EQ(canvas.TextAt(400, 290), "T19");
}

TEST_F(PerformanceDiagram, SegmentsEndingBelowTheMinimumPressureAreLime) {
    vd::TFanRecord r = StandardFan(1);
    r.min_pa[1] = 250;
    Write(r);
    Draw();
    const auto lines = Only(PressureCurves(), Op::LineTo);
    ASSERT_EQ(lines.size(), 9u); // points 2..10; the empty points 11..20 only move
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].state.pen, i < 3 ? col::kLime : col::kRed) << "to point " << i + 2;
    EXPECT_EQ(lines[0].box(), (std::array{521, 200, 512, 155}));
}

TEST_F(PerformanceDiagram, ZeroPressureBreaksThePressureCurveWhileThePowerCurveBridgesIt) {
    vd::TFanRecord r = StandardFan(1);
    r.pres[5] = 0; // point 5, at 0.6 m3/s
    Write(r);
    Draw();
    const auto pressure = Only(PressureCurves(), Op::LineTo);
    ASSERT_EQ(pressure.size(), 8u);
    EXPECT_EQ(pressure[2].x2, 476);                                // to point 4
    EXPECT_EQ(pressure[3].box(), (std::array{458, 200, 440, 56})); // point 5 to 6
    const auto power = Only(PowerCurves(), Op::LineTo);
    ASSERT_EQ(power.size(), 8u);
    EXPECT_EQ(power[3].box(), (std::array{476, 237, 440, 233})); // point 4 to 6
}

TEST_F(PerformanceDiagram, SpeedStepLabelsOnMultiSpeedFansOnly) {
    auto texts = [](const std::vector<CanvasCall>& calls) {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (IsText(c))
                out.push_back(c.text + "@" + std::to_string(c.x1) + "," + std::to_string(c.y1));
        return out;
    };
    Write(StandardFan(1, 1));
    Draw();
    EXPECT_TRUE(texts(PressureCurves()).empty());
    EXPECT_TRUE(texts(PowerCurves()).empty());

    Write(StandardFan(1, 5));
    canvas.clear();
    Draw();
    // At each curve's first point (free-blowing, 0 Pa).
    EXPECT_EQ(texts(PressureCurves()),
              (std::vector<std::string>{"5@521,200", "4@504,200", "3@487,200", "2@470,200",
                                        "1@453,200"}));
    // 10 right of and 10 above the first points (521, 245) and (470, 265).
    EXPECT_EQ(texts(PowerCurves()), (std::vector<std::string>{"5@531,235", "2@480,255"}));
    EXPECT_EQ(Only(PowerCurves(), Op::LineTo).size(), 18u);

    // Three curves: the fourth is empty. Its line position still moves to the
    // chart's origin, but no stray "2" is drawn there.
    Write(StandardFan(1, 3));
    canvas.clear();
    Draw();
    EXPECT_EQ(texts(PowerCurves()), (std::vector<std::string>{"5@531,235"}));
    EXPECT_EQ(texts(PressureCurves()),
              (std::vector<std::string>{"5@521,200", "4@504,200", "3@487,200"}));
    const auto moves = Only(PowerCurves(), Op::MoveTo);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(std::pair(moves[1].x1, moves[1].y1), std::pair(350, 275));
    EXPECT_EQ(Only(PowerCurves(), Op::LineTo).size(), 9u);

    // An empty curve inside the count loses its label, not its place: the
    // other curves keep their numbers.
    vd::TFanRecord gap = StandardFan(1, 5);
    for (int i = 21; i <= 40; ++i)
        gap.vol[static_cast<size_t>(i)] = gap.pres[static_cast<size_t>(i)] =
            gap.power[static_cast<size_t>(i)] = 0;
    Write(gap);
    canvas.clear();
    Draw();
    EXPECT_EQ(texts(PressureCurves()),
              (std::vector<std::string>{"5@521,200", "3@487,200", "2@470,200", "1@453,200"}));
    EXPECT_EQ(texts(PowerCurves()), (std::vector<std::string>{"5@531,235", "2@480,255"}));

    vd::TFanRecord none = StandardFan(1, 5);
    none.curve_count = 0;
    Write(none);
    canvas.clear();
    Draw();
    EXPECT_TRUE(LinesIn(col::kRed).empty());
    EXPECT_TRUE(LinesIn(col::kGreen).empty());
    EXPECT_EQ(canvas.Of(Op::Ellipse).size(), 4u); // markers and legend still drawn

    none.curve_count = 1000;
    Write(none);
    canvas.clear();
    Draw();
    EXPECT_EQ(texts(PressureCurves()).size(), 5u);
}

TEST_F(PerformanceDiagram, SystemCurveStopsAtTheLargerVolumeOrOneStepOverTheChartTop) {
    Write(StandardFan(1));
    Draw(); // operating 0.62 beats duty 0.6: stops short of 350 + rnd(111.6)
    auto lines = LinesIn(col::kNavy);
    ASSERT_GT(lines.size(), 50u);
    EXPECT_EQ(lines.front().x1, 350);
    EXPECT_EQ(lines.front().y1, 200);
    EXPECT_EQ(lines.back().x2, 461);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](auto& c) {
        return c.x2 == 458 && c.y2 == 110;
    })) << "through the duty point";

    SetRow("1", "0.5", "150");
    canvas.clear();
    Draw(); // the duty volume is the larger now
    EXPECT_EQ(LinesIn(col::kNavy).back().x2, 457);

    SetRow("1", "0.95", "380");
    canvas.clear();
    Draw(); // would run to 521, leaves the top first
    lines = LinesIn(col::kNavy);
    EXPECT_LE(lines.back().y2, 20);
    EXPECT_TRUE(std::all_of(lines.begin(), lines.end() - 1, [](auto& c) { return c.y2 > 20; }));
}

TEST_F(PerformanceDiagram, MarkersSitAtTheOperatingPointAndTheTotalDutyPressure) {
    Write(StandardFan(1));
    Draw();
    auto e = canvas.Of(Op::Ellipse);
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0].box(), (std::array{458, 100, 466, 108}));
    EXPECT_EQ(e[0].state.brush, col::kAqua);
    EXPECT_EQ(e[1].box(), (std::array{454, 106, 462, 114}));
    EXPECT_EQ(e[1].state.brush, col::kRed);
    EXPECT_EQ(e[2].box(), (std::array{455, 25, 460, 30}));

    // Static in mmwg: 20 mmwg plus 0.6·(0.6/0.1)² = 21.6 Pa, i.e. 2.16 mmwg.
    vd::TFanRecord r = StandardFan(1);
    r.outlet_area = 0.1f;
    Write(r);
    vd::PressureType = "Static";
    vd::PressureUnit = "mmwg";
    vd::EnteredPressure = 20;
    vd::SetDecimalSeparator(','); // the grid holds the system separator
    SetRow("1", "0,62", "21,4");
    canvas.clear();
    Draw();
    e = canvas.Of(Op::Ellipse);
    EXPECT_EQ(e[0].box(), (std::array{458, 100, 466, 108}));
    EXPECT_EQ(e[1].box(), (std::array{454, 96, 462, 104}));

    r.outlet_area = 0; // no area, no velocity pressure
    Write(r);
    canvas.clear();
    Draw();
    EXPECT_EQ(canvas.Of(Op::Ellipse)[1].y1, 106);
}

TEST_F(PerformanceDiagram, MarkersAreNotClippedAndWrapAsSixteenBitPositions) {
    Write(StandardFan(1));
    SetRow("1", "0.62", "420"); // 189 units up: above the chart
    Draw();
    EXPECT_EQ(canvas.Of(Op::Ellipse)[0].y1, 200 - 189 - 4);
    SetRow("1", "0.62", "500"); // 225 units up: 200 - 225 wraps to 65511
    canvas.clear();
    Draw();
    EXPECT_EQ(canvas.Of(Op::Ellipse)[0].y1, 65511 - 4);
}

TEST_F(PerformanceDiagram, VelocityPressureLineOnlyWithAnOutletArea) {
    vd::TFanRecord r = StandardFan(1);
    r.outlet_area = 0.1f;
    Write(r);
    Draw();
    auto lines = VelocityPressureLines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0].box(), (std::array{350, 200, 367, 200}));
    EXPECT_EQ(lines[9].box()[2], 521);
    EXPECT_EQ(lines[9].box()[3], 176);

    r.outlet_area = 0.02f; // steeper: steps 6..10 leave the chart and are skipped
    Write(r);
    canvas.clear();
    Draw();
    EXPECT_EQ(VelocityPressureLines().size(), 5u);

    r.outlet_area = 0;
    Write(r);
    canvas.clear();
    Draw();
    EXPECT_TRUE(VelocityPressureLines().empty());
}

TEST_F(PerformanceDiagram, FetchFailureEndsBeforeTheDetailMaterial) {
    Write(StandardFan(1));
    vd::SelectedFanNo = 2;
    EXPECT_THROW(Draw(), vd::FileError);
    EXPECT_EQ(loader.calls, 0);
    EXPECT_TRUE(canvas.calls().empty());
}

TEST_F(PerformanceDiagram, UnreadableOperatingPointEndsAfterTheDetailMaterial) {
    Write({StandardFan(1), StandardFan(2)});
    vd::SelectedFanNo = 2;
    SetRow("2", "Dev<", "");
    EXPECT_THROW(Draw(), vd::ConversionError);
    EXPECT_EQ(loader.calls, 1);
    EXPECT_EQ(loader.fanNoSeen, 2); // loaded for the fetched fan
    EXPECT_TRUE(canvas.calls().empty());
}

} // namespace
} // namespace vdtest
