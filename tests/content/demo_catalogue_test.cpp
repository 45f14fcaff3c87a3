// The demo catalogue: the committed text must be exactly what the generator
// makes of the family table, and every record must be something the selection
// and the diagram can use and an engineer would believe.
#include "catalogue_text.h"
#include "catalogue_writer.h"
#include "expr.h"
#include "family_file.h"
#include "fan_model.h"
#include "paths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kCatalogueDir = VD_CATALOGUE_SRC;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A record of the catalogue text as its raw values: texts unquoted, numbers as written.
struct Record {
    int line = 0;
    std::map<std::string, std::vector<std::string>> fields;

    const std::vector<std::string>& all(const std::string& name) const {
        static const std::vector<std::string> none;
        auto it = fields.find(name);
        return it == fields.end() ? none : it->second;
    }
    std::string text(const std::string& name) const {
        const auto& v = all(name);
        return v.empty() ? std::string() : v[0];
    }
    double number(const std::string& name) const { return std::atof(text(name).c_str()); }
    std::vector<double> numbers(const std::string& name) const {
        std::vector<double> out;
        for (const std::string& s : all(name))
            out.push_back(std::atof(s.c_str()));
        return out;
    }
    std::string where() const { return text("model") + " (line " + std::to_string(line) + ")"; }
};

// Values of one "name = value" line: quoted texts (with escapes) or bare words.
std::vector<std::string> SplitValues(const std::string& s) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == ' ') {
            ++i;
        } else if (s[i] == '"') {
            std::string t;
            for (++i; i < s.size() && s[i] != '"'; ++i) {
                if (s[i] == '\\' && i + 1 < s.size())
                    ++i;
                t += s[i];
            }
            ++i;
            out.push_back(t);
        } else {
            std::size_t end = s.find(' ', i);
            out.push_back(s.substr(i, end == std::string::npos ? std::string::npos : end - i));
            i = end == std::string::npos ? s.size() : end;
        }
    }
    return out;
}

std::vector<Record> ParseRecords(const std::string& text) {
    std::vector<Record> records;
    std::istringstream in(text);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (line.empty() || line[0] == '#')
            continue;
        if (line == "[fan]") {
            records.push_back(Record{n, {}});
            continue;
        }
        std::size_t eq = line.find(" = ");
        if (eq == std::string::npos || records.empty()) {
            ADD_FAILURE() << "line " << n << " is neither a record start nor a field: " << line;
            continue;
        }
        records.back().fields[line.substr(0, eq)] = SplitValues(line.substr(eq + 3));
    }
    return records;
}

const std::vector<Record>& Catalogue() {
    static const std::vector<Record> records =
        ParseRecords(ReadFile(kCatalogueDir + "/vd_fan.txt"));
    return records;
}

const std::vector<std::string> kFamilies = {"PW",  "PW60", "BN1", "BN2", "BQ1", "BQ2",  "MT",
                                            "MTZ", "MTZL", "GHJ", "GHZ", "UDY", "UDYZ", "UVJ",
                                            "UVX", "LW",   "EHY", "AQY", "AQN"};

std::string Curve(const char* table, int c) {
    return std::string(table) + "_" + std::to_string(c);
}

TEST(DemoCatalogue, CommittedTextIsWhatTheGeneratorMakes) {
    std::string out = testing::TempDir() + "vd_fan_regenerated.txt";
    std::string cmd = std::string("\"") + VD_GEN_CATALOGUE + "\" \"" + kCatalogueDir +
                      "/families.txt\" --out \"" + out + "\"";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    std::string fresh = ReadFile(out);
    std::string committed = ReadFile(kCatalogueDir + "/vd_fan.txt");
    ASSERT_FALSE(fresh.empty());
    if (fresh != committed) {
        std::size_t i = 0;
        while (i < fresh.size() && i < committed.size() && fresh[i] == committed[i])
            ++i;
        int line = 1 + static_cast<int>(std::count(committed.begin(),
                                                   committed.begin() + static_cast<long>(i), '\n'));
        FAIL() << "vd_fan.txt differs from the generator's output from line " << line
               << "; regenerate it from families.txt";
    }
}

// The generator writes each record through the catalogue's own formatter, so
// the committed text reads exactly as `vdcat dump` prints its records.
TEST(DemoCatalogue, RecordsAreWrittenAsTheCatalogueFormatsThem) {
    std::string committed = ReadFile(kCatalogueDir + "/vd_fan.txt");
    std::string records;
    for (const std::string& line : vd::SplitLines(committed))
        if (!line.empty() && line[0] != '#')
            records += line + "\n";
    std::string formatted;
    for (const vd::TFanRecord& r : vd::ParseCatalogueText(committed))
        formatted += vd::FormatCatalogueRecord(r);
    EXPECT_EQ(records, formatted);
}

