// vdcat's documents end to end: csv and json rows, explain, speed steps and
// schedules, each checked against the tab-separated rows of the same duty.
#include "vdcat_run.h"

#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

using namespace vdtest;
using Json = nlohmann::json;

namespace {

// Fan laws: curve c runs at speed f, volumes times f, pressures times f².
void AddSlowerCurves(vd::TFanRecord& r, const std::vector<float>& speeds) {
    r.curve_count = 1 + static_cast<int>(speeds.size());
    for (std::size_t c = 0; c < speeds.size(); ++c)
        for (int i = 1; i <= 20; ++i) {
            const int at = 20 * static_cast<int>(c + 1) + i;
            r.vol[at] = r.vol[i] * speeds[c];
            r.pres[at] = r.pres[i] * speeds[c] * speeds[c];
            r.power[at] = r.power[i];
        }
}

class DocumentsTest : public VdcatTest {
  protected:
    void SetUp() override {
        VdcatTest::SetUp();
        vd::TFanRecord pw = MakeFan(1, "PW", "PW 1", {2, 1, 0.5f}, {0, 100, 150}, {200, 300, 350});
        AddSlowerCurves(pw, {0.85f, 0.7f});
        vd::TFanRecord lw =
            MakeFan(2, "LW", "LW, \"wide\" \xE9", {2.2f, 1.1f, 0.5f}, {0, 100, 150});
        lw.value_col6.assign("");
        Catalogue({pw, lw, MakeFan(3, "ZZ", "Odd", {0.5f, 0.4f}, {0, 10})});
    }
    // 0.8 m3/s at 64 Pa total lies on the system curve k = 100 through fan 1's
    // full-speed point (1 m3/s, 100 Pa).
    std::vector<std::string> Surplus(std::vector<std::string> extra) {
        auto a = Select({"--include", "PW,LW", "--pressure-type", "total", "--deviation", "40"});
        a[4] = "0.8";
        a[8] = "64";
        a.insert(a.end(), extra.begin(), extra.end());
        return a;
    }
};

std::vector<std::vector<std::string>> Rows(const std::string& out, char sep,
                                           const std::string& lineEnd = "\n") {
    std::vector<std::vector<std::string>> rows;
    std::size_t start = 0, end;
    while ((end = out.find(lineEnd, start)) != std::string::npos) {
        rows.push_back(Split(out.substr(start, end - start), sep));
        start = end + lineEnd.size();
    }
    EXPECT_EQ(start, out.size()) << "the last line has no line end";
    return rows;
}

} // namespace

TEST_F(DocumentsTest, CsvIsRfc4180UnderTheGridsHeadingsInTheChosenLanguage) {
    Result tsv = Vdcat(Surplus({}));
    Result csv = Vdcat(Surplus({"--format", "csv", "--language", "FI"}));
    ASSERT_EQ(csv.code, 0) << csv.err;
    ASSERT_EQ(csv.out.substr(0, csv.out.find("\r\n")),
              "FI22,FI23,m3/s,Pa,FI24,FI25,FI26,FI27,FI28,FI29");
    // The model with a comma and quotes is quoted, quotes doubled, in UTF-8.
    EXPECT_NE(csv.out.find("\r\n2,\"LW, \"\"wide\"\" \u00E9\",1.03,"), std::string::npos)
        << csv.out;
    // The same cells as the tab-separated rows, in the same order.
    auto tsvRows = Rows(tsv.out, '\t');
    ASSERT_EQ(tsvRows.size(), 2u);
    std::size_t lineEnds = 0, crlf = 0;
    for (std::size_t i = 0; i < csv.out.size(); ++i)
        if (csv.out[i] == '\n') {
            ++lineEnds;
            crlf += i > 0 && csv.out[i - 1] == '\r';
        }
    EXPECT_EQ(lineEnds, 3u);
    EXPECT_EQ(crlf, lineEnds);
    EXPECT_EQ(csv.out.substr(csv.out.find("\r\n") + 2, 2), tsvRows[0][0] + ",");

    Result header = Vdcat(Surplus({"--header"}));
    auto headed = Rows(header.out, '\t');
    ASSERT_EQ(headed.size(), 3u);
    EXPECT_EQ(headed[0][0], "SW22");
    EXPECT_EQ(headed[0][2], "m3/s");
    EXPECT_EQ(headed[1], tsvRows[0]);
}

