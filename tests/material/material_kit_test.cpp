// The generator's parts: dash patterns, view layout and dimension letters on
// the drawing sheet, the family charts' labels and pressure, the catalogue
// index, and the generator run as the build runs it, good input and bad.
#include "catalogue_index.h"
#include "charts.h"
#include "drafting.h"
#include "test_files.h"

#include "catalogue_text.h"
#include "le_reader.h"
#include "wmf_file.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

using namespace material;

namespace {

struct TextRecord {
    std::string text;
    int x, y;
};

// Text records and polylines of a metafile, in order.
struct Records {
    std::vector<TextRecord> texts;
    std::vector<std::vector<QPoint>> polylines;
};

Records Read(const std::string& bytes) {
    auto file = vd::WmfFile::Parse(bytes);
    Records out;
    for (const auto& rec : file->records()) {
        vd::LeReader r(file->params(rec));
        if (rec.function == 0x0521) {
            int n = r.i16();
            std::string s(r.bytes(size_t(n)));
            if (n % 2)
                r.skip(1);
            int y = r.i16(), x = r.i16();
            out.texts.push_back({s, x, y});
        } else if (rec.function == 0x0325) {
            int n = r.i16();
            std::vector<QPoint> pts;
            for (int i = 0; i < n; ++i) {
                int x = r.i16(), y = r.i16();
                pts.emplace_back(x, y);
            }
            out.polylines.push_back(pts);
        }
    }
    return out;
}

const TextRecord* FindText(const Records& r, const std::string& s) {
    for (const TextRecord& t : r.texts)
        if (t.text == s)
            return &t;
    return nullptr;
}

vd::TFanRecord CurveRecord(const char* family, const char* model, double scale) {
    vd::TFanRecord rec;
    rec.family.assign(family);
    rec.model.assign(model);
    rec.hz = 50;
    rec.phases = 1;
    rec.volts.assign("230");
    rec.outlet_area = 0.05f;
    rec.curve_count = 1;
    const double vol[] = {0.30, 0.27, 0.22, 0.16, 0.10, 0.05};
    const double pres[] = {0, 120, 240, 330, 380, 400};
    for (int k = 0; k < 6; ++k) {
        rec.vol[k + 1] = float(vol[k] * scale);
        rec.pres[k + 1] = float(pres[k] * scale);
    }
    return rec;
}

const vd::TFanRecord& FirstDemoRecord() {
    static const vd::TFanRecord rec = [] {
        std::ifstream in(VD_CATALOGUE_TEXT, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return vd::ParseCatalogueText(text.str()).front();
    }();
    return rec;
}

struct GeneratorResult {
    int exitCode;
    std::string errors;
};

GeneratorResult Generate(const std::filesystem::path& catalogue, const std::filesystem::path& out) {
    QProcess p;
    p.start(QStringLiteral(VD_GEN_MATERIAL),
            {QStringLiteral("--catalogue"), QString::fromStdString(catalogue.string()),
             QStringLiteral("--out"), QString::fromStdString(out.string())});
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            p.readAllStandardError().toStdString()};
}

} // namespace

TEST(DraftingSheet, DashPatternRunsOnAcrossCorners) {
    Sheet s(QRectF(0, 0, 1000, 1000), 960);
    s.pen(ink::kBlack, 0);
    s.patterned({QPointF(0, 100), QPointF(1000, 100)}, {100, 100});
    s.patterned({QPointF(0, 500), QPointF(250, 500), QPointF(250, 900)}, {100, 100});
    Records r = Read(s.finish());
    ASSERT_EQ(r.polylines.size(), 5u + 4u);
    EXPECT_EQ(r.polylines[0].front(), QPoint(0, 100));
    EXPECT_EQ(r.polylines[0].back(), QPoint(100, 100));
    EXPECT_EQ(r.polylines[4].front(), QPoint(800, 100));
    // The dash from 200 to 300 along the second path turns the corner at 250.
    const auto& corner = r.polylines[6];
    ASSERT_EQ(corner.size(), 3u);
    EXPECT_EQ(corner[0], QPoint(200, 500));
    EXPECT_EQ(corner[1], QPoint(250, 500));
    EXPECT_EQ(corner[2], QPoint(250, 550));
}