TEST(DemoCatalogue, EveryFamilyIsASeriesInFileOrder) {
    const auto& recs = Catalogue();
    ASSERT_GE(recs.size(), 250u);
    std::map<std::string, int> count;
    std::set<std::string> models, finished;
    std::string current;
    for (std::size_t i = 0; i < recs.size(); ++i) {
        const Record& r = recs[i];
        EXPECT_EQ(r.number("fan_no"), static_cast<double>(i + 1)) << r.where();
        std::string fam = r.text("family");
        if (fam != current) {
            EXPECT_FALSE(finished.count(fam)) << "family " << fam << " is split at " << r.where();
            finished.insert(current);
            current = fam;
        }
        ++count[fam];
        EXPECT_TRUE(models.insert(r.text("model")).second) << "model given twice: " << r.where();
    }
    for (const std::string& f : kFamilies) {
        EXPECT_GE(count[f], 8) << f;
        EXPECT_LE(count[f], 20) << f;
    }
    EXPECT_EQ(count.size(), kFamilies.size());
}

// The selection brackets the system curve between neighbouring points of
// curve 1 and relies on this order; the diagram draws every curve.
TEST(DemoCatalogue, CurvesKeepThePointOrderInSinglePrecision) {
    for (const Record& r : Catalogue()) {
        int curves = static_cast<int>(r.number("curve_count"));
        ASSERT_GE(curves, 1) << r.where();
        ASSERT_LE(curves, 5) << r.where();
        for (int c = 1; c <= 5; ++c) {
            std::vector<double> v = r.numbers(Curve("vol", c)), p = r.numbers(Curve("pres", c)),
                                w = r.numbers(Curve("power", c));
            if (c > curves) {
                EXPECT_TRUE(v.empty() && p.empty() && w.empty()) << r.where() << " curve " << c;
                continue;
            }
            ASSERT_GE(v.size(), 8u) << r.where() << " curve " << c;
            ASSERT_LE(v.size(), 20u) << r.where() << " curve " << c;
            ASSERT_EQ(p.size(), v.size()) << r.where();
            ASSERT_EQ(w.size(), v.size()) << r.where();
            for (std::size_t k = 0; k < v.size(); ++k) {
                EXPECT_GT(static_cast<float>(v[k]), 0.0f)
                    << r.where() << " curve " << c << " point " << k + 1;
                EXPECT_GT(static_cast<float>(w[k]), 0.0f)
                    << r.where() << " curve " << c << " point " << k + 1;
                EXPECT_GE(p[k], 0.0) << r.where();
                if (k == 0)
                    continue;
                float v0 = static_cast<float>(v[k - 1]), v1 = static_cast<float>(v[k]);
                long double k0 = static_cast<float>(p[k - 1]) / ((long double)v0 * v0);
                long double k1 = static_cast<float>(p[k]) / ((long double)v1 * v1);
                EXPECT_LT(v1, v0) << r.where() << " curve " << c << " point " << k + 1;
                EXPECT_GT(k1, k0) << r.where() << " curve " << c << " point " << k + 1;
            }
            EXPECT_GT(p.back(), 0.0) << r.where() << " curve " << c << " never leaves 0 Pa";
            if (c > 1) {
                // A lower speed step lies entirely below the one above it.
                std::vector<double> vu = r.numbers(Curve("vol", c - 1)),
                                    pu = r.numbers(Curve("pres", c - 1));
                EXPECT_LT(v.front(), vu.front()) << r.where() << " curve " << c;
                EXPECT_LT(p.back(), pu.back()) << r.where() << " curve " << c;
            }
        }
    }
}

double SupplyVolts(const std::string& volts) {
    if (volts == "230/400")
        return 400 * std::sqrt(3.0);
    if (volts == "110-127")
        return 115;
    return std::atof(volts.c_str());
}

