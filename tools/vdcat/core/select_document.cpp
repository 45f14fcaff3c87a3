#include "select_document.h"

#include "codepage.h"
#include "duty_input.h"
#include "fan_verdict.h"
#include "json_writer.h"
#include "number_text.h"
#include "text_entries.h"
#include "vd_variables.h"

#include <algorithm>
#include <charconv>

namespace vdcat {
namespace {

using Grid = vd::ResultsGrid;

// The columns the user sees, as the CSV gives them.
constexpr int kVisibleColumns = 10;
// The columns a tab-separated row has always had.
constexpr std::size_t kTsvColumns = 23;

std::string Utf8(std::string_view cp1252) {
    return vd::Cp1252ToUtf8(cp1252);
}

bool IsRejectRow(const Grid& grid, int row) {
    return grid.Cell(Grid::kFanNo, row).empty();
}

std::string Trimmed(const char* text) {
    std::string s = text;
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

// The step's cells: number and voltage (empty for a one-curve fan) and its
// delivered volume in percent as the grid writes it.
std::vector<std::string> StepCells(const std::optional<vd::SpeedStep>& step) {
    if (!step)
        return {"", "", ""};
    std::vector<std::string> cells(3);
    if (step->multiSpeed) {
        cells[0] = vd::SpeedStepLabel(step->curve);
        cells[1] = Trimmed(vd::SpeedStepVolts(step->curve, step->phases));
    }
    cells[2] = vd::FormatFixed(step->dev, 0) + "%";
    return cells;
}

std::vector<std::string> StepHeadings() {
    return {vd::LanguageText[vd::entry::kStep], vd::LanguageText[vd::entry::kVolts],
            vd::LanguageText[vd::entry::kStep] + " " + vd::LanguageText[vd::entry::kColumnPercent]};
}

std::string StripPercent(std::string text) {
    if (!text.empty() && text.back() == '%')
        text.pop_back();
    return text;
}

// Collects a document in pieces of about kPiece bytes and hands each to the
// sink, converted to UTF-8 unless the code page is asked for; a long document
// never needs a buffer of its own size.
class PieceWriter {
  public:
    static constexpr std::size_t kPiece = 64 * 1024;

    PieceWriter(const DocumentSink& sink, bool cp1252) : sink_(sink), cp1252_(cp1252) {
        piece_.reserve(kPiece + 1024);
    }
    std::string& Text() { return piece_; }
    // Called after each line: passes the piece on once it is full.
    void LineDone() {
        if (piece_.size() >= kPiece)
            Flush();
    }
    void Flush() {
        if (piece_.empty())
            return;
        if (cp1252_) {
            sink_(piece_);
        } else {
            utf8_.clear();
            vd::AppendCp1252AsUtf8(utf8_, piece_);
            sink_(utf8_);
        }
        piece_.clear();
    }

  private:
    const DocumentSink& sink_;
    bool cp1252_;
    std::string piece_, utf8_;
};

void WriteTsv(const DutyRequest& r, const Grid& grid, const DocumentOptions& o,
              const std::vector<std::optional<vd::SpeedStep>>& steps, const DocumentSink& sink) {
    PieceWriter writer(sink, o.cp1252);
    std::string& out = writer.Text();
    auto line = [&](int row, const std::vector<std::string>& extra) {
        grid.RowAt(row).AppendJoined(out, kTsvColumns, '\t');
        for (const std::string& cell : extra)
            out += '\t' + cell;
        out += '\n';
        writer.LineDone();
    };
    if (o.header)
        line(0, r.steps ? StepHeadings() : std::vector<std::string>{});
    for (int row = grid.FixedRows(), i = 0; row < grid.RowCount(); ++row, ++i) {
        // Sorted rows lie scattered in memory: ask for the next ones early.
        constexpr int kAhead = 8;
        grid.RowAt(row + kAhead).Prefetch();
        line(row,
             r.steps ? StepCells(steps[static_cast<std::size_t>(i)]) : std::vector<std::string>{});
    }
    writer.Flush();
}

} // namespace

std::string ShortestNumber(long double value) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value));
    return ec == std::errc() ? std::string(buf, end) : std::string("null");
}

