#include "selection_fixture.h"

#include "errors.h"

#include <atomic>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <thread>

using namespace vd;

TEST_F(SelectionTest, AQualifyingFanFillsEveryColumnOfItsRow) {
    auto fan = Through(1, "PW", "PW 315");
    fan.volts.assign("230/400");
    fan.hz = 50;
    fan.phases = 3;
    fan.value_col6.assign("1380");
    fan.value_col7.assign("IP55");
    fan.amps.assign("1.25");
    fan.picture_file.assign("pw315.bmp");
    Catalogue({fan});
    EnteredVolume = 3600;
    VolumeUnit = "m3/h";
    EnteredPressure = 10;
    PressureUnit = "mmwg";
    DutyVolume = 1;
    DutyPressure = 100;
    ResetResultsGrid(grid, "m3/s", "Pa");
    SelectFans(controls, grid, messages);

    ASSERT_EQ(grid.RowCount(), 2);
    const char* expected[] = {"1",    "PW 315", "3600", "10.0",         "100%",     "0.300",
                              "1380", "IP55",   "1.25", "230/400/50/3", "pw315.bmp"};
    for (int c = 0; c <= 10; ++c)
        EXPECT_EQ(grid.Cell(c, 1), expected[c]) << "column " << c;
    for (int c = 11; c <= 19; ++c)
        EXPECT_EQ(grid.Cell(c, 1), "");
    EXPECT_EQ(grid.Cell(20, 1), "3600.00 m3/h");
    EXPECT_EQ(grid.Cell(21, 1), "10.00 mmwg");
    EXPECT_EQ(grid.Cell(22, 1), "PW");
    EXPECT_TRUE(ResultsAvailable);
    EXPECT_TRUE(grid.Visible());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SelectionTest, FamilyFlagsRejectTheirFamiliesOnly) {
    Catalogue({Through(1, "PW60", "a"), Through(2, "", "b"), Through(3, "ZZ", "c"),
               Through(4, "AQN", "d"), Through(5, "pw", "e")});
    for (const auto& f : FamilyFlags())
        *f.flag = "N";
    controls.showRejects = true;
    Run(1, 100);
    // File order before the sort; rejects have no percentage and sort last.
    std::map<std::string, std::string> reason;
    for (int r = 1; r < grid.RowCount(); ++r)
        reason[std::string(grid.Cell(1, r))] = grid.Cell(2, r);
    EXPECT_EQ(reason["a"], "xPW");
    EXPECT_EQ(reason["b"], "1.00"); // an empty family is never rejected
    EXPECT_EQ(reason["c"], "1.00");
    EXPECT_EQ(reason["d"], "xAQN");
    EXPECT_EQ(reason["e"], "1.00"); // family codes are compared exactly
}

TEST_F(SelectionTest, TheLastFailedTestNamesTheReason) {
    auto fan = Through(1, "PW", "volts");
    fan.volts.assign("400");
    auto low = Through(2, "UVX", "minpa");
    low.min_pa[1] = 101;
    auto lowAndFar = Through(3, "UVX", "far");
    lowAndFar.min_pa[1] = 1000;
    Catalogue({fan, low, lowAndFar});
    FlagPW = "N";
    controls.showRejects = true;
    controls.supplyIndex = 1;
    SupplyPhases = 1;
    SupplyHz = 50;
    SupplyVolts = "230";
    Run(1, 100);
    std::map<std::string, std::string> reason;
    for (int r = 1; r < grid.RowCount(); ++r)
        reason[std::string(grid.Cell(1, r))] = grid.Cell(2, r);
    EXPECT_EQ(reason["volts"], "Volts"); // rejected by family and voltage
    EXPECT_EQ(reason["minpa"], "<MinPa");

    // Below min_pa but outside the band too: the band test speaks last.
    controls.supplyIndex = 0;
    Run(0.5f, 25); // the fan delivers 200 %
    reason.clear();
    for (int r = 1; r < grid.RowCount(); ++r)
        reason[std::string(grid.Cell(1, r))] = grid.Cell(2, r);
    EXPECT_EQ(reason["far"], ">Dev");
}

