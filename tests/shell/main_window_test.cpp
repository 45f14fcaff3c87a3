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
    EXPECT_EQ(w.CurrentPage(), w.aMain);
    EXPECT_EQ(LanguageCode, "UK");
    EXPECT_EQ(w.windowTitle(), "Vandrel Catalogue");
    EXPECT_EQ(w.lb_build->text(), "1.00.052");
    EXPECT_EQ(w.bn_about->caption(), "About");
    EXPECT_EQ(w.FlagFrame->y(), w.image_UK->y());
    EXPECT_EQ(w.width(), 632);
    EXPECT_FALSE(AppDir.empty());
    EXPECT_EQ(AppDir.back(), '/');
    EXPECT_FALSE(AddressLines[1].empty());
    EXPECT_FALSE(w.memo_print->toPlainText().isEmpty());
    // Input defaults.
    EXPECT_EQ(w.cb_vunit->currentText(), "m3/s");
    EXPECT_EQ(w.cb_punit->currentText(), "Pa");
    EXPECT_EQ(w.cb_supply->currentIndex(), 0);
    EXPECT_EQ(w.cb_pressureType->currentIndex(), 1);
    EXPECT_EQ(w.cb_ducttype->currentIndex(), 0);
    EXPECT_EQ(w.se_volume->text(), "0");
    EXPECT_EQ(w.se_dev->text(), "15");
    EXPECT_TRUE(w.re_products->toPlainText().isEmpty());
    EXPECT_EQ(FlagSummary(), kAllN);
}

TEST_F(ShellTest, F10ShowsTheFlagSummaryOnAnyPage) {
    T_fm& w = Start();
    QTest::keyClick(&w, Qt::Key_F10);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], kAllN);
    EXPECT_EQ(messages.shown[0].size(), 95u);
    w.ShowPage(w.aInput);
    QTest::keyClick(w.se_volume, Qt::Key_F10);
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(w.CurrentPage(), w.aInput);
}

