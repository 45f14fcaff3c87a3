// The canvas on a QPainter: Windows pixel rules and fonts in points.
#include "qpainter_canvas.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

namespace col = vd::colours;

bool IsDark(QRgb p) {
    return qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80;
}

// Draws with `paint` on a white image of w × h pixels.
template <typename F> QImage Paint(int w, int h, F paint) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        vd::QPainterCanvas canvas(p, 96);
        paint(canvas);
    }
    return img;
}

TEST(QPainterCanvas, FontPointsBecomePixelsAtTheDeviceResolution) {
    EXPECT_EQ(vd::QPainterCanvas::FontPixelHeight(9, 96), 12);
    EXPECT_EQ(vd::QPainterCanvas::FontPixelHeight(7, 96), 9);
    QImage img(10, 10, QImage::Format_RGB32);
    img.setDotsPerMeterY(qRound(600 / 0.0254));
    QPainter p(&img);
    vd::QPainterCanvas canvas(p); // the device's own resolution, as for a printer
    canvas.SetFontName("Times New Roman");
    canvas.SetFontSize(10);
    canvas.SetFontStyle(vd::kFontUnderline);
    EXPECT_EQ(canvas.CurrentFont().pixelSize(), 83);
    EXPECT_EQ(canvas.CurrentFont().family(), "Liberation Serif");
    EXPECT_TRUE(canvas.CurrentFont().underline());
}

TEST(QPainterCanvas, ShapesCoverLeftTopUpToButNotRightBottom) {
    const QImage img = Paint(14, 12, [](vd::Canvas& c) {
        c.SetBrushColor(col::kRed);
        c.SetPenColor(col::kBlack);
        c.SetPenWidth(1);
        c.Rectangle(2, 2, 10, 8);
    });
    EXPECT_TRUE(IsDark(img.pixel(2, 2)));
    EXPECT_TRUE(IsDark(img.pixel(9, 7)));
    EXPECT_TRUE(IsDark(img.pixel(9, 4)));
    EXPECT_EQ(img.pixel(10, 4), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(4, 8), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(5, 5), qRgb(255, 0, 0));
}

TEST(QPainterCanvas, LinesStartAtTheLinePositionAndLeaveTheEndPixel) {
    const QImage img = Paint(14, 14, [](vd::Canvas& c) {
        c.SetPenColor(col::kBlack);
        c.SetPenWidth(0); // as wide as 1
        c.MoveTo(1, 1);
        c.LineTo(7, 1);
        c.MoveTo(10, 3);
        c.LineTo(4, 3);
        c.MoveTo(2, 11);
        c.LineTo(2, 5);
        c.MoveTo(12, 12);
        c.LineTo(6, 6);
    });
    auto row = [&](int y, int from, int to) {
        std::string s;
        for (int x = from; x <= to; ++x)
            s += IsDark(img.pixel(x, y)) ? '#' : '.';
        return s;
    };
    EXPECT_EQ(row(1, 0, 8), ".######..");
    EXPECT_EQ(row(3, 3, 11), "..######.");
    for (int y = 6; y <= 11; ++y)
        EXPECT_TRUE(IsDark(img.pixel(2, y))) << y;
    EXPECT_FALSE(IsDark(img.pixel(2, 5)));
    for (int d = 7; d <= 12; ++d)
        EXPECT_TRUE(IsDark(img.pixel(d, d))) << d;
    EXPECT_FALSE(IsDark(img.pixel(6, 6)));
    EXPECT_FALSE(IsDark(img.pixel(13, 13)));
}

TEST(QPainterCanvas, TextsSitOnTheBrushColourFromTheirTopLeftCorner) {
    const QImage img = Paint(60, 30, [](vd::Canvas& c) {
        c.SetFontName("Arial");
        c.SetFontSize(9);
        c.SetFontColor(col::kBlack);
        c.SetBrushColor(col::kYellow);
        c.TextOut(10, 5, "Hg\xB0");
    });
    EXPECT_EQ(img.pixel(10, 5), qRgb(255, 255, 0));
    EXPECT_EQ(img.pixel(9, 5), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(10, 4), qRgb(255, 255, 255));
    int lowest = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (IsDark(img.pixel(x, y)))
                lowest = std::max(lowest, y);
    EXPECT_GT(lowest, 10);
    EXPECT_LT(lowest, 5 + 15); // a 12-pixel font hangs below its corner
}

} // namespace
} // namespace vdtest
