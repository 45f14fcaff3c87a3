// The scan judges records from their bytes; `vdcat explain` judges the decoded
// record with every value on show. Both must reach the same verdict.
#include "fan_verdict.h"
#include "select_fans.h"
#include "selection_scan.h"
#include "test_files.h"
#include "vd_variables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

bool SameFloat(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

TEST(VerdictAgreement, TheScanAndTheExplainedVerdictAgreeOnRandomFansAndDuties) {
    vd::ResetVariables();
    std::mt19937 rng(77);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::uniform_int_distribution<int> coin(0, 1), die(0, 5);
    const char* families[] = {"PW",  "PW60", "MTZL", "BN1", "BQ2", "GHJ", "MT",
                              "UVX", "EHY",  "AQN",  "LW",  "XX",  ""};
    const char* volts[] = {"230", "230/400", "110-127", "220"};
    int listed = 0;
    for (int n = 0; n < 3000; ++n) {
        std::vector<float> vol, pres, power;
        const float qs = 0.2f + 4 * unit(rng), ps = 50 + 900 * unit(rng);
        for (int i = 0; i < 19; ++i) {
            vol.push_back(qs * (1.0f - 0.05f * static_cast<float>(i)) + 0.01f * unit(rng));
            pres.push_back(ps * 0.05f * static_cast<float>(i) * (0.8f + 0.4f * unit(rng)));
            power.push_back(1000 * unit(rng));
        }
        vd::TFanRecord rec =
            vdtest::MakeFan(n + 1, families[rng() % std::size(families)], "M", vol, pres, power);
        rec.volts.assign(volts[rng() % std::size(volts)]);
        rec.phases = coin(rng) ? 1 : 3;
        rec.hz = coin(rng) ? 50 : 60;
        rec.min_pa[1] = die(rng) == 0 ? static_cast<int>(ps) : 0;
        rec.outlet_area = die(rng) == 0 ? 0.0f : 0.01f + unit(rng);
        unsigned char bytes[vd::kRecordSize];
        vd::EncodeFanRecord(rec, bytes);
        vd::TFanRecord decoded;
        vd::DecodeFanRecord(bytes, decoded);

        for (const auto& f : vd::FamilyFlags())
            *f.flag = coin(rng) ? "Y" : "N";
        vd::PressureType = coin(rng) ? "Static" : "Total";
        vd::DutyVolume = qs * (0.3f + unit(rng));
        vd::DutyPressure = ps * unit(rng);
        vd::SupplyPhases = coin(rng) ? 1 : 3;
        vd::SupplyHz = coin(rng) ? 50 : 60;
        vd::SupplyVolts = volts[rng() % std::size(volts)];
        vd::FixedSelectionControls controls;
        controls.supplyIndex = die(rng) % 2;
        controls.allowedDeviation = 30 * unit(rng);

        const vd::FanVerdict explained = vd::JudgeFan(decoded, controls);
        // A scan that keeps rejects works out every point; one that does not
        // leaves the points that fail the deviation unworked, to the same verdict.
        vd::SelectionCriteria criteria = vd::CriteriaFromSharedState(controls);
        for (const bool keepRejects : {true, false}) {
            criteria.keepRejects = keepRejects;
            vd::RecordVerdict scanned = vd::JudgeRecord(bytes, criteria);
            vd::WorkOutPower(scanned.op, bytes);
            ASSERT_EQ(explained.reason, scanned.reason) << "case " << n;
            if (scanned.Qualifies()) {
                listed += keepRejects;
                ASSERT_TRUE(SameFloat(explained.op.Qop, scanned.op.Qop) &&
                            SameFloat(explained.op.Pop, scanned.op.Pop) &&
                            SameFloat(explained.op.Wop, scanned.op.Wop) &&
                            SameFloat(explained.dev, scanned.dev))
                    << "case " << n;
            }
        }
    }
    EXPECT_GT(listed, 50); // the duties are not all out of reach
    vd::ResetVariables();
}

TEST(VerdictAgreement, AScanKeepsTheSystemConstantOfAnOutletOnlyForThatOutlet) {
    // Runs of equal outlets, alternating ones and outlets that give no
    // velocity pressure: every verdict of the scan is the record's own.
    vd::ResetVariables();
    vd::PressureType = "Static";
    vd::DutyVolume = 1.0f;
    vd::DutyPressure = 150.0f;
    vd::FixedSelectionControls controls;
    controls.allowedDeviation = 10;
    vd::SelectionCriteria criteria = vd::CriteriaFromSharedState(controls);
    criteria.keepRejects = true;
    const float areas[] = {0.05f, 0.05f, 0.08f,    0.05f, 0.0f, -0.0f,
                           NAN,   NAN,   INFINITY, 0.08f, 0.3f};
    std::mt19937 rng(3);
    const int n = 600;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(n) * vd::kRecordSize);
    for (int i = 0; i < n; ++i) {
        const float q = 1.0f + 0.02f * static_cast<float>(i % 11);
        vd::TFanRecord rec = vdtest::MakeFan(i + 1, "PW", "M", {q, 0.8f * q, 0.5f * q},
                                             {20, 140, 260}, {100, 200, 300});
        rec.outlet_area = areas[(i / (1 + rng() % 3)) % std::size(areas)];
        vd::EncodeFanRecord(rec, bytes.data() + static_cast<std::size_t>(i) * vd::kRecordSize);
    }
    std::vector<vd::RecordVerdict> scanned;
    vd::ScanRecords({bytes.data(), static_cast<std::size_t>(n), 0}, criteria, scanned);
    ASSERT_EQ(scanned.size(), static_cast<std::size_t>(n));
    int differ = 0;
    for (int i = 0; i < n; ++i) {
        const vd::RecordVerdict alone =
            vd::JudgeRecord(bytes.data() + static_cast<std::size_t>(i) * vd::kRecordSize, criteria);
        const vd::RecordVerdict& v = scanned[static_cast<std::size_t>(i)];
        ASSERT_EQ(std::string(v.reason), alone.reason) << i;
        ASSERT_TRUE(SameFloat(v.op.Qop, alone.op.Qop) && SameFloat(v.op.Pop, alone.op.Pop) &&
                    SameFloat(v.dev, alone.dev))
            << i;
        differ += i > 0 && !SameFloat(v.op.Qop, scanned[static_cast<std::size_t>(i - 1)].op.Qop);
    }
    EXPECT_GT(differ, n / 4); // the outlets matter at this duty
    vd::ResetVariables();
}