TEST_F(DocumentsTest, JsonRowsHoldTheTsvNumbersInTheDutysUnits) {
    auto args = Surplus({"--format", "json"});
    args[6] = "l/s";
    args[4] = "800";
    Result r = Vdcat(args);
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.out.back(), '\n');
    Json doc = Json::parse(r.out);
    EXPECT_EQ(doc["duty"]["volume"], 800);
    EXPECT_EQ(doc["duty"]["volume_unit"], "l/s");
    EXPECT_EQ(doc["duty"]["pressure_type"], "total");
    EXPECT_EQ(doc["duty"]["deviation"], 40);
    EXPECT_EQ(doc["duty"]["families"], Json::array({"PW", "LW"}));
    EXPECT_EQ(doc["units"]["volume"], "l/s");
    EXPECT_EQ(doc["units"]["pressure"], "Pa");

    args.resize(args.size() - 2);
    auto tsv = Rows(Vdcat(args).out, '\t');
    ASSERT_EQ(doc["rows"].size(), tsv.size());
    for (std::size_t i = 0; i < tsv.size(); ++i) {
        const Json& row = doc["rows"][i];
        EXPECT_EQ(row["fan"], std::stoi(tsv[i][0]));
        EXPECT_TRUE(row["volume"].is_number());
        EXPECT_DOUBLE_EQ(row["volume"].get<double>(), std::stod(tsv[i][2]));
        EXPECT_DOUBLE_EQ(row["pressure"].get<double>(), std::stod(tsv[i][3]));
        EXPECT_DOUBLE_EQ(row["percent"].get<double>(), std::stod(tsv[i][4]));
        EXPECT_EQ(row["supply"], tsv[i][9]);
    }
    // Printed precision kept: "0.300" stays 0.300, not 0.3 or 0.29999.
    EXPECT_NE(r.out.find("\"specific_power\":0.300,"), std::string::npos) << r.out;
    // The LW fan has no speed: null; its IP text stays a string.
    const Json& lw = doc["rows"][1]["fan"] == 2 ? doc["rows"][1] : doc["rows"][0];
    EXPECT_TRUE(lw["speed"].is_null());
    EXPECT_EQ(lw["power"], "IP44");
    EXPECT_EQ(lw["model"], "LW, \"wide\" \u00E9");
}

TEST_F(DocumentsTest, RejectsComeWithTheirReasonInEveryFormat) {
    const std::vector<std::string> duty = {"--include", "LW",        "--pressure-type",
                                           "total",     "--rejects", "--format"};
    auto with = [&](const char* format) {
        auto a = Select(duty);
        a.push_back(format);
        return Vdcat(a);
    };
    Result csv = with("csv");
    ASSERT_EQ(csv.code, 0) << csv.err;
    auto rows = Rows(csv.out, ',', "\r\n");
    EXPECT_EQ(rows[0].back(), "Reject");
    EXPECT_NE(csv.out.find("\r\n,PW 1,,,,,,,,,xPW\r\n"), std::string::npos) << csv.out;
    EXPECT_NE(csv.out.find("\r\n,Odd,,,,,,,,,Dev<\r\n"), std::string::npos) << csv.out;

    Json doc = Json::parse(with("json").out);
    std::map<std::string, Json> byModel;
    for (const Json& row : doc["rows"])
        byModel[row["model"].get<std::string>()] = row;
    EXPECT_EQ(byModel["PW 1"]["reject"], "xPW");
    EXPECT_TRUE(byModel["PW 1"]["fan"].is_null());
    EXPECT_TRUE(byModel["PW 1"]["volume"].is_null());
    EXPECT_TRUE(byModel["LW, \"wide\" \u00E9"]["reject"].is_null());
    EXPECT_EQ(byModel["LW, \"wide\" \u00E9"]["fan"], 2);
}

