// vdcat schedule: a batch of duties from a CSV file, each selected over the
// catalogue read once; the first rows of each, and optionally the printouts
// of each duty's first fan.
#include "commands.h"

#include "errors.h"
#include "number_text.h"
#include "paths.h"
#include "schedule.h"
#include "select_fans.h"

#ifdef VDCAT_WITH_QT
#include "gui_app.h"
#endif

#include <cstdio>
#include <filesystem>
#include <set>

namespace vdcat {

int RunSchedule(const Args& args) {
    Options o =
        ParseOptions(args, {"--data", "--language", "--top", "--format", "--print"}, {"--steps"});
    if (!o.error.empty())
        return Usage("schedule", o.error);
    if (o.positional.size() != 1)
        return Usage("schedule", "needs one schedule FILE");
    int top = 3;
    if (const std::string* t = o.get("--top")) {
        auto v = vd::ParseInteger(*t);
        if (!v || *v < 1 || *v > 100000)
            return Usage("schedule", "--top is a number of rows from 1");
        top = static_cast<int>(*v);
    }
    DocumentFormat format = DocumentFormat::Csv;
    if (const std::string* f = o.get("--format")) {
        auto v = ParseDocumentFormat(*f);
        if (!v || *v == DocumentFormat::Tsv)
            return Usage("schedule", "--format is csv or json");
        format = *v;
    }
    const std::string* printDir = o.get("--print");
#ifndef VDCAT_WITH_QT
    if (printDir)
        return Usage("schedule", "--print needs a vdcat built with Qt");
#endif

    const std::string& file = o.positional.front();
    std::string text, error;
    try {
        text = vd::ReadWholeFileAt(file, file, 1u << 28);
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "vdcat schedule: %s\n", e.what());
        return kDataError;
    }
    std::vector<ScheduleLine> lines = ParseSchedule(text, error);
    if (!error.empty())
        return Usage("schedule", file + ": " + error);

    PrepareDataAndLanguage("schedule", o);
    vd::CatalogueImage catalogue;
    try {
        catalogue = vd::ReadCatalogueImage();
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "vdcat schedule: %s\n", e.what());
        return kDataError;
    }

#ifdef VDCAT_WITH_QT
    std::unique_ptr<QGuiApplication> app;
    if (printDir)
        app = StartOffscreenGui();
#endif
    int failed = 0;
    auto report = [&](const ScheduleLine& line, const std::string& why) {
        std::string message = "vdcat schedule: " + file + ":" + std::to_string(line.line) + ": " +
                              (line.tag.empty() ? std::string() : line.tag + ": ");
        std::fprintf(stderr, "%s", message.c_str());
        PrintError(why);
    };
    ScheduleDocument document(format, top, o.has("--steps"));
    std::set<std::string> printed;
    for (ScheduleLine& line : lines) {
        line.request.steps = o.has("--steps");
        if (line.problem) {
            report(line, line.problem->message);
            ++failed;
            continue;
        }
        vd::ResultsGrid grid;
        auto problem = RunDuty(line.request, grid, &catalogue);
        if (problem && problem->exit != kNoResult) {
            report(line, problem->message);
            ++failed;
            continue;
        }
        // No fan for a duty is an answer, not a failure: the line has no rows.
        document.AddDuty(line, problem ? nullptr : &grid, &catalogue);
        if (problem)
            report(line, problem->message);
#ifdef VDCAT_WITH_QT
        if (printDir && !problem) {
            std::string name = SafeFileName(line.tag);
            if (!printed.insert(name).second)
                name += "_line" + std::to_string(line.line);
            printed.insert(name);
            const std::filesystem::path pdf = std::filesystem::path(*printDir) / (name + ".pdf");
            std::error_code ec;
            std::filesystem::create_directories(*printDir, ec);
            if (PrintFirstFan(grid, pdf.string()) != kOk) {
                report(line, "the printouts of " + pdf.string() + " are not complete");
                ++failed;
            }
        }
#endif
    }
    const std::string out = document.Finish();
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (failed) {
        std::fprintf(stderr, "vdcat schedule: %d of %zu line%s failed\n", failed, lines.size(),
                     lines.size() == 1 ? "" : "s");
        return kIncomplete;
    }
    return kOk;
}

} // namespace vdcat
