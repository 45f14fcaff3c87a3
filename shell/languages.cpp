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

    ApplyCaptions(*this, [](const WindowCaption& c) { return Text(c.entry); });
    Refill(input->cb_ducttype, {91, 92});
    ancillary->Retranslate();
    Refill(input->cb_supply, {120, 121, 122, 136, 137});
    Refill(input->cb_pressureType, {124, 125});
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
