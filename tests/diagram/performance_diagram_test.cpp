#include "diagram_fixture.h"
#include "errors.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vdtest {
namespace {

using Op = CanvasCall::Op;
namespace col = vd::colours;

bool PenIs(const CanvasCall& c, vd::Rgb pen) { return c.state.pen == pen; }

class PerformanceDiagram : public DrawingTest {
protected:
    void Draw() { vd::DrawDiagram(target, grid, loader); }

    // Lines of the pressure curves: from the first red or lime pen up to the
    // power curves' green pen.
    std::vector<CanvasCall> PressureCurveCalls() const {
        return Between(
            [](const CanvasCall& c) {
                return c.op == Op::PenColor && (c.colour == col::kRed || c.colour == col::kLime);
            },
            [](const CanvasCall& c) { return c.op == Op::PenColor && c.colour == col::kGreen; });
    }
    std::vector<CanvasCall> PowerCurveCalls() const {
        return Between([](const CanvasCall& c) { return c.op == Op::PenColor && c.colour == col::kGreen; },
                       [](const CanvasCall& c) { return c.op == Op::PenColor && c.colour == col::kNavy; });
    }
    std::vector<CanvasCall> SystemCurveLines() const {
        return canvas.Where([](const CanvasCall& c) { return IsLine(c) && PenIs(c, col::kNavy); });
    }
    // Between the duty-point marker and the legend.
    std::vector<CanvasCall> VelocityPressureCalls() const {
        return Between([](const CanvasCall& c) { return c.op == Op::PenColor && c.colour == col::kBlue; },
                       [](const CanvasCall& c) { return c.op == Op::Rectangle; });
    }
    std::vector<CanvasCall> Ellipses() const { return canvas.Of(Op::Ellipse); }
};

std::vector<CanvasCall> Only(const std::vector<CanvasCall>& calls, Op op) {
    std::vector<CanvasCall> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [op](const CanvasCall& c) { return c.op == op; });
    return out;
}

TEST_F(PerformanceDiagram, FrameAxesGridsAndLabelsFollowTheScales) {
    Write(StandardFan(1));
    Draw(); // 1 m3/s in 5 intervals, 400 Pa in 4, 0.5 kW
    const auto rects = canvas.Of(Op::Rectangle);
    ASSERT_GE(rects.size(), 3u);
    EXPECT_EQ((std::array{rects[0].x1, rects[0].y1, rects[0].x2, rects[0].y2}), (std::array{0, 0, 545, 342}));
    EXPECT_EQ(rects[0].state.brush, col::kWhite);
    EXPECT_EQ((std::array{rects[1].x1, rects[1].y1, rects[1].x2, rects[1].y2}), (std::array{350, 20, 530, 200}));
    EXPECT_EQ((std::array{rects[2].x1, rects[2].y1, rects[2].x2, rects[2].y2}), (std::array{350, 225, 530, 275}));

    const auto title = canvas.Where([](const CanvasCall& c) { return IsText(c) && c.x1 == 350 && c.y1 == 3; });
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].text, "T84Pa");
    EXPECT_EQ(title[0].state.fontSize, 9);
    EXPECT_EQ(title[0].state.fontColor, col::kNavy);
    EXPECT_EQ(canvas.TextAt(350, 207), "T85T27");
    EXPECT_EQ(canvas.TextAt(400, 290), "T19 m3/s");

    auto grey = canvas.Where([](const CanvasCall& c) { return IsLine(c) && PenIs(c, col::kGrey); });
    auto has = [&](int x1, int y1, int x2, int y2) {
        return std::any_of(grey.begin(), grey.end(), [&](const CanvasCall& c) {
            return c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2;
        });
    };
    for (int x : {386, 422, 458, 494}) {
        EXPECT_TRUE(has(x, 20, x, 200)) << x;
        EXPECT_TRUE(has(x, 225, x, 275)) << x;
    }
    for (int y : {65, 110, 155})
        EXPECT_TRUE(has(350, y, 530, y)) << y;
    for (int y : {235, 245, 255, 265})
        EXPECT_TRUE(has(350, y, 530, y)) << y;
    EXPECT_EQ(grey.size(), 4u + 3u + 4u + 4u);

    EXPECT_EQ(canvas.TextAt(305, 15), "  400");
    EXPECT_EQ(canvas.TextAt(305, 58), "  300");
    EXPECT_EQ(canvas.TextAt(305, 148), "  100");
    EXPECT_EQ(canvas.TextAt(305, 193), "      0");
    EXPECT_EQ(canvas.TextAt(305, 220), " 0.50");
    EXPECT_EQ(canvas.TextAt(305, 245), " 0.25");
    EXPECT_EQ(canvas.TextAt(305, 267), "      0");
    EXPECT_EQ(canvas.TextAt(520, 277), " 1.0");
    EXPECT_EQ(canvas.TextAt(484, 277), " 0.8");
    EXPECT_EQ(canvas.TextAt(376, 277), " 0.2");
    EXPECT_EQ(canvas.TextAt(340, 277), "0");
}

