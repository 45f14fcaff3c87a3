#pragma once
// A small arithmetic expression language for the family table: numbers,
// variables, + - * / ^, parentheses and a few functions. The family table
// describes dimensions, weights and ratings as formulae of the size columns,
// so a series stays consistent when a size is added.
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace gencat {

class ExprError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A variable the expression needs is not (yet) known.
class UnknownVariable : public ExprError {
  public:
    using ExprError::ExprError;
};

using Variables = std::map<std::string, double, std::less<>>;

class Expr {
  public:
    // Parses the text; throws ExprError on a syntax error.
    static Expr Parse(std::string_view text);

    // Evaluates with the given variables; throws ExprError for an unknown
    // variable or a result that is not a finite number.
    double Eval(const Variables& vars) const;

    const std::string& text() const { return text_; }

    struct Node;

  private:
    std::shared_ptr<const Node> root_;
    std::string text_;
};

} // namespace gencat
