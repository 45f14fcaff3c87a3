// vdcat print end to end: a real PDF, read back with pdftotext -bbox, has its
// texts where the printouts put them. vdcat diagram: the picture it draws.
#include "test_files.h"

#include <QImage>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct Box {
    double x = NAN, y = NAN;
};

// The first word box of each word on page `page`.
std::map<std::string, Box> Words(const fs::path& pdf, int page) {
    std::string cmd = "pdftotext -bbox -f " + std::to_string(page) + " -l " + std::to_string(page) +
                      " '" + pdf.string() + "' - 2>/dev/null";
    std::map<std::string, Box> words;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return words;
    std::string out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    pclose(p);
    std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    for (std::sregex_iterator it(out.begin(), out.end(), word), end; it != end; ++it)
        words.emplace((*it)[3].str(), Box{std::stod((*it)[1].str()), std::stod((*it)[2].str())});
    return words;
}

struct PrintRun {
    int code = -1;
    std::string err;
};

// vdcat CMD (print, diagram) at 1.2 m3/s, 300 Pa among BNBQ, writing `out`.
PrintRun FanCommand(const std::string& cmd, const fs::path& data, const fs::path& out,
                    const std::string& extra) {
    const fs::path err = out.string() + ".err";
    std::string line = std::string(VD_VDCAT) + " " + cmd + " --data '" + data.string() +
                       "' --volume 1.2 --volume-unit m3/s --pressure 300 --pressure-unit Pa"
                       " --include BNBQ --language UK --out '" +
                       out.string() + "' " + extra + " 2>'" + err.string() + "'";
    int status = std::system(line.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, vdtest::ReadFile(err)};
}

// vdcat print for fan 112 of the demo catalogue.
PrintRun Print(const fs::path& data, const fs::path& pdf, const std::string& extra) {
    return FanCommand("print", data, pdf, "--fan 112 " + extra);
}

std::string PdfText(const fs::path& pdf) {
    std::string out;
    FILE* p = popen(("pdftotext '" + pdf.string() + "' - 2>/dev/null").c_str(), "r");
    if (!p)
        return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    pclose(p);
    return out;
}

// Dark pixels of page 1 at 72 dpi (one pixel a point) inside a rectangle of
// page units, counted from where the word `anchor` at page units (ax, ay) is.
int DarkPixels(const fs::path& pdf, const std::string& anchor, double ax, double ay, double left,
               double top, double right, double bottom) {
    auto words = Words(pdf, 1);
    if (!words.count(anchor))
        return -1;
    const double unit = 3.6;
    const double ox = words[anchor].x - ax * unit, oy = words[anchor].y - ay * unit;
    const fs::path pgm = pdf.string() + ".pgm";
    // pdftoppm names its output after the root it is given: ROOT.pgm.
    std::string cmd =
        "pdftoppm -gray -r 72 -f 1 -l 1 -singlefile '" + pdf.string() + "' '" + pdf.string() + "'";
    if (std::system(cmd.c_str()) != 0)
        return -1;
    std::string bytes = vdtest::ReadFile(pgm);
    int w = 0, h = 0, max = 0, consumed = 0;
    if (std::sscanf(bytes.c_str(), "P5 %d %d %d%n", &w, &h, &max, &consumed) != 3)
        return -1;
    const unsigned char* px = reinterpret_cast<const unsigned char*>(bytes.data()) + consumed + 1;
    int dark = 0;
    for (int y = int(oy + top * unit) + 2; y < int(oy + bottom * unit) - 2 && y < h; ++y)
        for (int x = int(ox + left * unit) + 2; x < int(ox + right * unit) - 2 && x < w; ++x)
            dark += px[y * w + x] < 128;
    return dark;
}

// A data tree with the generated catalogue, texts, pictures and drawings.
void CopyDataTree(const fs::path& to) {
    const fs::path runtime = VD_RUNTIME_DIR;
    for (const char* sub : {"dat", "txt", "wmf", "bmp", "pics"})
        fs::copy(runtime / sub, to / sub, fs::copy_options::recursive);
}

bool HavePoppler() {
    return std::system("command -v pdftotext >/dev/null 2>&1 && command -v pdftoppm >/dev/null "
                       "2>&1") == 0;
}

} // namespace

