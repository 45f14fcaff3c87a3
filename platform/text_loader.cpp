#include "text_loader.h"

#include "codepage.h"
#include "paths.h"
#include "rtf_reader.h"

#include <QString>
#include <QTextDocument>

namespace vd {

void LoadRichOrPlainText(QTextDocument& document, std::string_view bytes) {
    if (IsRtf(bytes)) {
        ReadRtf(document, bytes);
        return;
    }
    QString text = QString::fromStdString(Cp1252ToUtf8(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    document.setPlainText(text);
}

void LoadTextFile(QTextDocument& document, const std::filesystem::path& path) {
    const std::string bytes = ReadWholeFileAt(path, path.string());
    LoadRichOrPlainText(document, bytes);
}

void LoadDataTextFile(QTextDocument& document, std::string_view relativePath) {
    const std::string bytes = ReadWholeFileAt(DataPath(relativePath), relativePath);
    LoadRichOrPlainText(document, bytes);
}

} // namespace vd
