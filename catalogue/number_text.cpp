#include "number_text.h"

#include "errors.h"

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
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

// A finite value as mantissa × 2^-shift exactly, the mantissa's top bit set
// unless it is zero.
struct Binary {
    bool negative = false;
    std::uint64_t mantissa = 0;
    int shift = 0;
};

// A value below 2^63 in magnitude as mantissa × 2^-shift exactly; nothing
// for anything larger, infinite, not a number or not a valid encoding.
std::optional<Binary> Decompose(long double value) {
    Binary b;
    if constexpr (std::numeric_limits<long double>::digits == 64 &&
                  std::endian::native == std::endian::little) {
        // The x87 format, read from its bits rather than by its slow
        // instructions: a 64-bit mantissa with its integer bit, then the sign
        // and a 15-bit exponent biased by 16383.
        unsigned char raw[sizeof value];
        std::memcpy(raw, &value, sizeof value);
        std::uint64_t m;
        std::uint16_t signAndExponent;
        std::memcpy(&m, raw, 8);
        std::memcpy(&signAndExponent, raw + 8, 2);
        b.negative = signAndExponent >> 15;
        const int biased = signAndExponent & 0x7FFF;
        if (biased >= 16383 + 63 || (biased != 0 && !(m >> 63)))
            return std::nullopt;
        if (m == 0)
            return b;
        const int exponent = (biased == 0 ? 1 : biased) - 16383 - 63;
        const int lead = std::countl_zero(m);
        b.mantissa = m << lead;
        b.shift = lead - exponent;
        return b;
    } else {
        if (!(std::fabs(value) < 0x1p63L))
            return std::nullopt;
        b.negative = std::signbit(value);
        int exponent = 0;
        const long double fraction = std::frexp(std::fabs(value), &exponent);
        b.mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        b.shift = 64 - exponent;
        return b;
    }
}

// Fixed notation of mantissa × 2^-shift, below 2^63 in magnitude, with at
// most 18 decimals, rounded as the C library rounds: the exact binary value,
// ties to even, written at `p` (room for 40 bytes) with `sep` for the point.
// The library's conversions take a hundred nanoseconds and more a number (a
// few hundred for a long double), which a grid of results feels.
char* FixedOfBinary(char* p, const Binary& b, int decimals, char sep) {
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const Wide scaled = static_cast<Wide>(b.mantissa) * scale; // below 2^124
    Wide units = 0;
    if (b.shift <= 0) {
        units = scaled << -b.shift;
    } else if (b.shift < 128) {
        units = scaled >> b.shift;
        const Wide rest = scaled - (units << b.shift);
        const Wide half = static_cast<Wide>(1) << (b.shift - 1);
        if (rest > half || (rest == half && (units & 1)))
            ++units;
    } // else: below half a unit of the last decimal, which rounds to zero
    std::uint64_t whole, part;
    if (units >> 64 == 0) {
        whole = static_cast<std::uint64_t>(units) / scale;
        part = static_cast<std::uint64_t>(units) % scale;
    } else {
        whole = static_cast<std::uint64_t>(units / scale);
        part = static_cast<std::uint64_t>(units % scale);
    }

    if (b.negative)
        *p++ = '-';
    p = std::to_chars(p, p + 20, whole).ptr;
    if (decimals > 0) {
        *p++ = sep;
        for (int i = decimals - 1; i >= 0; --i, part /= 10)
            p[i] = static_cast<char>('0' + part % 10);
        p += decimals;
    }
    return p;
}

// What FixedOfBinary does not take: not finite, 2^63 and more, or more
// than 18 decimals. Apart, so that the common path keeps a small frame.
[[gnu::noinline]] void AppendFixedRare(std::string& out, long double value, int decimals,
                                       char sep) {
    if (std::isnan(value)) {
        out += std::signbit(value) ? "-nan" : "nan";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return;
    }
    char buf[5000];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc()) {
        out += '?';
        return;
    }
    for (char* c = buf; c != r.ptr; ++c)
        if (*c == '.')
            *c = sep;
    out.append(buf, r.ptr);
}

} // namespace

void AppendFixed(std::string& out, long double value, int decimals, char sep) {
    if (decimals >= 0 && decimals <= 18)
        if (const std::optional<Binary> binary = Decompose(value)) {
            char buf[48];
            out.append(buf, FixedOfBinary(buf, *binary, decimals, sep));
            return;
        }
    AppendFixedRare(out, value, decimals, sep);
}

std::string FormatFixedDot(long double value, int decimals) {
    std::string s;
    AppendFixed(s, value, decimals, '.');
    return s;
}

std::string FormatFixed(long double value, int decimals) {
    std::string s;
    AppendFixed(s, value, decimals, DecimalSepText()[0]);
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
