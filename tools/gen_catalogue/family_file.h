#pragma once
// The family table (families.txt): for every product family its curve model,
// supply, file names, formulae and one row per size. Line-oriented:
//
//   family CODE                  starts a family
//   like CODE                    copies an earlier family's settings and
//                                formulae (not its rows); later lines override
//   title  free text             what the family is (for people)
//   kind   WORD                  curve and power model of the impeller
//   sound  WORD                  which sound rows the family has
//   volts  TEXT                  default supply text
//   drawing|diagram|spec|maint|picture NAME   detail file names
//   NAME = EXPRESSION            a value per fan, evaluated in file order
//   dim LETTER = EXPRESSION      a dimension in mm (0 = does not apply)
//   columns NAME ...             the columns of the size rows
//   fan VALUE ...                one size; a column overrides a formula
//
// '#' starts a comment outside quotes; texts with blanks are quoted.
#include "expr.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace gencat {

class FamilyFileError : public std::runtime_error {
  public:
    FamilyFileError(int line, const std::string& message)
        : std::runtime_error("families line " + std::to_string(line) + ": " + message),
          line_(line) {}
    int line() const { return line_; }

  private:
    int line_;
};

struct Assignment {
    std::string name; // variable name; for a dimension its letter
    bool isDimension = false;
    Expr expr;
    int line = 0;
    bool inherited = false; // copied by "like": may be overridden once
};

struct SizeRow {
    int line = 0;
    // Column values by column name: texts for the text columns, numbers otherwise.
    std::vector<std::pair<std::string, std::string>> texts;
    Variables numbers;
};

struct FamilySpec {
    int line = 0;
    std::string code;
    std::string title;
    std::string kind;
    std::string sound;
    std::string volts;
    std::string drawing, diagram, spec, maint, picture;
    std::vector<Assignment> assignments;
    std::vector<std::string> columns;
    std::vector<SizeRow> sizes;
};

// Column names whose values are texts, not numbers.
bool IsTextColumn(std::string_view name);

// The 17 dimension letters in record order.
const std::vector<std::string>& DimensionLetters();

// Parses the whole table; throws FamilyFileError naming the line of the first fault.
std::vector<FamilySpec> ParseFamilyFile(std::string_view text);

} // namespace gencat
