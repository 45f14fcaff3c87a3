#include "language_texts.h"

#include "errors.h"
#include "paths.h"
#include "vd_variables.h"

namespace vd {

namespace {

// The names as the catalogue team delivers them: UK's "About" has a capital A.
const LanguageTextFiles kFiles[] = {
    {"UK", "txt\\UKAbout.txt", "txt\\UKInv.txt", "txt\\UKcomp.txt", "txt\\UKcont.txt",
     "txt\\UKQuote.txt"},
    {"SW", "txt\\SWabout.txt", "txt\\SWInv.txt", "txt\\SWcomp.txt", "txt\\SWcont.txt",
     "txt\\SWQuote.txt"},
    {"FI", "txt\\FIabout.txt", "txt\\FIInv.txt", "txt\\FIcomp.txt", "txt\\FIcont.txt",
     "txt\\FIQuote.txt"},
    {"IT", "txt\\ITabout.txt", "txt\\ITInv.txt", "txt\\ITcomp.txt", "txt\\ITcont.txt",
     "txt\\ITQuote.txt"},
    {"FR", "txt\\FRabout.txt", "txt\\FRInv.txt", "txt\\FRcomp.txt", "txt\\FRcont.txt",
     "txt\\FRQuote.txt"},
};

} // namespace

const LanguageTextFiles* TextFilesFor(const std::string& code) {
    for (const auto& f : kFiles)
        if (code == f.code)
            return &f;
    return nullptr;
}

void ReadAddress() {
    for (auto& line : AddressLines)
        line.clear();
    const char* file = LanguageCode == "UK"   ? "txt\\UKAddress.txt"
                       : LanguageCode == "SW" ? "txt\\SWAddress.txt"
                                              : nullptr;
    if (!file)
        return;
    std::vector<std::string> lines = SplitLines(ReadWholeFile(file));
    for (size_t i = 0; i < 7 && i < lines.size(); ++i)
        AddressLines[i + 1] = lines[i];
}

std::vector<std::string> ReadQuoteLines() {
    const LanguageTextFiles* files = TextFilesFor(LanguageCode);
    if (!files)
        throw FileError("No quotation text is named for the language \"" + LanguageCode + "\"");
    return SplitLines(ReadWholeFile(files->quote));
}

} // namespace vd