TEST_F(DocumentsTest, ExplainGivesTheVerdictTheRunGives) {
    const std::vector<std::vector<std::string>> duties = {
        {"--include", "PW,LW"},
        {"--include", "PW"},
        {"--include", "LW", "--deviation", "0"},
        {"--include", "PW,LW", "--supply", "2"},
        {"--include", "PW,LW", "--pressure-type", "total", "--deviation", "100"},
    };
    for (const auto& duty : duties) {
        auto rejects = duty;
        rejects.push_back("--rejects");
        rejects.insert(rejects.end(), {"--format", "json"});
        Result run = Vdcat(Select(rejects));
        ASSERT_EQ(run.code, 0) << run.err;
        const Json doc = Json::parse(run.out);
        std::map<std::string, std::string> verdicts;
        for (const Json& row : doc["rows"])
            verdicts[row["model"].get<std::string>()] =
                row["reject"].is_null() ? "listed" : row["reject"].get<std::string>();
        const char* models[] = {"PW 1", "LW, \"wide\" \u00E9", "Odd"};
        for (int fan = 1; fan <= 3; ++fan) {
            auto args = Select(duty);
            args[0] = "explain";
            args.insert(args.end(), {"--fan", std::to_string(fan), "--format", "json"});
            Result r = Vdcat(args);
            ASSERT_EQ(r.code, 0) << r.err;
            Json e = Json::parse(r.out);
            EXPECT_EQ(e["verdict"], verdicts[models[fan - 1]]) << duty[1] << " fan " << fan;
            args.resize(args.size() - 2);
            EXPECT_NE(Vdcat(args).out.find("verdict: " + e["verdict"].get<std::string>() + "\n"),
                      std::string::npos);
        }
    }
}

TEST_F(DocumentsTest, ExplainShowsEachTestInTheRunsOrderWithItsValues) {
    auto args = Select({"--include", "LW", "--supply", "1", "--fan", "1", "--format", "json"});
    args[0] = "explain";
    Json e = Json::parse(Vdcat(args).out);
    std::vector<std::string> order;
    for (const Json& t : e["tests"])
        order.push_back(t["test"]);
    EXPECT_EQ(order, (std::vector<std::string>{"family", "phase", "hz", "volts", "operating_point",
                                               "minimum_pressure", "deviation"}));
    EXPECT_EQ(e["tests"][0]["flag"], "PW");
    EXPECT_EQ(e["tests"][0]["flag_value"], "N");
    EXPECT_EQ(e["tests"][0]["outcome"], "failed");
    EXPECT_EQ(e["tests"][0]["reason"], "xPW");
    EXPECT_EQ(e["tests"][1]["outcome"], "passed");
    // The run stops testing a rejected fan; the values are shown all the same.
    EXPECT_EQ(e["tests"][4]["outcome"], "not reached");
    EXPECT_TRUE(e["tests"][4]["qop"].is_number());
    EXPECT_EQ(e["verdict"], "xPW");

    args =
        Select({"--include", "PW", "--pressure-type", "static", "--fan", "1", "--format", "json"});
    args[0] = "explain";
    e = Json::parse(Vdcat(args).out);
    EXPECT_EQ(e["tests"][1]["outcome"], "not tested");
    const Json& point = e["tests"][2];
    EXPECT_EQ(point["outcome"], "found");
    EXPECT_NEAR(point["pv"].get<double>(), 240, 1e-3); // 0.6 (1 / 0.05)²
    EXPECT_NEAR(point["k"].get<double>(), 340, 1e-3);
    EXPECT_EQ(e["tests"][4]["low"], 85);
    EXPECT_EQ(e["tests"][4]["high"], 115);

    for (const char* fan : {"0", "4", "x"}) {
        args = Select({"--fan", fan});
        args[0] = "explain";
        EXPECT_EQ(Vdcat(args).code, 64) << fan;
    }
}

