#include "shell_fixture.h"

#include "calc_edit.h"
#include "calculator_popup.h"
#include "codepage.h"
#include "noshape.h"
#include "picture_box.h"
#include "qt_text.h"
#include "results_grid_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace vd;

namespace {

const char* kFamilyFiles[] = {"pw", "mtz", "mt",  "ghz", "ghj", "bnbq",
                              "lw", "udy", "uvj", "UVX", "EH",  "AQ"};

void WriteBmp(const std::filesystem::path& p, QColor colour, int w = 60, int h = 60) {
    std::filesystem::create_directories(p.parent_path());
    QImage img(w, h, QImage::Format_RGB888);
    img.fill(colour);
    img.save(QString::fromStdString(p.string()), "BMP");
}

} // namespace

class BrowserTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        for (const char* f : kFamilyFiles) {
            WriteBmp(dir / (std::string("bmp/") + f + ".bmp"), Qt::gray);
            WriteBmp(dir / (std::string("bmp/") + f + "_r.bmp"), Qt::green);
        }
        vdtest::WriteFile(dir / "txt/UKpw.txt", "Circular duct fans PW\r\n");
        vdtest::WriteFile(dir / "txt/UKmtz.txt", "Insulated duct fans MTZL\r\n");
        vdtest::WriteFile(dir / "txt/SWbnbq.txt", "V\xE4ggfl\xE4ktar\r\n");
    }
    void Hover(QWidget* w) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    void HoverPage(T_fm& w, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), w.products->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w.products, &move);
    }
};

TEST_F(BrowserTest, TwoClicksOnAFamilyGiveBackItsStartingFlagAndPicture) {
    T_fm& w = Start();
    EXPECT_EQ(w.products->im_pw->source(), "bmp\\pw.bmp");
    QTest::mouseClick(w.products->im_pw, Qt::LeftButton);
    EXPECT_EQ(FlagPW, "Y");
    EXPECT_EQ(w.products->im_pw->source(), "bmp\\pw_r.bmp");
    QTest::mouseClick(w.products->im_pw, Qt::LeftButton);
    EXPECT_EQ(FlagPW, "N");
    EXPECT_EQ(w.products->im_pw->source(), "bmp\\pw.bmp");
    QTest::mouseClick(w.products->im_uvx, Qt::LeftButton);
    EXPECT_EQ(w.products->im_uvx->source(), "bmp\\UVX_r.bmp"); // names as written, capitals kept
}

TEST_F(BrowserTest, AMissingPictureKeepsTheOldLookButTheFlagChanges) {
    T_fm& w = Start();
    std::filesystem::remove(dir / "bmp/lw_r.bmp");
    QTest::mouseClick(w.products->im_lw, Qt::LeftButton);
    EXPECT_EQ(FlagLW, "Y");
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(w.products->im_lw->source(), "bmp\\lw.bmp");
}

TEST_F(BrowserTest, MtFollowsTheDuctTypeAndAClickExcludesBothVariants) {
    T_fm& w = Start();
    QTest::mouseClick(w.products->im_mt, Qt::LeftButton);
    EXPECT_EQ(FlagMT + FlagMTZ, "YN");
    w.products->bn_choose_products->click();
    EXPECT_TRUE(w.input->cb_ducttype->isVisibleTo(w.input));
    w.input->cb_ducttype->setCurrentIndex(1);
    Q_EMIT w.input->cb_ducttype->activated(1);
    EXPECT_EQ(FlagMT + FlagMTZ, "NY");
    EXPECT_NE(FlagSummary().find("MT: N,MTZ: Y"), std::string::npos);
    QTest::mouseClick(w.products->im_mt, Qt::LeftButton);
    EXPECT_EQ(FlagMT + FlagMTZ, "NN");
    EXPECT_EQ(w.products->im_mt->source(), "bmp\\mt.bmp");
    QTest::mouseClick(w.products->im_udy, Qt::LeftButton); // always the rectangular variant
    EXPECT_EQ(FlagUDY + FlagUDYZ, "YN");
}

