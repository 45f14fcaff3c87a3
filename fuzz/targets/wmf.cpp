// The bytes as a metafile, played into an image as a picture control does.
#include "fuzz_support.h"
#include "fuzz_targets.h"

#include "wmf_player.h"

#include <QImage>
#include <QPainter>

namespace vd::fuzz {

int FuzzWmf(const uint8_t* data, size_t size) {
    EnsureGuiApplication();
    WmfPicture picture;
    try {
        picture = WmfPicture::FromBytes(std::string(AsText(data, size)));
    } catch (const WmfError&) {
        return 0;
    }
    (void)picture.naturalSize();
    QImage image(160, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.play(painter, QRectF(0, 0, 160, 120));
    // Mirrored targets take the other branches of the mapping.
    picture.play(painter, QRectF(160, 120, -160, -120));
    painter.end();
    return 0;
}

} // namespace vd::fuzz
