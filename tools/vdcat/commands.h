#pragma once
// The sub-commands of vdcat. Each takes its own arguments (after the command
// name) and returns the process exit code.
#include "duty_request.h"

#include <optional>
#include <string>
#include <vector>

namespace vd {
class ResultsGrid;
}

namespace vdcat {

using Args = std::vector<std::string>;

int RunSelect(const Args& args);
int RunExplain(const Args& args);
int RunSchedule(const Args& args);
int RunDump(const Args& args);
int RunBuild(const Args& args);
int RunCheck(const Args& args);
#ifdef VDCAT_WITH_SERVE
int RunServe(const Args& args);
#endif
#ifdef VDCAT_WITH_QT
int RunPreview(const Args& args);
int RunPrint(const Args& args);
int RunDiagram(const Args& args);
// "WxH" with whole numbers from 1 to 16384 into w and h.
bool ParseSize(const std::string& text, int& w, int& h);
// The three printouts of the fan in the first row of a selection's grid,
// with empty print-page edits, into the PDF file `out`.
int PrintFirstFan(vd::ResultsGrid& grid, const std::string& out);
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

// Prints "vdcat CMD: why" and where the help is; returns kUsage.
int Usage(const char* cmd, const std::string& why);

// The options of `select` that describe a duty, its families and language,
// and its flags (--rejects, --steps).
const std::vector<std::string>& SelectionOptionNames();
const std::vector<std::string>& SelectionFlagNames();
// Reads those options into a request: a usage problem, or the duty refused
// for a volume or pressure that is not a number.
std::optional<DutyProblem> DutyFromOptions(const Options& o, DutyRequest& request);
// Prints a problem as the command reports it; returns its exit code.
int ReportProblem(const char* cmd, const DutyProblem& problem);
// Sets the data root of --data and loads the language of --language.
void PrepareDataAndLanguage(const char* cmd, const Options& o);
// Reads the duty options and runs the select button's sequence for them into
// `sg`: kOk with rows, or the exit code of what went wrong (reported).
int RunSelectionFromOptions(const char* cmd, const Options& o, DutyRequest& request,
                            vd::ResultsGrid& sg);

// The row of fan `fan` among the grid's results; 0 when it is not there.
int FanRow(const vd::ResultsGrid& sg, long long fan);

// The help of a command ("select", ...), or the overview for "".
// Nullptr for an unknown command.
const char* HelpText(const std::string& command);

// Prints a message to stderr in the terminal's encoding (UTF-8).
void PrintError(const std::string& cp1252Text);

} // namespace vdcat