std::string ShortestNumber(float value) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc() ? std::string(buf, end) : std::string("null");
}

std::optional<DocumentFormat> ParseDocumentFormat(const std::string& name) {
    if (name == "tsv")
        return DocumentFormat::Tsv;
    if (name == "csv")
        return DocumentFormat::Csv;
    if (name == "json")
        return DocumentFormat::Json;
    return std::nullopt;
}

std::vector<std::optional<vd::SpeedStep>>
StepsOfRows(const DutyRequest& r, const Grid& grid, const vd::CatalogueImage* catalogue, int rows) {
    std::vector<std::optional<vd::SpeedStep>> steps;
    const vd::FixedSelectionControls controls = ControlsFor(r);
    vd::TFanRecord rec;
    const int end = rows < 0 ? grid.RowCount() : std::min(grid.RowCount(), grid.FixedRows() + rows);
    for (int row = grid.FixedRows(); row < end; ++row) {
        auto fan = vd::ParseInteger(grid.Cell(Grid::kFanNo, row));
        if (!fan || !FetchFan(*fan, rec, catalogue)) {
            steps.emplace_back();
            continue;
        }
        // The same system curve as the run's: its k from the run's own tests.
        const float k = vd::JudgeFan(rec, controls, true).k;
        steps.emplace_back(vd::SlowestSufficientStep(rec, k, vd::DutyVolume));
    }
    return steps;
}

std::string CsvHeading(const DutyRequest& r, const Grid& grid) {
    std::string out;
    for (int col = 0; col < kVisibleColumns; ++col)
        out += (col ? "," : "") + CsvField(Utf8(grid.Cell(col, 0)));
    if (r.steps)
        for (const std::string& h : StepHeadings())
            out += "," + CsvField(Utf8(h));
    if (r.rejects)
        out += ",Reject";
    return out;
}

std::string CsvRow(const DutyRequest& r, const Grid& grid, int row,
                   const std::optional<vd::SpeedStep>& step) {
    const bool reject = IsRejectRow(grid, row);
    std::string out;
    for (int col = 0; col < kVisibleColumns; ++col) {
        // A reject row holds its reason in the volume column; here it has a
        // column of its own.
        const std::string_view cell =
            reject && col == Grid::kVolume ? std::string_view() : grid.Cell(col, row);
        out += (col ? "," : "") + CsvField(Utf8(cell));
    }
    if (r.steps)
        for (const std::string& cell : StepCells(step))
            out += "," + CsvField(cell);
    if (r.rejects)
        out += "," + CsvField(reject ? Utf8(grid.Cell(Grid::kVolume, row)) : std::string());
    return out;
}

void WriteDuty(JsonWriter& j, const DutyRequest& r) {
    j.Key("duty").BeginObject();
    j.Key("volume").Number(ShortestNumber(vd::EnteredVolume));
    j.Key("volume_unit").String(r.volumeUnit);
    j.Key("pressure").Number(ShortestNumber(vd::EnteredPressure));
    j.Key("pressure_unit").String(r.pressureUnit);
    j.Key("pressure_type").String(IsStaticPressure(r) ? kStatic : kTotal);
    j.Key("deviation").Number(ShortestNumber(vd::ClampDeviation(r.deviation)));
    j.Key("supply").Number(r.supply);
    j.Key("families").BeginArray();
    for (const std::string& f : r.families)
        j.String(f);
    j.EndArray();
    j.EndObject();
}

void WriteUnits(JsonWriter& j) {
    j.Key("units").BeginObject();
    j.Key("volume").String(vd::VolumeUnit);
    j.Key("pressure").String(vd::PressureUnit);
    j.Key("percent").String("%");
    j.Key("specific_power").String("kW/(m3/s)");
    j.Key("speed").String("rpm");
    j.Key("power").String("kW");
    j.Key("current").String("A");
    j.EndObject();
}

