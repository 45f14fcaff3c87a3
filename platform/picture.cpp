#include "picture.h"

#include "dib.h"
#include "errors.h"
#include "paths.h"

#include <QPainter>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace vd {
namespace {

std::string LowerExtension(std::string_view name) {
    size_t slash = name.find_last_of("/\\");
    std::string_view base = slash == std::string_view::npos ? name : name.substr(slash + 1);
    size_t dot = base.rfind('.');
    std::string ext(dot == std::string_view::npos ? std::string_view() : base.substr(dot));
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

bool LooksLikeMetafile(std::string_view bytes) {
    if (bytes.size() < 4)
        return false;
    auto b = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (b(0) == 0xD7 && b(1) == 0xCD && b(2) == 0xC6 && b(3) == 0x9A)
        return true;
    return (b(0) == 1 || b(0) == 2) && b(1) == 0 && b(2) == 9 && b(3) == 0;
}

[[noreturn]] void Unreadable(std::string_view name, const std::string& why) {
    throw FileError("Cannot read picture \"" + std::string(name) + "\": " + why);
}

Picture LoadBitmap(std::string_view bytes, std::string_view name) {
    std::string error;
    QImage image = DecodeBmpFile(bytes, &error);
    if (image.isNull())
        Unreadable(name, error.empty() ? "not a bitmap" : error);
    return Picture::FromImage(std::move(image));
}

Picture LoadMetafile(std::string bytes, std::string_view name) {
    try {
        return Picture::FromMetafile(WmfPicture::FromBytes(std::move(bytes)));
    } catch (const WmfError& e) {
        Unreadable(name, e.what());
    }
}

} // namespace

Picture Picture::FromImage(QImage image) {
    Picture p;
    p.image_ = std::move(image);
    return p;
}

Picture Picture::FromMetafile(WmfPicture metafile) {
    Picture p;
    p.metafile_ = std::move(metafile);
    return p;
}

QSize Picture::naturalSize() const {
    if (!metafile_.isNull()) {
        QSizeF s = metafile_.naturalSize();
        return QSize(std::max(1, int(std::lround(s.width()))),
                     std::max(1, int(std::lround(s.height()))));
    }
    return image_.size();
}

void Picture::draw(QPainter& painter, const QRectF& target) const {
    if (isNull() || target.isEmpty())
        return;
    if (!metafile_.isNull()) {
        metafile_.play(painter, target);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, image_);
    painter.restore();
}

void Picture::drawCentred(QPainter& painter, const QRectF& box) const {
    if (isNull())
        return;
    QSizeF size = naturalSize();
    QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2,
                  size.width(), size.height());
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    draw(painter, target);
    painter.restore();
}

QImage Picture::toImage(QSize size, const QColor& background) const {
    if (size.isEmpty())
        size = naturalSize();
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    out.fill(background);
    QPainter painter(&out);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return out;
}

Picture LoadPictureFromBytes(std::string bytes, std::string_view name) {
    const std::string ext = LowerExtension(name);
    if (ext == ".wmf")
        return LoadMetafile(std::move(bytes), name);
    if (ext == ".bmp" || ext == ".dib")
        return LoadBitmap(bytes, name);
    // Not a name the catalogue uses: go by the content.
    if (LooksLikeMetafile(bytes))
        return LoadMetafile(std::move(bytes), name);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return LoadBitmap(bytes, name);
    QImage image = QImage::fromData(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (image.isNull())
        Unreadable(name, "unknown picture format");
    return Picture::FromImage(std::move(image));
}

Picture LoadPicture(const std::filesystem::path& path) {
    const std::string shown = path.string();
    return LoadPictureFromBytes(ReadWholeFileAt(path, shown), shown);
}

Picture LoadDataPicture(std::string_view relativePath) {
    return LoadPictureFromBytes(ReadWholeFileAt(DataPath(relativePath), relativePath),
                                relativePath);
}

} // namespace vd
