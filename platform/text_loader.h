#pragma once
// The one way text boxes are filled from files: rich text when the file is
// RTF, otherwise plain Windows-1252 text (CR LF or LF line ends).
#include <filesystem>
#include <string_view>

class QTextDocument;

namespace vd {

// Replaces the document's content with `bytes`, rich or plain.
void LoadRichOrPlainText(QTextDocument& document, std::string_view bytes);

// Loads a resolved file. Throws vd::FileError when it is missing or cannot be
// read; the document is then left as it was.
void LoadTextFile(QTextDocument& document, const std::filesystem::path& path);

// Loads a data file named by a backslash path relative to the data root
// ("txt\UKabout.txt"); errors name the file as written.
void LoadDataTextFile(QTextDocument& document, std::string_view relativePath);

} // namespace vd
