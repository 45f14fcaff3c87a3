#include "schedule.h"

#include "codepage.h"
#include "text_entries.h"
#include "vd_variables.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace vdcat {
namespace {

std::string Trim(std::string s) {
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!s.empty() && blank(static_cast<unsigned char>(s.back())))
        s.pop_back();
    std::size_t i = 0;
    while (i < s.size() && blank(static_cast<unsigned char>(s[i])))
        ++i;
    return s.substr(i);
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

const char* const kRequired[] = {"tag",           "volume",        "volume_unit", "pressure",
                                 "pressure_unit", "pressure_type", "families"};

// One line's request; the problem it has, if any. An empty optional field
// takes its default.
std::optional<DutyProblem> ReadLine(const std::map<std::string, std::size_t>& columns,
                                    const std::vector<std::string>& fields, DutyRequest& r) {
    std::map<std::string, std::string> values;
    for (const auto& [name, at] : columns)
        values[name] = at < fields.size() ? Trim(fields[at]) : std::string();
    values["pressure_type"] = Lower(values["pressure_type"]);
    auto text = [&](const char* name) -> const std::string* {
        auto it = values.find(name);
        if (it == values.end())
            return nullptr;
        const bool optional = it->first == "pressure_type" || it->first == "deviation" ||
                              it->first == "supply" || it->first == "families";
        return optional && it->second.empty() ? nullptr : &it->second;
    };
    return ReadDuty(
        text, [](const char* name) { return std::string(name); }, r);
}

} // namespace

std::vector<CsvRecord> ParseCsv(std::string_view text, std::string& error) {
    std::vector<CsvRecord> records;
    CsvRecord rec;
    std::string field;
    int line = 1;
    bool quoted = false, fieldStarted = false, recordStarted = false;
    rec.line = 1;
    auto endField = [&] {
        rec.fields.push_back(field);
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        // A blank line is no record.
        if (!(rec.fields.size() == 1 && rec.fields[0].empty()))
            records.push_back(rec);
        rec = CsvRecord{};
        rec.line = line;
        recordStarted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == '"' && !fieldStarted) {
            quoted = fieldStarted = recordStarted = true;
        } else if (c == ',') {
            endField();
            recordStarted = true;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        } else if (c == '\n') {
            ++line;
            endRecord();
        } else {
            field += c;
            fieldStarted = recordStarted = true;
        }
    }
    if (quoted)
        error = "line " + std::to_string(rec.line) + ": a quoted field is not closed";
    else if (recordStarted || !field.empty())
        endRecord();
    return records;
}

std::vector<ScheduleLine> ParseSchedule(std::string_view text, std::string& error) {
    std::vector<ScheduleLine> lines;
    std::vector<CsvRecord> records = ParseCsv(text, error);
    if (!error.empty())
        return lines;
    if (records.empty()) {
        error = "the schedule has no header line";
        return lines;
    }
    std::map<std::string, std::size_t> columns;
    for (std::size_t i = 0; i < records[0].fields.size(); ++i)
        columns.emplace(Lower(Trim(records[0].fields[i])), i);
    for (const char* name : kRequired)
        if (!columns.count(name)) {
            error = std::string("the header has no column ") + name;
            return lines;
        }
    for (std::size_t i = 1; i < records.size(); ++i) {
        ScheduleLine line;
        line.line = records[i].line;
        const auto& fields = records[i].fields;
        const std::size_t tagColumn = columns["tag"];
        line.tag = tagColumn < fields.size() ? Trim(fields[tagColumn]) : std::string();
        if (fields.size() > records[0].fields.size())
            line.problem = DutyProblem{kUsage, "more fields than the header names", ""};
        else
            line.problem = ReadLine(columns, fields, line.request);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string SafeFileName(const std::string& tag) {
    std::string name;
    for (char c : tag) {
        const auto u = static_cast<unsigned char>(c);
        name += std::isalnum(u) || c == '.' || c == '-' || c == '_' ? c : '_';
    }
    if (name.empty() || name.find_first_not_of('.') == std::string::npos)
        name = "_" + name;
    return name;
}

ScheduleDocument::ScheduleDocument(DocumentFormat format, int top, bool steps)
    : format_(format), top_(top), steps_(steps) {
    if (format_ == DocumentFormat::Json) {
        json_.BeginObject();
        json_.Key("duties").BeginArray();
        return;
    }
    // One heading for lines of any units: the quantities' names stand where
    // the grid names the units.
    vd::ResultsGrid heading;
    vd::ResetResultsGrid(heading, "", "");
    heading.SetCell(vd::ResultsGrid::kVolume, 0, vd::LanguageText[vd::entry::kAirVolume]);
    heading.SetCell(vd::ResultsGrid::kPressure, 0, vd::LanguageText[vd::entry::kPressure]);
    DutyRequest shape;
    shape.steps = steps_;
    csv_ = "tag," + CsvHeading(shape, heading) + "\r\n";
}

void ScheduleDocument::AddDuty(const ScheduleLine& line, const vd::ResultsGrid* grid,
                               const vd::CatalogueImage* catalogue) {
    const int rows = grid ? std::min(top_, grid->RowCount() - grid->FixedRows()) : 0;
    std::vector<std::optional<vd::SpeedStep>> steps;
    if (steps_ && grid)
        steps = StepsOfRows(line.request, *grid, catalogue, rows);
    const std::string& tag = line.tag;
    auto step = [&](int i) {
        return steps_ ? steps[static_cast<std::size_t>(i)] : std::optional<vd::SpeedStep>();
    };
    if (format_ == DocumentFormat::Json) {
        json_.BeginObject();
        json_.Key("tag").String(tag);
        json_.Key("line").Number(line.line);
        WriteDuty(json_, line.request);
        WriteUnits(json_);
        json_.Key("rows").BeginArray();
        for (int i = 0; i < rows; ++i)
            WriteJsonRow(json_, line.request, *grid, grid->FixedRows() + i, step(i));
        json_.EndArray();
        json_.EndObject();
        return;
    }
    for (int i = 0; i < rows; ++i)
        csv_ += CsvField(tag) + "," + CsvRow(line.request, *grid, grid->FixedRows() + i, step(i)) +
                "\r\n";
}

std::string ScheduleDocument::Finish() {
    if (format_ == DocumentFormat::Json) {
        json_.EndArray();
        json_.EndObject();
        return json_.str() + "\n";
    }
    return csv_;
}

} // namespace vdcat