TEST(VdcatPrint, EveryPrintoutHoldsTheFansMaterialWhicheverAreChosen) {
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils are not installed";
    vdtest::TempDir dir;
    CopyDataTree(dir.path());
    // The data sheet's drawing box holds the dimension drawing.
    PrintRun sheet = Print(dir.path(), dir / "sheet.pdf", "--only summary --dpi 72");
    ASSERT_EQ(sheet.code, 0) << sheet.err;
    EXPECT_EQ(sheet.err, "");
    const int drawn = DarkPixels(dir / "sheet.pdf", "Fan", 10, 5, 10, 130, 150, 198);
    EXPECT_GT(drawn, 200);

    // The instruction sheet alone: the diagram picture and the maintenance text.
    PrintRun alone = Print(dir.path(), dir / "alone.pdf", "--only instructions");
    ASSERT_EQ(alone.code, 0) << alone.err;
    const std::string text = PdfText(dir / "alone.pdf");
    EXPECT_NE(text.find("Maintenance and installation instructions"), std::string::npos) << text;
    EXPECT_NE(text.find("VENTILATION FANS"), std::string::npos) << text; // in the diagram picture

    // Missing material: the window's message, the rest printed, exit 5.
    fs::remove(dir / "wmf/bn_dim.wmf");
    fs::remove(dir / "txt/UKbn_maint.txt");
    PrintRun missing = Print(dir.path(), dir / "missing.pdf", "--dpi 72");
    EXPECT_EQ(missing.code, 5);
    EXPECT_NE(missing.err.find("Cannot find maintenance text UKbn_maint.txt\n"), std::string::npos)
        << missing.err;
    EXPECT_NE(missing.err.find("Cannot find drawing bn_dim.wmf\n"), std::string::npos)
        << missing.err;
    // The blank drawing stands in: a light frame and a line of grey text.
    EXPECT_LT(DarkPixels(dir / "missing.pdf", "Fan", 10, 5, 10, 130, 150, 198), drawn / 2);
    EXPECT_NE(PdfText(dir / "missing.pdf").find("Quotation"), std::string::npos);
}

TEST(VdcatPrint, AncillariesMustBeOnTheFansList) {
    vdtest::TempDir dir;
    CopyDataTree(dir.path());
    // Fan 112 is three-phase: the single-phase controllers (0 to 2) are not offered.
    PrintRun r = Print(dir.path(), dir / "a.pdf", "--ancillaries 5,1");
    EXPECT_EQ(r.code, 64);
    EXPECT_NE(r.err.find("item 1 is not in the list of fan 112"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "a.pdf"));
    EXPECT_EQ(Print(dir.path(), dir / "b.pdf", "--ancillaries 19").code, 64);
}

TEST(VdcatPrint, AScheduleWritesThePrintoutsOfEachDutysFirstFan) {
    vdtest::TempDir dir;
    CopyDataTree(dir.path());
    vdtest::WriteFile(dir / "s.csv",
                      "tag,volume,volume_unit,pressure,pressure_unit,pressure_type,families\n"
                      "../up,1.2,m3/s,300,Pa,static,BNBQ\n"
                      "B 2,2500,m3/h,250,Pa,static,PW MT\n");
    std::string cmd = std::string(VD_VDCAT) + " schedule '" + (dir / "s.csv").string() +
                      "' --data '" + dir.path().string() + "' --language UK --print '" +
                      (dir / "out").string() + "' >/dev/null 2>&1";
    int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(fs::exists(dir / "out/.._up.pdf"));
    EXPECT_TRUE(fs::exists(dir / "out/B_2.pdf"));
    EXPECT_FALSE(fs::exists(dir / "up.pdf"));
    if (HavePoppler()) {
        EXPECT_NE(PdfText(dir / "out/B_2.pdf").find("Quotation"), std::string::npos);
    }
}