void WriteJsonRow(JsonWriter& j, const DutyRequest& r, const Grid& grid, int row,
                  const std::optional<vd::SpeedStep>& step) {
    const bool reject = IsRejectRow(grid, row);
    auto cell = [&](int col) { return Utf8(grid.Cell(col, row)); };
    j.BeginObject();
    if (reject) {
        j.Key("fan").Null();
    } else {
        auto fan = vd::ParseInteger(grid.Cell(Grid::kFanNo, row));
        fan ? j.Key("fan").Number(*fan) : j.Key("fan").Null();
    }
    j.Key("model").String(cell(Grid::kModel));
    j.Key("volume").Number(reject ? "" : cell(Grid::kVolume));
    j.Key("pressure").Number(cell(Grid::kPressure));
    j.Key("percent").Number(StripPercent(cell(Grid::kPercent)));
    // Language text 119 stands for a value that rounds to nothing.
    j.Key("specific_power").Number(cell(Grid::kSpecificPower));
    j.Key("speed").NumberOrText(cell(Grid::kValueCol6));
    j.Key("power").NumberOrText(cell(Grid::kValueCol7));
    j.Key("current").NumberOrText(cell(Grid::kAmps));
    reject ? j.Key("supply").Null() : j.Key("supply").String(cell(Grid::kSupply));
    reject ? j.Key("family").Null() : j.Key("family").String(cell(Grid::kFamily));
    reject ? j.Key("picture").Null() : j.Key("picture").String(cell(Grid::kPicture));
    if (r.steps) {
        j.Key("step");
        if (!step) {
            j.Null();
        } else {
            const std::vector<std::string> cells = StepCells(step);
            j.BeginObject();
            j.Key("step").Number(cells[0]);
            j.Key("volts").Number(cells[1]);
            j.Key("percent").Number(StripPercent(cells[2]));
            j.EndObject();
        }
    }
    if (r.rejects)
        reject ? j.Key("reject").String(cell(Grid::kVolume)) : j.Key("reject").Null();
    j.EndObject();
}

void WriteSelectDocument(const DutyRequest& r, const Grid& grid, const DocumentOptions& o,
                         const DocumentSink& sink, const vd::CatalogueImage* catalogue) {
    // The steps read the catalogue and may fail: all of them before a byte
    // goes out.
    std::vector<std::optional<vd::SpeedStep>> steps;
    if (r.steps)
        steps = StepsOfRows(r, grid, catalogue);
    if (o.format == DocumentFormat::Tsv)
        return WriteTsv(r, grid, o, steps, sink);
    const int first = grid.FixedRows();
    auto step = [&](int row) {
        return r.steps ? steps[static_cast<std::size_t>(row - first)]
                       : std::optional<vd::SpeedStep>();
    };
    if (o.format == DocumentFormat::Csv) {
        // Each field is UTF-8 already.
        PieceWriter writer(sink, true);
        writer.Text() = CsvHeading(r, grid) + "\r\n";
        for (int row = first; row < grid.RowCount(); ++row) {
            writer.Text() += CsvRow(r, grid, row, step(row)) + "\r\n";
            writer.LineDone();
        }
        return writer.Flush();
    }
    sink(JoinJsonDocument(JsonDocumentHead(r), JsonDocumentRows(r, grid, steps)));
}

std::string SelectDocument(const DutyRequest& r, const Grid& grid, const DocumentOptions& o,
                           const vd::CatalogueImage* catalogue) {
    std::string out;
    WriteSelectDocument(
        r, grid, o, [&](std::string_view piece) { out += piece; }, catalogue);
    return out;
}

std::string JsonDocumentHead(const DutyRequest& r) {
    JsonWriter j;
    j.BeginObject();
    WriteDuty(j, r);
    WriteUnits(j);
    return j.str();
}

std::string JsonDocumentRows(const DutyRequest& r, const Grid& grid,
                             const std::vector<std::optional<vd::SpeedStep>>& steps) {
    JsonWriter j;
    j.BeginArray();
    for (int row = grid.FixedRows(), i = 0; row < grid.RowCount(); ++row, ++i)
        WriteJsonRow(j, r, grid, row,
                     r.steps ? steps[static_cast<std::size_t>(i)] : std::optional<vd::SpeedStep>());
    j.EndArray();
    return j.str();
}

std::string JoinJsonDocument(const std::string& head, const std::string& rows) {
    return head + ",\"rows\":" + rows + "}\n";
}

} // namespace vdcat
