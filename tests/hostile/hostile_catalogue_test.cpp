// A spoilt catalogue file met through the select button, a double click on a
// result row and vdcat check: every fault is a message or a check finding,
// never a crash or a hang.
#include "hostile_fixture.h"

#include "fan_tables.h"
#include "recording_canvas.h"

#include <QLabel>
#include <QPixmap>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>

using namespace vd;
using namespace hostile;

namespace {

std::string Raw(const std::vector<TFanRecord>& recs) {
    return vdtest::EncodeRecords(recs);
}

} // namespace

class HostileCatalogue : public WindowTest {
  protected:
    VdcatResult Check() { return Vdcat("check --data '" + dir.path().string() + "'"); }
};

TEST_F(HostileCatalogue, ASizeThatIsNoMultipleOfTheRecordSelectsTheWholeRecordsAndCheckNamesIt) {
    // The last record cut short, as a copy that stopped half-way leaves it.
    CatalogueBytes(Raw(ThreeFans()).substr(0, 2 * kRecordSize + kRecordSize / 2));
    T_fm& w = Ready();
    SelectAndOpenEveryRow(w);
    EXPECT_EQ(Models(w), (std::vector<std::string>{"F2", "F1"}));
    EXPECT_TRUE(messages.errors.empty());
    const VdcatResult check = Check();
    EXPECT_EQ(check.code, 4);
    EXPECT_NE(check.out.find("1460 bytes after record 2"), std::string::npos) << check.out;
}

TEST_F(HostileCatalogue, LengthBytesAboveTheirMaximumAreCutToTheField) {
    std::string bytes = Raw(ThreeFans());
    bytes[offs::model] = char(255);
    std::memcpy(&bytes[offs::model + 1], "ABCDEFGHIJKLM", 13);
    bytes[kRecordSize + offs::picture_file] = char(200);
    bytes[2 * kRecordSize + offs::sound + 5] = char(255); // a sound text of record 3
    CatalogueBytes(bytes);
    T_fm& w = Ready();
    SelectAndOpenEveryRow(w);
    ASSERT_EQ(w.input->sgModel.RowCount(), 4);
    EXPECT_EQ(w.input->sgModel.Cell(ResultsGrid::kModel, 3), "ABCDEFGHIJKLM"); // F1 sorts last
    EXPECT_EQ(w.input->sgModel.Cell(ResultsGrid::kPicture, 2).size(), 25u);
    EXPECT_TRUE(messages.errors.empty());
    const VdcatResult check = Check();
    EXPECT_EQ(check.code, 4);
    for (const char* field : {"model", "picture_file", "sound"})
        EXPECT_NE(check.out.find(field), std::string::npos) << field << " not named in\n"
                                                            << check.out;
}

TEST_F(HostileCatalogue, NaNAndInfiniteNumbersAreRejectedOrDrawnButNeverHang) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    auto recs = ThreeFans();
    recs[0].vol[2] = nan; // the bracketing point of fan 1
    recs[0].max_temp = inf;
    recs[1].pres[3] = -inf;
    recs[1].outlet_area = nan;
    recs[1].power[2] = inf;
    recs[2].vol[1] = inf;
    recs[2].min_pa[1] = 0;
    recs[2].power[1] = nan;
    Catalogue(recs);
    T_fm& w = Ready();
    w.input->se_dev->setText("100");
    const double seconds = Timed([&] { SelectAndOpenEveryRow(w); });
    EXPECT_LT(seconds, 10);
    EXPECT_TRUE(messages.errors.empty());
    for (int r = 1; r < w.input->sgModel.RowCount(); ++r)
        for (int c : {ResultsGrid::kVolume, ResultsGrid::kPressure, ResultsGrid::kPercent}) {
            const std::string_view cell = w.input->sgModel.Cell(c, r);
            EXPECT_EQ(cell.find("nan"), std::string::npos) << cell;
            EXPECT_EQ(cell.find("inf"), std::string::npos) << cell;
        }
    const VdcatResult check = Check();
    EXPECT_EQ(check.code, 4);
    EXPECT_NE(check.out.find("not a finite number"), std::string::npos) << check.out;
}

