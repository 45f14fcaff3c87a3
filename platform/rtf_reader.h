#pragma once
// Rich text (RTF) into a QTextDocument: fonts and code pages, character and
// paragraph formatting, lists, simple tables and embedded pictures. Unknown
// destinations are skipped; nesting and sizes are bounded, so any input gives
// a document and none makes the reader crash or run away.
#include <string_view>

class QTextDocument;

namespace vd {

// True when `bytes` start with "{\rtf".
bool IsRtf(std::string_view bytes);

// Replaces the document's content with the rich text `rtf`.
void ReadRtf(QTextDocument& document, std::string_view rtf);

} // namespace vd
