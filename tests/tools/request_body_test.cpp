// The request body of the selection service read into a duty: the same duty
// as the command's options give, and the field at fault named otherwise.
#include "request_body.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace vdcat;

namespace {

const std::vector<std::string> kLanguages = {"UK", "SW", "FI", "FR", "IT"};

std::optional<DutyProblem> Read(const std::string& body, BodyRequest& out, bool fan = false) {
    return ParseRequestBody(body, fan, kLanguages, out);
}

} // namespace

TEST(RequestBody, ReadsEveryFieldAndTakesTheSelectDefaults) {
    BodyRequest r;
    ASSERT_FALSE(Read(R"({"volume": 2500, "volume_unit": "m3/h", "pressure": "2.5e2",
                          "pressure_unit": "Pa"})",
                      r));
    EXPECT_EQ(r.duty.volume, 2500);
    EXPECT_EQ(r.duty.pressure, 250);
    EXPECT_FALSE(r.duty.staticPressure.has_value()); // as the input page takes it
    EXPECT_EQ(r.duty.deviation, 15);
    EXPECT_EQ(r.duty.supply, 0);
    EXPECT_TRUE(r.duty.families.empty());
    EXPECT_FALSE(r.duty.rejects || r.duty.steps || r.fan);
    EXPECT_EQ(r.language, "");

    BodyRequest all;
    ASSERT_FALSE(Read(R"({"volume": 0.25, "volume_unit": "m3/s", "pressure": 100,
                          "pressure_unit": "inwg", "pressure_type": "total", "deviation": 120,
                          "supply": 4, "families": ["PW", "BNBQ"], "rejects": true,
                          "steps": true, "language": "IT", "fan": 7})",
                      all, true));
    EXPECT_EQ(all.duty.volume, 0.25L);
    EXPECT_EQ(all.duty.staticPressure, false);
    EXPECT_EQ(all.duty.deviation, 120); // brought into 0..100 where it is used, as select does
    EXPECT_EQ(all.duty.supply, 4);
    EXPECT_EQ(all.duty.families, (std::vector<std::string>{"PW", "BNBQ"}));
    EXPECT_TRUE(all.duty.rejects && all.duty.steps);
    EXPECT_EQ(all.language, "IT");
    EXPECT_EQ(all.fan, 7);
}

TEST(RequestBody, NamesTheFieldAtFault) {
    const std::string duty =
        R"("volume": 1, "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa")";
    struct Case {
        std::string body;
        std::string field;
        int exit;
        bool fan = false;
    };
    const std::vector<Case> cases = {
        {"", "body", kUsage},
        {"null", "body", kUsage},
        {"[]", "body", kUsage},
        {R"({"volume": 1, "volume_unit": "m3/s", "pressure": 1})", "pressure_unit", kUsage},
        {R"({"volume": "1 ", "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa"})",
         "volume", kBadDuty},
        {R"({"volume": true, "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa"})",
         "volume", kUsage},
        {R"({"volume": 1, "volume_unit": "m3/s", "pressure": "inf", "pressure_unit": "Pa"})",
         "pressure", kBadDuty},
        {R"({"volume": 1, "volume_unit": 3, "pressure": 1, "pressure_unit": "Pa"})", "volume_unit",
         kUsage},
        {"{" + duty + R"(, "pressure_type": "Static"})", "pressure_type", kUsage},
        {"{" + duty + R"(, "deviation": "x"})", "deviation", kUsage},
        {"{" + duty + R"(, "supply": 5})", "supply", kUsage},
        {"{" + duty + R"(, "supply": 1.5})", "supply", kUsage},
        {"{" + duty + R"(, "families": "PW"})", "families", kUsage},
        {"{" + duty + R"(, "families": ["PW", 3]})", "families", kUsage},
        {"{" + duty + R"(, "families": ["PW MT"]})", "families", kUsage},
        {"{" + duty + R"(, "rejects": 1})", "rejects", kUsage},
        {"{" + duty + R"(, "language": "DE"})", "language", kUsage},
        {"{" + duty + R"(, "Volume": 2})", "Volume", kUsage},
        {"{" + duty + R"(, "": 2})", "body", kUsage},
        {"{" + duty + R"(, "fan": 3})", "fan", kUsage},
        {"{" + duty + "}", "fan", kUsage, true},
        {"{" + duty + R"(, "fan": 0})", "fan", kUsage, true},
        {"{" + duty + R"(, "fan": 1.0})", "fan", kUsage, true},
        {"{" + duty + R"(, "fan": 18446744073709551615})", "fan", kUsage, true},
    };
    for (const Case& c : cases) {
        BodyRequest r;
        auto problem = Read(c.body, r, c.fan);
        ASSERT_TRUE(problem) << c.body;
        EXPECT_EQ(problem->field, c.field) << c.body;
        EXPECT_EQ(problem->exit, c.exit) << c.body;
        EXPECT_FALSE(problem->message.empty());
    }
}