TEST(DraftingSheet, ViewsShareTheirAxisAndFillTheAreaAtOneScale) {
    const QRectF area(100, 50, 2000, 800);
    std::vector<ViewSpec> specs = {{-50, -20, 50, 20, 100, 40, 60, 120},
                                   {0, -40, 30, 40, 30, 90, 200, 30}};
    auto views = LayOutRow(area, specs, 150);
    ASSERT_EQ(views.size(), 2u);
    EXPECT_DOUBLE_EQ(views[0].scale, views[1].scale);
    EXPECT_DOUBLE_EQ(views[0].origin.y(), views[1].origin.y());
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (size_t i = 0; i < 2; ++i) {
        const ViewSpec& v = specs[i];
        QRectF used = views[i]
                          .box(v.left, v.top, v.right, v.bottom)
                          .adjusted(-v.padLeft, -v.padTop, v.padRight, v.padBottom);
        left = std::min(left, used.left());
        right = std::max(right, used.right());
        top = std::min(top, used.top());
        bottom = std::max(bottom, used.bottom());
    }
    EXPECT_GE(left, area.left() - 0.01);
    EXPECT_LE(right, area.right() + 0.01);
    EXPECT_GE(top, area.top() - 0.01);
    EXPECT_LE(bottom, area.bottom() + 0.01);
    // As large as fits: one direction is used to the full.
    EXPECT_TRUE(std::abs((right - left) - area.width()) < 1 ||
                std::abs((bottom - top) - area.height()) < 1);
}

TEST(DraftingSheet, DimensionLettersSitBeyondTheLineAwayFromTheFeatures) {
    Sheet s(QRectF(0, 0, 2000, 2000), 960);
    Draft d(s);
    d.hdim(QPointF(200, 1000), QPointF(900, 1000), 1200, "A"); // below the features
    d.hdim(QPointF(200, 1000), QPointF(900, 1000), 700, "B");  // above them
    d.vdim(QPointF(1000, 200), QPointF(1000, 900), 1300, "C"); // right of them
    d.vdim(QPointF(1000, 200), QPointF(1000, 900), 600, "d1"); // left of them
    d.hdim(QPointF(300, 1500), QPointF(330, 1500), 1700, "D"); // too short for arrows inside
    EXPECT_EQ(d.letters(), (std::set<std::string>{"A", "B", "C", "D", "d1"}));
    Records r = Read(s.finish());
    const TextRecord *a = FindText(r, "A"), *b = FindText(r, "B"), *c = FindText(r, "C"),
                     *d1 = FindText(r, "d1"), *dd = FindText(r, "D");
    ASSERT_TRUE(a && b && c && d1 && dd);
    EXPECT_GT(a->y, 1200);
    EXPECT_NEAR(a->x, 550, 1);
    EXPECT_LT(b->y, 700);
    EXPECT_GT(c->x, 1300);
    EXPECT_NEAR(c->y, 550, Draft::kLetterHeight);
    EXPECT_LT(d1->x, 600);
    EXPECT_GT(dd->y, 1700);
}

TEST(FamilyCharts, SizesWithOneCurveShareALabelAndEachOtherSizeHasItsOwn) {
    vd::TFanRecord a = CurveRecord("PW", "PW 100", 1), b = CurveRecord("PW", "PW 100 H", 1),
                   c = CurveRecord("PW", "PW 160", 1.8);
    Records r = Read(MakePerformanceChart({{"PW"}, {&a, &b, &c}}));
    EXPECT_TRUE(FindText(r, "100, 100 H"));
    EXPECT_TRUE(FindText(r, "160"));
    EXPECT_FALSE(FindText(r, "100 H"));
    EXPECT_TRUE(FindText(r, "PW"));
}

TEST(FamilyCharts, StaticRatedFamiliesShowStaticPressureOthersTotal) {
    vd::TFanRecord axial = CurveRecord("EHY", "EHY 315-2", 1),
                   duct = CurveRecord("PW", "PW 100", 1);
    Records rs = Read(MakePerformanceChart({{"EHY"}, {&axial}}));
    Records rt = Read(MakePerformanceChart({{"PW"}, {&duct}}));
    // The pressure axis is named p with its index: s for static, t for total.
    EXPECT_TRUE(FindText(rs, "s"));
    EXPECT_FALSE(FindText(rs, "t"));
    EXPECT_TRUE(FindText(rt, "t"));
    EXPECT_FALSE(FindText(rt, "s"));
}

TEST(FamilyCharts, AFamilyWithoutCurvesIsAnError) {
    vd::TFanRecord empty;
    empty.family.assign("PW");
    empty.model.assign("PW 100");
    EXPECT_THROW(MakePerformanceChart({{"PW"}, {&empty}}), std::runtime_error);
    EXPECT_THROW(MakePerformanceChart({{"PW"}, {}}), std::runtime_error);
}

