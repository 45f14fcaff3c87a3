// The printouts on a recording canvas: positions in page units, order of the
// jobs, limits, and what a failing job does.
#include "errors.h"
#include "number_text.h"
#include "paths.h"
#include "print_run.h"
#include "printouts.h"
#include "recording_canvas.h"
#include "results_grid.h"
#include "select_fans.h"
#include "test_files.h"
#include "vd_variables.h"

#include <gtest/gtest.h>
#include <memory>

using namespace vd;
using Op = vdtest::CanvasCall::Op;

namespace {

struct FakePicture : CanvasPicture {};

struct Job {
    std::string title;
    std::unique_ptr<vdtest::RecordingCanvas> canvas = std::make_unique<vdtest::RecordingCanvas>();
    bool finished = false, aborted = false;
};

class FakePrinter : public PrintService {
  public:
    bool confirm = true;
    int dpi = 600;
    std::vector<Job> jobs;
    bool ShowDialog() override { return confirm; }
    int DpiX() const override { return dpi; }
    int DpiY() const override { return dpi; }
    Canvas* BeginJob(const std::string& title) override {
        jobs.push_back(Job{title});
        return jobs.back().canvas.get();
    }
    void EndJob() override { jobs.back().finished = true; }
    void AbortJob() override { jobs.back().aborted = true; }
    void FinishRun() override { ++runsFinished; }
    int runsFinished = 0;
};

struct Silent : MessageService {
    void ShowMessage(const std::string&) override {}
};

class PrintoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetVariables();
        SetDecimalSeparator('.');
        SetDataRoot(dir.path());
        for (int i = 0; i < kLanguageEntries; ++i)
            LanguageText[static_cast<size_t>(i)] = "T" + std::to_string(i);
        for (int i = 1; i <= 7; ++i)
            AddressLines[static_cast<size_t>(i)] = "Addr" + std::to_string(i);
        vdtest::WriteFile(dir / "dat/vd_fan.rec",
                          vdtest::EncodeRecords({vdtest::MakeFan(1, "PW", "PW 1", {2, 1, 0.5f},
                                                                 {0, 100, 150}, {200, 300, 350})}));
        // A grid whose current row is the fan, as after a select and a double click.
        FlagPW = "Y";
        PressureType = "Total";
        VolumeUnit = "m3/s";
        PressureUnit = "Pa";
        EnteredVolume = DutyVolume = 1;
        EnteredPressure = DutyPressure = 100;
        ResetResultsGrid(grid, "m3/s", "Pa");
        FixedSelectionControls controls;
        SelectFans(controls, grid, silent);
        grid.SetCurrentRow(1);
        SelectedFanNo = 1;

        texts.lb_date = "Date:";
        texts.ed_date = "07/12/2026";
        texts.lb_company = "Company:";
        texts.ed_company = "Acme Ventilation";
        texts.lb_attention = "Attn:";
        texts.lb_quote = "Quote:";
        texts.ed_quote = "Q-17";
        texts.lb_ancillaries = "Ancillaries";
        texts.ancillaries = {"Grille", "Louvre"};
        texts.quoteFooter = {"f0", "f1", "f2", "f3", "f4", "f5", "f6", "f7", "f8"};
    }
    void TearDown() override {
        SetDataRoot({});
        ResetVariables();
    }
    PrintContext Context(Canvas* canvas, int ux, int uy) {
        PrintContext c;
        c.canvas = canvas;
        c.pageUnitX = ux;
        c.pageUnitY = uy;
        c.texts = &texts;
        c.grid = &grid;
        c.detail = &detail;
        c.dataSheetLogo = "/app/pics/vandrel_logo.wmf";
        c.loadPicture = [this](const std::string& path) -> std::unique_ptr<CanvasPicture> {
            loaded.push_back(path);
            if (path == missingLogo)
                throw FileError("Cannot open \"" + path + "\"");
            return std::make_unique<FakePicture>();
        };
        c.drawing = [this]() -> const CanvasPicture* { return &picture; };
        c.diagram = [this]() -> const CanvasPicture* { return &picture; };
        c.instructions = [] { return std::vector<std::string>{"Step 1", "Step 2", "Step 3"}; };
        return c;
    }
    int Run(PrintChoices choices = {}) {
        // Each job sets its own canvas and page units.
        return RunPrintouts(printer, choices, Context(nullptr, 0, 0));
    }
    const vdtest::RecordingCanvas& Page(size_t i) { return *printer.jobs.at(i).canvas; }

    vdtest::TempDir dir;
    ResultsGrid grid;
    Silent silent;
    NoDetailLoader detail;
    PrintTexts texts;
    FakePrinter printer;
    FakePicture picture;
    std::vector<std::string> loaded;
    std::string missingLogo;
};

} // namespace

