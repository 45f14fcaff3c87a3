#pragma once
// Printing from the print page: the dialog, then each ticked printout as a job
// of its own, in a fixed order. A printout that fails is aborted without a
// word and the next one is still tried. To a file, the jobs are the pages of
// that one file.
#include "print_service.h"
#include "printouts.h"

#include <functional>

namespace vd {

struct PrintChoices {
    bool summary = true;
    bool quotation = true;
    bool instructions = true;
};

// Each job prints with `fan`, all but its canvas and page units, which the
// job sets. Returns how many jobs were finished.
int RunPrintouts(PrintService& printer, const PrintChoices& choices, const PrintContext& fan);

// One job on an open dialog's printer: begin, draw, end, or abort on any
// failure. True when the job was finished.
bool PrintJob(PrintService& printer, const std::string& title,
              const std::function<void(Canvas*)>& draw);

// The one job of a dialog that leaves title and orientation as chosen there
// (the window print), run to its end.
bool PrintDialogJob(PrintService& printer, const std::function<void(Canvas*)>& draw);

} // namespace vd
