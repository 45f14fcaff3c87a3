#include "language_file.h"

#include "errors.h"
#include "paths.h"

#include <sstream>

namespace vd {

const std::array<const char*, 5>& LanguageCodes() {
    static const std::array<const char*, 5> codes = {"UK", "SW", "FI", "FR", "IT"};
    return codes;
}

int LanguageFieldCount(std::string_view code) {
    const auto& codes = LanguageCodes();
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (code == codes[i])
            return static_cast<int>(i) + 2;
    return 2;
}

std::string ParseSetup(std::string_view content) {
    std::string code;
    for (char c : content) {
        if (c == '\r' || c == '\n' || code.size() == 2)
            break;
        code += c;
    }
    return code;
}

namespace {

// Far above any real language file (250 lines of five short fields); a field
// runs on to the next comma, so a huge file without one would be read whole.
constexpr std::uintmax_t kMaxTextFileBytes = 8u << 20;

std::istringstream OpenText(const char* relative) {
    return std::istringstream(ReadWholeFile(relative, kMaxTextFileBytes));
}

// Skips the rest of the line, its line end included. False at the end of the file.
bool SkipLine(std::istream& in) {
    int c;
    while ((c = in.get()) != EOF) {
        if (c == '\n')
            return true;
        if (c == '\r') {
            if (in.peek() == '\n')
                in.get();
            return true;
        }
    }
    return false;
}

} // namespace

void ReadSetup() {
    std::istringstream in = OpenText(kSetupFile);
    char buf[64];
    in.read(buf, sizeof buf);
    if (in.bad())
        throw FileError(std::string("Cannot read \"") + kSetupFile + "\"");
    LanguageCode = ParseSetup(std::string_view(buf, static_cast<std::size_t>(in.gcount())));
}

std::array<std::string, kLanguageEntries> ParseLanguageFile(std::istream& in,
                                                            std::string_view code) {
    std::array<std::string, kLanguageEntries> table;
    const int fields = LanguageFieldCount(code);
    if (!SkipLine(in)) // heading
        return table;
    for (int entry = 0; entry < kLanguageEntries; ++entry) {
        std::string field;
        for (int f = 0; f < fields; ++f) {
            field.clear();
            int c;
            while ((c = in.get()) != EOF && c != ',') {
                // Only the first 50 characters are kept; the rest of an overlong
                // field is read and dropped.
                if (field.size() < static_cast<std::size_t>(kLanguageTextMax))
                    field += static_cast<char>(c);
            }
            if (c == EOF)
                return table;
        }
        table[static_cast<std::size_t>(entry)] = field;
        if (!SkipLine(in))
            return table;
    }
    return table;
}

void ReadLanguageFile() {
    std::istringstream in = OpenText(kLanguageFile);
    auto table = ParseLanguageFile(in, LanguageCode);
    if (in.bad())
        throw FileError(std::string("Cannot read \"") + kLanguageFile + "\"");
    LanguageText = std::move(table);
}

} // namespace vd
