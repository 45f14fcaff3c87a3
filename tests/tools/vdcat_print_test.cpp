// vdcat print end to end: a real PDF, read back with pdftotext -bbox, has its
// texts where the printouts put them.
#include "test_files.h"

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

} // namespace

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
