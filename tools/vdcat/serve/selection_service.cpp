#include "selection_service.h"

#include "codepage.h"
#include "errors.h"
#include "explain_document.h"
#include "family_rules.h"
#include "json_writer.h"
#include "language_file.h"
#include "paths.h"
#include "record_fields.h"
#include "render_process.h"
#include "select_document.h"
#include "selection_scan.h"
#include "units.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <mutex>
#include <optional>
#include <semaphore>
#include <unistd.h>

namespace vdcat {
namespace {

// Guards the program's shared variables for every request of the process.
std::mutex stateMutex;

// A drawing takes a process of its own that loads the Qt layer: a few at a
// time, the others wait their turn up to the time one may take.
constexpr int kRenderers = 4;
std::counting_semaphore<kRenderers> renderers(kRenderers);
constexpr std::chrono::seconds kRenderLimit(30);

// "vdcat print: --ancillaries: item 1 is ..." without the command's name and
// the help pointer, and the option it names as the field.
std::pair<std::string, std::string> RendererMessage(const std::string& messages) {
    // The command's own line, not what the Qt layer may say before it.
    std::size_t at = messages.rfind("vdcat ", 0) == 0 ? 0 : messages.find("\nvdcat ");
    at = at == std::string::npos ? 0 : at + (at > 0);
    std::string line = messages.substr(at, messages.find('\n', at) - at);
    if (line.rfind("vdcat ", 0) == 0)
        if (auto colon = line.find(": "); colon != std::string::npos)
            line = line.substr(colon + 2);
    std::string field;
    if (line.rfind("--", 0) == 0) {
        field = line.substr(2, line.find_first_of(":= ") - 2);
        std::replace(field.begin(), field.end(), '-', '_');
    }
    return {line.empty() ? "the drawing failed" : line, field};
}

Answer Problem(const DutyProblem& p) {
    const int status = p.exit == kDataError ? 503 : 400;
    return {status, ErrorDocument(vd::Cp1252ToUtf8(p.message), p.field), ""};
}

Answer Unreadable(const vd::FileError& e) {
    return {503, ErrorDocument(vd::Cp1252ToUtf8(e.what()), "catalogue"), ""};
}

// The catalogue a request is answered from, or the answer that it cannot be
// read.
std::optional<Answer> Current(CatalogueStore& store,
                              std::shared_ptr<const LoadedCatalogue>& catalogue) {
    try {
        catalogue = store.Current();
        return std::nullopt;
    } catch (const vd::FileError& e) {
        return Unreadable(e);
    }
}

vd::RecordSpan WholeImage(const vd::CatalogueImage& image) {
    vd::RecordSpan all;
    all.bytes = reinterpret_cast<const unsigned char*>(image.bytes.data());
    all.count = static_cast<std::size_t>(image.count);
    return all;
}

std::string UtcTime(std::int64_t ns) {
    const std::time_t t = static_cast<std::time_t>(ns / 1000000000);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return buf;
}

// A record's fields under the names the dump gives them.
struct JsonFields {
    JsonWriter& j;
    void Int(const char* name, std::size_t, std::int32_t v) { j.Key(name).Number(v); }
    void Float(const char* name, std::size_t, float v) { j.Key(name).Number(ShortestNumber(v)); }
    template <std::size_t N> void Text(const char* name, std::size_t, const vd::ShortString<N>& s) {
        j.Key(name).String(vd::Cp1252ToUtf8(std::string(s.view())));
    }
    template <class Row> void SoundRow(const char* name, std::size_t, const Row& row) {
        j.Key(name).BeginArray();
        for (int col = 1; col <= 10; ++col)
            j.String(vd::Cp1252ToUtf8(std::string(row[col].view())));
        j.EndArray();
    }
    template <std::size_t N>
    void Ints(const char* name, std::size_t, const std::array<std::int32_t, N>& a, int first,
              int last) {
        j.Key(name).BeginArray();
        for (int i = first; i <= last; ++i)
            j.Number(a[static_cast<std::size_t>(i)]);
        j.EndArray();
    }
    // As the dump: a curve's trailing zero points left out, a curve of none
    // not named.
    template <class Names, class Tables> void Curves(const Names& names, const Tables& tables) {
        for (int c = 1; c <= vd::kCurves; ++c)
            for (std::size_t t = 0; t < names.size(); ++t) {
                int last = 0;
                for (int k = 1; k <= vd::kPointsPerCurve; ++k) {
                    const float v = tables[t]->at(c, k);
                    if (!(v == 0 && !std::signbit(v)))
                        last = k;
                }
                if (last == 0)
                    continue;
                j.Key(std::string(names[t].first) + "_" + std::to_string(c)).BeginArray();
                for (int k = 1; k <= last; ++k)
                    j.Number(ShortestNumber(tables[t]->at(c, k)));
                j.EndArray();
            }
    }
};

} // namespace

std::string ErrorDocument(const std::string& message, const std::string& field) {
    JsonWriter j;
    j.BeginObject();
    j.Key("error").String(message);
    field.empty() ? j.Key("field").Null() : j.Key("field").String(field);
    j.EndObject();
    return j.str() + "\n";
}

SelectionService::SelectionService(std::vector<std::string>& warnings) {
    std::lock_guard lock(stateMutex);
    for (const char* code : vd::LanguageCodes())
        languages_.emplace_back(code);
    std::string start;
    try {
        vd::ReadSetup();
        start = vd::LanguageCode;
    } catch (const vd::FileError& e) {
        warnings.push_back(std::string(e.what()) + "; the start language is " + vd::LanguageCode);
        start = vd::LanguageCode;
    }
    bool warned = false;
    auto read = [&](const std::string& code) {
        vd::LanguageCode = code;
        vd::LanguageText = {};
        try {
            vd::ReadLanguageFile();
        } catch (const vd::FileError& e) {
            if (!warned)
                warnings.push_back(std::string(e.what()) + "; language texts stay empty");
            warned = true;
        }
        return vd::LanguageText;
    };
    for (const std::string& code : languages_)
        texts_[code] = read(code);
    texts_[""] = read(start);
    inUse_ = "";
}

const SelectionService::Texts& SelectionService::TextsOf(const std::string& code) const {
    return texts_.at(code);
}

void SelectionService::UseLanguage(const std::string& code) {
    if (inUse_ != code) {
        vd::LanguageText = TextsOf(code);
        inUse_ = code;
    }
}

Answer SelectionService::Select(std::string_view body) {
    BodyRequest b;
    if (auto problem = ParseRequestBody(body, false, languages_, b))
        return Problem(*problem);
    std::shared_ptr<const LoadedCatalogue> catalogue;
    if (auto unreadable = Current(store_, catalogue))
        return *unreadable;
    // The duty point and flags the records are judged by, from this request.
    vd::SelectionCriteria criteria;
    {
        std::lock_guard lock(stateMutex);
        UseLanguage(b.language);
        if (auto problem = StoreDuty(b.duty))
            return Problem(*problem);
        criteria = vd::CriteriaFromSharedState(ControlsFor(b.duty));
    }
    std::vector<vd::RecordVerdict> verdicts;
    vd::ScanRecords(WholeImage(catalogue->image), criteria, verdicts);
    // The grid and what of the document reads the shared variables, set anew;
    // the rows read only the grid and are written after the lock.
    vd::ResultsGrid grid;
    std::string head;
    std::vector<std::optional<vd::SpeedStep>> steps;
    {
        std::lock_guard lock(stateMutex);
        UseLanguage(b.language);
        if (auto problem = RunDuty(b.duty, grid, &catalogue->image, &verdicts);
            problem && problem->exit != kNoResult)
            return Problem(*problem);
        // The speed steps and the rows that show them read the shared state.
        if (b.duty.steps) {
            DocumentOptions json;
            json.format = DocumentFormat::Json;
            return {200, SelectDocument(b.duty, grid, json, &catalogue->image), catalogue->sha256};
        }
        head = JsonDocumentHead(b.duty);
    }
    return {200, JoinJsonDocument(head, JsonDocumentRows(b.duty, grid, steps)), catalogue->sha256};
}

Answer SelectionService::Explain(std::string_view body) {
    BodyRequest b;
    if (auto problem = ParseRequestBody(body, true, languages_, b))
        return Problem(*problem);
    std::shared_ptr<const LoadedCatalogue> catalogue;
    if (auto unreadable = Current(store_, catalogue))
        return *unreadable;
    vd::TFanRecord rec;
    if (!FetchFan(*b.fan, rec, &catalogue->image))
        return {404,
                ErrorDocument("fan " + std::to_string(*b.fan) + " is not in the catalogue", "fan"),
                catalogue->sha256};
    std::lock_guard lock(stateMutex);
    UseLanguage(b.language);
    if (auto problem = StoreDuty(b.duty))
        return Problem(*problem);
    return {200, ExplainDocument(b.duty, rec, true), catalogue->sha256};
}

std::optional<Answer> SelectionService::CheckDrawingRequest(const BodyRequest& b,
                                                            std::string& sha256) {
    std::shared_ptr<const LoadedCatalogue> catalogue;
    if (auto unreadable = Current(store_, catalogue))
        return *unreadable;
    sha256 = catalogue->sha256;
    vd::TFanRecord rec;
    if (!FetchFan(*b.fan, rec, &catalogue->image))
        return Answer{
            404, ErrorDocument("fan " + std::to_string(*b.fan) + " is not in the catalogue", "fan"),
            sha256};
    std::lock_guard lock(stateMutex);
    UseLanguage(b.language);
    if (auto problem = StoreDuty(b.duty))
        return Problem(*problem);
    return std::nullopt;
}

Answer SelectionService::Render(const char* command, const BodyRequest& b,
                                const std::string& outName, const std::string& type,
                                std::string sha256) {
    const std::string program = RendererPath();
    if (program.empty() || ::access(program.c_str(), X_OK) != 0)
        return {503, ErrorDocument("this service has no vdcat-render to draw with", ""), sha256};
    if (!renderers.try_acquire_for(kRenderLimit))
        return {503, ErrorDocument("every renderer is busy; try again", ""), sha256};
    std::vector<std::string> args = {command, "--data=" + vd::DataRoot().string(),
                                     "--fan=" + std::to_string(*b.fan)};
    args.insert(args.end(), b.options.begin(), b.options.end());
    // The renderer reads the catalogue file itself: when it was replaced
    // while the renderer ran, the answer is drawn again, so that the header
    // names the catalogue it was drawn from.
    RenderRun run;
    for (int attempt = 0; attempt < 3; ++attempt) {
        run = RunRenderer(program, args, outName, kRenderLimit);
        std::string after;
        try {
            after = store_.Current()->sha256;
        } catch (const vd::FileError&) {
        }
        if (after == sha256 || after.empty())
            break;
        sha256 = after;
    }
    renderers.release();
    if (!run.started)
        return {500, ErrorDocument(run.error, ""), sha256};
    if (run.timedOut)
        return {503, ErrorDocument("the drawing took longer than 30 seconds", ""), sha256};
    const auto [message, field] = RendererMessage(run.messages);
    switch (run.exitCode) {
    case kOk:
    case kIncomplete:
        if (run.output.empty())
            return {500, ErrorDocument("the drawing wrote nothing", ""), sha256};
        return {200, run.output, sha256, type, run.exitCode == kIncomplete};
    case kNoResult:
        return {404, ErrorDocument(message, "fan"), sha256};
    case kBadDuty:
    case kUsage:
        return {400, ErrorDocument(message, field), sha256};
    case kDataError:
        return {503, ErrorDocument(message, ""), sha256};
    default:
        return {500, ErrorDocument(message, ""), sha256};
    }
}

Answer SelectionService::Print(std::string_view body) {
    BodyRequest b;
    if (auto problem = ParsePrintBody(body, languages_, b))
        return Problem(*problem);
    std::string sha256;
    if (auto refused = CheckDrawingRequest(b, sha256))
        return *refused;
    return Render("print", b, "print.pdf", "application/pdf", sha256);
}

Answer SelectionService::Diagram(std::string_view body) {
    BodyRequest b;
    bool svg = false;
    if (auto problem = ParseDiagramBody(body, languages_, b, svg))
        return Problem(*problem);
    std::string sha256;
    if (auto refused = CheckDrawingRequest(b, sha256))
        return *refused;
    return Render("diagram", b, svg ? "diagram.svg" : "diagram.png",
                  svg ? "image/svg+xml" : "image/png", sha256);
}

Answer SelectionService::Fan(long long fanNo) {
    std::shared_ptr<const LoadedCatalogue> catalogue;
    if (auto unreadable = Current(store_, catalogue))
        return *unreadable;
    vd::TFanRecord rec;
    if (!FetchFan(fanNo, rec, &catalogue->image))
        return {404,
                ErrorDocument("fan " + std::to_string(fanNo) + " is not in the catalogue", "fan"),
                catalogue->sha256};
    JsonWriter j;
    j.BeginObject();
    vd::VisitRecordFields(rec, JsonFields{j});
    j.EndObject();
    return {200, j.str() + "\n", catalogue->sha256};
}

Answer SelectionService::Catalogue() {
    std::shared_ptr<const LoadedCatalogue> catalogue;
    if (auto unreadable = Current(store_, catalogue))
        return *unreadable;
    // The families in the order they first appear, each with the flag that
    // includes it in a selection.
    std::vector<std::pair<std::string, long long>> families;
    const vd::RecordSpan all = WholeImage(catalogue->image);
    for (std::size_t i = 0; i < all.count; ++i) {
        const std::string family(vd::RecordText(all.Record(i), vd::offs::family, 5));
        auto it = std::find_if(families.begin(), families.end(),
                               [&](const auto& f) { return f.first == family; });
        if (it == families.end())
            families.emplace_back(family, 1);
        else
            ++it->second;
    }
    JsonWriter j;
    j.BeginObject();
    j.Key("records").Number(catalogue->image.count);
    j.Key("sha256").String(catalogue->sha256);
    j.Key("modified").String(UtcTime(catalogue->mtimeNs));
    j.Key("families").BeginArray();
    for (const auto& [family, count] : families) {
        j.BeginObject();
        j.Key("family").String(vd::Cp1252ToUtf8(family));
        const std::string* flag = nullptr;
        for (const auto& rule : vd::FamilyRules())
            if (family == rule.family)
                flag = rule.flag;
        const char* group = nullptr;
        for (const auto& f : vd::FamilyFlags())
            if (f.flag == flag)
                group = f.name;
        group ? j.Key("group").String(group) : j.Key("group").Null();
        j.Key("records").Number(count);
        j.EndObject();
    }
    j.EndArray();
    j.Key("units").BeginObject();
    for (auto [key, table] :
         {std::pair{"volume", &vd::VolumeUnits()}, std::pair{"pressure", &vd::PressureUnits()}}) {
        j.Key(key).BeginArray();
        for (const vd::UnitRow& u : *table)
            j.String(u.text);
        j.EndArray();
    }
    j.EndObject();
    j.Key("languages").BeginArray();
    for (const std::string& code : languages_)
        j.String(code);
    j.EndArray();
    j.EndObject();
    return {200, j.str() + "\n", catalogue->sha256};
}

Answer SelectionService::Health() {
    try {
        auto catalogue = store_.Current();
        return {200, "{\"status\":\"ok\"}\n", catalogue->sha256};
    } catch (const vd::FileError& e) {
        return Unreadable(e);
    }
}

} // namespace vdcat
