#pragma once
// The four-function calculator behind a numeric entry's calculator button.
// Plain logic, so that it is tested without a window.
#include <string>

namespace vd {

class Calculator {
  public:
    explicit Calculator(char decimalSeparator = '.') : sep_(decimalSeparator) {}

    // Starts from the entry's value.
    void SetValue(long double v);
    void Digit(int d);
    void Point();
    // '+', '-', '*' or '/': finishes the pending operation first.
    void Operator(char op);
    void Equals();
    void Clear();
    void Backspace();
    void Negate();

    // What the display shows: the number typed or the last result, or "Error"
    // after a division by zero (cleared by the next key).
    const std::string& Display() const { return display_; }
    bool HasError() const { return error_; }
    // The display's value; 0 after an error.
    long double Value() const;

    // A number as the display writes it: up to 15 significant digits, no
    // trailing zeros, the decimal separator given.
    static std::string Format(long double v, char sep);

  private:
    void StartEntryIfNeeded();
    char sep_;
    std::string display_ = "0";
    long double accumulator_ = 0;
    char pending_ = 0;
    bool entering_ = false; // the display holds digits being typed
    bool error_ = false;
};

} // namespace vd
