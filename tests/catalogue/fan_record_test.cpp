#include "errors.h"
#include "fan_file.h"
#include "fan_record.h"
#include "paths.h"
#include "test_files.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace vd;

namespace {

void PutF32(unsigned char* p, float v) {
    std::memcpy(p, &v, 4);
}

} // namespace

TEST(FanRecord, FieldsAreReadAtTheirOffsets) {
    unsigned char b[kRecordSize] = {};
    b[0] = 7; // fan_no, little-endian
    b[4] = 4;
    std::memcpy(b + 5, "PW60", 4);
    b[10] = 13;
    std::memcpy(b + 11, "ABCDEFGHIJKLM", 13); // model at full length
    b[24] = 60;
    b[32] = 7;
    std::memcpy(b + 33, "110-127", 7);
    b[88 + 11 * 4] = 1;
    b[88 + 11 * 4 + 1] = '0'; // dim_a = "0"
    b[88 + 11 * 16] = 3;
    std::memcpy(b + 88 + 11 * 16 + 1, "0.0", 3); // dim_m
    b[647] = 25;
    std::memset(b + 648, 'p', 25);
    b[673 + 50 * 3 + 5 * 9] = 2;
    std::memcpy(b + 673 + 50 * 3 + 5 * 9 + 1, "42", 2); // sound[4][10]
    b[876 + 12] = 144;
    PutF32(b + 892 + 4 * 20, 1.5f);  // vol[21] = curve 2, point 1
    PutF32(b + 1292, 33.0f);         // pres[1]
    PutF32(b + 2492 + 4 * 99, 9.0f); // power[100]
    b[2892] = 0xFF;
    b[2893] = 0xFF;
    b[2894] = 0xFF;
    b[2895] = 0xFF; // min_pa[1] = -1
    b[2912] = 3;
    PutF32(b + 2916, 0.25f);

    TFanRecord r;
    DecodeFanRecord(b, r);
    EXPECT_EQ(r.fan_no, 7);
    EXPECT_EQ(r.family, "PW60");
    EXPECT_EQ(r.model, "ABCDEFGHIJKLM");
    EXPECT_EQ(r.hz, 60);
    EXPECT_EQ(r.volts, "110-127");
    EXPECT_EQ(r.dim_a, "0");
    EXPECT_EQ(r.dim_m, "0.0");
    EXPECT_EQ(r.picture_file.view(), std::string(25, 'p'));
    EXPECT_EQ(r.sound[4][10], "42");
    EXPECT_EQ(r.sound_label[4], 144);
    EXPECT_EQ(r.vol.at(2, 1), 1.5f);
    EXPECT_EQ(r.pres[1], 33.0f);
    EXPECT_EQ(r.power[100], 9.0f);
    EXPECT_EQ(r.min_pa[1], -1);
    EXPECT_EQ(r.curve_count, 3);
    EXPECT_EQ(r.outlet_area, 0.25f);
}

TEST(FanRecord, LengthByteAboveTheMaximumIsClippedAndTailsAreIgnored) {
    unsigned char b[kRecordSize];
    std::memset(b, 'z', sizeof b); // garbage everywhere, reserved stretches included
    b[4] = 200;                    // family: string[5]
    b[10] = 2;                     // model "zz", the rest of the field is not read
    TFanRecord r;
    DecodeFanRecord(b, r);
    EXPECT_EQ(r.family, "zzzzz");
    EXPECT_EQ(r.model, "zz");
}

TEST(FanRecord, EncodeThenDecodeGivesTheSameFields) {
    TFanRecord r =
        vdtest::MakeFan(3, "AQN", "AQ 315", {1, 0.8f, 0.5f}, {0, 100, 180}, {50, 60, 70});
    r.dim_k.assign("1234567890");
    r.sound[2][3].assign("63dB");
    r.min_pa[5] = 77;
    unsigned char b[kRecordSize];
    EncodeFanRecord(r, b);
    TFanRecord back;
    DecodeFanRecord(b, back);
    unsigned char b2[kRecordSize];
    EncodeFanRecord(back, b2);
    EXPECT_EQ(std::memcmp(b, b2, kRecordSize), 0);
    EXPECT_EQ(back.dim_k, "1234567890");
    EXPECT_EQ(back.sound[2][3], "63dB");
    EXPECT_EQ(back.min_pa[5], 77);
}

class FanFileTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDataRoot(dir.path()); }
    void TearDown() override { SetDataRoot({}); }
    vdtest::TempDir dir;
};

TEST_F(FanFileTest, AnEmptyFileHasNoRecord) {
    vdtest::WriteFile(dir / "dat/vd_fan.rec", "");
    FanFile f;
    f.Open();
    EXPECT_TRUE(f.AtEnd());
}

TEST_F(FanFileTest, ATrailingPartialRecordIsNotARecord) {
    std::string bytes = vdtest::EncodeRecords({vdtest::MakeFan(1, "PW", "A", {1}, {0})});
    vdtest::WriteFile(dir / "dat/VD_FAN.REC", bytes + std::string(100, 'x'));
    FanFile f;
    f.Open(); // found without regard to case
    EXPECT_EQ(f.RecordCount(), 1);
    EXPECT_EQ(f.TrailingBytes(), 100);
    TFanRecord r;
    f.ReadNext(r);
    EXPECT_TRUE(f.AtEnd());
    EXPECT_THROW(f.ReadNext(r), FileError);
}

TEST_F(FanFileTest, FetchByNumberSeeksToNumberMinusOne) {
    vdtest::WriteFile(dir / "dat/vd_fan.rec",
                      vdtest::EncodeRecords({vdtest::MakeFan(1, "PW", "First", {1}, {0}),
                                             vdtest::MakeFan(2, "PW", "Second", {1}, {0})}));
    TFanRecord r;
    FetchFanRecord(1, r);
    EXPECT_EQ(r.model, "First");
    FetchFanRecord(2, r);
    EXPECT_EQ(r.model, "Second");
    EXPECT_THROW(FetchFanRecord(3, r), FileError);
    EXPECT_THROW(FetchFanRecord(0, r), FileError);
    EXPECT_THROW(FetchFanRecord(-5, r), FileError);
}

TEST_F(FanFileTest, AMissingCatalogueIsAFileError) {
    FanFile f;
    EXPECT_THROW(f.Open(), FileError);
    std::filesystem::create_directories(dir / "dat/vd_fan.rec");
    EXPECT_THROW(f.Open(), FileError);
}