TEST(DemoCatalogue, SupplyPowerAndCurrentAgree) {
    const std::map<std::string, std::pair<int, int>> supplies = {
        {"230", {50, 1}}, {"230/400", {50, 3}}, {"110-127", {60, 1}}, {"220", {60, 1}}};
    for (const Record& r : Catalogue()) {
        auto s = supplies.find(r.text("volts"));
        ASSERT_NE(s, supplies.end()) << r.where() << " volts " << r.text("volts");
        EXPECT_EQ(r.number("hz"), s->second.first) << r.where();
        EXPECT_EQ(r.number("phases"), s->second.second) << r.where();
        if (r.text("family") == "PW60") {
            EXPECT_EQ(r.number("hz"), 60) << r.where();
        }

        std::vector<double> v = r.numbers("vol_1"), p = r.numbers("pres_1"),
                            w = r.numbers("power_1");
        std::vector<double> minPa = r.numbers("min_pa");
        ASSERT_EQ(minPa.size(), 5u) << r.where();
        // Peak total efficiency at full speed within what the fan type can do.
        double best = 0, rated = 0;
        for (std::size_t k = 0; k < v.size(); ++k) {
            best = std::max(best, v[k] * p[k] / w[k]);
            if (p[k] >= minPa[0])
                rated = std::max(rated, w[k]);
        }
        EXPECT_GE(best, 0.29) << r.where();
        EXPECT_LE(best, 0.76) << r.where();

        // The current matches the largest permitted input at a believable power factor.
        const std::string amps = r.text("amps");
        ASSERT_NE(amps.find('.'), std::string::npos) << r.where() << " amps " << amps;
        double cosPhi = rated / (SupplyVolts(r.text("volts")) * std::atof(amps.c_str()));
        EXPECT_GT(cosPhi, 0.6) << r.where();
        EXPECT_LT(cosPhi, 1.0) << r.where();

        // Speed in rpm and a motor rating in kW: an output that covers the shaft
        // power, at most one standard size above it.
        double rpm = std::atof(r.text("value_col6").c_str());
        EXPECT_GE(rpm, 600) << r.where();
        EXPECT_LE(rpm, r.number("hz") * 60) << r.where() << ": faster than synchronous speed";
        double kw = std::atof(r.text("value_col7").c_str());
        EXPECT_GT(kw * 1000, rated * 0.35) << r.where();
        EXPECT_LT(kw * 1000, rated * 1.5) << r.where();

        // A minimum pressure marks the free-blowing end of its own curve only.
        int curves = static_cast<int>(r.number("curve_count"));
        for (int c = 1; c <= 5; ++c) {
            if (c > curves || minPa[static_cast<std::size_t>(c - 1)] == 0) {
                EXPECT_EQ(minPa[static_cast<std::size_t>(c - 1)], 0)
                    << r.where() << " min_pa " << c;
                continue;
            }
            std::vector<double> pc = r.numbers(Curve("pres", c));
            EXPECT_GT(minPa[static_cast<std::size_t>(c - 1)], pc.front())
                << r.where() << " curve " << c;
            EXPECT_LT(minPa[static_cast<std::size_t>(c - 1)], pc.back())
                << r.where() << " curve " << c;
        }
    }
}

// The ancillaries page offers controllers by current class for 230 V
// single-phase fans: the demo must exercise every class and the "none" case.
TEST(DemoCatalogue, SingleSupplyCurrentsCoverEveryControllerClass) {
    std::set<int> classes;
    for (const Record& r : Catalogue()) {
        if (r.text("volts") != "230" || r.number("phases") != 1)
            continue;
        double a = std::atof(r.text("amps").c_str());
        classes.insert(a < 0.5    ? 0
                       : a < 1.0  ? 1
                       : a <= 1.4 ? 2
                       : a < 2.0  ? 3
                       : a < 3.0  ? 4
                       : a < 5.0  ? 5
                                  : 6);
    }
    EXPECT_EQ(classes.size(), 7u);
}

