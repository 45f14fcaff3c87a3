#include "request_body.h"

#include "printouts.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <utility>

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

// The body as a JSON object, or the problem with it.
std::optional<DutyProblem> ParseObject(std::string_view body, Json& doc) {
    doc = Json::parse(body.begin(), body.end(), nullptr, false);
    if (doc.is_discarded())
        return Bad("body", "the body is not JSON");
    if (!doc.is_object())
        return Bad("body", "the body is not a JSON object");
    return std::nullopt;
}

std::optional<DutyProblem> ReadRequestObject(const Json& doc, bool allowFan,
                                             const std::vector<std::string>& languages,
                                             BodyRequest& out) {
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
            std::string option = "--" + key;
            std::replace(option.begin(), option.end(), '_', '-');
            out.options.push_back(option + "=" + *t);
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
            if (value.get<bool>())
                out.options.push_back("--" + key);
        } else if (key == "language") {
            if (!value.is_string() || std::find(languages.begin(), languages.end(),
                                                value.get<std::string>()) == languages.end())
                return Bad(key, "unknown language");
            out.language = value.get<std::string>();
            out.options.push_back("--language=" + out.language);
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
    if (auto problem = CheckDutyRequest(out.duty))
        return problem;
    // Checked flag names hold no separator: the list is one option.
    if (!out.duty.families.empty()) {
        std::string include = "--include=";
        for (const std::string& f : out.duty.families)
            include += (&f == &out.duty.families.front() ? "" : ",") + f;
        out.options.push_back(include);
    }
    return std::nullopt;
}

} // namespace

std::optional<DutyProblem> ParseRequestBody(std::string_view body, bool allowFan,
                                            const std::vector<std::string>& languages,
                                            BodyRequest& out) {
    Json doc;
    if (auto problem = ParseObject(body, doc))
        return problem;
    return ReadRequestObject(doc, allowFan, languages, out);
}

namespace {

// A body of a drawing endpoint: `take` reads and removes the endpoint's own
// keys, adding their options to `extra`; the rest is the explain body.
template <class Take>
std::optional<DutyProblem> ParseDrawingBody(std::string_view body,
                                            const std::vector<std::string>& languages,
                                            BodyRequest& out, Take&& take) {
    Json doc;
    if (auto problem = ParseObject(body, doc))
        return problem;
    std::vector<std::string> extra;
    if (auto problem = take(doc, extra))
        return problem;
    if (auto problem = ReadRequestObject(doc, true, languages, out))
        return problem;
    out.options.insert(out.options.end(), extra.begin(), extra.end());
    return std::nullopt;
}

std::optional<DutyProblem> TakePrintFields(Json& doc, std::vector<std::string>& extra) {
    for (const vd::PrintEdit& edit : vd::PrintEdits()) {
        const char* key = edit.name;
        auto it = doc.find(key);
        if (it == doc.end())
            continue;
        if (!it->is_string())
            return Bad(key, std::string(key) + " is a text");
        const std::string text = it->get<std::string>();
        if (std::any_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
            return Bad(key, std::string(key) + " holds a control character");
        extra.push_back(std::string("--") + key + "=" + text);
        doc.erase(it);
    }
    // A list, or a text separated by commas: the items as the option takes them.
    auto items = [&](const char* key, auto&& item) -> std::optional<DutyProblem> {
        auto it = doc.find(key);
        if (it == doc.end())
            return std::nullopt;
        std::vector<std::string> parts;
        if (it->is_string()) {
            std::string part;
            for (char c : it->get<std::string>() + ",")
                if (c != ',')
                    part += c;
                else if (!part.empty())
                    parts.push_back(std::exchange(part, {}));
        } else if (it->is_array()) {
            for (const Json& v : *it) {
                if (v.is_string())
                    parts.push_back(v.get<std::string>());
                else if (v.is_number_integer())
                    parts.push_back(v.dump());
                else
                    parts.emplace_back("?");
            }
        } else {
            parts.emplace_back("?");
        }
        // No printout at all would be an empty file.
        if (parts.empty() && std::string(key) == "only")
            return Bad(key, "only names summary, quotation and instructions");
        std::string joined;
        for (const std::string& p : parts) {
            if (auto problem = item(p))
                return problem;
            joined += (joined.empty() ? "" : ",") + p;
        }
        extra.push_back(std::string("--") + key + "=" + joined);
        doc.erase(it);
        return std::nullopt;
    };
    if (auto problem = items("only", [](const std::string& p) -> std::optional<DutyProblem> {
            if (p == "summary" || p == "quotation" || p == "instructions")
                return std::nullopt;
            return Bad("only", "only names summary, quotation and instructions");
        }))
        return problem;
    if (auto problem = items("ancillaries", [](const std::string& p) -> std::optional<DutyProblem> {
            const bool digits =
                !p.empty() && p.size() <= 2 &&
                std::all_of(p.begin(), p.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (digits && std::stoi(p) <= 18)
                return std::nullopt;
            return Bad("ancillaries", "ancillaries takes positions from 0 to 18");
        }))
        return problem;
    return std::nullopt;
}

// The window's diagram picture; a larger one is no use on any screen.
constexpr long long kDiagramWidth = 545, kDiagramHeight = 342, kMaxDiagramSide = 4096;

} // namespace

std::optional<DutyProblem>
ParsePrintBody(std::string_view body, const std::vector<std::string>& languages, BodyRequest& out) {
    return ParseDrawingBody(body, languages, out, TakePrintFields);
}

std::optional<DutyProblem> ParseDiagramBody(std::string_view body,
                                            const std::vector<std::string>& languages,
                                            BodyRequest& out, bool& svg) {
    svg = false;
    return ParseDrawingBody(
        body, languages, out,
        [&](Json& doc, std::vector<std::string>& extra) -> std::optional<DutyProblem> {
            if (auto it = doc.find("format"); it != doc.end()) {
                if (!it->is_string() || (*it != "png" && *it != "svg"))
                    return Bad("format", "format is png or svg");
                svg = *it == "svg";
                extra.push_back("--format=" + it->get<std::string>());
                doc.erase(it);
            }
            long long size[2] = {0, 0};
            const char* keys[2] = {"width", "height"};
            for (int i = 0; i < 2; ++i) {
                auto it = doc.find(keys[i]);
                if (it == doc.end())
                    continue;
                if (!it->is_number_integer() || it->get<long long>() < 1 ||
                    it->get<long long>() > kMaxDiagramSide)
                    return Bad(keys[i], std::string(keys[i]) + " is a whole number from 1 to " +
                                            std::to_string(kMaxDiagramSide));
                size[i] = it->get<long long>();
                doc.erase(it);
            }
            // One side given: the other keeps the window's proportions.
            if (size[0] || size[1]) {
                if (!size[0])
                    size[0] = std::max(1LL, (size[1] * kDiagramWidth + kDiagramHeight / 2) /
                                                kDiagramHeight);
                if (!size[1])
                    size[1] = std::max(1LL, (size[0] * kDiagramHeight + kDiagramWidth / 2) /
                                                kDiagramWidth);
                size[0] = std::min(size[0], kMaxDiagramSide);
                extra.push_back("--size=" + std::to_string(size[0]) + "x" +
                                std::to_string(size[1]));
            }
            return std::nullopt;
        });
}

} // namespace vdcat
