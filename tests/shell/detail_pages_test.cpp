#include "shell_fixture.h"

#include "noshape.h"
#include "picture_box.h"
#include "wmf_writer.h"

#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextEdit>

using namespace vd;

namespace {

std::string SmallMetafile() {
    return vdtest::WmfWriter().placeable(0, 0, 100, 50, 1440).rec(0x041B, {10, 90, 40, 10}).bytes();
}

} // namespace

class DetailTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        vdtest::WriteFile(dir / "wmf/blank.wmf", SmallMetafile());
        vdtest::WriteFile(dir / "wmf/d1.wmf", SmallMetafile());
        vdtest::WriteFile(dir / "wmf/dr1.wmf", SmallMetafile());
        vdtest::WriteFile(dir / "txt/UKm1.txt", "Isolate the supply first.\r\n");
        vdtest::WriteFile(dir / "txt/SWm1.txt", "Bryt matningen f\xF6rst.\r\n");
        vdtest::WriteFile(dir / "txt/UKs1.txt", "{\\rtf1\\ansi {\\b Casing} galvanised}");
        QImage big(120, 90, QImage::Format_RGB888);
        big.fill(Qt::darkCyan);
        std::filesystem::create_directories(dir / "bmp");
        big.save(QString::fromStdString((dir / "bmp/bigp1.bmp").string()), "BMP");
    }
    static TFanRecord Fan(const char* n) {
        TFanRecord r = vdtest::MakeFan(1, "PW", "PW 1", {2, 1, 0.5f}, {0, 100, 150});
        r.diagram_file.assign(std::string("d") + n + ".wmf");
        r.maint_file.assign(std::string("m") + n + ".txt");
        r.picture_file.assign(std::string("p") + n + ".bmp");
        r.spec_file.assign(std::string("s") + n + ".txt");
        r.drawing_file.assign(std::string("dr") + n + ".wmf");
        return r;
    }
};

TEST_F(DetailTest, TheFivePiecesLoadIntoTheirPages) {
    T_fm& w = Start();
    FanRecord = Fan("1");
    w.diagram->LoadFanDetail();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(w.diagram->im_diag->source(), "wmf\\d1.wmf");
    EXPECT_EQ(w.diagram->re_maint->toPlainText().trimmed(), "Isolate the supply first.");
    EXPECT_EQ(w.diagram->memo_print2->toPlainText().trimmed(), "Isolate the supply first.");
    EXPECT_EQ(w.diagram->im_spec->source(), "bmp\\bigp1.bmp");
    EXPECT_EQ(w.diagram->im_spec->size(), QSize(120, 90)); // sized to its picture
    EXPECT_EQ(w.diagram->re_spec->toPlainText().trimmed(), "Casing galvanised");
    EXPECT_EQ(w.diagram->im_draw->source(), "wmf\\dr1.wmf");
}

TEST_F(DetailTest, MissingMaterialIsReplacedOrReportedInOrder) {
    T_fm& w = Start();
    FanRecord = Fan("9");
    w.diagram->LoadFanDetail();
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"Cannot find maintenance text UKm9.txt",
                                        "Cannot find picture bigp9.bmp",
                                        "Cannot find specification text UKs9.txt"}));
    EXPECT_EQ(w.diagram->im_diag->source(), "wmf\\blank.wmf"); // silently
    EXPECT_EQ(w.diagram->im_draw->source(), "wmf\\blank.wmf");
    EXPECT_EQ(w.diagram->re_maint->toPlainText().trimmed(), "re_maint");
    EXPECT_EQ(w.diagram->re_spec->toPlainText().trimmed(), "re_specification");
}

TEST_F(DetailTest, AFailedLoadKeepsThePreviousFansMaterial) {
    T_fm& w = Start();
    FanRecord = Fan("1");
    w.diagram->LoadFanDetail();
    TFanRecord second = Fan("1");
    second.picture_file.assign("p2.bmp");
    FanRecord = second;
    w.diagram->LoadFanDetail();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Cannot find picture bigp2.bmp"});
    EXPECT_EQ(w.diagram->im_spec->source(), "bmp\\bigp1.bmp");
}

TEST_F(DetailTest, TextsFollowTheCurrentLanguage) {
    T_fm& w = Start();
    w.SwitchLanguage("SW");
    FanRecord = Fan("1");
    w.diagram->LoadFanDetail();
    EXPECT_EQ(w.diagram->re_maint->toPlainText().trimmed().toStdString(),
              "Bryt matningen f\u00f6rst.");
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Cannot find specification text SWs1.txt"});
}

TEST_F(DetailTest, AMissingBlankMetafileEndsTheLoad) {
    T_fm& w = Start();
    std::filesystem::remove(dir / "wmf/blank.wmf");
    FanRecord = Fan("9");
    EXPECT_THROW(w.diagram->LoadFanDetail(), FileError);
    EXPECT_TRUE(messages.shown.empty()); // the later steps did not run
}

TEST_F(DetailTest, MovingBetweenTheDetailPagesShowsNoMessage) {
    T_fm& w = Start();
    FanRecord = Fan("9");
    w.diagram->LoadFanDetail();
    messages.shown.clear();
    w.ShowPage(w.diagram);
    for (TNoShape* open : {w.diagram->bn_specification, w.diagram->bn_drawing,
                           w.diagram->bn_diagram, w.diagram->bn_maintenance}) {
        open->click();
        EXPECT_NE(w.CurrentPage(), w.diagram);
        w.ShowPage(w.diagram);
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(w.diagram->im_diag->source(), "wmf\\blank.wmf");
}

TEST_F(DetailTest, DetailPagesCarryTheirControlsWhereTheLayoutPutsThem) {
    T_fm& w = Start();
    EXPECT_EQ(w.diagram->im_diag->geometry(), QRect(90, 80, 511, 337));
    EXPECT_EQ(w.diagram->im_draw->geometry(), QRect(90, 54, 500, 300));
    EXPECT_EQ(w.diagram->im_dims->geometry(), QRect(90, 364, 500, 50));
    EXPECT_EQ(w.diagram->re_spec->geometry(), QRect(288, 60, 315, 363));
    EXPECT_EQ(w.diagram->re_maint->geometry(), QRect(90, 68, 514, 349));
    EXPECT_EQ(w.diagram->Im_data->geometry(), QRect(68, 90, 545, 342));
}
