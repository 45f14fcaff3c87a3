// The bytes as the setup file and as the language file.
#include "fuzz_support.h"
#include "fuzz_targets.h"

#include "language_file.h"
#include "paths.h"
#include "vd_variables.h"

#include <sstream>

namespace vd::fuzz {

int FuzzLanguage(const uint8_t* data, size_t size) {
    const std::string_view text = AsText(data, size);

    const std::string code = ParseSetup(text);
    if (code.size() > 2 || code.find_first_of("\r\n") != std::string::npos)
        Fail("the setup code is more than two characters of line 1");

    // Every column, a code that names none (read as UK), and the file's own
    // first line taken as a code.
    std::vector<std::string> codes(LanguageCodes().begin(), LanguageCodes().end());
    codes.push_back("XX");
    codes.push_back(code);
    for (const std::string& c : codes) {
        std::istringstream in{std::string(text)};
        const auto table = ParseLanguageFile(in, c);
        for (const std::string& entry : table)
            if (entry.size() > static_cast<size_t>(kLanguageTextMax))
                Fail("a language entry is longer than 50 characters");
    }

    // The address and quotation files are read line by line.
    for (const std::string& line : SplitLines(text))
        if (line.find_first_of("\r\n") != std::string::npos)
            Fail("a split line holds a line end");
    return 0;
}

} // namespace vd::fuzz
