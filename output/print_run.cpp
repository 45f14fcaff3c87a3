#include "print_run.h"

#include "text_entries.h"
#include "vd_variables.h"

#include <exception>

namespace vd {

namespace {

bool Print(PrintService& printer, Canvas* canvas, const std::function<void(Canvas*)>& draw) {
    if (!canvas)
        return false;
    try {
        draw(canvas);
        printer.EndJob();
        return true;
    } catch (const std::exception&) {
        printer.AbortJob();
        return false;
    }
}

} // namespace

bool PrintJob(PrintService& printer, const std::string& title,
              const std::function<void(Canvas*)>& draw) {
    return Print(printer, printer.BeginJob(title), draw);
}

bool PrintDialogJob(PrintService& printer, const std::function<void(Canvas*)>& draw) {
    const bool printed = Print(printer, printer.BeginDialogJob(), draw);
    printer.FinishRun();
    return printed;
}

int RunPrintouts(PrintService& printer, const PrintChoices& choices, const PrintContext& fan) {
    if (!printer.ShowDialog())
        return 0;
    const int unitX = PageUnit(printer.DpiX());
    const int unitY = PageUnit(printer.DpiY());
    const std::string title = LanguageText[entry::kPrintJobTitle];
    using Printout = void (*)(const PrintContext&);
    const std::pair<bool, Printout> jobs[] = {{choices.summary, &PrintSummary},
                                              {choices.quotation, &PrintQuotation},
                                              {choices.instructions, &PrintInstructions}};
    int finished = 0;
    for (const auto& job : jobs) {
        if (!job.first)
            continue;
        const Printout print = job.second;
        finished += PrintJob(printer, title, [&](Canvas* canvas) {
            PrintContext c = fan;
            c.canvas = canvas;
            c.pageUnitX = unitX;
            c.pageUnitY = unitY;
            print(c);
        });
    }
    printer.FinishRun();
    return finished;
}

} // namespace vd
