#pragma once
// The setup file (start language) and the language file (250 entries in five
// language columns), read by the field rules of the original files.
#include "vd_variables.h"

#include <array>
#include <istream>
#include <string>
#include <string_view>

namespace vd {

inline constexpr const char* kSetupFile = "txt\\vd_setup.txt";
inline constexpr const char* kLanguageFile = "txt\\vd_lan.txt";

// The five language codes in the order of the language file's columns.
const std::array<const char*, 5>& LanguageCodes();

// The number of comma-ended fields to read for a code: UK 2, SW 3, FI 4, FR 5,
// IT 6; any other code reads as UK.
int LanguageFieldCount(std::string_view code);

// The first two characters of the first line of the setup content.
std::string ParseSetup(std::string_view content);
// Reads the setup file into LanguageCode; FileError when it cannot be read.
void ReadSetup();

// Reads the 250 entries for `code` from a language file's content. A field runs
// to the next comma, across line ends if need be; an entry whose comma never
// comes before the end of the file, and every entry after it, is left empty.
std::array<std::string, kLanguageEntries> ParseLanguageFile(std::istream& in,
                                                            std::string_view code);
// Reads the language file in LanguageCode's column into LanguageText; on a
// FileError the table keeps what it held.
void ReadLanguageFile();

} // namespace vd
