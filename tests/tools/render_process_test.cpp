// The renderer's process as the service runs it: its exit code and messages,
// the file it writes, the time limit, and its private directory removed.
#include "render_process.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using namespace vdcat;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// Runs a shell script as the renderer; its $0 is the "--out=FILE" added.
RenderRun Script(const std::string& script, std::chrono::milliseconds limit = 10s) {
    return RunRenderer("/bin/sh", {"-c", script}, "out.bin", limit);
}

} // namespace

TEST(RenderProcess, GivesTheExitCodeTheMessagesAndTheFileWritten) {
    RenderRun ok = Script(R"(f="${0#--out=}"; printf 'drawn' >"$f"; echo "a warning" >&2)");
    ASSERT_TRUE(ok.started) << ok.error;
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(ok.output, "drawn");
    EXPECT_EQ(ok.messages, "a warning\n");
    EXPECT_FALSE(ok.timedOut);

    // Missing material: the file as far as it got.
    RenderRun partial = Script(R"(printf 'part' >"${0#--out=}"; exit 5)");
    EXPECT_EQ(partial.exitCode, 5);
    EXPECT_EQ(partial.output, "part");

    // A failure's file is not taken; its directory is gone all the same.
    RenderRun failed = Script(R"(d="${0#--out=}"; printf x >"$d"; echo "${d%/*}" >&2; exit 3)");
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_EQ(failed.output, "");
    const std::string dir = failed.messages.substr(0, failed.messages.find('\n'));
    EXPECT_NE(dir.find("vdcat-serve-"), std::string::npos) << dir;
    EXPECT_FALSE(fs::exists(dir));

    // Its messages are bounded, and reading them does not hold up its end.
    RenderRun loud = Script("head -c 300000 /dev/zero >&2");
    EXPECT_EQ(loud.exitCode, 0);
    EXPECT_LE(loud.messages.size(), 64u * 1024 + 4096);
}

TEST(RenderProcess, ARunPastTheLimitIsKilled) {
    const auto start = std::chrono::steady_clock::now();
    RenderRun slow = Script("sleep 20", 300ms);
    EXPECT_TRUE(slow.started);
    EXPECT_TRUE(slow.timedOut);
    EXPECT_EQ(slow.exitCode, -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    // What it started went with it: nothing holds the messages' pipe open.
    RenderRun parent = Script("sleep 20 & wait", 300ms);
    EXPECT_TRUE(parent.timedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);

    RenderRun none = RunRenderer("/nonexistent/vdcat-render", {}, "out.bin", 1s);
    EXPECT_FALSE(none.started);
    EXPECT_NE(none.error.find("/nonexistent/vdcat-render"), std::string::npos) << none.error;
}