TEST_F(PerformanceDiagram, SevenVolumeAndSixPressureIntervalsUseTheirOwnLayout) {
    vd::TFanRecord r = StandardFan(1);
    for (int k = 1; k <= 10; ++k) {
        r.vol[k] *= 0.62f / 0.95f; // 0.651 m3/s: 7 intervals
        r.pres[k] *= 520.0f / 380; // 546 Pa: 6 intervals
    }
    Write(r);
    vd::VolumeUnit = "xyz"; // an unknown unit: axis as m3/s, title without a unit
    Draw();
    int x = 0;
    for (int lx : {340, 365, 390, 416, 442, 468, 494, 520})
        EXPECT_EQ(canvas.TextAt(lx, 277), vd::VolumeLabels[static_cast<size_t>(x++)]) << lx;
    int i = 0;
    for (int ly : {193, 163, 133, 103, 73, 43, 15})
        EXPECT_EQ(canvas.TextAt(305, ly), vd::PressureLabels[static_cast<size_t>(i++)]) << ly;
    EXPECT_TRUE(canvas.HasLine(376, 20, 376, 200));
    EXPECT_TRUE(canvas.HasLine(506, 225, 506, 275));
    EXPECT_TRUE(canvas.HasLine(350, 170, 530, 170));
    EXPECT_EQ(canvas.TextAt(400, 290), "T19");
}

TEST_F(PerformanceDiagram, SegmentsBelowTheMinimumPressureAreLime) {
    vd::TFanRecord r = StandardFan(1);
    r.min_pa[1] = 250;
    Write(r);
    Draw();
    const auto lines = Only(PressureCurveCalls(), Op::LineTo);
    ASSERT_EQ(lines.size(), 9u); // points 2..10; the empty points 11..20 only move
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].state.pen, i < 3 ? col::kLime : col::kRed) << "segment to point " << i + 2;
    EXPECT_EQ((std::array{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}), (std::array{521, 200, 512, 155}));
}

TEST_F(PerformanceDiagram, NonPositivePressureBreaksThePressureCurveButThePowerCurveBridgesIt) {
    vd::TFanRecord r = StandardFan(1);
    r.pres[5] = 0; // point 5 at 0.6 m3/s
    Write(r);
    Draw();
    const auto pressure = PressureCurveCalls();
    const auto lines = Only(pressure, Op::LineTo);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_TRUE(std::none_of(lines.begin(), lines.end(), [](const CanvasCall& c) { return c.x2 == 458; }));
    EXPECT_EQ(lines[3].x1, 458); // the segment to point 6 starts at the gap
    EXPECT_EQ(lines[3].y1, 200);
    EXPECT_EQ(lines[3].x2, 440);

    const auto power = Only(PowerCurveCalls(), Op::LineTo);
    ASSERT_EQ(power.size(), 8u);
    EXPECT_EQ((std::array{power[3].x1, power[3].y1, power[3].x2, power[3].y2}),
              (std::array{476, 237, 440, 233})); // from point 4 straight to point 6
}

TEST_F(PerformanceDiagram, SpeedStepsAreLabelledOnlyOnMultiSpeedFans) {
    Write(StandardFan(1, 1));
    Draw();
    for (const char* s : {"1", "2", "3", "4", "5"})
        EXPECT_TRUE(canvas.Where([&](const CanvasCall& c) { return IsText(c) && c.text == s; }).empty()) << s;

    canvas.clear();
    Write(StandardFan(1, 5));
    Draw();
    const auto pressure = PressureCurveCalls();
    std::vector<std::string> labels;
    for (size_t i = 0; i < pressure.size(); ++i) {
        if (!IsText(pressure[i]))
            continue;
        labels.push_back(pressure[i].text);
        ASSERT_GT(i, 0u);
        // At the curve's first point, which the line position has just moved to.
        EXPECT_EQ(pressure[i - 1].op, Op::MoveTo);
        EXPECT_EQ(pressure[i].x1, pressure[i - 1].x1);
        EXPECT_EQ(pressure[i].y1, pressure[i - 1].y1);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"5", "4", "3", "2", "1"}));

    const auto power = PowerCurveCalls();
    const auto texts = Only(power, Op::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "5"); // 10 right of and 10 above (521, 245)
    EXPECT_EQ((std::array{texts[0].x1, texts[0].y1}), (std::array{531, 235}));
    EXPECT_EQ(texts[1].text, "2"); // curve 4 starts at (470, 265)
    EXPECT_EQ((std::array{texts[1].x1, texts[1].y1}), (std::array{480, 255}));
    EXPECT_EQ(Only(power, Op::LineTo).size(), 18u);
}