TEST_F(DocumentsTest, StepsNameTheSlowestStepThatStillDeliversTheDuty) {
    Result plain = Vdcat(Surplus({}));
    Result steps = Vdcat(Surplus({"--steps"}));
    ASSERT_EQ(steps.code, 0) << steps.err;
    auto without = Rows(plain.out, '\t');
    auto with = Rows(steps.out, '\t');
    ASSERT_EQ(with.size(), without.size());
    std::map<std::string, std::vector<std::string>> byFan;
    for (std::size_t i = 0; i < with.size(); ++i) {
        // The full-speed row and its place do not change.
        ASSERT_EQ(with[i].size(), 26u);
        EXPECT_EQ(std::vector<std::string>(with[i].begin(), with[i].begin() + 23), without[i]);
        byFan[with[i][0]] = {with[i][23], with[i][24], with[i][25]};
    }
    // Fan 1 gives 125 % at full speed, 106 % on its 0.85 curve (step 4, 165 V
    // on one phase) and 88 % on its 0.7 curve.
    EXPECT_EQ(byFan["1"], (std::vector<std::string>{"4", "165", "106%"}));
    // A one-curve fan reports its full speed.
    EXPECT_EQ(byFan["2"][0], "");
    EXPECT_EQ(byFan["2"][1], "");
    for (const auto& row : with)
        if (row[0] == "2") {
            EXPECT_EQ(byFan["2"][2], row[4]);
        }

    Json doc = Json::parse(Vdcat(Surplus({"--steps", "--format", "json"})).out);
    for (const Json& row : doc["rows"])
        if (row["fan"] == 1) {
            EXPECT_EQ(row["step"], Json({{"step", 4}, {"volts", 165}, {"percent", 106}}));
        }
}

TEST_F(DocumentsTest, ScheduleDoesEveryGoodLineAndNamesTheBadOnes) {
    WriteFile(dir / "duties.csv",
              "tag,volume,volume_unit,pressure,pressure_unit,pressure_type,families,deviation\r\n"
              "A-1,0.8,m3/s,64,Pa,total,PW LW,40\r\n"
              "\"B,2\",800,l/s,64,Pa,total,PW;LW,40\r\n"
              "bad,x,m3/s,100,Pa,total,PW,\r\n"
              "none,1,m3/s,100,Pa,total,,\r\n"
              "worse,1,m3/s,100,Pa,total,XX,\r\n");
    auto schedule = [&](std::vector<std::string> extra) {
        std::vector<std::string> a = {"schedule", (dir / "duties.csv").string(), "--data",
                                      dir.path().string()};
        a.insert(a.end(), extra.begin(), extra.end());
        return Vdcat(a);
    };
    Result r = schedule({"--top", "1"});
    EXPECT_EQ(r.code, 5);
    EXPECT_NE(r.err.find("duties.csv:4: bad: Volume incorrect\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("duties.csv:6: worse: unknown family flag 'XX'"), std::string::npos)
        << r.err;
    // Each good line: its first row as select gives it, after the tag.
    std::string first = Vdcat(Surplus({"--format", "csv"})).out;
    first = first.substr(first.find("\r\n") + 2);
    first = first.substr(0, first.find("\r\n") + 2);
    auto lines = Rows(r.out, ',', "\r\n");
    ASSERT_EQ(lines.size(), 3u) << r.out; // heading, A-1, "B,2"
    EXPECT_EQ(lines[0][0], "tag");
    EXPECT_EQ(lines[0][3], "SW19"); // the quantity, as the units differ by line
    EXPECT_EQ(r.out.substr(r.out.find("\r\nA-1,") + 6, first.size()), first);
    EXPECT_NE(r.out.find("\r\n\"B,2\",2,"), std::string::npos) << r.out;

    Result json = schedule({"--format", "json", "--top", "5"});
    Json doc = Json::parse(json.out);
    ASSERT_EQ(doc["duties"].size(), 3u);
    EXPECT_EQ(doc["duties"][0]["tag"], "A-1");
    EXPECT_EQ(doc["duties"][0]["rows"].size(), 2u);
    EXPECT_EQ(doc["duties"][1]["duty"]["volume_unit"], "l/s");
    EXPECT_EQ(doc["duties"][2]["tag"], "none");
    EXPECT_EQ(doc["duties"][2]["line"], 5);
    EXPECT_TRUE(doc["duties"][2]["rows"].empty());

    WriteFile(dir / "headless.csv", "tag,volume\r\nA,1\r\n");
    EXPECT_EQ(Vdcat({"schedule", (dir / "headless.csv").string()}).code, 64);
    EXPECT_EQ(Vdcat({"schedule", (dir / "missing.csv").string()}).code, 3);
}
