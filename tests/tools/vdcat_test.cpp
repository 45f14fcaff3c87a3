// vdcat as a script sees it: output, messages and exit codes.
#include "catalogue_text.h"
#include "test_files.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>

namespace {

struct Result {
    int code = -1;
    std::string out, err;
};

std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

Result Vdcat(const std::vector<std::string>& args) {
    vdtest::TempDir io;
    std::string cmd = VD_VDCAT;
    for (const auto& a : args)
        cmd += " " + ShellQuote(a);
    cmd += " >" + (io / "out").string() + " 2>" + (io / "err").string() + " </dev/null";
    int status = std::system(cmd.c_str());
    Result r;
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    r.out = vdtest::ReadFile(io / "out");
    r.err = vdtest::ReadFile(io / "err");
    return r;
}

class VdcatTest : public ::testing::Test {
  protected:
    void SetUp() override {
        vdtest::WriteFile(dir / "txt/vd_setup.txt", "SW\r\n");
        vdtest::WriteFile(dir / "txt/vd_lan.txt", vdtest::NumberedLanguageFile());
        Catalogue({vdtest::MakeFan(1, "PW", "PW 1", {2, 1, 0.5f}, {0, 100, 150}, {200, 300, 350}),
                   vdtest::MakeFan(2, "LW", "LW \xE9", {2.2f, 1.1f, 0.5f}, {0, 100, 150}),
                   vdtest::MakeFan(3, "ZZ", "Odd", {0.5f, 0.4f}, {0, 10})});
    }
    void Catalogue(const std::vector<vd::TFanRecord>& recs) {
        vdtest::WriteFile(dir / "dat/vd_fan.rec", vdtest::EncodeRecords(recs));
    }
    std::vector<std::string> Select(std::vector<std::string> extra) {
        std::vector<std::string> a = {
            "select",     "--data", dir.path().string(), "--volume", "1", "--volume-unit", "m3/s",
            "--pressure", "100",    "--pressure-unit",   "Pa"};
        a.insert(a.end(), extra.begin(), extra.end());
        return a;
    }
    vdtest::TempDir dir;
};

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> v(1);
    for (char c : s) {
        if (c == sep)
            v.emplace_back();
        else
            v.back() += c;
    }
    return v;
}

} // namespace

TEST_F(VdcatTest, SelectPrintsSortedRowsOfTwentyThreeCells) {
    Result r = Vdcat(Select({"--include", "PW,LW"}));
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

TEST_F(VdcatTest, UnreadableNumbersReadAsZeroAndDeviationIsClamped) {
    auto args = Select({"--include", "PW,LW", "--deviation", "250"});
    args[8] = "lots"; // pressure 0: accepted
    Result r = Vdcat(args);
    EXPECT_EQ(r.code, 0) << r.err;
    args[4] = "1,5"; // decimal point only
    EXPECT_EQ(Vdcat(args).code, 2);
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
