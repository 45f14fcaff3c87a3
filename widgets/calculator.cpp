#include "calculator.h"

#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vd {

std::string Calculator::Format(long double v, char sep) {
    if (v == 0)
        return "0"; // no "-0"
    // Fixed notation: an exponent ("1e+16") is no number the entry can read.
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    const int decimals = std::clamp(14 - magnitude, 0, 30);
    std::string s(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.*Lf", decimals, v)), '\0');
    std::snprintf(s.data(), s.size() + 1, "%.*Lf", decimals, v);
    if (s.find('.') != std::string::npos) {
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
    }
    if (s == "-0" || s == "0")
        return "0";
    for (char& c : s)
        if (c == '.')
            c = sep;
    return s;
}

void Calculator::SetValue(long double v) {
    Clear();
    display_ = Format(v, sep_);
}

long double Calculator::Value() const {
    if (error_)
        return 0;
    auto v = ParseDecimal(display_, sep_);
    return v ? *v : 0;
}

void Calculator::StartEntryIfNeeded() {
    if (error_)
        Clear();
    if (!entering_) {
        display_ = "0";
        entering_ = true;
    }
}

void Calculator::Digit(int d) {
    if (d < 0 || d > 9)
        return;
    StartEntryIfNeeded();
    if (display_.size() >= 20)
        return;
    if (display_ == "0")
        display_.clear();
    else if (display_ == "-0")
        display_ = "-";
    display_ += static_cast<char>('0' + d);
}

void Calculator::Point() {
    StartEntryIfNeeded();
    if (display_.find(sep_) == std::string::npos)
        display_ += sep_;
}

void Calculator::Operator(char op) {
    if (error_)
        return;
    if (entering_ || pending_ == 0)
        Equals();
    if (error_)
        return;
    accumulator_ = Value();
    pending_ = op;
    entering_ = false;
}

void Calculator::Equals() {
    if (error_)
        return;
    long double x = Value();
    long double r = x;
    switch (pending_) {
    case '+':
        r = accumulator_ + x;
        break;
    case '-':
        r = accumulator_ - x;
        break;
    case '*':
        r = accumulator_ * x;
        break;
    case '/':
        if (x == 0) {
            display_ = "Error";
            error_ = true;
            pending_ = 0;
            entering_ = false;
            return;
        }
        r = accumulator_ / x;
        break;
    default:
        break;
    }
    if (!std::isfinite(r)) {
        display_ = "Error";
        error_ = true;
    } else {
        display_ = Format(r, sep_);
    }
    accumulator_ = r;
    pending_ = 0;
    entering_ = false;
}

void Calculator::Clear() {
    display_ = "0";
    accumulator_ = 0;
    pending_ = 0;
    entering_ = false;
    error_ = false;
}

void Calculator::Backspace() {
    if (error_) {
        Clear();
        return;
    }
    if (!entering_)
        return;
    display_.pop_back();
    if (display_.empty() || display_ == "-")
        display_ = "0";
}

void Calculator::Negate() {
    if (error_)
        return;
    if (display_ == "0")
        return;
    if (display_[0] == '-')
        display_.erase(0, 1);
    else
        display_.insert(0, "-");
}

} // namespace vd
