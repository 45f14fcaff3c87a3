#include "number_text.h"

#include "errors.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <stdlib.h>
#include <string>

namespace vd {
namespace {

char g_sep = 0; // 0: not yet taken from the locale

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

void InitDecimalSeparatorFromLocale() {
    // Ask the environment's LC_NUMERIC without leaving the process in that
    // locale: the C library's own conversions must stay on ".".
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    char sep = '.';
    if (std::setlocale(LC_NUMERIC, "")) {
        const std::lconv* lc = std::localeconv();
        if (lc && lc->decimal_point && lc->decimal_point[0] && !lc->decimal_point[1])
            sep = lc->decimal_point[0];
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
    g_sep = sep;
}

std::string DecimalSepText() {
    if (!g_sep)
        InitDecimalSeparatorFromLocale();
    return std::string(1, g_sep);
}

void SetDecimalSeparator(char sep) {
    g_sep = sep;
}

namespace {

__extension__ typedef unsigned __int128 Wide;

// Fixed notation of a long double below 2^63 in magnitude with at most 18
// decimals, rounded as the C library rounds: the exact binary value, ties to
// even. The library's own long double conversion takes a few hundred
// nanoseconds a number, which a grid of results feels.
std::optional<std::string> FormatFixedExact(long double value, int decimals) {
    if (decimals < 0 || decimals > 18 || !(std::fabs(value) < 0x1p63L))
        return std::nullopt;
    // value = mantissa × 2^-shift exactly, with a 64-bit mantissa.
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const int shift = 64 - exponent; // at least 1, as |value| < 2^63
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const Wide scaled = static_cast<Wide>(mantissa) * scale; // below 2^124
    Wide units = 0;
    if (shift < 128) {
        units = scaled >> shift;
        const Wide rest = scaled - (units << shift);
        const Wide half = static_cast<Wide>(1) << (shift - 1);
        if (rest > half || (rest == half && (units & 1)))
            ++units;
    } // else: below half a unit of the last decimal, which rounds to zero
    const auto whole = static_cast<std::uint64_t>(units / scale);
    std::uint64_t part = static_cast<std::uint64_t>(units % scale);

    char buf[48];
    char* p = buf;
    if (std::signbit(value))
        *p++ = '-';
    p = std::to_chars(p, buf + sizeof buf, whole).ptr;
    if (decimals > 0) {
        *p++ = '.';
        for (int i = decimals - 1; i >= 0; --i, part /= 10)
            p[i] = static_cast<char>('0' + part % 10);
        p += decimals;
    }
    return std::string(buf, p);
}

} // namespace

std::string FormatFixedDot(long double value, int decimals) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buf[5000];
    // A value that a double holds exactly (every float does) takes the much
    // faster double path; the rounding is of the same exact value either way.
    const double d = static_cast<double>(value);
    const bool isDouble = static_cast<long double>(d) == value;
    if (!isDouble)
        if (auto exact = FormatFixedExact(value, decimals))
            return *std::move(exact);
    auto r = isDouble
                 ? std::to_chars(buf, buf + sizeof buf, d, std::chars_format::fixed, decimals)
                 : std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc())
        return "?";
    return std::string(buf, r.ptr);
}

std::string FormatFixed(long double value, int decimals) {
    std::string s = FormatFixedDot(value, decimals);
    char sep = DecimalSepText()[0];
    if (sep != '.')
        for (char& c : s)
            if (c == '.')
                c = sep;
    return s;
}

std::optional<long double> ParseDecimal(std::string_view text, char sep) {
    std::string_view s = Trim(text);
    std::string canon; // the same number with a point, for strtold in the C locale
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        canon += s[i++];
    size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
        canon += s[i++], ++digits;
    if (i < s.size() && s[i] == sep) {
        canon += '.';
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            canon += s[i++], ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        canon += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            canon += s[i++];
        size_t expDigits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            canon += s[i++], ++expDigits;
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    // Qt puts the process in the user's locale; convert in the C locale so
    // that the point in `canon` is always the separator.
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtold_l(canon.c_str(), nullptr, cLocale);
}

long double StrToFloat(std::string_view text) {
    auto v = ParseDecimal(text, DecimalSepText()[0]);
    if (!v)
        throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
    return *v;
}

double StrToFloatDot(std::string_view text) {
    char sep = DecimalSepText()[0];
    if (sep == '.')
        return static_cast<double>(StrToFloat(text));
    if (sep == ',') {
        std::string copy(text);
        for (char& c : copy)
            if (c == '.')
                c = ',';
        return static_cast<double>(StrToFloat(copy));
    }
    return 0;
}

std::optional<long long> ParseInteger(std::string_view text) {
    std::string_view s = Trim(text);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    long long v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size())
        return std::nullopt;
    return v;
}

} // namespace vd
