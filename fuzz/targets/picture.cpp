// The bytes as a picture file named ".bmp" and ".wmf", drawn as the picture
// controls and the printouts draw them.
#include "fuzz_support.h"
#include "fuzz_targets.h"

#include "errors.h"
#include "picture.h"

#include <QImage>
#include <QPainter>

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
    return 0;
}

} // namespace vd::fuzz
