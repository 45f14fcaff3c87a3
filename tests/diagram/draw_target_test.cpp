#include "draw_target.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(DrawTarget, PrintMappingRoundsBoxesInPageUnitsAndLinesInPixels) {
    vdtest::RecordingCanvas canvas;
    const vd::DrawTarget t{&canvas, 30, 30, 10, 40, 0.256f, 1.51f};
    t.Rectangle(0, 0, 545, 342);
    t.MoveTo(545, 342);
    EXPECT_EQ(canvas.calls()[0].box(), (std::array{300, 1200, 4500, 3840}));
    EXPECT_EQ(canvas.calls()[1].x1, 4486);
    EXPECT_EQ(canvas.calls()[1].y1, 3827);
}

TEST(DrawTarget, HalvesRoundToEven) {
    vdtest::RecordingCanvas canvas;
    const vd::DrawTarget t{&canvas, 1, 1, 0, 0, 0.5f, 1.0f}; // 5 → 2.5 → 2, 7 → 3.5 → 4
    t.Text(5, 7, "x");
    t.MoveTo(5, 7);
    EXPECT_EQ(canvas.calls()[0].box(), (std::array{2, 4, 0, 0}));
    EXPECT_EQ(canvas.calls()[1].box(), (std::array{2, 4, 0, 0}));
    EXPECT_EQ(vd::RoundHalfEven(-2.5L), -2);
    EXPECT_EQ(vd::RoundHalfEven(NAN), 0);
    EXPECT_GT(vd::RoundHalfEven(1e300L), 1 << 20); // clamped, not undefined
}

TEST(DrawTarget, SixteenBitQuantitiesWrap) {
    EXPECT_EQ(vd::RoundToWord(179.5L), 180);
    EXPECT_EQ(vd::RoundToWord(-50), 65486);
    EXPECT_EQ(vd::RoundToWord(65536 + 7), 7);
    EXPECT_EQ(vd::RoundToWord(1e30L), 0);
    EXPECT_EQ(vd::RoundToWord(NAN), 65535);
}

} // namespace
