// The bytes as a text file of a text box: rich text read, laid out at a text
// box's width and painted, as the window shows it.
#include "fuzz_support.h"
#include "fuzz_targets.h"

#include "rtf_reader.h"
#include "text_loader.h"

#include <QImage>
#include <QPainter>
#include <QTextDocument>

namespace vd::fuzz {

int FuzzRtf(const uint8_t* data, size_t size) {
    EnsureGuiApplication();
    const std::string_view text = AsText(data, size);
    QTextDocument document;
    // The reader itself, also on input that does not start like rich text.
    ReadRtf(document, text);
    if (!IsRtf(text)) {
        QTextDocument plain;
        LoadRichOrPlainText(plain, text);
    }
    document.setTextWidth(320);
    const QSizeF laidOut = document.size();
    (void)laidOut;
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    document.drawContents(&painter, QRectF(0, 0, 320, 240));
    painter.end();
    return 0;
}

} // namespace vd::fuzz
