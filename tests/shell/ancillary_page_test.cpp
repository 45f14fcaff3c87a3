#include "shell_fixture.h"

#include "noshape.h"
#include "picture_box.h"
#include "qt_text.h"

#include <QImage>
#include <QListWidget>

using namespace vd;

class AncillaryTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::create_directories(dir / "bmp");
        for (const char* name : {"qms", "qmHA", "qmHB", "LOUVRE"}) {
            QImage img(30, 20, QImage::Format_RGB888);
            img.fill(Qt::gray);
            img.save(QString::fromStdString((dir / "bmp" / (std::string(name) + ".bmp")).string()),
                     "BMP");
        }
    }
    void Choose(T_fm& w, const char* amps, int phases = 1) {
        FanRecord = vdtest::MakeFan(1, "PW", "x", {1}, {0});
        FanRecord.amps.assign(amps);
        FanRecord.phases = phases;
        w.ShowPage(w.diagram);
        w.diagram->bn_ancillary->click();
    }
    static int Ticked(T_fm& w) {
        int n = 0;
        for (int i = 0; i < w.ancillary->list_ancil->count(); ++i)
            n += w.ancillary->list_ancil->item(i)->checkState() == Qt::Checked;
        return n;
    }
};

TEST_F(AncillaryTest, TheListHoldsTheNineteenLanguageTextsFromStart) {
    T_fm& w = Start();
    ASSERT_EQ(w.ancillary->list_ancil->count(), 19);
    EXPECT_EQ(ToCp1252(w.ancillary->list_ancil->item(5)->text()), LanguageText[104]);
}

TEST_F(AncillaryTest, EachOpeningRebuildsTheListForTheChosenFan) {
    T_fm& w = Start();
    Choose(w, "2.5");
    EXPECT_EQ(w.CurrentPage(), w.ancillary);
    EXPECT_EQ(w.ancillary->list_ancil->count(), 17);
    Choose(w, "0.3");
    EXPECT_EQ(w.ancillary->list_ancil->count(), 19);
    EXPECT_NE(w.ancillary->list_ancil->item(0)->text().indexOf(" 0.5 I "), -1);
    Choose(w, "0.3", 3);
    EXPECT_EQ(w.ancillary->list_ancil->count(), 16);
}

TEST_F(AncillaryTest, APictureBelongsToItsItemAndOpeningEmptiesTheBox) {
    T_fm& w = Start();
    Choose(w, "2.5");
    Q_EMIT w.ancillary->list_ancil->itemClicked(w.ancillary->list_ancil->item(0));
    EXPECT_EQ(w.ancillary->im_anc->source(), "bmp\\qmHA.bmp");
    Choose(w, "6");
    EXPECT_TRUE(w.ancillary->im_anc->isEmpty());
    Q_EMIT w.ancillary->list_ancil->itemClicked(w.ancillary->list_ancil->item(0));
    EXPECT_EQ(w.ancillary->im_anc->source(), "bmp\\qmHB.bmp");
    Q_EMIT w.ancillary->list_ancil->itemClicked(
        w.ancillary->list_ancil->item(1)); // CLAMP.bmp is missing
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(w.ancillary->im_anc->source(), "bmp\\qmHB.bmp");
}

TEST_F(AncillaryTest, TicksStayWithTheirItemsAcrossARebuild) {
    T_fm& w = Start();
    Choose(w, "0.3");                                              // 19 items
    w.ancillary->list_ancil->item(2)->setCheckState(Qt::Checked);  // the transformer controller
    w.ancillary->list_ancil->item(10)->setCheckState(Qt::Checked); // a louvre
    Choose(w, "2.5");                                              // controllers 0 and 1 gone
    EXPECT_EQ(Ticked(w), 2);
    EXPECT_EQ(w.ancillary->list_ancil->item(0)->checkState(), Qt::Checked);
    Choose(w, "6"); // the ticked controller is gone too
    EXPECT_EQ(Ticked(w), 1);
    EXPECT_EQ(w.ancillary->TickedAncillaries(), std::vector<std::string>{LanguageText[109]});
}

TEST_F(AncillaryTest, ALanguageSwitchKeepsEachItemsMeaning) {
    T_fm& w = Start();
    Choose(w, "6"); // 16 items: the first is position 3
    w.SwitchLanguage("SW");
    EXPECT_EQ(ToCp1252(w.ancillary->list_ancil->item(0)->text()), LanguageText[102]);
}
