// Languages: the per-language text files, the captions and lists, the sender
// address and the language switch of the start page's flags.
#include "captions.h"
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
    // The files are read now, in this order, whether or not their pages are
    // built: a file that fails stops the rest here.
    if (const LanguageTextFiles* files = TextFilesFor(LanguageCode)) {
        const char* names[] = {files->about, files->inventor, files->company, files->contact};
        for (size_t i = 0; i < pendingTexts_.size(); ++i) {
            pendingTexts_[i] = ReadWholeFile(names[i]);
            FillTextBox(i);
        }
    }
    pendingQuote_ = QString();
    FillQuoteLines();
    QStringList lines;
    for (const std::string& line : ReadQuoteLines())
        lines << FromCp1252(line);
    pendingQuote_ = lines.join('\n');
    FillQuoteLines();

    ApplyCaptions(*this, [](const WindowCaption& c) { return Text(c.entry); });
    languageApplied_ = true;
    if (input.built())
        RefillInputLists();
    listsRefilledAfterStartValues_ = startValuesSet_;
    if (ancillary.built())
        ancillary->Retranslate();
    pageTexts_ = LanguageText;
}

void T_fm::ApplyCurrentCaptions(QWidget& root) {
    if (languageApplied_)
        ApplyCaptions(root, [](const WindowCaption& c) { return Text(c.entry); });
    else
        ApplyCaptions(root,
                      [](const WindowCaption& c) { return QString::fromLatin1(c.placeholder); });
}

void T_fm::RefillInputLists() {
    Refill(input->cb_ducttype, {91, 92});
    Refill(input->cb_supply, {120, 121, 122, 136, 137});
    Refill(input->cb_pressureType, {124, 125});
}

void T_fm::FillTextBox(size_t i) {
    QTextEdit* box = nullptr;
    if (i == 0 && about.built())
        box = about->re_about;
    else if (i == 1 && company.built())
        box = company->re_Inventor;
    else if (i == 2 && company.built())
        box = company->re_company;
    else if (i == 3 && contact.built())
        box = contact->re_contact;
    if (!box || !pendingTexts_[i])
        return;
    LoadRichOrPlainText(*box->document(), *pendingTexts_[i]);
    box->moveCursor(QTextCursor::Start); // a new text is read from its beginning
    pendingTexts_[i].reset();
}

void T_fm::FillQuoteLines() {
    if (!print.built() || !pendingQuote_)
        return;
    print->memo_print->setPlainText(*pendingQuote_);
    pendingQuote_.reset();
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
