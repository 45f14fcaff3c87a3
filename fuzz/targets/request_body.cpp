// The bytes as a request body of the selection service, read into a duty.
#include "fuzz_support.h"
#include "fuzz_targets.h"

#include "duty_request.h"
#include "request_body.h"

#include <algorithm>
#include <cmath>

namespace vd::fuzz {

int FuzzRequestBody(const uint8_t* data, size_t size) {
    static const std::vector<std::string> languages = {"UK", "SW", "FI", "FR", "IT"};
    for (bool fan : {false, true}) {
        vdcat::BodyRequest r;
        if (auto problem = vdcat::ParseRequestBody(AsText(data, size), fan, languages, r)) {
            if (problem->field.empty())
                Fail("a refused body names no field");
            if (problem->exit != vdcat::kUsage && problem->exit != vdcat::kBadDuty)
                Fail("a body is refused with an exit that is no request fault");
            continue;
        }
        // What is taken must be a duty the run can be given as it is.
        if (vdcat::CheckDutyRequest(r.duty))
            Fail("an accepted body holds a duty the checks refuse");
        if (!std::isfinite(r.duty.volume) || !std::isfinite(r.duty.pressure))
            Fail("an accepted body holds a volume or pressure that is no number");
        if (fan != r.fan.has_value() || (r.fan && *r.fan < 1))
            Fail("the fan is taken where it is not asked for, or is not a place");
        if (!r.language.empty() &&
            std::find(languages.begin(), languages.end(), r.language) == languages.end())
            Fail("an unknown language is taken");
        // The run's first steps: the flags, the pressure-type rule, the duty point.
        if (auto problem = vdcat::StoreDuty(r.duty); problem && problem->exit != vdcat::kBadDuty)
            Fail("a stored duty fails with an exit that is no duty fault");
    }
    // A print or diagram body: every option it gives the renderer is one option, with no
    // byte that would end or break an argument.
    for (bool diagram : {false, true}) {
        vdcat::BodyRequest r;
        bool svg = false;
        if (diagram ? vdcat::ParseDiagramBody(AsText(data, size), languages, r, svg)
                    : vdcat::ParsePrintBody(AsText(data, size), languages, r))
            continue;
        if (!r.fan)
            Fail("a drawing body is taken without a fan");
        for (const std::string& o : r.options)
            if (o.rfind("--", 0) != 0 || std::any_of(o.begin(), o.end(), [](char c) {
                    return static_cast<unsigned char>(c) < 0x20;
                }))
                Fail("a drawing body gives an option that is not one whole option");
    }
    return 0;
}

} // namespace vd::fuzz