TEST_F(SelectionTest, SupplyAnyAppliesNoSupplyTest) {
    auto fan = Through(1, "PW", "x");
    fan.phases = 3;
    fan.hz = 60;
    Catalogue({fan});
    SupplyPhases = 1;
    SupplyHz = 50;
    SupplyVolts = "230";
    controls.supplyIndex = 0;
    Run(1, 100);
    EXPECT_EQ(grid.Cell(1, 1), "x");
    controls.supplyIndex = -1; // no entry chosen: no filter either
    Run(1, 100);
    EXPECT_EQ(grid.Cell(1, 1), "x");
    controls.supplyIndex = 2;
    controls.showRejects = true;
    Run(1, 100);
    EXPECT_EQ(grid.Cell(2, 1), "Hz"); // phases and Hz differ, the volts match
}

TEST_F(SelectionTest, TheBandIsInclusiveAtBothEnds) {
    // A vertical curve delivers its volume at any pressure: exact percentages.
    auto at = [](int no, const char* model, float volume) {
        return vdtest::MakeFan(no, "PW", model, {volume, volume}, {0, 1000}, {10, 20});
    };
    Catalogue({at(1, "84", 0.84f), at(2, "85", 0.85f), at(3, "100", 1.0f), at(4, "115", 1.15f),
               at(5, "116", 1.16f)});
    controls.allowedDeviation = 15;
    Run(1, 100);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"115", "100", "85"}));
    controls.allowedDeviation = 0;
    Run(1, 100);
    EXPECT_EQ(Column(1), std::vector<std::string>{"100"});
}

TEST_F(SelectionTest, AFanWithoutOperatingPointIsDevLowerWhateverTheDeviation) {
    auto fan = Through(1, "PW", "steep");
    fan.min_pa[1] = 50;
    Catalogue({fan});
    controls.allowedDeviation = 100;
    controls.showRejects = true;
    Run(0.1f, 1000); // k = 100000: steeper than every point of the curve
    EXPECT_EQ(grid.Cell(2, 1), "Dev<");
    EXPECT_EQ(grid.Cell(4, 1), "");
}

TEST_F(SelectionTest, StaticPressureWithoutOutletAreaUsesNoVelocityPressure) {
    auto fan = Through(1, "PW", "x");
    fan.outlet_area = 0;
    Catalogue({fan});
    PressureType = "Static";
    Run(1, 100);
    EXPECT_EQ(grid.Cell(4, 1), "100%");
}

TEST_F(SelectionTest, NoFanFoundShowsText95AndClearsResultsAvailable) {
    Catalogue({Through(1, "PW", "x")});
    FlagPW = "N";
    Run(1, 100);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"T95"});
    EXPECT_FALSE(ResultsAvailable);
    EXPECT_EQ(grid.RowCount(), 1); // the spare row is gone

    messages.shown.clear();
    Catalogue({});
    Run(1, 100);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"T95"});
}

TEST_F(SelectionTest, RejectRowsCountAsRows) {
    Catalogue({Through(1, "PW", "x")});
    FlagPW = "N";
    controls.showRejects = true;
    Run(1, 100);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(ResultsAvailable);
    EXPECT_EQ(grid.RowCount(), 2);
}

TEST_F(SelectionTest, ResultsAreSortedByPercentageLargestFirst) {
    // The same curve scaled in volume delivers 115 %, 100 % and 98 %.
    auto scaled = [&](int no, const char* model, float f) {
        return vdtest::MakeFan(no, "PW", model, {2 * f, 1 * f, 0.5f * f}, {0, 100, 150},
                               {200, 300, 350});
    };
    Catalogue({scaled(1, "98", 0.98f), scaled(2, "100", 1.0f), scaled(3, "115", 1.15f)});
    controls.allowedDeviation = 20;
    Run(1, 100);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"115", "100", "98"}));
}

TEST_F(SelectionTest, ASpecificPowerThatShowsAsZeroIsText119) {
    auto fan = Through(1, "PW", "zero");
    for (int i = 1; i <= 3; ++i)
        fan.power[i] = 0.0004f;
    auto nan = Through(2, "PW", "nan");
    nan.power[2] = NAN;
    Catalogue({fan, nan});
    Run(1, 100);
    EXPECT_EQ(grid.Cell(5, 1), "T119");
    EXPECT_EQ(grid.Cell(5, 2), "T119");
}

