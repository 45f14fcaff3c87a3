// vdcat select and explain: the select button's sequence on the catalogue,
// as rows or as the story of one fan's tests.
#include "commands.h"

#include "duty_input.h"
#include "errors.h"
#include "explain_document.h"
#include "number_text.h"
#include "paths.h"
#include "select_document.h"

#include <algorithm>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <cstdio>

namespace vdcat {

const std::vector<std::string>& SelectionOptionNames() {
    static const std::vector<std::string> names = {
        "--data",          "--volume",    "--volume-unit", "--pressure", "--pressure-unit",
        "--pressure-type", "--deviation", "--supply",      "--include",  "--language"};
    return names;
}

const std::vector<std::string>& SelectionFlagNames() {
    static const std::vector<std::string> names = {"--rejects", "--steps"};
    return names;
}

std::optional<DutyProblem> DutyFromOptions(const Options& o, DutyRequest& r) {
    // "volume_unit" is given as --volume-unit; the families as --include.
    auto option = [](const char* field) {
        if (std::string(field) == "families")
            return std::string("--include");
        std::string name = std::string("--") + field;
        std::replace(name.begin(), name.end(), '_', '-');
        return name;
    };
    if (auto problem = ReadDuty([&](const char* f) { return o.get(option(f)); }, option, r))
        return problem;
    r.rejects = o.has("--rejects");
    r.steps = o.has("--steps");
    return std::nullopt;
}

int ReportProblem(const char* cmd, const DutyProblem& p) {
    if (p.exit == kUsage)
        std::fprintf(stderr, "vdcat %s: %s\n(see vdcat %s --help)\n", cmd, p.message.c_str(), cmd);
    else
        PrintError(p.message);
    return p.exit;
}

// The data root and the language of the duty options; a warning when the
// language texts cannot be read.
void PrepareDataAndLanguage(const char* cmd, const Options& o) {
    if (const std::string* d = o.get("--data"))
        vd::SetDataRoot(*d);
    const std::string* l = o.get("--language");
    if (auto warning = LoadLanguage(l ? *l : std::string()))
        std::fprintf(stderr, "vdcat %s: warning: %s\n", cmd, warning->c_str());
}

int RunSelectionFromOptions(const char* cmd, const Options& o, DutyRequest& r,
                            vd::ResultsGrid& sg) {
    if (auto problem = DutyFromOptions(o, r))
        return ReportProblem(cmd, *problem);
    PrepareDataAndLanguage(cmd, o);
    if (auto problem = RunDuty(r, sg))
        return ReportProblem(cmd, *problem);
    return kOk;
}

int FanRow(const vd::ResultsGrid& sg, long long fan) {
    for (int r = sg.FixedRows(); r < sg.RowCount(); ++r)
        if (sg.Cell(vd::ResultsGrid::kFanNo, r) == std::to_string(fan))
            return r;
    return 0;
}

int RunSelect(const Args& args) {
    std::vector<std::string> names = SelectionOptionNames();
    names.insert(names.end(), {"--encoding", "--format"});
    std::vector<std::string> flags = SelectionFlagNames();
    flags.push_back("--header");
    Options o = ParseOptions(args, names, flags);
    if (!o.error.empty())
        return Usage("select", o.error);
    if (!o.positional.empty())
        return Usage("select", "unexpected argument " + o.positional.front());
    DocumentOptions doc;
    if (const std::string* e = o.get("--encoding")) {
        if (*e == "cp1252")
            doc.cp1252 = true;
        else if (*e != "utf8")
            return Usage("select", "--encoding is utf8 or cp1252");
    }
    if (const std::string* f = o.get("--format")) {
        auto format = ParseDocumentFormat(*f);
        if (!format)
            return Usage("select", "--format is tsv, csv or json");
        doc.format = *format;
    }
    doc.header = o.has("--header");
    DutyRequest request;
    // Lives to the end of the process, which follows: freeing the rows of a
    // large result one by one would only delay it.
    static vd::ResultsGrid& sg = *new vd::ResultsGrid;
#if defined(__GLIBC__)
    // A run of a few dozen milliseconds: memory it frees (the windows' row
    // lists and verdicts) is kept for its next allocations rather than handed
    // back, so the sort and the document fault in fewer fresh pages.
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    // Each heap, the main one and each scanning thread's, is made large
    // enough for the run at once: growing it a few pages at a time takes the
    // address space's lock for writing, which stalls the other threads' page
    // faults. Address space only: a page costs memory once it is touched.
    mallopt(M_TOP_PAD, 16 << 20);
#endif
    if (int code = RunSelectionFromOptions("select", o, request, sg); code != kOk)
        return code;
    try {
        WriteSelectDocument(request, sg, doc, [](std::string_view piece) {
            std::fwrite(piece.data(), 1, piece.size(), stdout);
        });
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "vdcat select: %s\n", e.what());
        return kDataError;
    }
    return kOk;
}

int RunExplain(const Args& args) {
    std::vector<std::string> names = SelectionOptionNames();
    names.insert(names.end(), {"--fan", "--format"});
    Options o = ParseOptions(args, names, SelectionFlagNames());
    if (!o.error.empty())
        return Usage("explain", o.error);
    if (!o.positional.empty())
        return Usage("explain", "unexpected argument " + o.positional.front());
    if (!o.get("--fan"))
        return Usage("explain", "--fan is required");
    auto fan = vd::ParseInteger(*o.get("--fan"));
    if (!fan)
        return Usage("explain", "--fan is a fan number");
    bool json = false;
    if (const std::string* f = o.get("--format")) {
        if (*f != "text" && *f != "json")
            return Usage("explain", "--format is text or json");
        json = *f == "json";
    }
    DutyRequest request;
    if (auto problem = DutyFromOptions(o, request))
        return ReportProblem("explain", *problem);
    PrepareDataAndLanguage("explain", o);
    if (auto problem = StoreDuty(request))
        return ReportProblem("explain", *problem);
    vd::TFanRecord rec;
    try {
        if (!FetchFan(*fan, rec))
            return Usage("explain", "fan " + std::to_string(*fan) + " is not in the catalogue");
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "vdcat explain: %s\n", e.what());
        return kDataError;
    }
    const std::string out = ExplainDocument(request, rec, json);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kOk;
}

} // namespace vdcat
