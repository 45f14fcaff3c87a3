#include "catalogue_text.h"

#include "codepage.h"
#include "record_fields.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace vd {
namespace {

// ---- writing ---------------------------------------------------------------

std::string Quote(std::string_view bytes) {
    static const char* hex = "0123456789ABCDEF";
    std::string out = "\"";
    for (unsigned char c : bytes) {
        const bool undefined = c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F || undefined) {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else {
            AppendUtf8(out, Cp1252ToCodePoint(c));
        }
    }
    return out + "\"";
}

std::string FloatText(float v) {
    if (std::isnan(v)) {
        // Keep the exact bits of any NaN but the usual one.
        std::uint32_t bits = std::bit_cast<std::uint32_t>(v);
        if (bits == 0x7FC00000u)
            return "nan";
        char buf[16];
        std::snprintf(buf, sizeof buf, "nan:%08X", bits);
        return buf;
    }
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v); // shortest text that reads back exactly
    return std::string(buf, r.ptr);
}

// Writes each field as a "name = value" line.
struct TextWriter {
    std::string& out;
    void Line(const char* name, const std::string& value) {
        out += name;
        out += " = ";
        out += value;
        out += '\n';
    }
    void Int(const char* name, std::size_t, std::int32_t v) { Line(name, std::to_string(v)); }
    void Float(const char* name, std::size_t, float v) { Line(name, FloatText(v)); }
    template <std::size_t N> void Text(const char* name, std::size_t, const ShortString<N>& s) {
        Line(name, Quote(s.view()));
    }
    template <class Row> void SoundRow(const char* name, std::size_t, const Row& row) {
        out += name;
        out += " =";
        for (int col = 1; col <= 10; ++col)
            out += " " + Quote(row[col].view());
        out += '\n';
    }
    template <std::size_t N>
    void Ints(const char* name, std::size_t, const std::array<std::int32_t, N>& a, int first,
              int last) {
        out += name;
        out += " =";
        for (int i = first; i <= last; ++i)
            out += " " + std::to_string(a[i]);
        out += '\n';
    }
    template <class Names, class Tables> void Curves(const Names& names, const Tables& tables) {
        for (int c = 1; c <= kCurves; ++c) {
            for (std::size_t t = 0; t < names.size(); ++t) {
                // Trailing +0 points are left out, and a curve of none; they
                // read back as 0.
                int last = 0;
                for (int k = 1; k <= kPointsPerCurve; ++k) {
                    float v = tables[t]->at(c, k);
                    if (!(v == 0 && !std::signbit(v)))
                        last = k;
                }
                if (last == 0)
                    continue;
                out += std::string(names[t].first) + "_" + std::to_string(c) + " =";
                for (int k = 1; k <= last; ++k)
                    out += " " + FloatText(tables[t]->at(c, k));
                out += '\n';
            }
        }
    }
};

} // namespace

std::string FormatCatalogueRecord(const TFanRecord& r) {
    std::string out = "[fan]\n";
    VisitRecordFields(r, TextWriter{out});
    return out;
}

// ---- reading ---------------------------------------------------------------

namespace {

class LineReader {
  public:
    LineReader(std::string_view value, int line) : s_(value), line_(line) {}

    bool AtEnd() {
        SkipBlanks();
        return pos_ >= s_.size();
    }

    std::string Token() {
        SkipBlanks();
        size_t start = pos_;
        while (pos_ < s_.size() && s_[pos_] != ' ' && s_[pos_] != '\t')
            ++pos_;
        if (start == pos_)
            Fail("a value is missing");
        return std::string(s_.substr(start, pos_ - start));
    }

    std::int32_t Int() {
        std::string t = Token();
        std::int32_t v = 0;
        const char* b = t.data() + (t[0] == '+' ? 1 : 0);
        auto r = std::from_chars(b, t.data() + t.size(), v);
        if (r.ec != std::errc() || r.ptr != t.data() + t.size())
            Fail("'" + t + "' is not a whole number in range");
        return v;
    }

    float Float() {
        std::string t = Token();
        if (t.rfind("nan:", 0) == 0 && t.size() == 12) {
            std::uint32_t bits = 0;
            auto r = std::from_chars(t.data() + 4, t.data() + 12, bits, 16);
            float v = std::bit_cast<float>(bits);
            if (r.ec != std::errc() || r.ptr != t.data() + 12 || !std::isnan(v))
                Fail("'" + t + "' is not a NaN bit pattern");
            return v;
        }
        float v = 0;
        const char* b = t.data() + (t[0] == '+' ? 1 : 0);
        auto r = std::from_chars(b, t.data() + t.size(), v);
        if (r.ec == std::errc::result_out_of_range)
            Fail("'" + t + "' is out of range for a 32-bit float");
        if (r.ec != std::errc() || r.ptr != t.data() + t.size())
            Fail("'" + t + "' is not a number");
        return v;
    }

