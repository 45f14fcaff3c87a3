#pragma once
// A duty as a script or a client states it, apart from how it was written
// (command-line options, a schedule line): the request, its checks and the
// selection run it asks for.
#include "fan_record.h"
#include "results_grid.h"
#include "select_fans.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vdcat {

// Exit codes shared by all commands.
enum Exit : int {
    kOk = 0,
    kNoResult = 1,    // select: no row
    kBadDuty = 2,     // the duty is refused (the input page's message)
    kDataError = 3,   // a data file cannot be read
    kCheckFailed = 4, // check: the catalogue breaks an invariant
    kIncomplete = 5,  // print: a piece of the fan's material is missing
    kBadSource = 65,  // build: the source text has an error
    kUsage = 64,
};

struct DutyRequest {
    long double volume = 0, pressure = 0; // in their units
    std::string volumeUnit, pressureUnit; // "m3/s", "Pa", ...
    // Unset: as the input page takes it for the included families.
    std::optional<bool> staticPressure;
    long double deviation = 15;        // percent, brought into 0..100
    int supply = 0;                    // 0 any, 1..4 the supply table
    std::vector<std::string> families; // include flags by name: "PW", "BNBQ"
    bool rejects = false;              // reject rows in the results
    bool steps = false;                // the slowest sufficient speed step per row
};

// The request's pressure type: as given, else as the input page takes it for
// the included families (static with EH or AQ, total otherwise).
bool IsStaticPressure(const DutyRequest& r);

// What went wrong, with the exit code a command returns for it. Messages are
// Windows-1252 as the program's texts are; `field` names the input at fault.
struct DutyProblem {
    int exit = kOk;
    std::string message;
    std::string field;
};

// Reads a request from named texts: volume, volume_unit, pressure,
// pressure_unit (required), pressure_type, deviation, supply and families
// (flag names separated by commas, semicolons, '+' or blanks). `text` gives a
// field's text, nullptr when it is not given; `shown` names a field in a
// message ("--volume-unit" on a command line). The volume and pressure must be
// wholly numbers: anything else refuses the duty with the input page's
// message. Ends with CheckDutyRequest.
std::optional<DutyProblem> ReadDuty(const std::function<const std::string*(const char*)>& text,
                                    const std::function<std::string(const char*)>& shown,
                                    DutyRequest& request);

// A number wholly in the C format: optional sign, digits with an optional
// decimal point, optional exponent. Anything else ("250Pa", "1,5", "",
// "nan", "inf", " 1") is not one.
std::optional<long double> ParseCNumber(std::string_view text);

// The names of the pressure types, the supplies (0..4) and the include
// flags, as requests spell them.
inline constexpr const char* kStatic = "static";
inline constexpr const char* kTotal = "total";

// Checks what can be checked without the catalogue: the units, the supply
// and the family names (usage problems).
std::optional<DutyProblem> CheckDutyRequest(const DutyRequest& request);

// Takes the language for the texts of the results and messages: `code`, or
// the setup file's when empty. Returns a warning when the texts cannot be
// read (they then stay empty).
std::optional<std::string> LoadLanguage(const std::string& code);

// The input page's controls that the run reads, as the request sets them.
vd::FixedSelectionControls ControlsFor(const DutyRequest& request);

// Runs the select button's sequence for the request into `grid`, over
// `catalogue` when given, else over the catalogue file. The variables the
// drawings read (duty point, units, flags) hold the request afterwards.
// Returns nothing when rows were found, else the problem: the duty refused
// (the window's message), no fan found (language text 95) or the catalogue
// unreadable. The language must be loaded first.
// `judged`: the verdicts of the whole `catalogue`, as SelectFans takes them.
std::optional<DutyProblem> RunDuty(const DutyRequest& request, vd::ResultsGrid& grid,
                                   const vd::CatalogueImage* catalogue = nullptr,
                                   const std::vector<vd::RecordVerdict>* judged = nullptr);

// Sets the flags, the pressure type and the duty point of the request
// without running the selection, for explaining one fan's verdict. Same
// problems as RunDuty except "no fan found".
std::optional<DutyProblem> StoreDuty(const DutyRequest& request);

// The record of fan `fanNo` (its place in the catalogue, counted from 1),
// from `catalogue` or else the file. False when there is no such place;
// FileError when the file cannot be read.
bool FetchFan(long long fanNo, vd::TFanRecord& rec, const vd::CatalogueImage* catalogue = nullptr);

} // namespace vdcat
