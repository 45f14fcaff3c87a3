#include "shell_fixture.h"

#include "calc_edit.h"
#include "codepage.h"
#include "noshape.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

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
}

TEST_F(ShellTest, AFlagClickChangesEveryCaptionAndKeepsThePage) {
    T_fm& w = Start();
    QTest::mouseClick(w.start->image_SW, Qt::LeftButton);
    EXPECT_EQ(LanguageCode, "SW");
    EXPECT_EQ(w.CurrentPage(), w.start);
    EXPECT_EQ(w.start->FlagFrame->y(), 238);
    EXPECT_EQ(w.start->bn_exit->caption().toStdString(), Cp1252ToUtf8(LanguageText[2]));
    EXPECT_NE(w.start->bn_exit->caption(), "Exit");
    EXPECT_EQ(w.windowTitle(), "Vandrel Catalogue"); // set once, at start
    for (TNoShape* b : w.CloseButtons())
        EXPECT_EQ(b->caption(), w.about->bn_closeabout->caption());
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