TEST_F(SelectionTest, AMissingCatalogueIsAFileError) {
    EXPECT_THROW(Run(1, 100), FileError);
}

TEST_F(SelectionTest, ADamagedCatalogueDoesNotStopTheRun) {
    auto wild = Through(1, "PW", "wild");
    wild.curve_count = -1;
    for (int i = 1; i <= 100; ++i) {
        wild.vol[i] = (i % 3) ? NAN : -1.0f;
        wild.pres[i] = INFINITY;
    }
    std::string bytes = vdtest::EncodeRecords({wild, Through(2, "PW", "fine")});
    bytes[4] = static_cast<char>(250); // family length far above its maximum
    vdtest::WriteFile(dir / "dat/vd_fan.rec", bytes + "partial");
    controls.showRejects = true;
    Run(1, 100);
    EXPECT_EQ(grid.Cell(1, 1), "fine");
    EXPECT_EQ(grid.Cell(2, 2), "Dev<");
}

TEST_F(SelectionTest, ACatalogueCutShortDuringTheRunEndsItWithTheTruncatedFileError) {
    // Three windows of the mapped file; another thread keeps cutting the file
    // to one record and lengthening it again while runs go on. A run either
    // finishes or stops with the error of a short file; the process never dies.
    const auto path = dir / "dat/vd_fan.rec";
    const int n = 3 * static_cast<int>(8u << 20) / static_cast<int>(kRecordSize);
    std::vector<TFanRecord> fans(static_cast<std::size_t>(n), Through(1, "PW", "fan"));
    Catalogue(fans);
    const auto full = std::filesystem::file_size(path);
    std::atomic<bool> stop{false};
    std::thread cutter([&] {
        for (int i = 0; !stop && i < 200000; ++i)
            std::filesystem::resize_file(path, i % 2 ? full : kRecordSize);
    });
    int cut = 0;
    for (int run = 0; run < 20; ++run) {
        try {
            Run(1, 100);
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), "Read beyond end of file \"dat\\vd_fan.rec\"");
            ++cut;
        }
    }
    stop = true;
    cutter.join();
    std::cout << cut << " of 20 runs met the cut\n";
}

TEST_F(SelectionTest, ARunOverTheMappedFileListsWhatARunOverItsImageLists) {
    // Several windows, listed on several threads, against one span in memory:
    // the same rows, cell for cell, in the same order (ties keep file order),
    // with and without rejects, and the last record left in the record buffer.
    const int n = 3 * static_cast<int>(8u << 20) / static_cast<int>(kRecordSize) + 57;
    std::vector<TFanRecord> fans;
    const char* families[] = {"PW", "MT", "GHJ", "LW", "XX"};
    for (int i = 1; i <= n; ++i) {
        const float f = 0.5f + static_cast<float>(i % 97) / 97.0f;
        TFanRecord fan =
            vdtest::MakeFan(i, families[i % 5], "M" + std::to_string(i), {2 * f, f, 0.5f * f},
                            {0, 100 * f, 150 * f}, {200, 300, static_cast<float>(i)});
        fan.hz = i % 7 ? 50 : 60;
        fans.push_back(fan);
    }
    Catalogue(fans);
    *FamilyFlags()[1].flag = "N";
    controls.supplyIndex = 1;
    SupplyHz = 50;
    SupplyPhases = fans[0].phases;
    SupplyVolts = fans[0].volts.str();
    controls.allowedDeviation = 12;
    for (bool rejects : {false, true}) {
        controls.showRejects = rejects;
        Run(1, 100);
        const ResultsGrid mapped = grid;
        EXPECT_EQ(FanRecord.fan_no, n);
        FanRecord = TFanRecord{};
        const CatalogueImage image = ReadCatalogueImage();
        ResetResultsGrid(grid, "m3/s", "Pa");
        SelectFans(controls, grid, messages, &image);
        EXPECT_EQ(FanRecord.fan_no, n);
        ASSERT_EQ(mapped.RowCount(), grid.RowCount());
        EXPECT_GT(grid.RowCount(), rejects ? n : 1000);
        for (int r = 0; r < grid.RowCount(); ++r)
            for (int c = 0; c < ResultsGrid::kColumns; ++c)
                ASSERT_EQ(mapped.Cell(c, r), grid.Cell(c, r)) << "row " << r << " column " << c;
    }
}