TEST(CatalogueIndexing, FilesGroupWithoutCaseAndKeepTheirFirstSpelling) {
    vdtest::TempDir dir;
    vd::TFanRecord a = FirstDemoRecord(), b = FirstDemoRecord(), c = FirstDemoRecord();
    b.family.assign("PW60");
    b.fan_no = 2;
    b.drawing_file.assign("PW_DIM.WMF");
    c.fan_no = 3;
    c.drawing_file.assign("other.wmf");
    vdtest::WriteFile(dir / "cat.txt", vd::FormatCatalogueRecord(a) + vd::FormatCatalogueRecord(b) +
                                           vd::FormatCatalogueRecord(c));
    CatalogueIndex index = ReadCatalogueIndex((dir / "cat.txt").string());
    ASSERT_EQ(index.drawings.size(), 2u);
    const FileUse& pw = index.drawings.at("pw_dim.wmf");
    EXPECT_EQ(pw.name, "pw_dim.wmf");
    EXPECT_EQ(pw.families, (std::vector<std::string>{"PW", "PW60"}));
    EXPECT_EQ(pw.records.size(), 2u);
    EXPECT_EQ(index.pictures.at("pw_fan.bmp").records.size(), 3u);
    EXPECT_EQ(NonZeroLetters(a), (std::vector<std::string>{"d1", "A", "B", "C"}));
    EXPECT_DOUBLE_EQ(DimensionValue(a, "d1"), 99);
    EXPECT_DOUBLE_EQ(DimensionValue(a, "E"), 0);
}

TEST(CatalogueIndexing, MissingOrMalformedCataloguesAreErrorsNamingTheFile) {
    vdtest::TempDir dir;
    const std::string missing = (dir / "none.txt").string();
    try {
        ReadCatalogueIndex(missing);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("none.txt"), std::string::npos) << e.what();
    }
    vdtest::WriteFile(dir / "bad.txt", "[fan]\nfan_no = 1\nmodel = \"unterminated\n");
    try {
        ReadCatalogueIndex((dir / "bad.txt").string());
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("bad.txt"), std::string::npos) << e.what();
    }
    vdtest::WriteFile(dir / "empty.txt", "# nothing\n");
    EXPECT_THROW(ReadCatalogueIndex((dir / "empty.txt").string()), std::runtime_error);
}

TEST(GeneratorRun, WritesEveryFileOfASmallCatalogue) {
    vdtest::TempDir dir;
    vdtest::WriteFile(dir / "cat.txt", vd::FormatCatalogueRecord(FirstDemoRecord()));
    GeneratorResult run = Generate(dir / "cat.txt", dir / "out");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    for (const char* f :
         {"wmf/pw_dim.wmf", "wmf/pw_diag.wmf", "wmf/blank.wmf", "bmp/pw_fan.bmp",
          "bmp/bigpw_fan.bmp", "bmp/qmHA.bmp", "bmp/LOUVRE.bmp", "pics/Vandrel_Logo.wmf"})
        EXPECT_TRUE(std::filesystem::is_regular_file(dir / "out" / f)) << f;
}

TEST(GeneratorRun, RefusesFilesItCannotDrawAndDimensionsItDoesNotShow) {
    vdtest::TempDir dir;
    vd::TFanRecord unknown = FirstDemoRecord();
    unknown.drawing_file.assign("xyz_dim.wmf");
    vdtest::WriteFile(dir / "a.txt", vd::FormatCatalogueRecord(unknown));
    GeneratorResult a = Generate(dir / "a.txt", dir / "out");
    EXPECT_EQ(a.exitCode, 1);
    EXPECT_NE(a.errors.find("xyz_dim.wmf"), std::string::npos) << a.errors;

    vd::TFanRecord extra = FirstDemoRecord();
    extra.dim_e.assign("40"); // a letter the in-line fan's drawing has no place for
    vdtest::WriteFile(dir / "b.txt", vd::FormatCatalogueRecord(extra));
    GeneratorResult b = Generate(dir / "b.txt", dir / "out");
    EXPECT_EQ(b.exitCode, 1);
    EXPECT_NE(b.errors.find(extra.model.str()), std::string::npos) << b.errors;

    vd::TFanRecord picture = FirstDemoRecord();
    picture.picture_file.assign("nobody.bmp");
    vdtest::WriteFile(dir / "c.txt", vd::FormatCatalogueRecord(picture));
    GeneratorResult c = Generate(dir / "c.txt", dir / "out");
    EXPECT_EQ(c.exitCode, 1);
    EXPECT_NE(c.errors.find("nobody.bmp"), std::string::npos) << c.errors;

    GeneratorResult missing = Generate(dir / "absent.txt", dir / "out");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.errors.find("absent.txt"), std::string::npos) << missing.errors;
}
