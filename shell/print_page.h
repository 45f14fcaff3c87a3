#pragma once
// The print page: which printouts to print, and the quotation's details. The
// printouts also read the results grid, the chosen fan's pictures and texts,
// and the ticked ancillaries from their pages.
#include "page.h"
#include "printouts.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace vd {

class AncillaryPage;
class DiagramPage;
class InputPage;

class PrintPage : public Page {
    Q_OBJECT
  public:
    PrintPage(UiServices services, const InputPage& input, DiagramPage& diagram,
              const AncillaryPage& ancillaries, QWidget* parent = nullptr);

    // What the printouts print from this page and the others.
    PrintTexts CollectPrintTexts() const;

    QLabel* lb_print = nullptr;
    TNoShape *bn_cusclose = nullptr, *bn_cusprint = nullptr;
    QCheckBox *chk_printSummary = nullptr, *chk_PrintQuotation = nullptr,
              *chk_printInstructions = nullptr;
    QLabel *lb_date = nullptr, *lb_company = nullptr, *lb_attention = nullptr,
           *lb_project = nullptr, *lb_reference = nullptr, *lb_quote = nullptr, *lb_value = nullptr,
           *lb_item = nullptr, *lb_despatch = nullptr, *lb_validity = nullptr, *lb_qty = nullptr,
           *lb_contact2 = nullptr, *lb_delivery = nullptr, *lb_terms = nullptr;
    QDateEdit* ed_date = nullptr;
    QLineEdit *ed_company = nullptr, *ed_attention = nullptr, *ed_project = nullptr,
              *ed_reference = nullptr, *ed_quote = nullptr, *ed_value = nullptr, *ed_item = nullptr,
              *ed_despatch = nullptr, *ed_validity = nullptr, *ed_qty = nullptr,
              *ed_contact = nullptr, *ed_delivery = nullptr, *ed_terms = nullptr;
    // The quotation's footer, from the language's quotation file; never shown.
    QPlainTextEdit* memo_print = nullptr;

  private:
    void bn_cusprintClick();

    const InputPage& input_;
    DiagramPage& diagram_;
    const AncillaryPage& ancillaries_;
};

} // namespace vd
