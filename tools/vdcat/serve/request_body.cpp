#include "request_body.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace vdcat {
namespace {

using Json = nlohmann::json;

DutyProblem Bad(const std::string& field, const std::string& message) {
    return {kUsage, message, field};
}

// A field's text as ReadDuty takes it: a string as it is, a number as the
// shortest text that reads back to it.
std::optional<std::string> Text(const Json& v) {
    if (v.is_string())
        return v.get<std::string>();
    if (v.is_number())
        return v.dump();
    return std::nullopt;
}

} // namespace

std::optional<DutyProblem> ParseRequestBody(std::string_view body, bool allowFan,
                                            const std::vector<std::string>& languages,
                                            BodyRequest& out) {
    const Json doc = Json::parse(body.begin(), body.end(), nullptr, false);
    if (doc.is_discarded())
        return Bad("body", "the body is not JSON");
    if (!doc.is_object())
        return Bad("body", "the body is not a JSON object");
    static const char* const kTexts[] = {"volume",        "volume_unit",   "pressure",
                                         "pressure_unit", "pressure_type", "deviation",
                                         "supply"};
    std::vector<std::pair<std::string, std::string>> texts;
    for (const auto& item : doc.items()) {
        const std::string& key = item.key();
        const Json& value = item.value();
        const bool text = std::find_if(std::begin(kTexts), std::end(kTexts),
                                       [&](const char* k) { return key == k; }) != std::end(kTexts);
        if (text) {
            // Units and the pressure type are names; the numbers may be either.
            const bool name =
                key == "volume_unit" || key == "pressure_unit" || key == "pressure_type";
            auto t = Text(value);
            if (!t || (name && !value.is_string()))
                return Bad(key, key + (name ? " is a text" : " is a number"));
            texts.emplace_back(key, *t);
        } else if (key == "families") {
            if (!value.is_array())
                return Bad(key, "families is a list of family flag names");
            for (const Json& f : value) {
                if (!f.is_string())
                    return Bad(key, "families is a list of family flag names");
                out.duty.families.push_back(f.get<std::string>());
            }
        } else if (key == "rejects" || key == "steps") {
            if (!value.is_boolean())
                return Bad(key, key + " is true or false");
            (key == "rejects" ? out.duty.rejects : out.duty.steps) = value.get<bool>();
        } else if (key == "language") {
            if (!value.is_string() || std::find(languages.begin(), languages.end(),
                                                value.get<std::string>()) == languages.end())
                return Bad(key, "unknown language");
            out.language = value.get<std::string>();
        } else if (key == "fan" && allowFan) {
            if (!value.is_number_integer() || value.get<long long>() < 1)
                return Bad(key, "fan is a fan number");
            out.fan = value.get<long long>();
        } else {
            // An empty key cannot name itself: the body is at fault.
            return Bad(key.empty() ? "body" : key, "unknown field '" + key + "'");
        }
    }
    if (allowFan && !out.fan)
        return Bad("fan", "fan is required");
    auto text = [&](const char* field) -> const std::string* {
        for (const auto& [k, v] : texts)
            if (k == field)
                return &v;
        return nullptr;
    };
    // The families were taken from the list: ReadDuty would split a name
    // holding a separator.
    std::vector<std::string> families = std::move(out.duty.families);
    out.duty.families.clear();
    if (auto problem = ReadDuty(
            text, [](const char* f) { return std::string(f); }, out.duty))
        return problem;
    out.duty.families = std::move(families);
    return CheckDutyRequest(out.duty);
}

} // namespace vdcat
