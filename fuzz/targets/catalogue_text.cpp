// The bytes as the catalogue's readable text (what vdcat build reads).
#include "fuzz_support.h"
#include "fuzz_targets.h"

#include "catalogue_text.h"

#include <cstring>

namespace vd::fuzz {

int FuzzCatalogueText(const uint8_t* data, size_t size) {
    std::vector<TFanRecord> records;
    try {
        records = ParseCatalogueText(AsText(data, size));
    } catch (const CatalogueTextError& e) {
        if (e.line() < 1)
            Fail("a text error names no line");
        return 0;
    }
    // What was accepted must survive the dump and the build unchanged.
    std::string text;
    for (const TFanRecord& r : records)
        text += FormatCatalogueRecord(r) + "\n";
    std::vector<TFanRecord> again;
    try {
        again = ParseCatalogueText(text);
    } catch (const CatalogueTextError& e) {
        Fail(std::string("a dumped catalogue does not read back: ") + e.what());
    }
    if (again.size() != records.size())
        Fail("a dumped catalogue reads back with another record count");
    for (size_t i = 0; i < records.size(); ++i) {
        unsigned char a[kRecordSize], b[kRecordSize];
        EncodeFanRecord(records[i], a);
        EncodeFanRecord(again[i], b);
        if (std::memcmp(a, b, kRecordSize) != 0)
            Fail("record " + std::to_string(i + 1) + " reads back with other field values");
    }
    return 0;
}

} // namespace vd::fuzz
