#pragma once
// The per-language text files: which file fills which text box, the sender's
// address lines, and the quotation footer.
#include <string>
#include <vector>

namespace vd {

struct LanguageTextFiles {
    const char* code;
    const char* about;
    const char* inventor;
    const char* company;
    const char* contact;
    const char* quote;
};

// The files of a language code, or nullptr for a code with none.
const LanguageTextFiles* TextFilesFor(const std::string& code);

// The address file of the current language into AddressLines 1..7 (UK and SW
// only; other codes leave seven empty lines). FileError when the file fails.
void ReadAddress();

// The quotation footer's lines for the current language; FileError when no
// file is named for the code or it cannot be read.
std::vector<std::string> ReadQuoteLines();

} // namespace vd