TEST_F(PerformanceDiagram, FanWithoutAFourthCurveDrawsNoStepTwoPowerCurve) {
    Write(StandardFan(1, 3));
    Draw();
    const auto power = PowerCurveCalls();
    const auto texts = Only(power, Op::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "5");
    EXPECT_EQ(Only(power, Op::MoveTo).size(), 1u);
}

TEST_F(PerformanceDiagram, NoCurvesWithoutACurveCountAndNoOverrunWithTooLargeOne) {
    vd::TFanRecord r = StandardFan(1, 1);
    r.curve_count = 0;
    Write(r);
    Draw();
    EXPECT_TRUE(canvas.Where([](const CanvasCall& c) {
        return IsLine(c) && (PenIs(c, col::kRed) || PenIs(c, col::kLime) || PenIs(c, col::kGreen));
    }).empty());
    EXPECT_EQ(canvas.Of(Op::Ellipse).size(), 4u); // the rest is drawn

    canvas.clear();
    r = StandardFan(1, 5);
    r.curve_count = 1000;
    Write(r);
    Draw();
    EXPECT_EQ(Only(PressureCurveCalls(), Op::Text).size(), 5u);
}

TEST_F(PerformanceDiagram, SystemCurveEndsAtTheLargerOfOperatingAndDutyVolume) {
    Write(StandardFan(1));
    Draw(); // operating 0.62 > duty 0.6: ends before 350 + rnd(111.6)
    auto lines = SystemCurveLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().x1, 350);
    EXPECT_EQ(lines.front().y1, 200);
    EXPECT_EQ(lines.back().x2, 461);
    EXPECT_TRUE(std::all_of(lines.begin(), lines.end(), [](const CanvasCall& c) { return c.x2 < 462; }));
    // Through the duty point (0.6 m3/s, 200 Pa).
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const CanvasCall& c) { return c.x2 == 458 && c.y2 == 110; }));

    canvas.clear();
    SetRow("1", "0.5", "150");
    Draw(); // the duty volume is the larger now
    lines = SystemCurveLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().x2, 457);
}

TEST_F(PerformanceDiagram, SystemCurveStopsOneStepAfterLeavingTheChartTop) {
    Write(StandardFan(1));
    SetRow("1", "0.95", "380");
    Draw();
    const auto lines = SystemCurveLines();
    ASSERT_GT(lines.size(), 2u);
    EXPECT_LE(lines.back().y2, 20);
    EXPECT_TRUE(std::all_of(lines.begin(), lines.end() - 1, [](const CanvasCall& c) { return c.y2 > 20; }));
    EXPECT_LT(lines.back().x2, 350 + 171);
}

TEST_F(PerformanceDiagram, MarkersSitAtTheOperatingAndTotalDutyPressure) {
    Write(StandardFan(1));
    Draw();
    auto e = Ellipses();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ((std::array{e[0].x1, e[0].y1, e[0].x2, e[0].y2}), (std::array{458, 100, 466, 108}));
    EXPECT_EQ(e[0].state.brush, col::kAqua);
    EXPECT_EQ(e[0].state.pen, col::kBlack);
    EXPECT_EQ((std::array{e[1].x1, e[1].y1, e[1].x2, e[1].y2}), (std::array{454, 106, 462, 114}));
    EXPECT_EQ(e[1].state.brush, col::kRed);

    // Static duty in mmwg: 20 mmwg plus 0.6·(0.6/0.1)² = 21.6 Pa = 2.16 mmwg.
    vd::TFanRecord r = StandardFan(1);
    r.outlet_area = 0.1f;
    Write(r);
    vd::PressureType = "Static";
    vd::PressureUnit = "mmwg";
    vd::EnteredPressure = 20;
    SetRow("1", "0.62", "21.4");
    canvas.clear();
    Draw();
    e = Ellipses();
    EXPECT_EQ((std::array{e[0].x1, e[0].y1}), (std::array{458, 100}));
    EXPECT_EQ((std::array{e[1].x1, e[1].y1, e[1].x2, e[1].y2}), (std::array{454, 96, 462, 104}));

    // No outlet area: no velocity pressure, the marker stays at 20 mmwg.
    r.outlet_area = 0;
    Write(r);
    canvas.clear();
    Draw();
    EXPECT_EQ(Ellipses()[1].y1, 106);
}

