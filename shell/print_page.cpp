#include "print_page.h"

#include "ancillary_page.h"
#include "diagram_page.h"
#include "input_page.h"
#include "noshape.h"
#include "paths.h"
#include "picture_box.h"
#include "print_run.h"
#include "qpainter_canvas.h"
#include "qt_print_service.h"
#include "qt_text.h"
#include "vd_variables.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <optional>

namespace vd {

namespace {

std::string Text(const QLabel* l) {
    return l ? ToCp1252(l->text()) : std::string();
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

PrintPage::PrintPage(UiServices services, const InputPage& input, DiagramPage& diagram,
                     const AncillaryPage& ancillaries, QWidget* parent)
    : Page("aPrint", true, services, parent), input_(input), diagram_(diagram),
      ancillaries_(ancillaries) {
    lb_print = NewTitle("lb_print", 90, 19);
    bn_cusprint = NewButton("bn_cusprint", 342, 10);
    connect(bn_cusprint, &TNoShape::clicked, this, &PrintPage::bn_cusprintClick);
    bn_cusclose = NewButton("bn_cusclose", 478, 10);

    auto* panel = new QFrame(this);
    panel->setObjectName("pn_print");
    panel->setGeometry(90, 60, 514, 361);
    panel->setFrameShape(QFrame::Box);
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    panel->setPalette(p);

    auto* group = new QGroupBox(panel);
    group->setObjectName("gb_print");
    group->setGeometry(8, 8, 497, 57);
    auto check = [&](const char* name, int x, int y) {
        auto* c = new QCheckBox(group);
        c->setObjectName(name);
        c->setGeometry(x, y, 236, 18);
        c->setChecked(true);
        return c;
    };
    chk_printSummary = check("chk_printSummary", 6, 11);
    chk_PrintQuotation = check("chk_PrintQuotation", 254, 9);
    chk_printInstructions = check("chk_printInstructions", 6, 34);

    QFont bold("Liberation Sans");
    bold.setPixelSize(13);
    bold.setBold(true);
    auto label = [&](const char* name, int x, int y) {
        // Each label runs up to its edit: 102 pixels on the left, more on the right.
        QLabel* l = Label(panel, name, x, y,
                          x < 100 ? 102 : (std::string(name) == "lb_contact2" ? 101 : 140), 16);
        l->setFont(bold);
        return l;
    };
    lb_date = label("lb_date", 6, 77);
    ed_date = new QDateEdit(QDate::currentDate(), panel);
    ed_date->setObjectName("ed_date");
    ed_date->setGeometry(112, 76, 89, 19);
    ed_date->setCalendarPopup(true);
    lb_company = label("lb_company", 6, 103);
    ed_company = Edit(panel, "ed_company", 112, 102, 200);
    lb_attention = label("lb_attention", 6, 129);
    ed_attention = Edit(panel, "ed_attention", 112, 127, 201);
    lb_project = label("lb_project", 6, 155);
    ed_project = Edit(panel, "ed_project", 112, 153, 201);
    lb_reference = label("lb_reference", 6, 181);
    ed_reference = Edit(panel, "ed_reference", 112, 179, 201);
    lb_quote = label("lb_quote", 6, 207);
    ed_quote = Edit(panel, "ed_quote", 112, 205, 97);
    lb_value = label("lb_value", 216, 206);
    ed_value = Edit(panel, "ed_value", 360, 205, 97);
    lb_item = label("lb_item", 6, 232);
    ed_item = Edit(panel, "ed_item", 112, 230, 97);
    lb_despatch = label("lb_despatch", 216, 231);
    ed_despatch = Edit(panel, "ed_despatch", 360, 230, 97);
    lb_validity = label("lb_validity", 6, 258);
    ed_validity = Edit(panel, "ed_validity", 112, 256, 97);
    lb_qty = label("lb_qty", 6, 284);
    ed_qty = Edit(panel, "ed_qty", 112, 282, 97);
    lb_contact2 = label("lb_contact2", 216, 283);
    ed_contact = Edit(panel, "ed_contact", 321, 282, 185);
    lb_delivery = label("lb_delivery", 6, 310);
    ed_delivery = Edit(panel, "ed_delivery", 112, 307, 394);
    lb_terms = label("lb_terms", 6, 336);
    ed_terms = Edit(panel, "ed_terms", 112, 333, 394);
    const std::pair<QLabel*, QWidget*> labelled[] = {{lb_date, ed_date},
                                                     {lb_company, ed_company},
                                                     {lb_attention, ed_attention},
                                                     {lb_project, ed_project},
                                                     {lb_reference, ed_reference},
                                                     {lb_quote, ed_quote},
                                                     {lb_value, ed_value},
                                                     {lb_item, ed_item},
                                                     {lb_despatch, ed_despatch},
                                                     {lb_validity, ed_validity},
                                                     {lb_qty, ed_qty},
                                                     {lb_contact2, ed_contact},
                                                     {lb_delivery, ed_delivery},
                                                     {lb_terms, ed_terms}};
    for (const auto& [l, edit] : labelled)
        l->setBuddy(edit);
    QWidget* order[] = {ed_date,  ed_company, ed_attention, ed_project,  ed_reference,
                        ed_quote, ed_value,   ed_item,      ed_despatch, ed_validity,
                        ed_qty,   ed_contact, ed_delivery,  ed_terms,    group};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);

    memo_print = new QPlainTextEdit(this);
    memo_print->setObjectName("memo_print");
    memo_print->hide();
}

PrintTexts PrintPage::CollectPrintTexts() const {
    PrintTexts t;
    for (const PrintLabel& label : PrintLabels()) {
        const QString name = QString::fromLatin1(label.control);
        const QLabel* shown = findChild<QLabel*>(name);
        t.*label.text = Text(shown ? shown : ancillaries_.findChild<QLabel*>(name));
    }
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
    t.ancillaries = ancillaries_.TickedAncillaries();
    return t;
}

void PrintPage::bn_cusprintClick() {
    if (!services_.printer)
        return;
    const PrintTexts texts = CollectPrintTexts();
    std::optional<QtCanvasPicture> drawing, diagram;
    const std::string logo =
        ResolveDataPath("pics\\vandrel_logo.wmf", std::filesystem::path(AppDir)).string();
    PrintChoices choices{chk_printSummary->isChecked(), chk_PrintQuotation->isChecked(),
                         chk_printInstructions->isChecked()};
    PrintContext c;
    c.texts = &texts;
    c.grid = &input_.sgModel;
    c.detail = &diagram_;
    c.dataSheetLogo = logo;
    c.loadPicture = LoadPrintPicture;
    c.drawing = [&]() -> const CanvasPicture* {
        return &drawing.emplace(diagram_.im_draw->picture());
    };
    c.diagram = [&]() -> const CanvasPicture* {
        return &diagram.emplace(diagram_.im_diag->picture());
    };
    c.instructions = [this] { return Lines(diagram_.memo_print2); };
    RunPrintouts(*services_.printer, choices, c);
}

} // namespace vd