TEST(RequestBody, RestatesTheBodyAsTheCommandsOptions) {
    BodyRequest r;
    ASSERT_FALSE(Read(R"({"volume": 0.9, "volume_unit": "m3/s", "pressure": "300",
                          "pressure_unit": "Pa", "pressure_type": "total", "rejects": true,
                          "steps": false, "families": ["BNBQ", "MT"], "language": "SW"})",
                      r));
    std::vector<std::string> options = r.options;
    std::sort(options.begin(), options.end());
    EXPECT_EQ(options, (std::vector<std::string>{"--include=BNBQ,MT", "--language=SW",
                                                 "--pressure-type=total", "--pressure-unit=Pa",
                                                 "--pressure=300", "--rejects",
                                                 "--volume-unit=m3/s", "--volume=0.9"}));
}

TEST(RequestBody, APrintBodyAddsThePageTextsAndChoicesAsPrintOptions) {
    const std::string duty =
        R"("volume": 1, "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa", "fan": 3)";
    BodyRequest r;
    ASSERT_FALSE(ParsePrintBody("{" + duty + R"(, "company": "--data=/etc x", "qty": "2",
                                  "only": "summary,,quotation", "ancillaries": [5, "7"]})",
                                kLanguages, r));
    EXPECT_EQ(r.fan, 3);
    const auto has = [&](const std::string& o) {
        return std::find(r.options.begin(), r.options.end(), o) != r.options.end();
    };
    // A text that looks like an option stays the value of its own.
    EXPECT_TRUE(has("--company=--data=/etc x"));
    EXPECT_TRUE(has("--qty=2"));
    EXPECT_TRUE(has("--only=summary,quotation"));
    EXPECT_TRUE(has("--ancillaries=5,7"));
    EXPECT_TRUE(has("--volume=1"));

    struct Case {
        std::string extra, field;
    };
    const std::vector<Case> cases = {
        {R"("company": 3)", "company"},
        {R"("terms": "a\nb")", "terms"},
        {R"("date": "1\u0000")", "date"},
        {R"("only": "summary,drawing")", "only"},
        {R"("only": [])", "only"},
        {R"("only": {"summary": true})", "only"},
        {R"("ancillaries": [19])", "ancillaries"},
        {R"("ancillaries": "-1")", "ancillaries"},
        {R"("ancillaries": [1.5])", "ancillaries"},
        {R"("dpi": 72)", "dpi"},
        {R"("out": "/tmp/x.pdf")", "out"},
        {R"("data": "/")", "data"},
    };
    for (const Case& c : cases) {
        BodyRequest bad;
        auto problem = ParsePrintBody("{" + duty + ", " + c.extra + "}", kLanguages, bad);
        ASSERT_TRUE(problem) << c.extra;
        EXPECT_EQ(problem->field, c.field) << c.extra;
        EXPECT_EQ(problem->exit, kUsage) << c.extra;
    }
    BodyRequest noFan;
    auto problem = ParsePrintBody(R"({"volume": 1, "volume_unit": "m3/s", "pressure": 1,
                                      "pressure_unit": "Pa"})",
                                  kLanguages, noFan);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, "fan");
}

TEST(RequestBody, ADiagramBodyAddsTheFormatAndSizeAsDiagramOptions) {
    const std::string duty =
        R"("volume": 1, "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa", "fan": 3)";
    struct Case {
        std::string extra;
        bool svg;
        std::vector<std::string> options; // besides the duty's
    };
    // One side alone keeps the window's 545 × 342.
    const std::vector<Case> cases = {
        {"", false, {}},
        {R"(, "format": "svg")", true, {"--format=svg"}},
        {R"(, "width": 1090)", false, {"--size=1090x684"}},
        {R"(, "height": 171, "format": "png")", false, {"--format=png", "--size=273x171"}},
        {R"(, "height": 1, "width": 4096)", false, {"--size=4096x1"}},
    };
    for (const Case& c : cases) {
        BodyRequest r;
        bool svg = !c.svg;
        ASSERT_FALSE(ParseDiagramBody("{" + duty + c.extra + "}", kLanguages, r, svg)) << c.extra;
        EXPECT_EQ(svg, c.svg) << c.extra;
        std::vector<std::string> own;
        for (const std::string& o : r.options)
            if (o.rfind("--format=", 0) == 0 || o.rfind("--size=", 0) == 0)
                own.push_back(o);
        EXPECT_EQ(own, c.options) << c.extra;
    }
    for (const auto& [extra, field] :
         std::vector<std::pair<std::string, std::string>>{{R"("format": "gif")", "format"},
                                                          {R"("format": ["png"])", "format"},
                                                          {R"("width": 0)", "width"},
                                                          {R"("width": 4097)", "width"},
                                                          {R"("height": 2.5)", "height"},
                                                          {R"("height": "100")", "height"},
                                                          {R"("company": "x")", "company"}}) {
        BodyRequest r;
        bool svg = false;
        auto problem = ParseDiagramBody("{" + duty + ", " + extra + "}", kLanguages, r, svg);
        ASSERT_TRUE(problem) << extra;
        EXPECT_EQ(problem->field, field) << extra;
    }
}
