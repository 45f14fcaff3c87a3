#pragma once
// The three printed pages for the chosen fan: data sheet, quotation and
// instruction sheet. Positions are page units of 1/20 inch on the printer's
// canvas; each printout is one page of its own print job.
#include "canvas.h"
#include "performance_diagram.h"
#include "results_grid.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vd {

// What the print page and the other pages hold when printing starts; texts
// are Windows-1252 as shown.
struct PrintTexts {
    // Captions of the print page's labels.
    std::string lb_date, lb_company, lb_attention, lb_project, lb_reference, lb_quote, lb_item,
        lb_contact2, lb_qty, lb_ancillaries;
    // The edits' texts.
    std::string ed_date, ed_company, ed_attention, ed_project, ed_reference, ed_quote, ed_item,
        ed_contact, ed_qty, ed_value, ed_despatch, ed_delivery, ed_validity, ed_terms;
    std::vector<std::string> quoteFooter; // lines of the quotation footer
    std::vector<std::string> ancillaries; // ticked ancillaries, in list order
};

// The labels of the print page (and the ancillaries page's heading) that the
// printouts show, by the name of the control that shows them.
struct PrintLabel {
    const char* control;
    std::string PrintTexts::*text;
};
std::span<const PrintLabel> PrintLabels();
// The print page's edits by the names the command line and the service give
// them ("date", "company", ...), in the page's order.
struct PrintEdit {
    const char* name;
    std::string PrintTexts::*text;
};
std::span<const PrintEdit> PrintEdits();

// Sets the labels to their captions in the current language, as the window
// applies them to its controls.
void SetPrintLabelsFromLanguage(PrintTexts& t);

struct PrintContext {
    Canvas* canvas = nullptr;
    int pageUnitX = 1, pageUnitY = 1; // printer pixels per page unit
    const PrintTexts* texts = nullptr;
    const ResultsGrid* grid = nullptr;
    DetailLoader* detail = nullptr;
    // Loads a logo metafile; FileError when it cannot be read.
    std::function<std::unique_ptr<CanvasPicture>(const std::string& path)> loadPicture;
    // The current dimension drawing and diagram-page picture (nullptr: none),
    // asked for at the moment they are drawn.
    std::function<const CanvasPicture*()> drawing;
    std::function<const CanvasPicture*()> diagram;
    // The instruction text, one entry per line, asked for when it is printed.
    std::function<std::vector<std::string>()> instructions;
    // "pics\vandrel_logo.wmf" resolved against the program's own directory.
    std::string dataSheetLogo;
};

// Page-unit factor from a printer resolution in dots per inch.
inline int PageUnit(int dpi) {
    return dpi / 20;
}

void PrintSummary(const PrintContext& c);
void PrintQuotation(const PrintContext& c);
void PrintInstructions(const PrintContext& c);

} // namespace vd
