#pragma once
// The readable text form of the catalogue, for the catalogue team: every field
// of every record, one "name = value" line each. Text → records → text gives
// the same text; records → text → records gives the same field values.
#include "fan_record.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

class CatalogueTextError : public std::runtime_error {
  public:
    CatalogueTextError(int line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line),
          message_(message) {}
    int line() const { return line_; }
    const std::string& message() const { return message_; }

  private:
    int line_;
    std::string message_;
};

// One record as text, starting with its "[fan]" line. UTF-8, LF line ends.
std::string FormatCatalogueRecord(const TFanRecord& rec);

// A whole catalogue text: records in order. A record without "fan_no" gets its
// position. Throws CatalogueTextError naming the line of the first fault.
std::vector<TFanRecord> ParseCatalogueText(std::string_view text);

} // namespace vd
