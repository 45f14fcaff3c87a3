// The bytes as the catalogue file, taken through everything that reads it.
#include "fuzz_support.h"
#include "fuzz_targets.h"

#include "ancillaries.h"
#include "catalogue_check.h"
#include "catalogue_text.h"
#include "duty_input.h"
#include "errors.h"
#include "fan_file.h"
#include "fan_tables.h"
#include "number_text.h"
#include "paths.h"
#include "performance_diagram.h"
#include "qpainter_canvas.h"
#include "results_grid.h"
#include "vd_variables.h"

#include <QImage>
#include <QPainter>

#include <cstring>

namespace vd::fuzz {

namespace {

struct SilentMessages : MessageService {
    void ShowMessage(const std::string&) override {}
};

// The dump/build round trip must give back every byte the program reads.
void CheckTextRoundTrip(const unsigned char* bytes) {
    TFanRecord decoded;
    DecodeFanRecord(bytes, decoded);
    std::vector<TFanRecord> again;
    try {
        again = ParseCatalogueText(FormatCatalogueRecord(decoded));
    } catch (const CatalogueTextError& e) {
        Fail(std::string("a dumped record does not read back: ") + e.what());
    }
    if (again.size() != 1)
        Fail("a dumped record reads back as " + std::to_string(again.size()) + " records");
    unsigned char a[kRecordSize], b[kRecordSize];
    EncodeFanRecord(decoded, a);
    EncodeFanRecord(again[0], b);
    if (std::memcmp(a, b, kRecordSize) != 0)
        Fail("a dumped record reads back with other field values");
}

// What a double click on result row `row` does: choose the fan by its number
// and draw the diagram page's pictures, then the ancillaries page's list.
void DrawChosen(ResultsGrid& grid, int row) {
    grid.SetCurrentRow(row);
    auto no = ParseInteger(grid.Cell(ResultsGrid::kFanNo, row));
    if (!no || *no < INT32_MIN || *no > INT32_MAX)
        return; // a reject row: the window reports the conversion error
    SelectedFanNo = static_cast<std::int32_t>(*no);
    NoDetailLoader detail;
    try {
        QImage image(545, 342, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QPainterCanvas canvas(painter, 96);
        const DrawTarget target = DrawTarget::Screen(canvas);
        DrawDiagram(target, grid, detail);
        DrawDataTable(target, grid);
        DrawDimensionTable(target);
        painter.end();
        BuildAncillaries(FanRecord);
    } catch (const FileError&) {
    } catch (const ConversionError&) {
    }
}

void RunSelection(const DutyInputs& in, bool showRejects) {
    FixedSelectionControls controls;
    controls.supplyIndex = in.supplyIndex;
    controls.allowedDeviation = 30;
    controls.showRejects = showRejects;
    SilentMessages messages;
    ResultsGrid grid;
    auto reset = [&] { ResetResultsGrid(grid, in.volumeUnitText, in.pressureUnitText); };
    reset();
    try {
        if (RunSelectButton(in, controls, grid, messages, reset) != SelectOutcome::Ran)
            Fail("a valid duty point was refused");
    } catch (const FileError&) {
        return;
    }
    // The first rows are enough: the drawing does not depend on the row count.
    for (int row = 1; row < grid.RowCount() && row <= 3; ++row)
        DrawChosen(grid, row);
    grid.HeaderClick(ResultsGrid::kModel);
    grid.HeaderClick(ResultsGrid::kPercent);
}

} // namespace

int FuzzCatalogue(const uint8_t* data, size_t size) {
    // Far more records than a run needs to reach every path.
    if (size > 64 * kRecordSize)
        return 0;
    EnsureGuiApplication();
    const std::filesystem::path root = ScratchDir() / "catalogue";
    WriteScratchFile(root / "dat" / "vd_fan.rec", AsText(data, size));
    ResetVariables();
    SetDecimalSeparator('.');
    SetDataRoot(root);
    for (int i = 0; i < kLanguageEntries; ++i)
        LanguageText[static_cast<size_t>(i)] = "t" + std::to_string(i);

    const auto issues = CheckCatalogueFile(root / "dat" / "vd_fan.rec", kCatalogueFile);
    const bool whole = size % kRecordSize == 0;
    if (whole != (issues.empty() || issues[0].record != 0))
        Fail("the validator misjudges the file size");
    for (size_t at = 0; at + kRecordSize <= size; at += kRecordSize)
        CheckTextRoundTrip(data + at);

    for (const auto& flag : FamilyFlags())
        *flag.flag = "Y";
    DutyInputs a; // 1 m3/s at 300 Pa total, any supply
    a.volume = 1;
    a.pressure = 300;
    RunSelection(a, false);
    DutyInputs b; // a small static duty in other units, one supply, rejects shown
    b.pressureTypeIndex = 0;
    b.volume = 500;
    b.volumeUnitText = "m3/h";
    b.pressure = 0.5;
    b.pressureUnitText = "inwg";
    b.supplyIndex = 1;
    RunSelection(b, true);

    SetDataRoot({});
    return 0;
}

} // namespace vd::fuzz
