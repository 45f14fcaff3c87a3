#pragma once
// A small JSON writer for the documents vdcat gives: compact, keys in the
// order written, numbers written as the caller formatted them so that a
// value keeps the precision the results grid prints it with.
#include <string>
#include <string_view>
#include <vector>

namespace vdcat {

class JsonWriter {
  public:
    JsonWriter& BeginObject() { return Open('{'); }
    JsonWriter& EndObject() { return Close('}'); }
    JsonWriter& BeginArray() { return Open('['); }
    JsonWriter& EndArray() { return Close(']'); }
    JsonWriter& Key(std::string_view utf8);
    JsonWriter& String(std::string_view utf8);
    // A number token as formatted ("2500", "0.300"); one that is not a JSON
    // number is written as null.
    JsonWriter& Number(std::string_view token);
    JsonWriter& Number(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();
    // A number token when `text` is one, null when it is empty, else a string.
    JsonWriter& NumberOrText(std::string_view utf8);

    const std::string& str() const { return out_; }

  private:
    JsonWriter& Open(char bracket);
    JsonWriter& Close(char bracket);
    void Separate();
    std::string out_;
    std::vector<bool> first_; // per open container: nothing written in it yet
    bool afterKey_ = false;
};

// True when `token` is a number as JSON writes it.
bool IsJsonNumber(std::string_view token);

// A field of a CSV record (RFC 4180): quoted when it holds a comma, a quote,
// CR or LF, or starts or ends with a blank.
std::string CsvField(std::string_view text);

} // namespace vdcat
