#include "shell_fixture.h"

#include "calc_edit.h"
#include "codepage.h"
#include "frm_clip.h"
#include "language_file.h"
#include "noshape.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <fstream>

using namespace vd;

namespace {
const char* kAllN = "PW: N,BNBQ: N,MT: N,MTZ: N,MTZL: N,GHJ: N,GHZ: N,UDY: N,UDYZ: N,UVJ: N,"
                    "UVX: N,LW: N,EH: N,AQ: N";
}

TEST_F(ShellTest, StartUpShowsTheStartPageInTheSetupLanguage) {
    T_fm& w = Start();
    EXPECT_TRUE(messages.errors.empty()) << messages.errors.front();
    EXPECT_EQ(w.CurrentPage(), w.start);
    EXPECT_EQ(LanguageCode, "UK");
    EXPECT_EQ(w.windowTitle(), "Vandrel Catalogue");
    EXPECT_EQ(w.start->lb_build->text(), "1.00.052");
    EXPECT_EQ(w.start->bn_about->caption(), "About");
    EXPECT_EQ(w.start->FlagFrame->y(), w.start->image_UK->y());
    EXPECT_EQ(w.width(), 632);
    EXPECT_FALSE(AppDir.empty());
    EXPECT_EQ(AppDir.back(), '/');
    EXPECT_FALSE(AddressLines[1].empty());
    EXPECT_FALSE(w.print->memo_print->toPlainText().isEmpty());
    // Input defaults.
    EXPECT_EQ(w.input->cb_vunit->currentText(), "m3/s");
    EXPECT_EQ(w.input->cb_punit->currentText(), "Pa");
    EXPECT_EQ(w.input->cb_supply->currentIndex(), 0);
    EXPECT_EQ(w.input->cb_pressureType->currentIndex(), 1);
    EXPECT_EQ(w.input->cb_ducttype->currentIndex(), 0);
    EXPECT_EQ(w.input->se_volume->text(), "0");
    EXPECT_EQ(w.input->se_dev->text(), "15");
    EXPECT_TRUE(w.products->re_products->toPlainText().isEmpty());
    EXPECT_EQ(FlagSummary(), kAllN);
}

TEST_F(ShellTest, F10ShowsTheFlagSummaryOnAnyPage) {
    T_fm& w = Start();
    QTest::keyClick(&w, Qt::Key_F10);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], kAllN);
    EXPECT_EQ(messages.shown[0].size(), 95u);
    w.ShowPage(w.input);
    QTest::keyClick(w.input->se_volume, Qt::Key_F10);
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(w.CurrentPage(), w.input);
}

TEST_F(ShellTest, TheFlagFrameSitsOnTheSetupLanguagesFlag) {
    const std::pair<const char*, int> cases[] = {
        {"SW", 238}, {"FI", 276}, {"UK", 314}, {"IT", 354}, {"FR", 394}};
    for (const auto& [code, top] : cases) {
        Setup(code);
        T_fm& w = Start();
        EXPECT_EQ(w.start->FlagFrame->y(), top) << code;
        EXPECT_EQ(LanguageCode, code);
    }
    Setup("SWEDISH");
    EXPECT_EQ(Start().start->FlagFrame->y(), 238);
    EXPECT_EQ(LanguageCode, "SW");
}

