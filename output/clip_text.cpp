#include "clip_text.h"

#include "errors.h"
#include "number_text.h"
#include "results_grid.h"

#include <cstdint>

namespace vd {

namespace {

int ColumnNumber(const std::string& text) {
    auto v = ParseInteger(text);
    if (!v || *v < INT32_MIN || *v > INT32_MAX)
        throw ConversionError("'" + text + "' is not a valid integer value");
    return static_cast<int>(*v);
}

} // namespace

std::string BuildClipText(const ClipFieldList& fields, const ResultsGrid& grid,
                          ClipOptions options) {
    const int row = grid.CurrentRow();
    std::string headings, data;
    for (const ClipField& f : fields) {
        if (options.selectedOnly && !f.Included)
            continue;
        headings += f.Caption;
        headings += '\t';
        if (f.Column == kEmptyFieldColumn)
            data += '-';
        else
            data += grid.Cell(ColumnNumber(f.Column), row);
        data += '\t';
    }
    return options.headings ? headings + '\n' + data : data;
}

} // namespace vd
