#include "json_writer.h"

#include <cctype>
#include <cstdio>

namespace vdcat {

namespace {
bool Digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
} // namespace

bool IsJsonNumber(std::string_view t) {
    std::size_t i = 0, n = t.size();
    if (i < n && t[i] == '-')
        ++i;
    if (i >= n || !Digit(t[i]))
        return false;
    if (t[i] == '0')
        ++i;
    else
        while (i < n && Digit(t[i]))
            ++i;
    if (i < n && t[i] == '.') {
        ++i;
        if (i >= n || !Digit(t[i]))
            return false;
        while (i < n && Digit(t[i]))
            ++i;
    }
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            ++i;
        if (i >= n || !Digit(t[i]))
            return false;
        while (i < n && Digit(t[i]))
            ++i;
    }
    return i == n;
}

void JsonWriter::Separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back())
            out_ += ',';
        first_.back() = false;
    }
}

JsonWriter& JsonWriter::Open(char bracket) {
    Separate();
    out_ += bracket;
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
    out_ += bracket;
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view utf8) {
    String(utf8);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
    Separate();
    out_ += '"';
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out_ += "\\\"";
            break;
        case '\\':
            out_ += "\\\\";
            break;
        case '\n':
            out_ += "\\n";
            break;
        case '\r':
            out_ += "\\r";
            break;
        case '\t':
            out_ += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out_ += buf;
            } else {
                out_ += ch;
            }
        }
    }
    out_ += '"';
    return *this;
}

JsonWriter& JsonWriter::Number(std::string_view token) {
    if (!IsJsonNumber(token))
        return Null();
    Separate();
    out_ += token;
    return *this;
}

JsonWriter& JsonWriter::Number(long long value) {
    return Number(std::to_string(value));
}

JsonWriter& JsonWriter::Bool(bool value) {
    Separate();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    Separate();
    out_ += "null";
    return *this;
}

JsonWriter& JsonWriter::NumberOrText(std::string_view utf8) {
    if (utf8.empty())
        return Null();
    if (IsJsonNumber(utf8))
        return Number(utf8);
    return String(utf8);
}

std::string CsvField(std::string_view text) {
    bool quote = !text.empty() && (text.front() == ' ' || text.back() == ' ');
    for (char c : text)
        quote = quote || c == ',' || c == '"' || c == '\r' || c == '\n';
    if (!quote)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

} // namespace vdcat
