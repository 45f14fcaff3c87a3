#include "catalogue_check.h"
#include "catalogue_text.h"
#include "fan_record.h"
#include "test_files.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

using namespace vd;

namespace {

TFanRecord Sample() {
    TFanRecord r = vdtest::MakeFan(1, "BQ2", "BQ 400/4 \"é\"", {2.5f, 2.1f, 1.7f}, {0, 150.5f, 320},
                                   {800, 900, 950});
    r.max_temp = 70;
    r.dim_d1.assign("400");
    r.weight.assign("31.5");
    r.sound[1][1].assign("62");
    r.sound[1][2].assign("\x01\x81\\"); // control, undefined and escape bytes
    r.min_pa = {0, 120, 0, 0, 0, -3};
    r.outlet_area = 0.1256f;
    r.vol[100] = -0.0f;
    r.pres[40] = std::nanf("");
    return r;
}

bool SameBytes(const TFanRecord& a, const TFanRecord& b) {
    unsigned char x[kRecordSize], y[kRecordSize];
    EncodeFanRecord(a, x);
    EncodeFanRecord(b, y);
    return std::memcmp(x, y, kRecordSize) == 0;
}

} // namespace

TEST(CatalogueText, RecordToTextToRecordKeepsEveryByte) {
    TFanRecord r = Sample();
    std::uint32_t oddNan = 0x7FA12345u; // a NaN with a payload
    std::memcpy(&r.power[7], &oddNan, 4);
    std::string text = FormatCatalogueRecord(r);
    auto back = ParseCatalogueText(text);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_TRUE(SameBytes(r, back[0]));
    EXPECT_EQ(FormatCatalogueRecord(back[0]), text);
}

TEST(CatalogueText, FloatsReadBackExactly) {
    TFanRecord r = Sample();
    r.vol[1] = 0.1f + 0.2f;
    r.outlet_area = 1e-38f;
    auto back = ParseCatalogueText(FormatCatalogueRecord(r));
    EXPECT_EQ(back[0].vol[1], r.vol[1]);
    EXPECT_EQ(back[0].outlet_area, r.outlet_area);
    EXPECT_TRUE(std::signbit(back[0].vol[100]));
}

TEST(CatalogueText, MissingFieldsAreZeroAndFanNoDefaultsToThePosition) {
    auto recs = ParseCatalogueText("# demo\n[fan]\nmodel = \"A\"\n\n[fan]\nfan_no = 9\n[fan]\n");
    ASSERT_EQ(recs.size(), 3u);
    EXPECT_EQ(recs[0].fan_no, 1);
    EXPECT_EQ(recs[1].fan_no, 9);
    EXPECT_EQ(recs[2].fan_no, 3);
    EXPECT_EQ(recs[2].curve_count, 0);
}

TEST(CatalogueText, ErrorsNameTheirLine) {
    auto lineOf = [](const std::string& text) {
        try {
            ParseCatalogueText(text);
        } catch (const CatalogueTextError& e) {
            return e.line();
        }
        return 0;
    };
    EXPECT_EQ(lineOf("[fan]\nmodel = \"12345678901234\"\n"), 2); // 14 > 13
    EXPECT_EQ(lineOf("[fan]\n\nhz = fifty\n"), 3);
    EXPECT_EQ(lineOf("model = \"A\"\n"), 1);
    EXPECT_EQ(lineOf("[fan]\ncolour = 3\n"), 2);
    EXPECT_EQ(lineOf("[fan]\nvol_1 = 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21\n"), 2);
    EXPECT_EQ(lineOf("[fan]\nmodel = \"\u4E2D\"\n"), 2); // no Windows-1252 code
    EXPECT_EQ(lineOf("[fan]\nmodel = \"open\n"), 2);
    EXPECT_EQ(lineOf("[fan]\nhz = 99999999999\n"), 2);
    EXPECT_EQ(lineOf("[fan]\nmin_pa = 1 2 3\n"), 2);
    EXPECT_EQ(lineOf("[fan]\nhz = 50 60\n"), 2);
}

namespace {

std::vector<CatalogueIssue> Check(const std::string& bytes) {
    vdtest::TempDir dir;
    vdtest::WriteFile(dir / "vd_fan.rec", bytes);
    return CheckCatalogueFile(dir / "vd_fan.rec", "vd_fan.rec");
}

bool Names(const std::vector<CatalogueIssue>& issues, long long record, const std::string& field) {
    for (const auto& i : issues)
        if (i.record == record && i.field == field)
            return true;
    return false;
}

} // namespace

TEST(CatalogueCheck, ASoundCatalogueHasNoIssue) {
    auto a = vdtest::MakeFan(1, "PW", "A", {1, 0.8f, 0.5f}, {0, 100, 200});
    auto b = vdtest::MakeFan(2, "PW", "B", {1, 0.8f, 0.5f}, {0, 100, 200});
    EXPECT_TRUE(Check(vdtest::EncodeRecords({a, b})).empty());
}

TEST(CatalogueCheck, NamesEachBrokenInvariantByRecordAndField) {
    auto good = vdtest::MakeFan(1, "PW", "A", {1, 0.8f, 0.5f}, {0, 100, 200});
    auto wrongNo = good;
    wrongNo.fan_no = 7;
    auto curves = vdtest::MakeFan(3, "PW", "C", {1, 0.8f, 0.5f}, {0, 100, 200});
    curves.curve_count = 1000;
    auto order = vdtest::MakeFan(4, "PW", "D", {1, 1.2f, 0.5f, 0.4f}, {0, 100, 200, 50});
    auto nan = vdtest::MakeFan(5, "PW", "E", {1, 0.8f}, {0, 100});
    nan.outlet_area = INFINITY;
    nan.power[30] = NAN;
    nan.sound_label[2] = 0;
    nan.sound_label[3] = 100000;
    std::string bytes = vdtest::EncodeRecords({good, wrongNo, curves, order, nan});
    bytes[kRecordSize * 2 + 10] = 40; // record 3: model length 40 > 13
    bytes += "tail";

    auto issues = Check(bytes);
    EXPECT_TRUE(Names(issues, 0, "file size"));
    EXPECT_TRUE(Names(issues, 2, "fan_no"));
    EXPECT_TRUE(Names(issues, 3, "model"));
    EXPECT_TRUE(Names(issues, 3, "curve_count"));
    EXPECT_TRUE(Names(issues, 4, "vol_1"));  // volume rises from point 1 to 2
    EXPECT_TRUE(Names(issues, 4, "pres_1")); // pres/vol² falls at point 4
    EXPECT_TRUE(Names(issues, 5, "outlet_area"));
    EXPECT_TRUE(Names(issues, 5, "power_2"));
    EXPECT_TRUE(Names(issues, 5, "sound_label[2]"));
    EXPECT_TRUE(Names(issues, 5, "sound_label[3]"));
    EXPECT_FALSE(Names(issues, 1, "fan_no"));
}
