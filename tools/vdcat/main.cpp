// vdcat: the catalogue's command-line companion. It runs the program's own
// selection and file code for scripts and for the catalogue team.
#include "commands.h"
#include "paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

using Command = int (*)(const vdcat::Args&);

struct Entry {
    const char* name;
    Command run;
};

const Entry kCommands[] = {
    {"select", vdcat::RunSelect},     {"explain", vdcat::RunExplain},
    {"schedule", vdcat::RunSchedule}, {"dump", vdcat::RunDump},
    {"build", vdcat::RunBuild},       {"check", vdcat::RunCheck},
#ifdef VDCAT_WITH_QT
    {"preview", vdcat::RunPreview},   {"print", vdcat::RunPrint},
    {"diagram", vdcat::RunDiagram},
#endif
#ifdef VDCAT_WITH_SERVE
    {"serve", vdcat::RunServe},
#endif
};

bool AsksForHelp(const vdcat::Args& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
}

// A command that needs more libraries than the others runs in a companion
// executable beside this one (vdcat-render with the Qt layer, vdcat-serve with
// the HTTP layer), so that the other commands do not load them.
[[maybe_unused]] int RunCompanion(const char* name, char** argv) {
    std::string self(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
    self.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    std::string companion = self.substr(0, self.rfind('/') + 1) + name;
    argv[0] = companion.data();
    ::execv(companion.c_str(), argv);
    std::fprintf(stderr, "vdcat: cannot run %s: %s\n", companion.c_str(), std::strerror(errno));
    return vdcat::kDataError;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(vdcat::HelpText(""), stderr);
        return vdcat::kUsage;
    }
    // Data paths go to the program's data tree wherever vdcat is started;
    // --data overrides it.
    vd::SetDataRoot(vd::FindDataTree(vd::ExecutableDir()));
    const std::string cmd = argv[1];
    const vdcat::Args args(argv + 2, argv + argc);
    if (cmd == "--help" || cmd == "-h" || cmd == "help") {
        const char* text = vdcat::HelpText(args.empty() ? "" : args.front());
        std::fputs(text ? text : vdcat::HelpText(""), stdout);
        return text ? vdcat::kOk : vdcat::kUsage;
    }
    // Every command's help, also of one this build leaves out.
    if (const char* help = vdcat::HelpText(cmd); help && !cmd.empty() && AsksForHelp(args)) {
        std::fputs(help, stdout);
        return vdcat::kOk;
    }
#if !defined(VDCAT_WITH_QT) && defined(VDCAT_RENDERER)
    // The drawing commands, and a schedule that prints, run in vdcat-render.
    const bool prints = std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return a == "--print" || a.starts_with("--print=");
    });
    if (cmd == "preview" || cmd == "print" || cmd == "diagram" || (cmd == "schedule" && prints))
        return RunCompanion("vdcat-render", argv);
#endif
#if !defined(VDCAT_WITH_SERVE) && defined(VDCAT_SERVER)
    if (cmd == "serve")
        return RunCompanion("vdcat-serve", argv);
#endif
    for (const Entry& e : kCommands)
        if (cmd == e.name)
            return e.run(args);
#ifndef VDCAT_WITH_SERVE
    if (cmd == "serve") {
        std::fputs("vdcat serve: this vdcat was built without an HTTP library\n", stderr);
        return vdcat::kUsage;
    }
#endif
    std::fprintf(stderr, "vdcat: unknown command '%s'\n\n", cmd.c_str());
    std::fputs(vdcat::HelpText(""), stderr);
    return vdcat::kUsage;
}
