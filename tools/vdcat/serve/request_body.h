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

} // namespace vdcat