TEST_F(ShellTest, EveryNavigationRowShowsItsPage) {
    T_fm& w = Start();
    struct Row {
        QWidget* from;
        TNoShape* button;
        QWidget* to;
    };
    const Row rows[] = {
        {w.start, w.start->bn_about, w.about},
        {w.start, w.start->bn_company, w.company},
        {w.start, w.start->bn_products, w.products},
        {w.start, w.start->bn_contact, w.contact},
        {w.about, w.about->bn_closeabout, w.start},
        {w.company, w.company->bn_factclose, w.start},
        {w.contact, w.contact->bn_contclose, w.start},
        {w.products, w.products->bn_closeproducts, w.start},
        {w.products, w.products->bn_choose_products, w.input},
        {w.input, w.input->bn_Sproducts, w.products},
        {w.input, w.input->bn_Smain, w.start},
        {w.diagram, w.diagram->bn_print, w.print},
        {w.diagram, w.diagram->bn_specification, w.diagram->aSpecification},
        {w.diagram, w.diagram->bn_drawing, w.diagram->aDrawing},
        {w.diagram, w.diagram->bn_reselect, w.input},
        {w.diagram, w.diagram->bn_diagram, w.diagram->aDiagram},
        {w.diagram, w.diagram->bn_maintenance, w.diagram->aMaintenance},
        {w.diagram, w.diagram->bn_ancillary, w.ancillary},
        {w.diagram, w.diagram->bn_main, w.start},
        {w.diagram->aDrawing, w.diagram->bn_diaclose, w.diagram},
        {w.diagram->aSpecification, w.diagram->bn_speclose, w.diagram},
        {w.diagram->aDiagram, w.diagram->bn_diagclose, w.diagram},
        {w.diagram->aMaintenance, w.diagram->bn_maintclose, w.diagram},
        {w.ancillary, w.ancillary->bn_closeancil, w.diagram},
        {w.print, w.print->bn_cusclose, w.diagram},
    };
    for (const Row& r : rows) {
        w.ShowPage(r.from);
        r.button->click();
        EXPECT_EQ(w.CurrentPage(), r.to) << r.button->objectName().toStdString();
    }
}

TEST_F(ShellTest, ExitAndTheCloseBoxEndTheWindow) {
    T_fm& w = Start();
    w.show();
    w.start->bn_exit->click();
    EXPECT_FALSE(w.isVisible());

    // The close box: the window system's close event on the window.
    T_fm& again = Start();
    again.show();
    ASSERT_TRUE(again.windowHandle());
    QCloseEvent close;
    close.setAccepted(false);
    QCoreApplication::sendEvent(again.windowHandle(), &close);
    EXPECT_TRUE(close.isAccepted());
    EXPECT_FALSE(again.isVisible());
}

