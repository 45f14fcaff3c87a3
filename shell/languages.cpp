// Languages: the per-language text files, the captions and lists, the sender
// address and the language switch of the start page's flags.
#include "errors.h"
#include "language_file.h"
#include "language_texts.h"
#include "main_window.h"
#include "noshape.h"
#include "paths.h"
#include "qt_text.h"
#include "text_loader.h"
#include "ui_seams.h"
#include "vd_variables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
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
        const std::pair<QTextEdit*, const char*> boxes[] = {{re_about, files->about},
                                                            {re_Inventor, files->inventor},
                                                            {re_company, files->company},
                                                            {re_contact, files->contact}};
        for (const auto& [box, file] : boxes) {
            LoadDataTextFile(*box->document(), file);
            box->moveCursor(QTextCursor::Start); // a new text is read from its beginning
        }
    }
    memo_print->clear();
    QStringList lines;
    for (const std::string& line : ReadQuoteLines())
        lines << FromCp1252(line);
    memo_print->setPlainText(lines.join('\n'));

    bn_about->setCaption(Text(0));
    for (TNoShape* b : CloseButtons())
        b->setCaption(Text(1));
    bn_exit->setCaption(Text(2));
    bn_products->setCaption(Text(3));
    bn_Sproducts->setCaption(Text(3));
    bn_contact->setCaption(Text(5));
    bn_company->setCaption(Text(6));
    bn_select->setCaption(Text(8));
    bn_choose_products->setCaption(Text(8));
    lb_cdf->setText(Text(9));
    lb_rdf->setText(Text(10));
    lb_rf->setText(Text(11));
    lb_idf->setText(Text(13));
    lb_ujv->setText(Text(14));
    lb_uxv->setText(Text(15));
    lb_aqeh->setText(Text(16));
    cb_rej->setText(Text(17));
    bn_Smain->setCaption(Text(18));
    bn_main->setCaption(Text(18));
    lb_volume->setText(Text(19));
    lb_pressure->setText(Text(20));
    lb_deviation->setText(Text(21));
    bn_print->setCaption(Text(30));
    bn_cusprint->setCaption(Text(30));
    bn_specification->setCaption(Text(31));
    bn_drawing->setCaption(Text(32));
    bn_reselect->setCaption(Text(33));
    bn_diagram->setCaption(Text(34));
    bn_maintenance->setCaption(Text(35));
    bn_ancillary->setCaption(Text(36));
    lb_company->setText(Text(51));
    lb_attention->setText(Text(52));
    lb_project->setText(Text(53));
    chk_PrintQuotation->setText(Text(54));
    chk_printInstructions->setText(Text(55));
    lb_drawing->setText(Text(56));
    lb_contact->setText(Text(57));
    lb_about->setText(Text(58));
    lb_specification->setText(Text(62));
    lb_maintenance->setText(Text(63));
    lb_ancillaries->setText(Text(64));
    lb_diagram->setText(Text(65));
    lb_print->setText(Text(68));
    lb_reference->setText(Text(69));
    chk_printSummary->setText(Text(70));
    lb_date->setText(Text(71));
    QLabel* printLabels[] = {lb_quote, lb_item,  lb_validity, lb_qty,     lb_delivery,
                             lb_terms, lb_value, lb_despatch, lb_contact2};
    for (int i = 0; i < 9; ++i)
        printLabels[i]->setText(Text(75 + i));
    lb_ductType->setText(Text(90));
    Refill(cb_ducttype, {91, 92});
    RetranslateAncillaries();
    Refill(cb_supply, {120, 121, 122, 136, 137});
    Refill(cb_pressureType, {124, 125});
    lb_supply->setText(Text(123));
    lb_wf->setText(Text(126));
}

void T_fm::SwitchLanguage(const std::string& code) {
    LanguageCode = code;
    Guarded([&] {
        ReadLanguageFile();
        ApplyLanguage();
        MoveFlagFrame();
    });
}

bool T_fm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == aProducts && ProductsPageEvent(event))
        return true;
    if (event->type() == QEvent::MouseButtonRelease &&
        watched->property("languageCode").isValid()) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* flag = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            flag->rect().contains(mouse->position().toPoint())) {
            SwitchLanguage(watched->property("languageCode").toString().toStdString());
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if ((w == this || isAncestorOf(w)) && key->key() == Qt::Key_F10) {
            ShowFlagSummary();
            return true;
        }
        if ((w == this || isAncestorOf(w)) && key->key() == Qt::Key_P &&
            (key->modifiers() & Qt::ControlModifier)) {
            WindowPrint();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vd