TEST(DemoCatalogue, DetailFieldsFitTheRecordAndStayConsistentPerFamily) {
    const char* dims[] = {"dim_d1", "dim_d2", "dim_d3", "dim_d4", "dim_a", "dim_b",
                          "dim_c",  "dim_d",  "dim_e",  "dim_f",  "dim_g", "dim_h",
                          "dim_i",  "dim_j",  "dim_k",  "dim_l",  "dim_m"};
    std::map<std::string, std::string> lettersOf;
    std::map<std::string, std::set<std::string>> pictures;
    for (const Record& r : Catalogue()) {
        EXPECT_LE(r.text("model").size(), 13u) << r.where();
        for (const char* f : {"volts", "value_col6", "value_col7", "amps", "weight"})
            EXPECT_LE(r.text(f).size(), 10u) << r.where() << " " << f;
        EXPECT_GT(std::atof(r.text("weight").c_str()), 0.0) << r.where();
        EXPECT_GT(r.number("max_temp"), 0.0) << r.where();

        std::string letters;
        double largest = 0;
        for (const char* d : dims) {
            std::string t = r.text(d);
            ASSERT_FALSE(t.empty()) << r.where() << " " << d;
            EXPECT_LE(t.size(), 10u) << r.where();
            EXPECT_EQ(t.find_first_not_of("0123456789"), std::string::npos)
                << r.where() << " " << d << " " << t;
            if (t != "0")
                letters += std::string(d + 4) + " ";
            largest = std::max(largest, std::atof(t.c_str()));
        }
        auto [it, fresh] = lettersOf.emplace(r.text("family"), letters);
        EXPECT_EQ(it->second, letters)
            << r.where() << ": dimension letters differ within the family";
        // The outlet fits inside the fan.
        double area = r.number("outlet_area");
        EXPECT_GT(area, 0.0) << r.where();
        EXPECT_LT(area, largest * largest / 1e6) << r.where();

        for (const auto& [field, ext] : std::map<std::string, std::string>{
                 {"drawing_file", ".wmf"}, {"diagram_file", ".wmf"}, {"picture_file", ".bmp"}}) {
            std::string n = r.text(field);
            EXPECT_LE(n.size(), 25u) << r.where();
            EXPECT_TRUE(n.size() > 4 && n.substr(n.size() - 4) == ext) << r.where() << " " << field;
        }
        for (const char* field : {"spec_file", "maint_file"}) {
            std::string n = r.text(field);
            EXPECT_LE(n.size(), 25u) << r.where();
            EXPECT_TRUE(n.size() > 4 &&
                        (n.substr(n.size() - 4) == ".rtf" || n.substr(n.size() - 4) == ".txt"))
                << r.where() << " " << field;
        }

        EXPECT_EQ(r.all("sound_label"), (std::vector<std::string>{"141", "142", "143", "144"}))
            << r.where();
        for (int row = 1; row <= 4; ++row) {
            const auto& s = r.all("sound_" + std::to_string(row));
            ASSERT_EQ(s.size(), 10u) << r.where() << " sound row " << row;
            bool shown = s[0] != "0";
            if (row != 3) {
                EXPECT_TRUE(shown) << r.where() << " sound row " << row;
            }
            for (const std::string& t : s) {
                EXPECT_LE(t.size(), 4u) << r.where();
                if (!shown) {
                    EXPECT_EQ(t, "0") << r.where() << " hidden sound row " << row;
                }
            }
            if (shown) {
                // Levels in dB; the A-weighted sound power exceeds the pressure at 3 m.
                EXPECT_GT(std::atoi(s[1].c_str()), std::atoi(s[0].c_str()))
                    << r.where() << " row " << row;
                EXPECT_LT(std::atoi(s[1].c_str()), 110) << r.where() << " row " << row;
            }
        }
    }
}

// ---- the generator's own parts ------------------------------------------

TEST(GenCatalogueExpr, PrecedenceFunctionsAndErrors) {
    gencat::Variables vars{{"wheel", 250}, {"dn", 200}};
    EXPECT_DOUBLE_EQ(gencat::Expr::Parse("1 + 2*3^2").Eval(vars), 19);
    EXPECT_DOUBLE_EQ(gencat::Expr::Parse("-2^2").Eval(vars), -4);
    EXPECT_DOUBLE_EQ(gencat::Expr::Parse("round(1.1*wheel + 60, 5)").Eval(vars), 335);
    EXPECT_DOUBLE_EQ(gencat::Expr::Parse("min(40, max(30, round(dn/6, 10)))").Eval(vars), 30);
    EXPECT_NEAR(gencat::Expr::Parse("pi*dn^2/4e6").Eval(vars), 0.0314159, 1e-6);
    EXPECT_THROW(gencat::Expr::Parse("wheel +"), gencat::ExprError);
    EXPECT_THROW(gencat::Expr::Parse("(wheel"), gencat::ExprError);
    EXPECT_THROW(gencat::Expr::Parse("foo(1)"), gencat::ExprError);
    EXPECT_THROW(gencat::Expr::Parse("round()"), gencat::ExprError);
    EXPECT_THROW(gencat::Expr::Parse("wheel").Eval({}), gencat::UnknownVariable);
    EXPECT_THROW(gencat::Expr::Parse("1/0").Eval(vars), gencat::ExprError);
    EXPECT_THROW(gencat::Expr::Parse("round(1, 0)").Eval(vars), gencat::ExprError);
    EXPECT_THROW(gencat::Expr::Parse(std::string(5000, '(') + "1").Eval(vars), gencat::ExprError);
}

