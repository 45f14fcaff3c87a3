#pragma once
// A request body of the selection service: a JSON object naming a duty as the
// select command's options do, and what the endpoint adds (the fan).
#include "duty_request.h"

#include <optional>
#include <string>
#include <string_view>

namespace vdcat {

struct BodyRequest {
    DutyRequest duty;
    std::string language;         // empty: the service's start language
    std::optional<long long> fan; // "fan": a catalogue place, counted from 1
    // The body restated as the commands' options ("--volume=2500", "--rejects",
    // "--include=PW,MT"), for a command run on its behalf. A value is written
    // after '=' so that no value can be read as an option.
    std::vector<std::string> options;
};

// Reads `body` into `out`. The keys are volume, volume_unit, pressure,
// pressure_unit (required), pressure_type, deviation, supply, families (an
// array of flag names), rejects, steps, language and, where `allowFan`, fan
// (required then). Volume and pressure may be numbers or texts; a text that is
// not wholly a number refuses the duty as the window does. Any other key, a
// value of the wrong type or a body that is not a JSON object is a problem
// whose field names the key ("body" for the body as a whole). `languages`
// lists the codes a request may ask for.
std::optional<DutyProblem> ParseRequestBody(std::string_view body, bool allowFan,
                                            const std::vector<std::string>& languages,
                                            BodyRequest& out);

// A body of the diagram endpoint: a body as above with the fan required, plus
// "format" ("png", the default, or "svg"; `svg` tells which), "width" and
// "height" (whole numbers from 1 to 4096; default the window's 545 × 342, one
// given alone keeps its proportions), added as the diagram command's options.
std::optional<DutyProblem> ParseDiagramBody(std::string_view body,
                                            const std::vector<std::string>& languages,
                                            BodyRequest& out, bool& svg);

// A body of the print endpoint: a body as above with the fan required, plus
// the print page's texts (date, company, attention, project, reference,
// quote, item, contact, qty, value, despatch, delivery, validity, terms),
// "only" (summary, quotation and instructions, as a list or a text separated
// by commas) and "ancillaries" (positions 0 to 18, as a list of numbers or a
// text separated by commas). Each is added to `out.options` as the print
// command's option. No text may hold a NUL or control character other than a
// tab.
std::optional<DutyProblem>
ParsePrintBody(std::string_view body, const std::vector<std::string>& languages, BodyRequest& out);

} // namespace vdcat
