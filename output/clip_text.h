#pragma once
// The text the COPY button puts on the clipboard: one tab-separated data line
// for the grid's current row, optionally below a line of headings.
#include "clip_fields.h"

#include <string>

namespace vd {

class ResultsGrid;

struct ClipOptions {
    bool selectedOnly = true; // only checked entries are copied
    bool headings = true;     // the heading line comes first
};

// Every field, the last too, ends with a TAB; the heading line ends with one
// LF and the data line with nothing. An empty field copies "-"; a column
// number the grid does not have copies an empty text. A column text that is
// not an integer throws ConversionError "'<text>' is not a valid integer value".
std::string BuildClipText(const ClipFieldList& fields, const ResultsGrid& grid,
                          ClipOptions options);

} // namespace vd
