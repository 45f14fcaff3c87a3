#pragma once
// Runs the real vdcat on a small generated data tree, as a script would.
#include "test_files.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace vdtest {

struct Result {
    int code = -1;
    std::string out, err;
};

inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline Result Vdcat(const std::vector<std::string>& args) {
    TempDir io;
    std::string cmd = VD_VDCAT;
    for (const auto& a : args)
        cmd += " " + ShellQuote(a);
    cmd += " >" + (io / "out").string() + " 2>" + (io / "err").string() + " </dev/null";
    int status = std::system(cmd.c_str());
    Result r;
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    r.out = ReadFile(io / "out");
    r.err = ReadFile(io / "err");
    return r;
}

class VdcatTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFile(dir / "txt/vd_setup.txt", "SW\r\n");
        WriteFile(dir / "txt/vd_lan.txt", NumberedLanguageFile());
        Catalogue({MakeFan(1, "PW", "PW 1", {2, 1, 0.5f}, {0, 100, 150}, {200, 300, 350}),
                   MakeFan(2, "LW", "LW \xE9", {2.2f, 1.1f, 0.5f}, {0, 100, 150}),
                   MakeFan(3, "ZZ", "Odd", {0.5f, 0.4f}, {0, 10})});
    }
    void Catalogue(const std::vector<vd::TFanRecord>& recs) {
        WriteFile(dir / "dat/vd_fan.rec", EncodeRecords(recs));
    }
    std::vector<std::string> Select(std::vector<std::string> extra) {
        std::vector<std::string> a = {
            "select",     "--data", dir.path().string(), "--volume", "1", "--volume-unit", "m3/s",
            "--pressure", "100",    "--pressure-unit",   "Pa"};
        a.insert(a.end(), extra.begin(), extra.end());
        return a;
    }
    TempDir dir;
};

inline std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> v(1);
    for (char c : s) {
        if (c == sep)
            v.emplace_back();
        else
            v.back() += c;
    }
    return v;
}

} // namespace vdtest