TEST_F(PrintoutTest, ThreeJobsInOrderEachWithTheJobTitle) {
    EXPECT_EQ(Run(), 3);
    ASSERT_EQ(printer.jobs.size(), 3u);
    for (const Job& j : printer.jobs) {
        EXPECT_EQ(j.title, "T248");
        EXPECT_TRUE(j.finished);
    }
    EXPECT_EQ(Page(0).TextAt(10 * 30, 5 * 30), "T72");  // data sheet
    EXPECT_EQ(Page(1).TextAt(62 * 30, 43 * 30), "T74"); // quotation
    EXPECT_EQ(Page(2).TextAt(10 * 30, 20 * 30), "T73"); // instruction sheet
    EXPECT_EQ(loaded, (std::vector<std::string>{"/app/pics/vandrel_logo.wmf", "pics\\logo_text.wmf",
                                                "pics\\Vandrel_Logo.wmf"}));
    EXPECT_EQ(printer.runsFinished, 1); // a file holding the pages is closed
}

TEST_F(PrintoutTest, PageUnitsComeFromTheChosenPrinter) {
    printer.dpi = 300;
    Run({false, true, false});
    EXPECT_EQ(Page(0).TextAt(62 * 15, 43 * 15), "T74");
    printer.jobs.clear();
    printer.dpi = 150; // 7 pixels a unit, not 7.5
    Run({false, true, false});
    EXPECT_EQ(Page(0).TextAt(62 * 7, 43 * 7), "T74");
    EXPECT_EQ(Page(0).TextAt(100 * 7, 20 * 7), "Addr1");
}

TEST_F(PrintoutTest, TheQuotationFooterPrintsSevenLines) {
    Run({false, true, false});
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(Page(0).TextAt(10 * 30, (192 + 7 * i) * 30), "f" + std::to_string(i));
    EXPECT_EQ(Page(0).TextAt(10 * 30, (192 + 7 * 7) * 30), "<none>");
}

TEST_F(PrintoutTest, TickedAncillariesPrintWithoutGaps) {
    Run({false, true, false});
    EXPECT_EQ(Page(0).TextAt(88 * 30, 74 * 30), "Ancillaries");
    EXPECT_EQ(Page(0).TextAt(88 * 30, 80 * 30), "Grille");
    EXPECT_EQ(Page(0).TextAt(88 * 30, 84 * 30), "Louvre");
    // The frame around the data table.
    auto frames = Page(0).Where([](const vdtest::CanvasCall& c) {
        return c.op == Op::Rectangle && c.box() == std::array{300, 73 * 30, 150 * 30, 158 * 30};
    });
    EXPECT_EQ(frames.size(), 1u);
}

TEST_F(PrintoutTest, EmptyEditsPrintNothingButTheirCaptionsStay) {
    Run({false, true, false});
    const auto& q = Page(0);
    EXPECT_EQ(q.TextAt(10 * 30, 33 * 30), "Attn:");
    EXPECT_EQ(q.TextAt(27 * 30, 33 * 30), "<none>");
    EXPECT_EQ(q.TextAt(27 * 30, 29 * 30), "Acme Ventilation");
    EXPECT_EQ(q.TextAt(10 * 30, 166 * 30), "Value:"); // fixed English labels
    EXPECT_EQ(q.TextAt(10 * 30, 182 * 30), "Terms of Payment:");
}

