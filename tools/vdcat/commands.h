#pragma once
// The sub-commands of vdcat. Each takes its own arguments (after the command
// name) and returns the process exit code.
#include <string>
#include <vector>

namespace vd {
class ResultsGrid;
}

namespace vdcat {

using Args = std::vector<std::string>;

// Exit codes shared by all commands.
enum Exit : int {
    kOk = 0,
    kNoResult = 1,    // select: no row
    kBadDuty = 2,     // select: volume or pressure incorrect
    kDataError = 3,   // a data file cannot be read
    kCheckFailed = 4, // check: the catalogue breaks an invariant
    kBadSource = 65,  // build: the source text has an error
    kUsage = 64,
};

int RunSelect(const Args& args);
int RunDump(const Args& args);
int RunBuild(const Args& args);
int RunCheck(const Args& args);
#ifdef VDCAT_WITH_QT
int RunPreview(const Args& args);
int RunPrint(const Args& args);
#endif

// Shared option reading: "--name value" pairs and bare "--flag"s.
struct Options {
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<std::string> flags;
    std::vector<std::string> positional;
    std::string error; // non-empty: the arguments were not understood
    const std::string* get(const std::string& name) const;
    bool has(const std::string& flag) const;
};
// `withValue` names the options that take a value; `bare` the flags.
Options ParseOptions(const Args& args, const std::vector<std::string>& withValue,
                     const std::vector<std::string>& bare);

// The options of `select` that describe a duty, its families and language.
const std::vector<std::string>& SelectionOptionNames();
// Runs the select button's sequence for those options into `sg`: kOk with
// ResultsAvailable, or the exit code of what went wrong (message printed).
int RunSelectionFromOptions(const Options& o, vd::ResultsGrid& sg);

// Prints a message to stderr in the terminal's encoding (UTF-8).
void PrintError(const std::string& cp1252Text);

} // namespace vdcat
