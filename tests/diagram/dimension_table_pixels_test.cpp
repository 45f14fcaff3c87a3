// The dimension table drawn on a QPainter: its values fit their columns.
#include "diagram_fixture.h"
#include "fan_tables.h"
#include "qpainter_canvas.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <string>

namespace vdtest {
namespace {

bool IsDark(QRgb p) {
    return qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80;
}

// Five-character dimension values, every digit among them, in all seventeen
// columns. Four-digit values used to run into each other on the screen.
class DimensionValues : public DrawingTest {
  protected:
    void SetUp() override {
        DrawingTest::SetUp();
        const char* values[] = {"00000", "11111", "22222", "33333", "44444", "55555",
                                "66666", "77777", "88888", "99999", "12.50", "1,250",
                                "-1250", "1220",  "1090",  "870",   "99.99"};
        size_t i = 0;
        for (const auto& d : vd::DimensionFields())
            (vd::FanRecord.*d.field).assign(values[i++]);
    }

    // On `image`, drawn through `t`: each value leaves a clear device-pixel
    // column before the grid line that closes its column, and shows ink.
    static void ExpectValuesInsideTheirColumns(const QImage& image, const vd::DrawTarget& t,
                                               int ratio) {
        const int top = t.LineY(25) * ratio + ratio, bottom = t.BoxY(50) * ratio - 2 * ratio;
        for (int k = 0; k < 17; ++k) {
            SCOPED_TRACE("column " + std::to_string(k));
            const int textLeft = t.BoxX(3 + 25 * k) * ratio;
            const int line = t.LineX(25 * (k + 1)) * ratio;
            ASSERT_LT(textLeft, line);
            int ink = 0, atLine = 0;
            for (int y = top; y <= bottom; ++y) {
                for (int x = textLeft; x < line - 1; ++x)
                    ink += image.pixel(x, y) != qRgb(255, 255, 255);
                atLine += image.pixel(line - 1, y) != qRgb(255, 255, 255);
            }
            EXPECT_GT(ink, 0) << "no value drawn";
            EXPECT_EQ(atLine, 0) << "the value reaches the grid line";
            EXPECT_TRUE(IsDark(image.pixel(line, (top + bottom) / 2))) << "grid line";
        }
    }
};

TEST_F(DimensionValues, FiveCharactersStayInsideTheirColumnOnTheScreen) {
    for (int ratio : {1, 2}) {
        SCOPED_TRACE("pixel ratio " + std::to_string(ratio));
        QImage image(500 * ratio, 50 * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            vd::QPainterCanvas canvas(p, 96);
            vd::DrawDimensionTable(vd::DrawTarget::Screen(canvas));
        }
        ExpectValuesInsideTheirColumns(image, vd::DrawTarget::Screen(canvas), ratio);
    }
}

TEST_F(DimensionValues, FiveCharactersStayInsideTheirColumnOnPaper) {
    // The data sheet's target: page units of 1/20 inch, origin (10, 200), scale 0.28.
    for (int dpi : {150, 300, 360, 600}) {
        SCOPED_TRACE("dpi " + std::to_string(dpi));
        const int unit = dpi / 20;
        vd::DrawTarget place{nullptr, unit, unit, 0, 0, 0.28f, 1.6f};
        QImage page(place.BoxX(500) + 2, place.BoxY(50) + 2, QImage::Format_RGB32);
        page.setDotsPerMeterX(qRound(dpi / 0.0254));
        page.setDotsPerMeterY(qRound(dpi / 0.0254));
        page.fill(Qt::white);
        {
            QPainter p(&page);
            vd::QPainterCanvas canvas(p);
            place.canvas = &canvas;
            vd::DrawDimensionTable(place);
        }
        ExpectValuesInsideTheirColumns(page, place, 1);
    }
}

} // namespace
} // namespace vdtest
