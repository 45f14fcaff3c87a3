#pragma once
// A duty schedule: a CSV file of duties, one a line, selected one after
// another over a catalogue read once; the first rows of each, tagged.
#include "duty_request.h"
#include "json_writer.h"
#include "select_document.h"

#include <string>
#include <string_view>
#include <vector>

namespace vdcat {

struct CsvRecord {
    int line = 0; // where the record starts, counted from 1
    std::vector<std::string> fields;
};

// Reads RFC 4180 text (CR LF or LF line ends, quoted fields with doubled
// quotes and line breaks). An unterminated quote sets `error`.
std::vector<CsvRecord> ParseCsv(std::string_view text, std::string& error);

struct ScheduleLine {
    int line = 0;
    std::string tag;
    DutyRequest request;
    std::optional<DutyProblem> problem; // the line cannot be selected
};

// The schedule's lines; `error` names what is wrong with the file as a whole
// (no header, a required column missing).
std::vector<ScheduleLine> ParseSchedule(std::string_view text, std::string& error);

// A tag as a file name: letters, digits, '.', '-' and '_' kept, anything
// else '_'; never empty, "." or "..".
std::string SafeFileName(const std::string& tag);

// The schedule's document, one duty at a time.
class ScheduleDocument {
  public:
    ScheduleDocument(DocumentFormat format, int top, bool steps);
    // The first rows of a duty RunDuty has just run into `grid` (none when
    // no fan was found).
    void AddDuty(const ScheduleLine& line, const vd::ResultsGrid* grid,
                 const vd::CatalogueImage* catalogue);
    std::string Finish();

  private:
    DocumentFormat format_;
    int top_;
    bool steps_;
    std::string csv_;
    JsonWriter json_;
};

} // namespace vdcat