TEST_F(ShellTest, AFlagClickChangesEveryCaptionAndKeepsThePage) {
    T_fm& w = Start();
    QTest::mouseClick(w.start->image_SW, Qt::LeftButton);
    EXPECT_EQ(LanguageCode, "SW");
    EXPECT_EQ(w.CurrentPage(), w.start);
    EXPECT_EQ(w.start->FlagFrame->y(), 238);
    EXPECT_EQ(w.windowTitle(), "Vandrel Catalogue"); // set once, at start

    // Every control that takes a language text, against the language file.
    std::ifstream swFile(dir / "txt/vd_lan.txt", std::ios::binary);
    std::ifstream ukFile(dir / "txt/vd_lan.txt", std::ios::binary);
    const auto sw = ParseLanguageFile(swFile, "SW");
    const auto uk = ParseLanguageFile(ukFile, "UK");
    auto text = [&](int entry) { return QString::fromStdString(Cp1252ToUtf8(sw[entry])); };
    auto shown = [](QWidget* c) {
        if (auto* b = qobject_cast<TNoShape*>(c))
            return b->caption();
        if (auto* l = qobject_cast<QLabel*>(c))
            return l->text();
        return qobject_cast<QAbstractButton*>(c)->text();
    };
    const StartPage& st = *w.start;
    const ProductsPage& pr = *w.products;
    const InputPage& in = *w.input;
    const DiagramPage& dg = *w.diagram;
    const PrintPage& pt = *w.print;
    const std::vector<std::pair<int, std::vector<QWidget*>>> captions = {
        {0, {st.bn_about}},
        {1,
         {w.company->bn_factclose, w.about->bn_closeabout, dg.bn_maintclose, dg.bn_diagclose,
          w.ancillary->bn_closeancil, w.contact->bn_contclose, pr.bn_closeproducts, pt.bn_cusclose,
          dg.bn_speclose, dg.bn_diaclose}},
        {2, {st.bn_exit}},
        {3, {st.bn_products, in.bn_Sproducts}},
        {5, {st.bn_contact}},
        {6, {st.bn_company}},
        {8, {in.bn_select, pr.bn_choose_products}},
        {9, {pr.lb_cdf}},
        {10, {pr.lb_rdf}},
        {11, {pr.lb_rf}},
        {13, {pr.lb_idf}},
        {14, {pr.lb_ujv}},
        {15, {pr.lb_uxv}},
        {16, {pr.lb_aqeh}},
        {17, {in.cb_rej}},
        {18, {in.bn_Smain, dg.bn_main}},
        {19, {in.lb_volume}},
        {20, {in.lb_pressure}},
        {21, {in.lb_deviation}},
        {30, {dg.bn_print, pt.bn_cusprint}},
        {31, {dg.bn_specification}},
        {32, {dg.bn_drawing}},
        {33, {dg.bn_reselect}},
        {34, {dg.bn_diagram}},
        {35, {dg.bn_maintenance}},
        {36, {dg.bn_ancillary}},
        {51, {pt.lb_company}},
        {52, {pt.lb_attention}},
        {53, {pt.lb_project}},
        {54, {pt.chk_PrintQuotation}},
        {55, {pt.chk_printInstructions}},
        {56, {dg.lb_drawing}},
        {57, {w.contact->lb_contact}},
        {58, {w.about->lb_about}},
        {62, {dg.lb_specification}},
        {63, {dg.lb_maintenance}},
        {64, {w.ancillary->lb_ancillaries}},
        {65, {dg.lb_diagram}},
        {68, {pt.lb_print}},
        {69, {pt.lb_reference}},
        {70, {pt.chk_printSummary}},
        {71, {pt.lb_date}},
        {75, {pt.lb_quote}},
        {76, {pt.lb_item}},
        {77, {pt.lb_validity}},
        {78, {pt.lb_qty}},
        {79, {pt.lb_delivery}},
        {80, {pt.lb_terms}},
        {81, {pt.lb_value}},
        {82, {pt.lb_despatch}},
        {83, {pt.lb_contact2}},
        {90, {in.lb_ductType}},
        {123, {in.lb_supply}},
        {126, {pr.lb_wf}},
    };
    int differsFromUk = 0;
    for (const auto& [entry, controls] : captions)
        for (QWidget* c : controls) {
            EXPECT_EQ(shown(c), text(entry)) << c->objectName().toStdString();
            differsFromUk += shown(c) != QString::fromStdString(Cp1252ToUtf8(uk[entry]));
        }
    EXPECT_GT(differsFromUk, 40); // the Swedish texts, not the English ones left standing

    auto items = [](const QComboBox* box) {
        QStringList l;
        for (int i = 0; i < box->count(); ++i)
            l << box->itemText(i);
        return l;
    };
    EXPECT_EQ(items(in.cb_ducttype), QStringList({text(91), text(92)}));
    EXPECT_EQ(items(in.cb_supply),
              QStringList({text(120), text(121), text(122), text(136), text(137)}));
    EXPECT_EQ(items(in.cb_pressureType), QStringList({text(124), text(125)}));
    const QListWidget* list = w.ancillary->list_ancil;
    ASSERT_EQ(list->count(), 19);
    for (int i = 0; i < list->count(); ++i)
        EXPECT_EQ(list->item(i)->text(), text(99 + i)) << i;
}

TEST_F(ShellTest, ALanguageSwitchLeavesTheThreeListsWithoutAChoice) {
    T_fm& w = Start();
    w.ShowPage(w.input);
    w.SwitchLanguage("FI");
    EXPECT_EQ(w.CurrentPage(), w.input);
    EXPECT_EQ(w.input->cb_supply->currentIndex(), -1);
    EXPECT_EQ(w.input->cb_pressureType->currentIndex(), -1);
    EXPECT_EQ(w.input->cb_ducttype->currentIndex(), -1);
    EXPECT_EQ(w.input->cb_supply->count(), 5);
    EXPECT_EQ(w.input->cb_vunit->currentIndex(), 0); // fixed lists are not touched
    EXPECT_EQ(w.input->lb_volume->text().toStdString(), Cp1252ToUtf8(LanguageText[19]));
}

TEST_F(ShellTest, AMissingLanguageFileOnAFlagClickKeepsTheOldTexts) {
    T_fm& w = Start();
    std::filesystem::remove(dir / "txt/vd_lan.txt");
    QTest::mouseClick(w.start->image_IT, Qt::LeftButton);
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(LanguageCode, "IT"); // already set when the file failed
    EXPECT_EQ(w.start->bn_exit->caption(), "Exit");
    EXPECT_EQ(w.start->FlagFrame->y(), 314);
}

