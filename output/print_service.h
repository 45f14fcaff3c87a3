#pragma once
// The printer as the printouts need it: a print dialog, the chosen printer's
// resolution, and one-page jobs with a title, started, finished or aborted.
// The window passes the Qt printer; tests pass a recorder.
#include "canvas.h"

#include <string>

namespace vd {

class PrintService {
  public:
    virtual ~PrintService() = default;
    // Shows the print dialog; false when the user cancels.
    virtual bool ShowDialog() = 0;
    // The chosen printer's resolution in dots per inch.
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    // Starts a portrait job; nullptr when the printer refuses it.
    virtual Canvas* BeginJob(const std::string& title) = 0;
    // Starts a job with the title and orientation chosen in the dialog.
    virtual Canvas* BeginDialogJob() { return BeginJob(std::string()); }
    virtual void EndJob() = 0;
    virtual void AbortJob() = 0;
    // Ends what the dialog began: a file that holds the run's pages is closed.
    virtual void FinishRun() {}
};

} // namespace vd