TEST_F(BrowserTest, ChoosingPreparesTheInputPage) {
    T_fm& w = Start();
    w.products->bn_choose_products->click();
    EXPECT_EQ(w.CurrentPage(), w.input);
    EXPECT_FALSE(w.input->cb_ducttype->isVisibleTo(w.input));
    EXPECT_FALSE(w.input->lb_ductType->isVisibleTo(w.input));
    EXPECT_EQ(w.input->cb_pressureType->currentIndex(), 1);
    w.ShowPage(w.products);
    QTest::mouseClick(w.products->im_eh, Qt::LeftButton);
    w.products->bn_choose_products->click();
    EXPECT_EQ(w.input->cb_pressureType->currentIndex(), 0);
    w.ShowPage(w.products);
    QTest::mouseClick(w.products->im_udy, Qt::LeftButton);
    w.products->bn_choose_products->click();
    EXPECT_TRUE(w.input->cb_ducttype->isVisibleTo(w.input));
}

TEST_F(BrowserTest, TheDescriptionIsLoadedOncePerVisit) {
    T_fm& w = Start();
    Hover(w.products->im_pw);
    EXPECT_EQ(ShownFamily, "PW");
    EXPECT_EQ(w.products->re_products->toPlainText().trimmed(), "Circular duct fans PW");
    vdtest::WriteFile(dir / "txt/UKpw.txt", "changed\r\n");
    Hover(w.products->im_pw); // moving within the picture loads nothing
    EXPECT_EQ(w.products->re_products->toPlainText().trimmed(), "Circular duct fans PW");
    Hover(w.products->im_mtzl);
    EXPECT_EQ(ShownFamily, "MTZL");
    Hover(w.products->im_pw);
    EXPECT_EQ(w.products->re_products->toPlainText().trimmed(), "changed");
    HoverPage(w, QPoint(600, 60)); // bare background
    EXPECT_EQ(ShownFamily, "None");
    EXPECT_TRUE(w.products->re_products->toPlainText().isEmpty());
    HoverPage(w, w.products->lb_cdf->geometry().center()); // a label: no effect
    Hover(w.products->im_pw);
    EXPECT_EQ(ShownFamily, "PW");
}

TEST_F(BrowserTest, AMissingDescriptionIsReportedOnEveryVisitAndKeepsShownFamily) {
    std::filesystem::remove(dir / "txt/UKghj.txt");
    T_fm& w = Start();
    Hover(w.products->im_ghj);
    Hover(w.products->im_ghj);
    EXPECT_EQ(messages.errors.size(), 2u);
    EXPECT_EQ(ShownFamily, "");
}

TEST_F(BrowserTest, DescriptionsFollowTheCurrentLanguage) {
    T_fm& w = Start();
    w.SwitchLanguage("SW");
    Hover(w.products->im_bnbq);
    EXPECT_EQ(w.products->re_products->toPlainText().trimmed().toStdString(),
              "V\u00e4ggfl\u00e4ktar");
}

// ---- input page ---------------------------------------------------------------

class InputTest : public ShellTest {
  protected:
    static TFanRecord ThreePhase(TFanRecord r) {
        r.phases = 3;
        r.volts.assign("400");
        return r;
    }
    void SetUp() override {
        ShellTest::SetUp();
        auto fan = [](int no, const char* model, float f, const char* picture) {
            auto r = vdtest::MakeFan(no, "PW", model, {2 * f, 1 * f, 0.5f * f}, {0, 100, 150},
                                     {200, 300, 350});
            r.picture_file.assign(picture);
            return r;
        };
        vdtest::WriteFile(
            dir / "dat/vd_fan.rec",
            vdtest::EncodeRecords({fan(1, "A98", 0.98f, "a.bmp"), fan(2, "B100", 1.0f, "b.bmp"),
                                   ThreePhase(fan(3, "C115", 1.15f, "missing.bmp"))}));
        WriteBmp(dir / "bmp/a.bmp", Qt::red, 40, 30);
        WriteBmp(dir / "bmp/b.bmp", Qt::blue, 40, 30);
    }
    T_fm& Ready() {
        T_fm& w = Start();
        FlagPW = "Y";
        w.ShowPage(w.input);
        w.input->se_volume->setText("1");
        w.input->se_pressure->setText("100");
        w.input->se_dev->setText("20");
        return w;
    }
    std::vector<std::string> Models(T_fm& w) {
        std::vector<std::string> v;
        for (int r = 0; r < w.input->sg->rowCount(); ++r)
            v.push_back(w.input->sg->item(r, 1)->text().toStdString());
        return v;
    }
};