TEST_F(ShellTest, AMissingTextFileStopsApplyLanguageAtThatFile) {
    T_fm& w = Start();
    const QString englishAbout = w.about->re_about->toPlainText();
    std::filesystem::remove(dir / "txt/SWcomp.txt");
    w.SwitchLanguage("SW");
    EXPECT_EQ(messages.errors.size(), 1u);
    // about and inventor came before the company file; contact and captions after it.
    EXPECT_NE(w.about->re_about->toPlainText(), englishAbout);
    EXPECT_EQ(w.start->bn_exit->caption(), "Exit");
    EXPECT_EQ(w.start->FlagFrame->y(), 314);
}

TEST_F(ShellTest, AMissingQuotationFileLeavesTheFooterEmptyAndCaptionsUnchanged) {
    T_fm& w = Start();
    std::filesystem::remove(dir / "txt/FRQuote.txt");
    w.SwitchLanguage("FR");
    EXPECT_TRUE(w.print->memo_print->toPlainText().isEmpty());
    EXPECT_EQ(w.start->bn_exit->caption(), "Exit");
}

TEST_F(ShellTest, StartUpStopsAtAMissingFileAndTheWindowStillWorks) {
    struct Case {
        const char* remove;
        const char* code;
    };
    for (const Case& c : {Case{"txt/vd_setup.txt", "UK"}, Case{"txt/vd_lan.txt", "UK"},
                          Case{"txt/UKAbout.txt", "UK"}, Case{"txt/UKAddress.txt", "UK"},
                          Case{"txt/SWAddress.txt", "SW"}}) {
        SetUp();
        Setup(c.code);
        std::filesystem::remove(dir / c.remove);
        messages.errors.clear();
        T_fm& w = Start();
        EXPECT_EQ(messages.errors.size(), 1u) << c.remove;
        EXPECT_EQ(w.CurrentPage(), w.start);
        EXPECT_EQ(FlagSummary(), kAllN) << c.remove;
        w.start->bn_about->click();
        EXPECT_EQ(w.CurrentPage(), w.about);
    }
    // Without the language file the layout's placeholder captions stay.
    SetUp();
    std::filesystem::remove(dir / "txt/vd_lan.txt");
    EXPECT_EQ(Start().start->bn_exit->caption(), "xExit");
}

TEST_F(ShellTest, AnUnknownLanguageCodeReadsTheUkColumnAndStops) {
    Setup("DE");
    T_fm& w = Start();
    EXPECT_EQ(messages.errors.size(), 1u); // no quotation file is named for DE
    EXPECT_EQ(LanguageText[2], "Exit");
    EXPECT_EQ(w.start->FlagFrame->y(), 238); // where the layout puts it
}

TEST_F(ShellTest, OnlyUkAndSwedishReadAnAddressFile) {
    Setup("IT");
    Start();
    EXPECT_TRUE(messages.errors.empty());
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(AddressLines[static_cast<size_t>(i)], "");
    Setup("SW");
    Start();
    EXPECT_FALSE(AddressLines[1].empty());
}

namespace {
struct RecordingClipboard : ClipboardService {
    std::vector<std::string> texts;
    void SetText(const std::string& text) override { texts.push_back(text); }
};
struct NoInput : InputDialogService {
    std::string InputBox(const std::string&, const std::string&,
                         const std::string& initial) override {
        return initial;
    }
};
} // namespace

TEST_F(ShellTest, TheClipboardWindowWorksThroughTheServicesHandedToTheWindow) {
    // Without a clipboard there is no clipboard export.
    EXPECT_EQ(Start().input->FrmClip, nullptr);

    RecordingClipboard clipboard;
    NoInput input;
    window.reset();
    window = std::make_unique<T_fm>(
        UiServices{.messages = &messages, .input = &input, .clipboard = &clipboard});
    window->FormCreate();
    ASSERT_NE(window->input->FrmClip, nullptr);
    EXPECT_EQ(window->input->FrmClip->parentWidget(), window.get());
    // Any report of its start-up (its field list lies beside the program)
    // reached the recorder, not a message box.
    window->input->bn_copy->click();
    EXPECT_EQ(clipboard.texts.size(), 1u);
}