    // A quoted text, converted to Windows-1252.
    std::string Quoted() {
        SkipBlanks();
        if (pos_ >= s_.size() || s_[pos_] != '"')
            Fail("a text in double quotes is expected");
        ++pos_;
        std::string utf8;
        std::string out;
        auto flush = [&] {
            for (size_t i = 0; i < utf8.size();) {
                // Convert one code point at a time to report the offending one.
                size_t len = 1;
                unsigned char c = static_cast<unsigned char>(utf8[i]);
                if (c >= 0xF0)
                    len = 4;
                else if (c >= 0xE0)
                    len = 3;
                else if (c >= 0xC0)
                    len = 2;
                std::string one = utf8.substr(i, len);
                std::string b = Utf8ToCp1252(one, '\0');
                if (b.size() != 1 || (b[0] == '\0' && one != std::string(1, '\0')))
                    Fail("the character '" + one + "' has no Windows-1252 code");
                out += b;
                i += len;
            }
            utf8.clear();
        };
        while (true) {
            if (pos_ >= s_.size())
                Fail("the text has no closing quote");
            char c = s_[pos_++];
            if (c == '"')
                break;
            if (c != '\\') {
                utf8 += c;
                continue;
            }
            if (pos_ >= s_.size())
                Fail("the text has no closing quote");
            char e = s_[pos_++];
            if (e == '"' || e == '\\') {
                utf8 += e;
            } else if (e == 'x' && pos_ + 2 <= s_.size()) {
                int hi = Hex(s_[pos_]), lo = Hex(s_[pos_ + 1]);
                if (hi < 0 || lo < 0)
                    Fail("\\x needs two hex digits");
                pos_ += 2;
                flush();
                out += static_cast<char>(hi * 16 + lo);
            } else {
                Fail(std::string("unknown escape \\") + e);
            }
        }
        flush();
        return out;
    }

    [[noreturn]] void Fail(const std::string& msg) const { throw CatalogueTextError(line_, msg); }

  private:
    static int Hex(char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }
    void SkipBlanks() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t'))
            ++pos_;
    }
    std::string_view s_;
    size_t pos_ = 0;
    int line_;
};

template <std::size_t N> void SetText(LineReader& in, ShortString<N>& s) {
    std::string t = in.Quoted();
    if (t.size() > N)
        in.Fail("the text has " + std::to_string(t.size()) + " characters; at most " +
                std::to_string(N) + " fit");
    s.assign(t);
}

// Reads the value of the field named `name`, if the record has one by that name.
struct FieldReader {
    std::string_view name;
    LineReader& in;
    bool found = false;

    bool Is(std::string_view field) {
        if (found || field != name)
            return false;
        found = true;
        return true;
    }
    void Int(const char* field, std::size_t, std::int32_t& v) {
        if (Is(field))
            v = in.Int();
    }
    void Float(const char* field, std::size_t, float& v) {
        if (Is(field))
            v = in.Float();
    }
    template <std::size_t N> void Text(const char* field, std::size_t, ShortString<N>& s) {
        if (Is(field))
            SetText(in, s);
    }
    template <class Row> void SoundRow(const char* field, std::size_t, Row& row) {
        if (Is(field))
            for (int col = 1; col <= 10; ++col)
                SetText(in, row[col]);
    }
    template <std::size_t N>
    void Ints(const char* field, std::size_t, std::array<std::int32_t, N>& a, int first, int last) {
        if (Is(field))
            for (int i = first; i <= last; ++i)
                a[i] = in.Int();
    }
    template <class Names, class Tables> void Curves(const Names& names, const Tables& tables) {
        for (std::size_t t = 0; t < names.size(); ++t)
            for (int c = 1; c <= kCurves; ++c) {
                if (!Is(std::string(names[t].first) + "_" + std::to_string(c)))
                    continue;
                int k = 1;
                while (!in.AtEnd()) {
                    if (k > kPointsPerCurve)
                        in.Fail("a curve has at most 20 points");
                    (*tables[t])[20 * (c - 1) + k] = in.Float();
                    ++k;
                }
            }
    }
};

} // namespace

std::vector<TFanRecord> ParseCatalogueText(std::string_view text) {
    std::vector<TFanRecord> records;
    std::vector<bool> numbered;
    int lineNo = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        line.remove_prefix(first);
        if (line.substr(0, 5) == "[fan]") {
            if (line.find_first_not_of(" \t", 5) != std::string_view::npos)
                throw CatalogueTextError(lineNo, "nothing may follow [fan]");
            records.emplace_back();
            numbered.push_back(false);
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            throw CatalogueTextError(lineNo, "expected 'name = value' or [fan]");
        std::string name(line.substr(0, eq));
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
            name.pop_back();
        if (records.empty())
            throw CatalogueTextError(lineNo, "a field before the first [fan]");
        LineReader in(line.substr(eq + 1), lineNo);
        FieldReader reader{name, in};
        VisitRecordFields(records.back(), reader);
        if (!reader.found)
            throw CatalogueTextError(lineNo, "unknown field '" + name + "'");
        if (!in.AtEnd())
            in.Fail("more values than the field takes");
        if (name == "fan_no")
            numbered.back() = true;
    }
    for (size_t i = 0; i < records.size(); ++i)
        if (!numbered[i])
            records[i].fan_no = static_cast<std::int32_t>(i + 1);
    return records;
}

} // namespace vd
