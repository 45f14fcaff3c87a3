#pragma once
// Runs vdcat-render, the drawing half of the tool, for one request: its own
// process (the service stays free of the Qt layer), an argument vector and no
// shell, a private directory for the file it writes, a bound on its run time.
#include <chrono>
#include <string>
#include <vector>

namespace vdcat {

struct RenderRun {
    bool started = false;  // false: `error` says why it could not be run
    bool timedOut = false; // killed at the time limit
    int exitCode = -1;     // its exit code; -1 when it did not exit by itself
    std::string error;
    std::string messages; // what it wrote to stderr (the first 64 KiB)
    std::string output;   // the file it wrote, when it exited 0 or 5
};

// vdcat-render beside the running executable.
std::string RendererPath();

// Runs `program` with `args` and "--out=DIR/outName" added, DIR a new private
// temporary directory removed afterwards, stdin and stdout on /dev/null and
// Qt's offscreen platform. Killed when it runs longer than `limit`.
RenderRun RunRenderer(const std::string& program, const std::vector<std::string>& args,
                      const std::string& outName, std::chrono::milliseconds limit);

} // namespace vdcat