TEST_F(InputTest, SelectFillsTheGridSortedAndShowsTheFirstPicture) {
    T_fm& w = Ready();
    w.input->bn_select->click();
    EXPECT_EQ(w.CurrentPage(), w.input);
    ASSERT_TRUE(w.input->sg->isVisibleTo(w.input));
    EXPECT_EQ(Models(w), (std::vector<std::string>{"C115", "B100", "A98"}));
    // Row 1 is C115 whose picture is missing: the message comes once.
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Picture not found for this fan!"});
    EXPECT_EQ(w.input->sg->horizontalHeaderItem(2)->text(), "m3/s");
    EXPECT_EQ(w.input->sg->horizontalHeaderItem(0)->text().toStdString(),
              Cp1252ToUtf8(LanguageText[22]));
    EXPECT_TRUE(w.input->sg->isColumnHidden(10));
    EXPECT_EQ(w.input->sg->columnWidth(9), 85);
}

TEST_F(InputTest, AClickShowsTheRowsPictureAndAMissingOneOnce) {
    T_fm& w = Ready();
    w.input->bn_select->click();
    messages.shown.clear();
    Q_EMIT w.input->sg->rowClicked(2);
    EXPECT_EQ(w.input->im_pic->source(), "bmp\\b.bmp");
    Q_EMIT w.input->sg->rowClicked(1);
    QTest::qWait(QApplication::doubleClickInterval() + 100); // no double click came
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(w.input->im_pic->source(), "bmp\\b.bmp"); // the previous picture stays
}

TEST_F(InputTest, HeaderClicksSortAndTheDirectionStaysForTheNextRun) {
    T_fm& w = Ready();
    w.input->bn_select->click();
    Q_EMIT w.input->sg->headerClicked(4);
    EXPECT_EQ(Models(w), (std::vector<std::string>{"A98", "B100", "C115"}));
    w.input->bn_select->click();
    EXPECT_EQ(Models(w), (std::vector<std::string>{"A98", "B100", "C115"}));
}

TEST_F(InputTest, VolumeIsCheckedBeforePressureAndNothingRuns) {
    T_fm& w = Ready();
    w.input->se_volume->setText("0");
    w.input->se_pressure->setText("-3");
    w.input->bn_select->click();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Volume incorrect"});
    EXPECT_FALSE(w.input->sg->isVisibleTo(w.input));
    messages.shown.clear();
    w.input->se_volume->setText("1");
    w.input->bn_select->click();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Pressure incorrect"});
}

TEST_F(InputTest, NoFanFoundClearsTheGridAgain) {
    T_fm& w = Ready();
    FlagPW = "N";
    w.input->bn_select->click();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], LanguageText[95]);
    EXPECT_FALSE(w.input->sg->isVisibleTo(w.input));
    EXPECT_EQ(w.input->sg->rowCount(), 1);
}

TEST_F(InputTest, ChangingAnInputClearsTheResults) {
    T_fm& w = Ready();
    w.input->bn_select->click();
    ASSERT_TRUE(w.input->sg->isVisibleTo(w.input));
    QTest::keyClick(w.input->se_volume, Qt::Key_2);
    EXPECT_FALSE(w.input->sg->isVisibleTo(w.input));
    EXPECT_TRUE(w.input->im_pic->isEmpty());
    w.input->bn_select->click();
    Q_EMIT w.input->cb_punit->activated(1);
    EXPECT_FALSE(w.input->sg->isVisibleTo(w.input));
}