TEST(VdcatPrint, TheQuotationsTextsSitOnTheirPageUnits) {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext is not installed";
    vdtest::TempDir dir;
    fs::path runtime = VD_RUNTIME_DIR;
    fs::copy(runtime / "dat", dir / "dat", fs::copy_options::recursive);
    fs::copy(fs::path(VD_DATA_SRC) / "txt", dir / "txt", fs::copy_options::recursive);
    // Logos of our own (the delivered ones are made by the build).
    for (const char* logo : {"pics/vandrel_logo.wmf", "pics/logo_text.wmf", "pics/Vandrel_Logo.wmf",
                             "wmf/blank.wmf"}) {
        fs::create_directories((dir / logo).parent_path());
        fs::copy_file(fs::path(VD_REAL_FIXTURES) / "wmf/lo_odg_shapes.wmf", dir / logo);
    }
    const fs::path pdf = dir / "out.pdf";
    std::string cmd =
        std::string(VD_VDCAT) + " print --data '" + dir.path().string() +
        "' --volume 1.2 --volume-unit m3/s --pressure 300 --pressure-unit Pa --include BNBQ"
        " --fan 112 --out '" +
        pdf.string() +
        "' --only quotation --quote Q-17 --company Acme --ancillaries 5,12 --dpi 300"
        " --language UK 2>/dev/null";
    int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);

    auto words = Words(pdf, 1);
    ASSERT_TRUE(words.count("Value:"));
    // A page unit is 1/20 inch = 3.6 pt; "Value:" is at (10, 166).
    const double unit = 3.6;
    const Box origin{words["Value:"].x - 10 * unit, words["Value:"].y - 166 * unit};
    auto at = [&](const std::string& w, double x, double y) {
        ASSERT_TRUE(words.count(w)) << w;
        EXPECT_NEAR(words[w].x - origin.x, x * unit, 0.6) << w;
        EXPECT_NEAR(words[w].y - origin.y, y * unit, 0.6) << w;
    };
    at("Quotation", 62, 43);
    at("Q-17", 38, 50);
    at("Acme", 27, 29);
    at("Ancillaries", 88, 74);
    at("Protective", 88, 80); // the ticked items follow each other without gaps
    at("Weather", 88, 84);
    at("Terms", 10, 182);
}

namespace {

PrintRun Diagram(const fs::path& data, const fs::path& out, const std::string& extra) {
    return FanCommand("diagram", data, out, extra);
}

// Pixels of the duty point's red marker and of anything not white.
std::pair<int, int> RedAndDrawn(const QImage& image) {
    int red = 0, drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
            drawn += c != Qt::white;
        }
    return {red, drawn};
}

} // namespace

TEST(VdcatDiagram, DrawsTheDiagramPageAtTheAskedSize) {
    vdtest::TempDir dir;
    CopyDataTree(dir.path());
    PrintRun r = Diagram(dir.path(), dir / "d.png", "--fan 112");
    ASSERT_EQ(r.code, 0) << r.err;
    const QImage page(QString::fromStdString((dir / "d.png").string()));
    ASSERT_EQ(page.size(), QSize(545, 342));
    const auto [red, drawn] = RedAndDrawn(page);
    EXPECT_GT(red, 20);     // the duty point
    EXPECT_GT(drawn, 5000); // the curves, the grid lines and the data table's texts

    // Twice the size: the same drawing stretched, not a corner of it.
    ASSERT_EQ(Diagram(dir.path(), dir / "big.png", "--fan 112 --size 1090x684").code, 0);
    const QImage big(QString::fromStdString((dir / "big.png").string()));
    ASSERT_EQ(big.size(), QSize(1090, 684));
    const auto [bigRed, bigDrawn] = RedAndDrawn(big);
    EXPECT_GT(bigRed, 3 * red);
    EXPECT_GT(bigDrawn, 2 * drawn);

    // The SVG holds the same drawing as texts and paths, where the build can write one.
    PrintRun svg = Diagram(dir.path(), dir / "d.svg", "--fan 112 --format svg");
    if (svg.code == 64) {
        EXPECT_NE(svg.err.find("png only"), std::string::npos) << svg.err;
    } else {
        ASSERT_EQ(svg.code, 0) << svg.err;
        const std::string text = vdtest::ReadFile(dir / "d.svg");
        EXPECT_NE(text.find("viewBox=\"0 0 545 342\""), std::string::npos);
        for (const char* shown : {"Total pressure", "Duty point", "BN2 630-4"})
            EXPECT_NE(text.find(shown), std::string::npos) << shown;
    }

    PrintRun absent = Diagram(dir.path(), dir / "x.png", "--fan 1");
    EXPECT_EQ(absent.code, 1);
    EXPECT_NE(absent.err.find("fan 1 is not among the results"), std::string::npos) << absent.err;
    for (const char* bad : {"--fan 112 --size 0x5", "--fan 112 --size 4097x10",
                            "--fan 112 --format gif", "--size 10x10"})
        EXPECT_EQ(Diagram(dir.path(), dir / "x.png", bad).code, 64) << bad;
    EXPECT_FALSE(fs::exists(dir / "x.png"));
}