TEST_F(PerformanceDiagram, MarkersAreNotClippedAndWrapAsSixteenBitPositions) {
    Write(StandardFan(1));
    SetRow("1", "0.62", "420"); // 189 units up: above the chart top
    Draw();
    EXPECT_EQ(Ellipses()[0].y1, 200 - 189 - 4);
    SetRow("1", "0.62", "500"); // 225 units up: 200 - 225 wraps to 65511
    canvas.clear();
    Draw();
    EXPECT_EQ(Ellipses()[0].y1, 65511 - 4);
}

TEST_F(PerformanceDiagram, VelocityPressureLineOnlyWithAnOutletArea) {
    vd::TFanRecord r = StandardFan(1);
    r.outlet_area = 0.1f;
    Write(r);
    Draw();
    auto calls = VelocityPressureCalls();
    auto lines = Only(calls, Op::LineTo);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0].state.pen, col::kRed);
    EXPECT_EQ((std::array{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}), (std::array{350, 200, 367, 200}));
    EXPECT_EQ((std::array{lines[9].x2, lines[9].y2}), (std::array{521, 176}));

    r.outlet_area = 0.02f; // steeper: steps 6..10 leave the chart and are skipped
    Write(r);
    canvas.clear();
    Draw();
    EXPECT_EQ(Only(VelocityPressureCalls(), Op::LineTo).size(), 5u);

    r.outlet_area = 0;
    Write(r);
    canvas.clear();
    Draw();
    calls = VelocityPressureCalls();
    EXPECT_TRUE(Only(calls, Op::LineTo).empty());
    EXPECT_TRUE(Only(calls, Op::MoveTo).empty());
}

TEST_F(PerformanceDiagram, LegendNamesTheMarkersAndTheCanvasEndsInTheTextState) {
    Write(StandardFan(1));
    Draw();
    const auto rects = canvas.Of(Op::Rectangle);
    const auto& legend = rects.back();
    EXPECT_EQ((std::array{legend.x1, legend.y1, legend.x2, legend.y2}), (std::array{450, 20, 530, 52}));
    EXPECT_EQ(legend.state.brush, col::kYellow);
    const auto e = Ellipses();
    EXPECT_EQ((std::array{e[2].x1, e[2].y1, e[2].x2, e[2].y2}), (std::array{455, 25, 460, 30}));
    EXPECT_EQ(e[2].state.brush, col::kRed);
    EXPECT_EQ(e[3].state.brush, col::kAqua);
    const auto t = canvas.Where([](const CanvasCall& c) { return IsText(c) && c.x1 == 465; });
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "T86");
    EXPECT_EQ(t[0].state.brush, col::kYellow);
    EXPECT_EQ(t[1].text, "T87");

    const CanvasState& s = canvas.state();
    EXPECT_EQ(s.brush, col::kWhite);
    EXPECT_EQ(s.pen, col::kBlack);
    EXPECT_EQ(s.fontName, "Arial");
    EXPECT_EQ(s.fontSize, 8);
    EXPECT_EQ(s.fontColor, col::kBlack);
}

TEST_F(PerformanceDiagram, OperatingPointIsReadWithEitherDecimalSeparator) {
    Write(StandardFan(1));
    vd::SetDecimalSeparator(',');
    SetRow("1", "0,62", "214");
    Draw();
    EXPECT_EQ(Ellipses()[0].x1, 458);
    canvas.clear();
    SetRow("1", "0.62", "214");
    Draw();
    EXPECT_EQ(Ellipses()[0].x1, 458);
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

TEST_F(PerformanceDiagram, PrintTargetMapsTheWholeDrawing) {
    Write(StandardFan(1));
    canvas.clear();
    const vd::DrawTarget print{&canvas, 30, 30, 10, 40, 0.256f, 1.51f};
    vd::DrawDiagram(print, grid, loader);
    const auto frame = canvas.Of(Op::Rectangle).front();
    EXPECT_EQ((std::array{frame.x1, frame.y1, frame.x2, frame.y2}), (std::array{300, 1200, 4500, 3840}));
    // Chart corner (350, 20): boxes round 89.6 → 90 page units, lines 2688 px.
    const auto chart = canvas.Of(Op::Rectangle)[1];
    EXPECT_EQ(chart.x1, 30 * (90 + 10));
    EXPECT_TRUE(canvas.HasLine(2988, 3005, 4370, 3005)); // power grid line y = 235: 1804.8 → 1805
}

} // namespace
} // namespace vdtest