TEST_F(InputTest, TotalPressureIsRefusedWhileAStaticOnlyFamilyIsIncluded) {
    T_fm& w = Ready();
    FlagAQ = "Y";
    w.input->cb_pressureType->setCurrentIndex(1);
    Q_EMIT w.input->cb_pressureType->activated(1);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(w.input->cb_pressureType->currentIndex(), 0);
}

TEST_F(InputTest, TheCalculatorReturnsItsResultAndFiresTheChangeHandler) {
    T_fm& w = Ready();
    w.input->bn_select->click();
    ASSERT_TRUE(w.input->sg->isVisibleTo(w.input));
    w.input->se_volume->OpenCalculator();
    CalculatorPopup* calc = w.input->se_volume->popup();
    for (const char* k : {"C", "7", "2", "0", "0", "/", "3", "6", "0", "0", "OK"})
        calc->key(k)->click();
    EXPECT_EQ(w.input->se_volume->text(), "2");
    EXPECT_FALSE(w.input->sg->isVisibleTo(w.input)); // the change handler ran
}

TEST_F(InputTest, ADoubleClickChoosesTheFanAndShowsTheDiagramPage) {
    T_fm& w = Ready();
    int drawn = 0;
    w.input->DrawChosenFan = [&] { ++drawn; };
    w.input->bn_select->click();
    Q_EMIT w.input->sg->rowDoubleClicked(2);
    EXPECT_EQ(w.CurrentPage(), w.diagram);
    EXPECT_EQ(SelectedFanNo, 2); // B100 is fan 2
    EXPECT_EQ(drawn, 1);
    w.ShowPage(w.input);
    Q_EMIT w.input->sg->rowDoubleClicked(0); // the header row
    EXPECT_EQ(w.CurrentPage(), w.input);
}

TEST_F(InputTest, ADoubleClickOnARejectRowOpensThePageButDrawsNothing) {
    T_fm& w = Ready();
    int drawn = 0;
    w.input->DrawChosenFan = [&] { ++drawn; };
    w.input->cb_rej->setChecked(true);
    FlagPW = "N";
    w.input->bn_select->click();
    Q_EMIT w.input->sg->rowDoubleClicked(1);
    EXPECT_EQ(w.CurrentPage(), w.diagram);
    EXPECT_EQ(drawn, 0);
    EXPECT_EQ(messages.errors.size(), 1u);
}

