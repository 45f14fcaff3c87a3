// The fan's screen pictures at device pixel ratios 1 and 2, and the demo
// catalogue's fans rendered whole.
#include "catalogue_text.h"
#include "diagram_fixture.h"
#include "errors.h"
#include "fan_pictures.h"
#include "language_file.h"
#include "operating_point.h"
#include "qpainter_canvas.h" // MakeDrawingImage
#include "units.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vdtest {
namespace {

bool IsDark(QRgb p) {
    return qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80;
}

class FanPictures : public DrawingTest {};

// Columns of dark pixels along a row of `img`, in pixels.
std::vector<int> DarkColumns(const QImage& img, int row, int from, int to) {
    std::vector<int> out;
    for (int x = from; x <= to; ++x)
        if (IsDark(img.pixel(x, row)))
            out.push_back(x);
    return out;
}

TEST_F(FanPictures, PixelRatioTwoDrawsEveryLineAtTwiceThePosition) {
    Write(StandardFan(1, 5));
    QImage one = vd::MakeDrawingImage(vd::kDiagramPictureSize, 1);
    QImage oneDims = vd::MakeDrawingImage(vd::kDimensionPictureSize, 1);
    QImage two = vd::MakeDrawingImage(vd::kDiagramPictureSize, 2);
    QImage twoDims = vd::MakeDrawingImage(vd::kDimensionPictureSize, 2);
    vd::DrawFanPictures(one, oneDims, grid, loader);
    vd::DrawFanPictures(two, twoDims, grid, loader);
    EXPECT_EQ(loader.calls, 2);
    EXPECT_EQ(two.size(), QSize(1090, 684));
    EXPECT_EQ(two.devicePixelRatio(), 2.0);
    EXPECT_EQ(twoDims.size(), QSize(1000, 100));

    // Along the row at y = 35, between two table rows' texts and left of the
    // legend, stand the data table's column lines and the chart's left edge.
    const std::vector<int> at1 = DarkColumns(one, 35, 120, 440);
    EXPECT_EQ(at1, (std::vector<int>{133, 300, 350}));
    std::vector<int> doubled;
    for (int x : at1) {
        doubled.push_back(2 * x);
        doubled.push_back(2 * x + 1);
    }
    EXPECT_EQ(DarkColumns(two, 70, 240, 880), doubled);
    EXPECT_EQ(DarkColumns(two, 71, 240, 880), doubled);
    // A horizontal grid line (y = 235 in the power chart) covers two pixel rows.
    EXPECT_EQ(one.pixel(360, 235), qRgb(128, 128, 128));
    EXPECT_EQ(two.pixel(720, 470), one.pixel(360, 235));
    EXPECT_EQ(two.pixel(720, 471), one.pixel(360, 235));
    EXPECT_EQ(two.pixel(720, 472), one.pixel(360, 236));
    // The dimension table's frame and grid likewise.
    EXPECT_TRUE(IsDark(twoDims.pixel(50, 60)));
    EXPECT_TRUE(IsDark(twoDims.pixel(51, 60)));
    EXPECT_FALSE(IsDark(twoDims.pixel(52, 60)));
}

TEST_F(FanPictures, ErrorLeavesThePicturesAsTheyWere) {
    Write(StandardFan(1));
    QImage pic = vd::MakeDrawingImage(vd::kDiagramPictureSize, 2);
    QImage dims = vd::MakeDrawingImage(vd::kDimensionPictureSize, 2);
    pic.fill(Qt::gray);
    const QImage before = pic;
    SetRow("1", "x", "y");
    EXPECT_THROW(vd::DrawFanPictures(pic, dims, grid, loader), vd::ConversionError);
    EXPECT_EQ(pic, before);
    EXPECT_EQ(dims.pixel(0, 0), qRgb(255, 255, 255)); // the dimension table was not drawn
}

// Every fan of the demo catalogue (its text form), with a duty at 80 % of its
// free-blowing volume, the operating point the selection would compute and the
// real language texts, in each volume and pressure unit in turn.
// VD_DIAGRAM_PNG_DIR=<folder> keeps some of the pictures, at pixel ratio 2.
class DemoFans : public DrawingTest {};

int CountColour(const QImage& img, QRect area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += img.pixel(x, y) == colour;
    return n;
}

TEST_F(DemoFans, EveryFanDrawsItsCurvesInsideTheCharts) {
    const std::string root = std::string(VD_DATA_SRC) + "/";
    std::ifstream cat(root + "catalogue/vd_fan.txt", std::ios::binary),
        lan(root + "txt/vd_lan.txt", std::ios::binary);
    std::stringstream text;
    text << cat.rdbuf();
    const std::vector<vd::TFanRecord> fans = vd::ParseCatalogueText(text.str());
    ASSERT_GT(fans.size(), 100u);
    vd::LanguageText = vd::ParseLanguageFile(lan, "UK");
    Write(fans);
    const char* keep = std::getenv("VD_DIAGRAM_PNG_DIR");
    const int n = keep ? 2 : 1;
    for (const vd::TFanRecord& r : fans) {
        SCOPED_TRACE(r.fan_no);
        const auto& vu = vd::VolumeUnits()[static_cast<size_t>(r.fan_no % 4)];
        const auto& pu = vd::PressureUnits()[static_cast<size_t>(r.fan_no / 4 % 4)];
        vd::VolumeUnit = vu.text;
        vd::PressureUnit = pu.text;
        vd::PressureType = r.fan_no % 2 ? "Static" : "Total";
        vd::DutyVolume = r.vol[1] * 0.8f;
        vd::DutyPressure = r.pres[5];
        vd::EnteredVolume = *vd::FromBaseUnit(vd::VolumeUnits(), vu.text, vd::DutyVolume);
        vd::EnteredPressure = *vd::FromBaseUnit(vd::PressureUnits(), pu.text, vd::DutyPressure);
        const float pv = r.fan_no % 2 ? vd::VelocityPressure(vd::DutyVolume, r.outlet_area) : 0.0f;
        const vd::OperatingPoint op =
            vd::ComputeOperatingPoint(r, vd::SystemConstant(vd::DutyVolume, vd::DutyPressure, pv));
        vd::SelectedFanNo = r.fan_no;
        SetRow(std::to_string(r.fan_no), vd::FormatInUnit(vd::VolumeUnits(), vu.text, op.Qop),
               vd::FormatInUnit(vd::PressureUnits(), pu.text, op.Pop));

        QImage pic = vd::MakeDrawingImage(vd::kDiagramPictureSize, n);
        QImage dims = vd::MakeDrawingImage(vd::kDimensionPictureSize, n);
        vd::DrawFanPictures(pic, dims, grid, loader);
        const QRect pressureChart(351 * n, 21 * n, 178 * n, 178 * n),
            powerChart(351 * n, 226 * n, 178 * n, 48 * n);
        EXPECT_GT(CountColour(pic, pressureChart, qRgb(255, 0, 0)), 60 * n) << "pressure curves";
        EXPECT_GT(CountColour(pic, pressureChart, qRgb(0, 0, 128)), 10 * n) << "system curve";
        EXPECT_GT(CountColour(pic, powerChart, qRgb(0, 128, 0)), 30 * n) << "power curves";
        if (keep && r.fan_no % 25 == 1) {
            pic.save(QString("%1/fan%2.png").arg(keep).arg(r.fan_no));
            dims.save(QString("%1/fan%2_dims.png").arg(keep).arg(r.fan_no));
        }
    }
}

} // namespace
} // namespace vdtest
