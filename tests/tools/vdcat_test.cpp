// vdcat as a script sees it: output, messages and exit codes.
#include "catalogue_text.h"
#include "vdcat_run.h"

#include <gtest/gtest.h>
#include <random>

using namespace vdtest;

TEST_F(VdcatTest, SelectPrintsSortedRowsOfTwentyThreeCells) {
    Result r = Vdcat(Select({"--include", "PW,LW", "--pressure-type", "total"}));
    ASSERT_EQ(r.code, 0) << r.err;
    auto lines = Split(r.out, '\n');
    ASSERT_EQ(lines.size(), 3u); // two rows and the final line end
    EXPECT_EQ(lines[2], "");
    auto first = Split(lines[0], '\t');
    ASSERT_EQ(first.size(), 23u);
    EXPECT_EQ(first[1], "LW \u00E9"); // 103 % first; text in UTF-8
    EXPECT_EQ(first[4], "103%");
    EXPECT_EQ(first[20], "1.00 m3/s");
    EXPECT_EQ(first[22], "LW");
    auto second = Split(lines[1], '\t');
    EXPECT_EQ(second[0], "1");
    EXPECT_EQ(second[5], "0.300");
    EXPECT_EQ(second[9], "230/50/1");
}

TEST_F(VdcatTest, SelectWithRejectsListsEveryRecord) {
    Result r = Vdcat(Select({"--rejects", "--encoding", "cp1252"}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\tPW 1\txPW\t"), std::string::npos);
    EXPECT_NE(r.out.find("\tLW \xE9\txLW\t"), std::string::npos); // raw code page
    EXPECT_NE(r.out.find("\tOdd\tDev<\t"), std::string::npos);
}

TEST_F(VdcatTest, SelectExitCodesTellWhatHappened) {
    Result none = Vdcat(Select({}));
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(none.err, "SW95\n"); // the setup file's language
    EXPECT_EQ(Vdcat(Select({"--language", "FI"})).err, "FI95\n");

    auto args = Select({});
    args[4] = "0";
    Result vol = Vdcat(args);
    EXPECT_EQ(vol.code, 2);
    EXPECT_EQ(vol.err, "Volume incorrect\n");
    args[4] = "1";
    args[8] = "-1";
    EXPECT_EQ(Vdcat(args).err, "Pressure incorrect\n");

    EXPECT_EQ(Vdcat(Select({"--include", "XX"})).code, 64);
    EXPECT_EQ(Vdcat(Select({"--supply", "5"})).code, 64);
    EXPECT_EQ(Vdcat(Select({"--pressure-type", "dynamic"})).code, 64);
    EXPECT_EQ(Vdcat({"select", "--volume", "1"}).code, 64);
    EXPECT_EQ(Vdcat({"frobnicate"}).code, 64);

    std::filesystem::remove(dir / "dat/vd_fan.rec");
    Result missing = Vdcat(Select({"--include", "PW"}));
    EXPECT_EQ(missing.code, 3);
    EXPECT_NE(missing.err.find("vd_fan.rec"), std::string::npos);
}

TEST_F(VdcatTest, ANumberThatIsNotWhollyANumberRefusesTheDuty) {
    for (const char* bad : {"250Pa", "1,5", "", "nan", "inf", " 100", "0x10", "1e"}) {
        auto args = Select({"--include", "PW,LW"});
        args[8] = bad;
        Result p = Vdcat(args);
        EXPECT_EQ(p.code, 2) << "pressure '" << bad << "'";
        EXPECT_EQ(p.err, "Pressure incorrect\n") << bad;
        args[8] = "100";
        args[4] = bad;
        Result v = Vdcat(args);
        EXPECT_EQ(v.code, 2) << "volume '" << bad << "'";
        EXPECT_EQ(v.err, "Volume incorrect\n") << bad;
    }
    // The C format in full: sign, fraction, exponent; deviation clamped.
    auto args = Select({"--include", "PW,LW", "--deviation", "250"});
    args[4] = "+1e0";
    args[8] = "1.0E2";
    EXPECT_EQ(Vdcat(args).out, Vdcat(Select({"--include", "PW,LW", "--deviation", "100"})).out);
    EXPECT_EQ(Vdcat(Select({"--deviation", "lots"})).code, 64);
}

TEST_F(VdcatTest, PressureTypeFollowsTheInputPageAndTotalIsRefusedForStaticOnlyFamilies) {
    // The fans' outlet of 0.05 m2 makes a static duty of 1 m3/s 240 Pa harder.
    // Without a static-only family the input page takes total pressure.
    auto base = Select({"--include", "PW,LW", "--deviation", "100"});
    Result byDefault = Vdcat(base);
    auto withStatic = base;
    withStatic.insert(withStatic.end(), {"--pressure-type", "static"});
    auto withTotal = base;
    withTotal.insert(withTotal.end(), {"--pressure-type", "total"});
    ASSERT_EQ(byDefault.code, 0) << byDefault.err;
    EXPECT_EQ(byDefault.out, Vdcat(withTotal).out);
    EXPECT_NE(byDefault.out, Vdcat(withStatic).out);
    // With one it takes static, and so does vdcat.
    auto staticOnly = Select({"--include", "PW,LW,EH", "--deviation", "100"});
    Result staticByDefault = Vdcat(staticOnly);
    ASSERT_EQ(staticByDefault.code, 0) << staticByDefault.err;
    staticOnly.insert(staticOnly.end(), {"--pressure-type", "static"});
    EXPECT_EQ(staticByDefault.out, Vdcat(staticOnly).out);

    for (const char* family : {"EH", "AQ", "PW,AQ"}) {
        Result r = Vdcat(Select({"--include", family, "--pressure-type", "total"}));
        EXPECT_EQ(r.code, 2) << family;
        EXPECT_EQ(r.err, "SW127\n") << family;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_NE(Vdcat(Select({"--include", "EH", "--pressure-type", "static"})).code, 2);

    Result help = Vdcat({"select", "--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* stated : {"default as the input page", "default 15", "default 0",
                               "default none", "default tsv", "default the setup"})
        EXPECT_NE(help.out.find(stated), std::string::npos) << stated;
}

TEST_F(VdcatTest, DumpAndBuildRoundTrip) {
    Result dump = Vdcat({"dump", "--data", dir.path().string()});
    ASSERT_EQ(dump.code, 0) << dump.err;
    vdtest::WriteFile(dir / "cat.txt", dump.out);
    Result build = Vdcat(
        {"build", (dir / "cat.txt").string(), "--out", (dir / "copy/dat/vd_fan.rec").string()});
    ASSERT_EQ(build.code, 0) << build.err;
    EXPECT_EQ(vdtest::ReadFile(dir / "copy/dat/vd_fan.rec"),
              vdtest::ReadFile(dir / "dat/vd_fan.rec"));
    EXPECT_EQ(Vdcat({"dump", "--data", (dir / "copy").string()}).out, dump.out);
}

TEST_F(VdcatTest, BuildReportsTheLineOfAnErrorAndWritesNothing) {
    vdtest::WriteFile(dir / "bad.txt", "[fan]\nmodel = \"A\"\nhz = x\n");
    Result r = Vdcat({"build", (dir / "bad.txt").string(), "--out", (dir / "out.rec").string()});
    EXPECT_EQ(r.code, 65);
    EXPECT_NE(r.err.find(":3:"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.rec"));
}

TEST_F(VdcatTest, CheckPassesASoundCatalogueAndNamesFaults) {
    Result good = Vdcat({"check", "--data", dir.path().string()});
    EXPECT_EQ(good.code, 0) << good.out;
    std::string bytes = vdtest::ReadFile(dir / "dat/vd_fan.rec");
    bytes[vd::kRecordSize + 0] = 9; // record 2 says it is fan 9
    vdtest::WriteFile(dir / "dat/vd_fan.rec", bytes + "xx");
    Result bad = Vdcat({"check", "--data", dir.path().string()});
    EXPECT_EQ(bad.code, 4);
    EXPECT_NE(bad.out.find("record 2: fan_no"), std::string::npos) << bad.out;
    EXPECT_NE(bad.out.find("file: file size"), std::string::npos) << bad.out;
}

TEST_F(VdcatTest, RandomDamageNeverCrashesSelectOrCheck) {
    std::string good = vdtest::ReadFile(dir / "dat/vd_fan.rec");
    std::mt19937 rng(1234);
    for (int round = 0; round < 12; ++round) {
        std::string bytes = good;
        for (int k = 0; k < 400; ++k)
            bytes[rng() % bytes.size()] = static_cast<char>(rng());
        bytes.resize(rng() % (bytes.size() + 1));
        vdtest::WriteFile(dir / "dat/vd_fan.rec", bytes);
        for (const auto& args : {Select({"--include", "PW,LW", "--rejects"}),
                                 std::vector<std::string>{"check", "--data", dir.path().string()},
                                 std::vector<std::string>{"dump", "--data", dir.path().string()}}) {
            Result r = Vdcat(args);
            EXPECT_LT(r.code, 100) << "round " << round << " " << args[0] << ": " << r.err;
        }
    }
}
