// Printing: the print page's printouts and the window print on Ctrl+P.
#include "main_window.h"
#include "paths.h"
#include "picture_box.h"
#include "print_run.h"
#include "qpainter_canvas.h"
#include "qt_print_service.h"
#include "qt_text.h"
#include "vd_variables.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <optional>

namespace vd {

namespace {

std::string Text(const QLabel* l) {
    return ToCp1252(l->text());
}
std::string Text(const QLineEdit* e) {
    return ToCp1252(e->text());
}

std::vector<std::string> Lines(const QPlainTextEdit* memo) {
    std::vector<std::string> lines;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        lines.push_back(ToCp1252(b.text()));
    // The empty paragraph after a final line end is not a line of its own.
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

} // namespace

PrintTexts T_fm::CollectPrintTexts() const {
    PrintTexts t;
    t.lb_date = Text(lb_date);
    t.lb_company = Text(lb_company);
    t.lb_attention = Text(lb_attention);
    t.lb_project = Text(lb_project);
    t.lb_reference = Text(lb_reference);
    t.lb_quote = Text(lb_quote);
    t.lb_item = Text(lb_item);
    t.lb_contact2 = Text(lb_contact2);
    t.lb_qty = Text(lb_qty);
    t.lb_ancillaries = Text(lb_ancillaries);
    t.ed_date = ToCp1252(ed_date->text());
    t.ed_company = Text(ed_company);
    t.ed_attention = Text(ed_attention);
    t.ed_project = Text(ed_project);
    t.ed_reference = Text(ed_reference);
    t.ed_quote = Text(ed_quote);
    t.ed_item = Text(ed_item);
    t.ed_contact = Text(ed_contact);
    t.ed_qty = Text(ed_qty);
    t.ed_value = Text(ed_value);
    t.ed_despatch = Text(ed_despatch);
    t.ed_delivery = Text(ed_delivery);
    t.ed_validity = Text(ed_validity);
    t.ed_terms = Text(ed_terms);
    t.quoteFooter = Lines(memo_print);
    t.ancillaries = TickedAncillaries();
    return t;
}

void T_fm::bn_cusprintClick() {
    if (!services_.printer)
        return;
    const PrintTexts texts = CollectPrintTexts();
    std::optional<QtCanvasPicture> drawing, diagram;
    const std::string logo =
        ResolveDataPath("pics\\vandrel_logo.wmf", std::filesystem::path(AppDir)).string();
    PrintChoices choices{chk_printSummary->isChecked(), chk_PrintQuotation->isChecked(),
                         chk_printInstructions->isChecked()};
    RunPrintouts(*services_.printer, choices, [&](Canvas* canvas, int unitX, int unitY) {
        PrintContext c;
        c.canvas = canvas;
        c.pageUnitX = unitX;
        c.pageUnitY = unitY;
        c.texts = &texts;
        c.grid = &sgModel;
        c.detail = this;
        c.dataSheetLogo = logo;
        c.loadPicture = LoadPrintPicture;
        c.drawing = [&]() -> const CanvasPicture* { return &drawing.emplace(im_draw->picture()); };
        c.diagram = [&]() -> const CanvasPicture* { return &diagram.emplace(im_diag->picture()); };
        c.instructions = [this] { return Lines(memo_print2); };
        return c;
    });
}

void T_fm::WindowPrint() {
    if (!services_.printer || !services_.printer->ShowDialog())
        return;
    const QImage image = grab().toImage();
    const int dpiX = services_.printer->DpiX(), dpiY = services_.printer->DpiY();
    const QtCanvasPicture picture(Picture::FromImage(image));
    // As large on paper as on a 96-dpi screen.
    PrintJob(*services_.printer, "Vandrel Catalogue", [&](Canvas* canvas) {
        canvas->StretchDraw(0, 0, image.width() * dpiX / 96, image.height() * dpiY / 96, &picture);
    });
}

} // namespace vd