const char* kSmallFamily = R"(family XX
title  test fans
kind   backward
sound  duct
volts  230
drawing x_dim.wmf
diagram x_diag.wmf
spec    x_spec.rtf
maint   x_maint.txt
picture x_fan.bmp
points = 10
range = 0.25
psi = 1.0
phi = 0.24
eta = 45
temp = 60
ls = 37
blades = 7
breakout = 15
outlet = pi*d1^2/4e6       # uses a dimension given further down
weight = 10
dim d1 = dn - 1
columns model dn wheel rpm steps
fan "XX 200" 200 220 1380 3
)";

TEST(GenCatalogueFamilyTable, FormulaeResolveInDependencyOrderAndLikeOverrides) {
    std::string text = std::string(kSmallFamily) + "family YY\nlike XX\ndim d1 = dn + 9\n"
                                                   "columns model dn wheel rpm steps volts\n"
                                                   "fan \"YY 200\" 200 220 1420 1 230/400\n";
    auto fams = gencat::ParseFamilyFile(text);
    ASSERT_EQ(fams.size(), 2u);
    gencat::FanEntry x = gencat::BuildFan(fams[0], fams[0].sizes[0]);
    gencat::FanEntry y = gencat::BuildFan(fams[1], fams[1].sizes[0]);
    EXPECT_EQ(x.dims[0], "199");
    EXPECT_EQ(y.dims[0], "209");
    EXPECT_NEAR(x.outletArea, 3.14159265 * 0.199 * 0.199 / 4, 1e-5);
    EXPECT_NEAR(y.outletArea, 3.14159265 * 0.209 * 0.209 / 4, 1e-5);
    EXPECT_EQ(x.curves.size(), 3u);
    EXPECT_EQ(y.phases, 3);
    EXPECT_EQ(y.drawingFile, "x_dim.wmf");
}

TEST(GenCatalogueFamilyTable, MalformedTablesNameTheLine) {
    struct Case {
        std::string text;
        int line;
    } cases[] = {
        {"kind backward\n", 1},                                        // before any family
        {"family XX\nkind\n", 2},                                      // missing value
        {"family XX\nfoo bar\n", 2},                                   // unknown keyword
        {"family XX\nkind axial\nwheel = 2 *\n", 3},                   // bad expression
        {"family XX\nkind axial\ncolumns model rpm\nfan \"A\"\n", 4},  // too few values
        {"family XX\nkind axial\ncolumns model rpm\nfan A fast\n", 4}, // not a number
        {"family XX\nkind axial\ncolumns model rpm\nfan \"A 1\n", 4},  // open quote
        {"family XX\nkind axial\ndim Z = 1\n", 3},                     // no such dimension
        {"family XX\nkind axial\na = 1\na = 2\n", 4},                  // assigned twice
        {"family XX\nlike YY\n", 2},                                   // unknown base
        {"family XX\nkind axial\n", 1},                                // no fan rows
        {"family TOOLONG\n", 1},                                       // code longer than 5
    };
    for (const Case& c : cases) {
        try {
            gencat::ParseFamilyFile(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const gencat::FamilyFileError& e) {
            EXPECT_EQ(e.line(), c.line) << c.text << " -> " << e.what();
        }
    }
}

TEST(GenCatalogueFamilyTable, ImpossibleFansAreRefusedWithTheirName) {
    auto build = [](const std::string& replace, const std::string& by) {
        std::string text = kSmallFamily;
        text.replace(text.find(replace), replace.size(), by);
        auto fams = gencat::ParseFamilyFile(text);
        return gencat::BuildFan(fams[0], fams[0].sizes[0]);
    };
    EXPECT_NO_THROW(build("eta = 45", "eta = 45"));
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"eta = 45", "eta = 90"},                // beyond any real fan
             {"points = 10", "points = 25"},          // more than a curve holds
             {"volts  230", "volts  240"},            // no such supply
             {"outlet = pi*d1^2/4e6", "outlet = 0"},  // no outlet
             {"weight = 10", "weight = unknown + 1"}, // unresolved formula
             {"kind   backward", "kind   propeller"}, // unknown impeller model
             {"\"XX 200\"", "\"XX 200 TOO LONG\""},   // model text too long
             {"x_dim.wmf", "x_dim.bmp"}}) {           // wrong file type
        try {
            build(from, to);
            ADD_FAILURE() << "accepted " << to;
        } catch (const gencat::ModelError& e) {
            EXPECT_NE(std::string(e.what()).find("XX"), std::string::npos) << e.what();
        }
    }
}

} // namespace
