#pragma once
// Numbers as the user sees and types them: C-style fixed formats with the
// system's decimal separator, and the locale-safe parser for stored decimals.
#include <optional>
#include <string>
#include <string_view>

namespace vd {

// The system's decimal separator as a one-character text. Taken from the
// user's locale (LC_NUMERIC) on first use; tests set it directly.
std::string DecimalSepText();
void SetDecimalSeparator(char sep);
void InitDecimalSeparatorFromLocale();

// "%0.Nf" of the exact binary value, rounded to nearest with ties to even (as
// glibc's printf), with "." replaced by the system separator.
std::string FormatFixed(long double value, int decimals);
// The same with a point, whatever the system separator.
std::string FormatFixedDot(long double value, int decimals);
// The same appended to `out`, with `sep` for the point: for callers that make
// many numbers' texts and look the separator up once.
void AppendFixed(std::string& out, long double value, int decimals, char sep);

// Reads a whole text as a decimal number written with `sep`: optional blanks
// around it, a sign, digits with at most one separator, an exponent. Anything
// else (thousands separators, "nan", "inf", hex) is not a number.
std::optional<long double> ParseDecimal(std::string_view text, char sep);

// The standard conversion: a number written with the system separator, or the
// ConversionError "'<text>' is not a valid floating point value".
long double StrToFloat(std::string_view text);

// A decimal text written with a point or with the system separator, whatever
// that separator is; 0 under a separator other than "." and ",".
double StrToFloatDot(std::string_view text);

// A whole text as a decimal integer (blanks around it allowed), or nothing.
std::optional<long long> ParseInteger(std::string_view text);

} // namespace vd