TEST_F(PrintoutTest, TheDataSheetPlacesBlocksAndDrawings) {
    Run({true, false, false});
    const auto& s = Page(0);
    EXPECT_EQ(s.TextAt(100 * 30, 16 * 30), "Addr1");
    EXPECT_EQ(s.TextAt(100 * 30, 35 * 30), "Addr7");
    EXPECT_EQ(s.TextAt(10 * 30, 15 * 30), "Date:");
    EXPECT_EQ(s.TextAt(25 * 30, 15 * 30), "07/12/2026");
    auto pictures = s.Of(Op::Picture);
    ASSERT_GE(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].box(), (std::array{99 * 30, 30, 140 * 30, 15 * 30}));    // logo
    EXPECT_EQ(pictures[1].box(), (std::array{300, 130 * 30, 150 * 30, 198 * 30})); // drawing
    // The diagram's frame starts at the diagram origin (10, 40).
    auto texts = s.Of(Op::Text);
    bool modelAtTableTop = false;
    for (const auto& t : texts)
        modelAtTableTop |= t.text == "PW 1";
    EXPECT_TRUE(modelAtTableTop);
}

TEST_F(PrintoutTest, InstructionLinesFollowEachOtherThreeUnitsApart) {
    Run({false, false, true});
    const auto& p = Page(0);
    EXPECT_EQ(p.TextAt(300, 55 * 30), "Step 1");
    EXPECT_EQ(p.TextAt(300, 61 * 30), "Step 3");
    EXPECT_EQ(p.TextAt(100 * 30, 16 * 30), "<none>"); // no own address
}

TEST_F(PrintoutTest, AFailingJobIsAbortedAndTheNextOneStillPrints) {
    missingLogo = "pics\\logo_text.wmf";
    EXPECT_EQ(Run(), 2);
    ASSERT_EQ(printer.jobs.size(), 3u);
    EXPECT_TRUE(printer.jobs[1].aborted);
    EXPECT_FALSE(printer.jobs[1].finished);
    EXPECT_TRUE(printer.jobs[2].finished);
}

TEST_F(PrintoutTest, AMissingRecordAbortsThePrintoutsThatFetchIt) {
    SelectedFanNo = 9;
    EXPECT_EQ(Run(), 1);
    EXPECT_TRUE(printer.jobs[0].aborted); // the diagram fetches the record
    EXPECT_TRUE(printer.jobs[1].aborted); // so does the data table
    EXPECT_TRUE(printer.jobs[2].finished);
}

TEST_F(PrintoutTest, CancellingTheDialogPrintsNothing) {
    printer.confirm = false;
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(printer.jobs.empty());
    printer.confirm = true;
    EXPECT_EQ(Run({false, false, false}), 0);
    EXPECT_TRUE(printer.jobs.empty());
}

TEST(PrintLabels, TakeTheCaptionsTheWindowGivesTheirControls) {
    ResetVariables();
    for (int i = 0; i < kLanguageEntries; ++i)
        LanguageText[static_cast<size_t>(i)] = "T" + std::to_string(i);
    PrintTexts t;
    SetPrintLabelsFromLanguage(t);
    EXPECT_EQ(t.lb_date, "T71");
    EXPECT_EQ(t.lb_company, "T51");
    EXPECT_EQ(t.lb_attention, "T52");
    EXPECT_EQ(t.lb_project, "T53");
    EXPECT_EQ(t.lb_reference, "T69");
    EXPECT_EQ(t.lb_quote, "T75");
    EXPECT_EQ(t.lb_item, "T76");
    EXPECT_EQ(t.lb_contact2, "T83");
    EXPECT_EQ(t.lb_qty, "T78");
    EXPECT_EQ(t.lb_ancillaries, "T64");
    ResetVariables();
}