TEST_F(ShellTest, TheFlagFrameSitsOnTheSetupLanguagesFlag) {
    const std::pair<const char*, int> cases[] = {
        {"SW", 238}, {"FI", 276}, {"UK", 314}, {"IT", 354}, {"FR", 394}};
    for (const auto& [code, top] : cases) {
        Setup(code);
        T_fm& w = Start();
        EXPECT_EQ(w.FlagFrame->y(), top) << code;
        EXPECT_EQ(LanguageCode, code);
    }
    Setup("SWEDISH");
    EXPECT_EQ(Start().FlagFrame->y(), 238);
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
        {w.aMain, w.bn_about, w.aAbout},
        {w.aMain, w.bn_company, w.aCompany},
        {w.aMain, w.bn_products, w.aProducts},
        {w.aMain, w.bn_contact, w.aContact},
        {w.aAbout, w.bn_closeabout, w.aMain},
        {w.aCompany, w.bn_factclose, w.aMain},
        {w.aContact, w.bn_contclose, w.aMain},
        {w.aProducts, w.bn_closeproducts, w.aMain},
        {w.aProducts, w.bn_choose_products, w.aInput},
        {w.aInput, w.bn_Sproducts, w.aProducts},
        {w.aInput, w.bn_Smain, w.aMain},
        {w.aGraph, w.bn_print, w.aPrint},
        {w.aGraph, w.bn_specification, w.aSpecification},
        {w.aGraph, w.bn_drawing, w.aDrawing},
        {w.aGraph, w.bn_reselect, w.aInput},
        {w.aGraph, w.bn_diagram, w.aDiagram},
        {w.aGraph, w.bn_maintenance, w.aMaintenance},
        {w.aGraph, w.bn_ancillary, w.aAncillary},
        {w.aGraph, w.bn_main, w.aMain},
        {w.aDrawing, w.bn_diaclose, w.aGraph},
        {w.aSpecification, w.bn_speclose, w.aGraph},
        {w.aDiagram, w.bn_diagclose, w.aGraph},
        {w.aMaintenance, w.bn_maintclose, w.aGraph},
        {w.aAncillary, w.bn_closeancil, w.aGraph},
        {w.aPrint, w.bn_cusclose, w.aGraph},
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
    w.bn_exit->click();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(ShellTest, AFlagClickChangesEveryCaptionAndKeepsThePage) {
    T_fm& w = Start();
    QTest::mouseClick(w.image_SW, Qt::LeftButton);
    EXPECT_EQ(LanguageCode, "SW");
    EXPECT_EQ(w.CurrentPage(), w.aMain);
    EXPECT_EQ(w.FlagFrame->y(), 238);
    EXPECT_EQ(w.bn_exit->caption().toStdString(), Cp1252ToUtf8(LanguageText[2]));
    EXPECT_NE(w.bn_exit->caption(), "Exit");
    EXPECT_EQ(w.windowTitle(), "Vandrel Catalogue"); // set once, at start
    for (TNoShape* b : w.CloseButtons())
        EXPECT_EQ(b->caption(), w.bn_closeabout->caption());
}

TEST_F(ShellTest, ALanguageSwitchLeavesTheThreeListsWithoutAChoice) {
    T_fm& w = Start();
    w.ShowPage(w.aInput);
    w.SwitchLanguage("FI");
    EXPECT_EQ(w.CurrentPage(), w.aInput);
    EXPECT_EQ(w.cb_supply->currentIndex(), -1);
    EXPECT_EQ(w.cb_pressureType->currentIndex(), -1);
    EXPECT_EQ(w.cb_ducttype->currentIndex(), -1);
    EXPECT_EQ(w.cb_supply->count(), 5);
    EXPECT_EQ(w.cb_vunit->currentIndex(), 0); // fixed lists are not touched
    EXPECT_EQ(w.lb_volume->text().toStdString(), Cp1252ToUtf8(LanguageText[19]));
}

TEST_F(ShellTest, AMissingLanguageFileOnAFlagClickKeepsTheOldTexts) {
    T_fm& w = Start();
    std::filesystem::remove(dir / "txt/vd_lan.txt");
    QTest::mouseClick(w.image_IT, Qt::LeftButton);
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(LanguageCode, "IT"); // already set when the file failed
    EXPECT_EQ(w.bn_exit->caption(), "Exit");
    EXPECT_EQ(w.FlagFrame->y(), 314);
}

TEST_F(ShellTest, AMissingTextFileStopsApplyLanguageAtThatFile) {
    T_fm& w = Start();
    const QString englishAbout = w.re_about->toPlainText();
    std::filesystem::remove(dir / "txt/SWcomp.txt");
    w.SwitchLanguage("SW");
    EXPECT_EQ(messages.errors.size(), 1u);
    // about and inventor came before the company file; contact and captions after it.
    EXPECT_NE(w.re_about->toPlainText(), englishAbout);
    EXPECT_EQ(w.bn_exit->caption(), "Exit");
    EXPECT_EQ(w.FlagFrame->y(), 314);
}

TEST_F(ShellTest, AMissingQuotationFileLeavesTheFooterEmptyAndCaptionsUnchanged) {
    T_fm& w = Start();
    std::filesystem::remove(dir / "txt/FRQuote.txt");
    w.SwitchLanguage("FR");
    EXPECT_TRUE(w.memo_print->toPlainText().isEmpty());
    EXPECT_EQ(w.bn_exit->caption(), "Exit");
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
        EXPECT_EQ(w.CurrentPage(), w.aMain);
        EXPECT_EQ(FlagSummary(), kAllN) << c.remove;
        w.bn_about->click();
        EXPECT_EQ(w.CurrentPage(), w.aAbout);
    }
    // Without the language file the layout's placeholder captions stay.
    SetUp();
    std::filesystem::remove(dir / "txt/vd_lan.txt");
    EXPECT_EQ(Start().bn_exit->caption(), "xExit");
}

TEST_F(ShellTest, AnUnknownLanguageCodeReadsTheUkColumnAndStops) {
    Setup("DE");
    T_fm& w = Start();
    EXPECT_EQ(messages.errors.size(), 1u); // no quotation file is named for DE
    EXPECT_EQ(LanguageText[2], "Exit");
    EXPECT_EQ(w.FlagFrame->y(), 238); // where the layout puts it
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
