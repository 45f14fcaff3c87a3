// Every kept fuzz input of every target, replayed through its entry function:
// the seed corpora and each input that once crashed or hung a target.
#include "fuzz_targets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The input being replayed, named on stderr when it kills the process.
char g_current[4096];

void NameCurrentInput(int sig) {
    const char prefix[] = "\nfuzz_replay: crashed on ";
    (void)!write(2, prefix, sizeof prefix - 1);
    (void)!write(2, g_current, std::strlen(g_current));
    (void)!write(2, "\n", 1);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

std::vector<fs::path> FilesOf(const fs::path& dir) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec); !ec && it != fs::directory_iterator();
         it.increment(ec))
        if (it->is_regular_file())
            files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class FuzzReplay : public ::testing::TestWithParam<vd::fuzz::Target> {
  protected:
    static void SetUpTestSuite() {
        for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL})
            std::signal(sig, NameCurrentInput);
    }
    static void TearDownTestSuite() {
        for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL})
            std::signal(sig, SIG_DFL);
    }
};

} // namespace

TEST_P(FuzzReplay, EveryKeptInputRunsThrough) {
    const vd::fuzz::Target target = GetParam();
    const fs::path root = VD_FUZZ_DIR;
    const auto corpus = FilesOf(root / "corpus" / target.name);
    // A target without seeds would pass while replaying nothing.
    ASSERT_FALSE(corpus.empty()) << "no seed corpus for " << target.name;
    auto files = corpus;
    const auto regressions = FilesOf(root / "regressions" / target.name);
    files.insert(files.end(), regressions.begin(), regressions.end());
    for (const fs::path& file : files) {
        std::snprintf(g_current, sizeof g_current, "%s", file.c_str());
        const std::string bytes = Read(file);
        EXPECT_EQ(target.entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0)
            << file;
    }
    std::printf("replayed %zu inputs of %s\n", files.size(), target.name);
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(vd::fuzz::kTargets),
                         [](const auto& info) { return std::string(info.param.name); });
