#pragma once
// Windows-1252 <-> UTF-8. Every text file and record string of the catalogue is
// Windows-1252; the Qt layer and the terminal speak UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace vd {

// Decodes Windows-1252 bytes to UTF-8. The five bytes that code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
std::string Cp1252ToUtf8(std::string_view bytes);
void AppendCp1252AsUtf8(std::string& out, std::string_view bytes);

// The Unicode code point of one Windows-1252 byte.
char32_t Cp1252ToCodePoint(unsigned char byte);

// Encodes UTF-8 to Windows-1252. A code point with no Windows-1252 byte becomes
// `replacement`; malformed UTF-8 bytes are taken as Latin-1.
std::string Utf8ToCp1252(std::string_view utf8, char replacement = '?');

// The Windows-1252 byte of a code point, if it has one.
std::optional<unsigned char> CodePointToCp1252(char32_t cp);

// Appends the UTF-8 encoding of one code point.
void AppendUtf8(std::string& out, char32_t cp);

} // namespace vd