TEST_F(HostileCatalogue, CurveCountsOutsideOneToFiveDrawWhatTheRecordHas) {
    auto recs = ThreeFans();
    recs[0].curve_count = -1;
    recs[1].curve_count = 1000;
    recs[2].curve_count = std::numeric_limits<std::int32_t>::min();
    Catalogue(recs);
    T_fm& w = Ready();
    SelectAndOpenEveryRow(w);
    EXPECT_EQ(w.input->sgModel.RowCount(), 4);
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_FALSE(w.diagram->Im_data->pixmap().isNull());
    const VdcatResult check = Check();
    EXPECT_EQ(check.code, 4);
    EXPECT_NE(check.out.find("1000 is outside 0..5"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("-1 is outside 0..5"), std::string::npos) << check.out;
}

TEST_F(HostileCatalogue, SoundLabelsThatNameNoLanguageEntryLeaveTheRowUnlabelled) {
    auto recs = ThreeFans();
    for (auto& r : recs)
        for (int row = 1; row <= 4; ++row)
            r.sound[row][1].assign("40"); // every row shown
    recs[0].sound_label = {0, 0, -5, 100000, std::numeric_limits<std::int32_t>::min()};
    Catalogue(recs);
    T_fm& w = Ready();
    SelectAndOpenEveryRow(w);
    EXPECT_TRUE(messages.errors.empty());

    // The data table as the diagram page draws it: the sound rows' labels
    // stand at x 5, their values from x 80.
    auto rowTexts = [&](int fanNo) {
        SelectedFanNo = fanNo;
        int row = 1;
        while (row < w.input->sgModel.RowCount() &&
               w.input->sgModel.Cell(ResultsGrid::kFanNo, row) != std::to_string(fanNo))
            ++row;
        w.input->sgModel.SetCurrentRow(row);
        vdtest::RecordingCanvas canvas;
        DrawDataTable(DrawTarget::Screen(canvas), w.input->sgModel);
        std::map<int, std::pair<std::string, std::string>> rows; // y -> label, first value
        for (const auto& t : canvas.Of(vdtest::CanvasCall::Op::Text)) {
            if (t.y1 < 272)
                continue;
            if (t.x1 == 5)
                rows[t.y1].first = t.text;
            if (t.x1 == 80)
                rows[t.y1].second = t.text;
        }
        return rows;
    };
    const auto bad = rowTexts(1);
    ASSERT_EQ(bad.size(), 4u);
    for (const auto& [y, texts] : bad) {
        EXPECT_EQ(texts.first, "") << "row at y " << y;
        EXPECT_EQ(texts.second, "40") << "row at y " << y;
    }
    const auto good = rowTexts(2);
    ASSERT_EQ(good.size(), 4u);
    EXPECT_EQ(good.begin()->second.first, LanguageText[140]);
    EXPECT_FALSE(LanguageText[140].empty());

    const VdcatResult check = Check();
    EXPECT_EQ(check.code, 4);
    EXPECT_NE(check.out.find("100000 names no language entry"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("-5 names no language entry"), std::string::npos) << check.out;
}

TEST_F(HostileCatalogue, AFanNumberThatNoLongerExistsIsReportedOnTheDoubleClick) {
    T_fm& w = Ready();
    w.input->bn_select->click();
    ASSERT_EQ(w.input->sgModel.RowCount(), 4);
    int fan3 = 1;
    while (w.input->sgModel.Cell(ResultsGrid::kFanNo, fan3) != "3")
        ++fan3;
    // The catalogue is replaced by a shorter one between select and double click.
    Catalogue({ThreeFans()[0]});
    Q_EMIT w.input->sg->rowDoubleClicked(fan3);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("record 3 does not exist"), std::string::npos)
        << messages.errors[0];
    // And removed altogether.
    std::filesystem::remove(dir / "dat/vd_fan.rec");
    w.ShowPage(w.input);
    Q_EMIT w.input->sg->rowDoubleClicked(1);
    ASSERT_EQ(messages.errors.size(), 2u);
    EXPECT_NE(messages.errors[1].find("dat\\vd_fan.rec"), std::string::npos) << messages.errors[1];
}

class SpoiltCatalogue : public HostileCatalogue, public ::testing::WithParamInterface<Damage> {};

TEST_P(SpoiltCatalogue, TheSelectButtonReportsIt) {
    Spoil(dir / "dat/vd_fan.rec", GetParam());
    T_fm& w = Ready();
    w.input->bn_select->click();
    EXPECT_FALSE(w.input->sg->isVisibleTo(w.input));
    if (GetParam() == Damage::Empty) {
        // No record: no fan meets the duty.
        EXPECT_TRUE(messages.errors.empty());
        EXPECT_EQ(messages.shown, std::vector<std::string>{LanguageText[95]});
    } else {
        ASSERT_EQ(messages.errors.size(), 1u);
        EXPECT_NE(messages.errors[0].find("dat\\vd_fan.rec"), std::string::npos)
            << messages.errors[0];
    }
    const VdcatResult check = Check();
    EXPECT_EQ(check.code, GetParam() == Damage::Empty ? 0 : 3) << check.out << check.err;
}

INSTANTIATE_TEST_SUITE_P(Damages, SpoiltCatalogue,
                         ::testing::Values(Damage::Missing, Damage::Empty, Damage::Directory,
                                           Damage::Unreadable),
                         [](const auto& info) { return std::string(Name(info.param)); });
