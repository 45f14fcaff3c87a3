// The bytes as a picture file named ".bmp" and ".wmf", drawn as the picture
// controls and the printouts draw them, and as one of the window's own
// pictures, drawn where they lie.
#include "fuzz_support.h"
#include "fuzz_targets.h"

#include "dib.h"
#include "errors.h"
#include "picture.h"

#include <QImage>
#include <QPainter>

#include <cstring>
#include <vector>

namespace vd::fuzz {

int FuzzPicture(const uint8_t* data, size_t size) {
    EnsureGuiApplication();
    for (const char* name : {"bmp\\fuzz.bmp", "wmf\\fuzz.wmf"}) {
        Picture picture;
        try {
            picture = LoadPictureFromBytes(std::string(AsText(data, size)), name);
        } catch (const FileError&) {
            continue;
        }
        if (picture.isNull())
            Fail("a picture that loaded without an error is null");
        const QSize natural = picture.naturalSize();
        if (natural.width() < 0 || natural.height() < 0)
            Fail("a picture has a negative natural size");
        (void)picture.toImage(QSize(64, 48));
        QImage box(80, 60, QImage::Format_RGB32);
        box.fill(Qt::white);
        QPainter painter(&box);
        picture.drawCentred(painter, QRectF(0, 0, 80, 60));
        painter.end();
    }
    // Aligned as the compiled-in pictures are; the image reads the copy.
    std::vector<uint32_t> aligned(size / 4 + 1);
    if (size > 0)
        std::memcpy(aligned.data(), data, size);
    const QImage wrapped =
        WrapPlain32(std::string_view(reinterpret_cast<const char*>(aligned.data()), size));
    if (!wrapped.isNull()) {
        QImage box(80, 60, QImage::Format_RGB32);
        QPainter painter(&box);
        painter.drawImage(QRectF(0, 0, 80, 60), wrapped);
    }
    return 0;
}

} // namespace vd::fuzz
