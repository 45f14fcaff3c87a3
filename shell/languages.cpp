// Languages: the per-language text files, the captions and lists, the sender
// address and the language switch of the start page's flags.
#include "errors.h"
#include "language_file.h"
#include "language_texts.h"
#include "main_window.h"

#include "about_page.h"
#include "ancillary_page.h"
#include "company_page.h"
#include "contact_page.h"
#include "diagram_page.h"
#include "input_page.h"
#include "noshape.h"
#include "paths.h"
#include "print_page.h"
#include "products_page.h"
#include "qt_text.h"
#include "start_page.h"
#include "text_loader.h"
#include "vd_variables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace vd {

namespace {

QString Text(int entry) {
    return FromCp1252(LanguageText[static_cast<size_t>(entry)]);
}

void Refill(QComboBox* box, std::initializer_list<int> entries) {
    const QSignalBlocker block(box);
    box->clear();
    for (int e : entries)
        box->addItem(Text(e));
    box->setCurrentIndex(-1);
}

} // namespace

void T_fm::ApplyLanguage() {
    const LanguageTextFiles* files = TextFilesFor(LanguageCode);
    if (files) {
        const std::pair<QTextEdit*, const char*> boxes[] = {{about->re_about, files->about},
                                                            {company->re_Inventor, files->inventor},
                                                            {company->re_company, files->company},
                                                            {contact->re_contact, files->contact}};
        for (const auto& [box, file] : boxes) {
            LoadDataTextFile(*box->document(), file);
            box->moveCursor(QTextCursor::Start); // a new text is read from its beginning
        }
    }
    print->memo_print->clear();
    QStringList lines;
    for (const std::string& line : ReadQuoteLines())
        lines << FromCp1252(line);
    print->memo_print->setPlainText(lines.join('\n'));

    start->bn_about->setCaption(Text(0));
    for (TNoShape* b : CloseButtons())
        b->setCaption(Text(1));
    start->bn_exit->setCaption(Text(2));
    start->bn_products->setCaption(Text(3));
    input->bn_Sproducts->setCaption(Text(3));
    start->bn_contact->setCaption(Text(5));
    start->bn_company->setCaption(Text(6));
    input->bn_select->setCaption(Text(8));
    products->bn_choose_products->setCaption(Text(8));
    products->lb_cdf->setText(Text(9));
    products->lb_rdf->setText(Text(10));
    products->lb_rf->setText(Text(11));
    products->lb_idf->setText(Text(13));
    products->lb_ujv->setText(Text(14));
    products->lb_uxv->setText(Text(15));
    products->lb_aqeh->setText(Text(16));
    input->cb_rej->setText(Text(17));
    input->bn_Smain->setCaption(Text(18));
    diagram->bn_main->setCaption(Text(18));
    input->lb_volume->setText(Text(19));
    input->lb_pressure->setText(Text(20));
    input->lb_deviation->setText(Text(21));
    diagram->bn_print->setCaption(Text(30));
    print->bn_cusprint->setCaption(Text(30));
    diagram->bn_specification->setCaption(Text(31));
    diagram->bn_drawing->setCaption(Text(32));
    diagram->bn_reselect->setCaption(Text(33));
    diagram->bn_diagram->setCaption(Text(34));
    diagram->bn_maintenance->setCaption(Text(35));
    diagram->bn_ancillary->setCaption(Text(36));
    print->lb_company->setText(Text(51));
    print->lb_attention->setText(Text(52));
    print->lb_project->setText(Text(53));
    print->chk_PrintQuotation->setText(Text(54));
    print->chk_printInstructions->setText(Text(55));
    diagram->lb_drawing->setText(Text(56));
    contact->lb_contact->setText(Text(57));
    about->lb_about->setText(Text(58));
    diagram->lb_specification->setText(Text(62));
    diagram->lb_maintenance->setText(Text(63));
    ancillary->lb_ancillaries->setText(Text(64));
    diagram->lb_diagram->setText(Text(65));
    print->lb_print->setText(Text(68));
    print->lb_reference->setText(Text(69));
    print->chk_printSummary->setText(Text(70));
    print->lb_date->setText(Text(71));
    QLabel* printLabels[] = {print->lb_quote, print->lb_item,     print->lb_validity,
                             print->lb_qty,   print->lb_delivery, print->lb_terms,
                             print->lb_value, print->lb_despatch, print->lb_contact2};
    for (int i = 0; i < 9; ++i)
        printLabels[i]->setText(Text(75 + i));
    input->lb_ductType->setText(Text(90));
    Refill(input->cb_ducttype, {91, 92});
    ancillary->Retranslate();
    Refill(input->cb_supply, {120, 121, 122, 136, 137});
    Refill(input->cb_pressureType, {124, 125});
    input->lb_supply->setText(Text(123));
    products->lb_wf->setText(Text(126));
}

void T_fm::SwitchLanguage(const std::string& code) {
    LanguageCode = code;
    RunGuarded(*services_.messages, [&] {
        ReadLanguageFile();
        ApplyLanguage();
        start->MoveFlagFrame();
    });
}

} // namespace vd