TEST_F(InputTest, AMouseClickOnAnotherRowReportsAMissingPictureOnce) {
    T_fm& w = Ready();
    w.input->bn_select->click();
    w.input->sg->setCurrentCell(1, 0); // B100, whose picture exists
    messages.shown.clear();
    const QRect cell =
        w.input->sg->visualItemRect(w.input->sg->item(0, 1)); // C115: picture missing
    QTest::mouseClick(w.input->sg->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(messages.shown.empty()); // a double click may still follow
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Picture not found for this fan!"});
    EXPECT_EQ(w.input->sgModel.CurrentRow(), 1);
    messages.shown.clear();
    QTest::keyClick(w.input->sg, Qt::Key_Down); // the keyboard moves the current row: a click too
    EXPECT_EQ(w.input->im_pic->source(), "bmp\\b.bmp");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InputTest, AfterALanguageSwitchASelectUsesTotalAndThePreviousSupply) {
    T_fm& w = Ready();
    w.input->cb_supply->setCurrentIndex(1);
    w.input->cb_pressureType->setCurrentIndex(0);
    w.input->bn_select->click();
    EXPECT_EQ(PressureType, "Static");
    EXPECT_EQ(SupplyVolts, "230");
    w.SwitchLanguage("SW");
    EXPECT_EQ(w.CurrentPage(), w.input);
    EXPECT_EQ(w.input->cb_supply->currentIndex(), -1);
    // The grid filled before the switch keeps its old headings.
    EXPECT_EQ(w.input->sg->horizontalHeaderItem(0)->text().toStdString(), "No.");
    w.input->bn_select->click();
    EXPECT_EQ(PressureType, "Total");
    EXPECT_EQ(SupplyVolts, "230");
    EXPECT_EQ(SupplyHz, 50);
}

TEST_F(InputTest, ADoubleClickOpensAFanWhosePictureIsMissingWithoutTheMessage) {
    T_fm& w = Ready();
    w.input->DrawChosenFan = [] {};
    w.input->bn_select->click();
    w.input->sg->setCurrentCell(1, 0);
    messages.shown.clear();
    QWidget* grid = w.input->sg->viewport();
    const QPoint at = w.input->sg->visualItemRect(w.input->sg->item(0, 1)).center(); // C115
    // The events of a double click: a click, then a press that is a double click.
    QTest::mouseClick(grid, Qt::LeftButton, {}, at);
    QTest::mousePress(grid, Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid, Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, at);
    EXPECT_EQ(w.CurrentPage(), w.diagram);
    EXPECT_EQ(SelectedFanNo, 3);
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InputTest, ReturnOnAResultRowOpensItsFan) {
    T_fm& w = Ready();
    w.input->DrawChosenFan = [] {};
    w.input->bn_select->click();
    w.input->sg->setCurrentCell(1, 0); // B100
    QTest::keyClick(w.input->sg, Qt::Key_Return);
    EXPECT_EQ(w.CurrentPage(), w.diagram);
    EXPECT_EQ(SelectedFanNo, 2);
}

TEST_F(InputTest, ChoosingAFanRebuildsTheAncillariesTheQuotationPrints) {
    T_fm& w = Ready();
    w.input->DrawChosenFan = [] {};
    w.input->bn_select->click();
    Q_EMIT w.input->sg->rowDoubleClicked(2); // B100: single phase, 230 V, 0.5 A
    QListWidget* list = w.ancillary->list_ancil;
    ASSERT_EQ(list->count(), 19);
    list->item(0)->setCheckState(Qt::Checked); // a speed controller
    list->item(5)->setCheckState(Qt::Checked); // an accessory
    w.ShowPage(w.input);
    Q_EMIT w.input->sg->rowDoubleClicked(1); // C115: three phase, no controllers
    EXPECT_EQ(list->count(), 16);
    EXPECT_EQ(w.print->CollectPrintTexts().ancillaries,
              std::vector<std::string>{LanguageText[104]});
}

TEST_F(InputTest, MessagesOfTheSelectRunShowTheOrdinaryCursor) {
    T_fm& w = Ready();
    FlagPW = "N"; // no fan found: the run's own message
    w.input->bn_select->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.busyCursor, std::vector<bool>{false});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(InputTest, TheDeviationEntryShowsTheValueTheRunUses) {
    T_fm& w = Ready();
    TCalcEdit* dev = w.input->se_dev;
    dev->clear();
    QTest::keyClicks(dev, "200");
    EXPECT_EQ(dev->text(), "20");
    dev->OpenCalculator();
    for (const char* k : {"C", "2", "0", "0", "OK"})
        dev->popup()->key(k)->click();
    EXPECT_EQ(dev->text(), "100");
}

TEST_F(InputTest, ThePrintoutsTakeTheLabelsAsThePrintAndAncillaryPagesShowThem) {
    T_fm& w = Ready();
    w.print->lb_quote->setText("Offer:");
    w.ancillary->lb_ancillaries->setText("Extras");
    const PrintTexts t = w.print->CollectPrintTexts();
    EXPECT_EQ(t.lb_quote, "Offer:");
    EXPECT_EQ(t.lb_ancillaries, "Extras");
    EXPECT_EQ(t.lb_date, ToCp1252(w.print->lb_date->text()));
    EXPECT_EQ(t.lb_contact2, ToCp1252(w.print->lb_contact2->text()));
    EXPECT_FALSE(t.lb_date.empty());
}
