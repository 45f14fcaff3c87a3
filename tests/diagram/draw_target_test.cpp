#include "draw_target.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using vdtest::CanvasCall;
using vdtest::RecordingCanvas;

TEST(DrawTarget, PrintMappingRoundsBoxesInPageUnitsAndLinesInPixels) {
    RecordingCanvas canvas;
    const vd::DrawTarget t{&canvas, 30, 30, 10, 40, 0.256f, 1.51f};
    t.Rectangle(0, 0, 545, 342);
    t.MoveTo(545, 342);
    const auto& calls = canvas.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].x1, 300);
    EXPECT_EQ(calls[0].y1, 1200);
    EXPECT_EQ(calls[0].x2, 4500);
    EXPECT_EQ(calls[0].y2, 3840);
    EXPECT_EQ(calls[1].x1, 4486);
    EXPECT_EQ(calls[1].y1, 3827);
}

TEST(DrawTarget, ScreenTargetIsOnePixelPerUnit) {
    RecordingCanvas canvas;
    const vd::DrawTarget t = vd::DrawTarget::Screen(canvas);
    t.Ellipse(455, 25, 460, 30);
    t.Text(350, 3, "x");
    t.Line(350, 200, 351, 199);
    const auto& c = canvas.calls();
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ((std::array{c[0].x1, c[0].y1, c[0].x2, c[0].y2}), (std::array{455, 25, 460, 30}));
    EXPECT_EQ((std::array{c[1].x1, c[1].y1}), (std::array{350, 3}));
    EXPECT_EQ((std::array{c[3].x1, c[3].y1, c[3].x2, c[3].y2}), (std::array{350, 200, 351, 199}));
}

TEST(DrawTarget, HalvesRoundToEven) {
    RecordingCanvas canvas;
    // Scale 0.5: 5 → 2.5 → 2, 7 → 3.5 → 4; lines round the same products.
    const vd::DrawTarget t{&canvas, 1, 1, 0, 0, 0.5f, 1.0f};
    t.Text(5, 7, "x");
    t.MoveTo(5, 7);
    EXPECT_EQ(canvas.calls()[0].x1, 2);
    EXPECT_EQ(canvas.calls()[0].y1, 4);
    EXPECT_EQ(canvas.calls()[1].x1, 2);
    EXPECT_EQ(canvas.calls()[1].y1, 4);
    EXPECT_EQ(vd::RoundHalfEven(-2.5L), -2);
    EXPECT_EQ(vd::RoundHalfEven(NAN), 0);
    EXPECT_GT(vd::RoundHalfEven(1e300L), 1 << 20); // clamped, not undefined
}

TEST(DrawTarget, SixteenBitQuantitiesWrap) {
    EXPECT_EQ(vd::RoundToWord(179.5L), 180);
    EXPECT_EQ(vd::RoundToWord(-1), 65535);
    EXPECT_EQ(vd::RoundToWord(-50), 65486);
    EXPECT_EQ(vd::RoundToWord(65536 + 7), 7);
    EXPECT_EQ(vd::RoundToWord(INFINITY), 65535);
    EXPECT_EQ(vd::RoundToWord(NAN), 65535);
}

} // namespace
