#pragma once
// The results of a selection as a document: tab-separated rows as the grid
// holds them, CSV under the grid's headings, or a JSON object of numbers.
// The command line and any other front end give the same bytes for the same
// request.
#include "duty_request.h"
#include "speed_steps.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vdcat {

enum class DocumentFormat { Tsv, Csv, Json };

// "tsv", "csv", "json".
std::optional<DocumentFormat> ParseDocumentFormat(const std::string& name);

struct DocumentOptions {
    DocumentFormat format = DocumentFormat::Tsv;
    bool header = false; // tsv: a heading line first (csv always has one)
    bool cp1252 = false; // tsv: texts in the catalogue's code page, not UTF-8
};

// The slowest sufficient speed step of each listed row (nullopt for a
// reject row), from `catalogue` or the file, for the first `rows` rows (-1:
// all). The duty must be stored.
std::vector<std::optional<vd::SpeedStep>> StepsOfRows(const DutyRequest& request,
                                                      const vd::ResultsGrid& grid,
                                                      const vd::CatalogueImage* catalogue,
                                                      int rows = -1);
// A number as the shortest text that reads back to the same value.
std::string ShortestNumber(long double value);
std::string ShortestNumber(float value);

// The document of a selection that RunDuty has just run into `grid`, whole or
// handed to a sink in pieces (tab-separated and CSV a few dozen kilobytes at a
// time). Any failure comes before the first piece.
using DocumentSink = std::function<void(std::string_view)>;
void WriteSelectDocument(const DutyRequest& request, const vd::ResultsGrid& grid,
                         const DocumentOptions& options, const DocumentSink& sink,
                         const vd::CatalogueImage* catalogue = nullptr);
std::string SelectDocument(const DutyRequest& request, const vd::ResultsGrid& grid,
                           const DocumentOptions& options,
                           const vd::CatalogueImage* catalogue = nullptr);

// The JSON document in two parts: the duty and units, which read the shared
// state the run leaves, and the rows, which read only the grid and the steps.
// SelectDocument gives JsonDocumentHead + ",\"rows\":" + JsonDocumentRows +
// "}\n", so a front end that holds the shared state under a lock may write
// the rows after releasing it.
std::string JsonDocumentHead(const DutyRequest& request);
std::string JsonDocumentRows(const DutyRequest& request, const vd::ResultsGrid& grid,
                             const std::vector<std::optional<vd::SpeedStep>>& steps);
std::string JoinJsonDocument(const std::string& head, const std::string& rows);

// Parts the schedule shares: the CSV heading line and rows, and a JSON row,
// each after a leading tag column.
std::string CsvHeading(const DutyRequest& request, const vd::ResultsGrid& grid);
std::string CsvRow(const DutyRequest& request, const vd::ResultsGrid& grid, int row,
                   const std::optional<vd::SpeedStep>& step);
class JsonWriter;
void WriteDuty(JsonWriter& json, const DutyRequest& request);
void WriteUnits(JsonWriter& json);
void WriteJsonRow(JsonWriter& json, const DutyRequest& request, const vd::ResultsGrid& grid,
                  int row, const std::optional<vd::SpeedStep>& step);

} // namespace vdcat
