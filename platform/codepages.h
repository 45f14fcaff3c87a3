#pragma once
// Single-byte Windows code pages for text inside metafiles and rich text:
// a metafile font's lfCharSet and an RTF \fcharset / \ansicpg choose how the
// bytes of a string become characters.
#include <QString>
#include <string_view>

namespace vd {

// The Windows code page of a font character set (lfCharSet / \fcharset).
// ANSI, DEFAULT and unknown sets give 1252.
int CodePageForCharset(int charset);

// True when DecodeCodePage decodes `codePage` itself rather than falling
// back to Windows-1252.
bool IsKnownCodePage(int codePage);

// Decodes single-byte text. Code pages without a table of our own (and the
// multi-byte East Asian ones) are tried through Qt's converters, and fall back
// to Windows-1252.
QString DecodeCodePage(std::string_view bytes, int codePage);

// One byte of a single-byte code page as a UTF-16 unit (1252 for unknown pages).
char16_t CodePageByte(unsigned char byte, int codePage);

} // namespace vd
