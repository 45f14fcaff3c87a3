// The request body of the selection service read into a duty: the same duty
// as the command's options give, and the field at fault named otherwise.
#include "request_body.h"

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
