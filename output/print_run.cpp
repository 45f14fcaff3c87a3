#include "print_run.h"

#include "vd_variables.h"

#include <exception>

namespace vd {

bool PrintJob(PrintService& printer, const std::string& title,
              const std::function<void(Canvas*)>& draw) {
    Canvas* canvas = printer.BeginJob(title);
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

int RunPrintouts(PrintService& printer, const PrintChoices& choices,
                 const std::function<PrintContext(Canvas*, int, int)>& context) {
    if (!printer.ShowDialog())
        return 0;
    const int unitX = PageUnit(printer.DpiX());
    const int unitY = PageUnit(printer.DpiY());
    const std::string title = LanguageText[248];
    using Printout = void (*)(const PrintContext&);
    const std::pair<bool, Printout> jobs[] = {{choices.summary, &PrintSummary},
                                              {choices.quotation, &PrintQuotation},
                                              {choices.instructions, &PrintInstructions}};
    int finished = 0;
    for (const auto& [ticked, print] : jobs)
        if (ticked)
            finished += PrintJob(printer, title,
                                 [&](Canvas* canvas) { print(context(canvas, unitX, unitY)); });
    return finished;
}

} // namespace vd
