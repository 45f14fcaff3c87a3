#include "noshape_faces.h"

#include <algorithm>
#include <array>
#include <new>

namespace vd {
namespace {

constexpr std::size_t kMaxOffsets = 13;
constexpr QRgb kRgbMask = 0x00FFFFFF;

// The bevel's rings: pass 1 is the inner ring, pass 2 the outer one.
constexpr std::array<FaceOffset, 5> kPass1LowerRight{{{1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}}};
constexpr std::array<FaceOffset, 3> kPass1UpperLeft{{{-1, 0}, {-1, -1}, {0, -1}}};
constexpr std::array<FaceOffset, 9> kPass2LowerRight{
    {{2, -2}, {2, -1}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {-1, 2}, {-2, 2}}};
constexpr std::array<FaceOffset, 7> kPass2UpperLeft{
    {{-2, 1}, {-2, 0}, {-2, -1}, {-2, -2}, {-1, -2}, {0, -2}, {1, -2}}};

constexpr QRgb kBlack = 0xFF000000;

bool IsMonochrome(const QImage& image) {
    return image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
}

// Pixels as 0xAARRGGBB with the colour channels not premultiplied, so that a
// colour compares the same whatever the picture's format.
QImage AsArgb(const QImage& image) {
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
        return image;
    QImage converted = image.convertToFormat(QImage::Format_ARGB32);
    if (converted.isNull())
        throw std::bad_alloc();
    return converted;
}

// q is black when it is white in `opaqueC` (transparent in the snapshot) and
// some offset d puts q - d on a black pixel of `opaqueS`. Taken an offset and
// a row at a time over the masks' bytes: the loops were most of the faces'
// time when they asked the masks and QImage's accessors for every pixel.
PixelMask EdgeMaskOf(const PixelMask& opaqueS, const PixelMask& opaqueC,
                     std::span<const FaceOffset> offsets) {
    const std::size_t n = std::min(offsets.size(), kMaxOffsets);
    std::size_t used = 0;
    while (used < n && !(offsets[used].dx == 0 && offsets[used].dy == 0))
        ++used;
    const auto list = offsets.first(used);

    const int width = opaqueC.width(), height = opaqueC.height();
    PixelMask edge(width, height);
    for (const FaceOffset d : list) {
        const int y0 = std::max(0, d.dy), y1 = std::min(height, opaqueS.height() + d.dy);
        const int x0 = std::max(0, d.dx), x1 = std::min(width, opaqueS.width() + d.dx);
        for (int y = y0; y < y1; ++y) {
            const std::uint8_t* from = opaqueS.row(y - d.dy) + (x0 - d.dx);
            std::uint8_t* to = edge.row(y) + x0;
            for (int i = 0, n = x1 - x0; i < n; ++i)
                to[i] |= from[i];
        }
    }
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* snapshot = opaqueC.row(y);
        std::uint8_t* to = edge.row(y);
        for (int x = 0; x < width; ++x)
            to[x] &= snapshot[x] ^ 1;
    }
    return edge;
}

void Paint(QImage& face, const PixelMask& edge, QRgb colour) {
    const QRgb opaque = colour | kBlack;
    const int width = std::min(face.width(), edge.width());
    const int height = std::min(face.height(), edge.height());
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
        const std::uint8_t* black = edge.row(y);
        for (int x = 0; x < width; ++x)
            line[x] = black[x] ? opaque : line[x];
    }
}

} // namespace

PixelMask::PixelMask(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      bits_(static_cast<std::size_t>(width_) * height_, 0) {}

int PixelMask::blackCount() const {
    return static_cast<int>(std::count(bits_.begin(), bits_.end(), std::uint8_t{1}));
}

QImage PixelMask::toImage() const {
    QImage image(width_, height_, QImage::Format_RGB32);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            image.setPixel(x, y, black(x, y) ? kBlack : 0xFFFFFFFF);
    return image;
}

QRgb KeyColourOf(const QImage& picture) {
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0 || IsMonochrome(picture))
        return 0xFFFFFFFF;
    return picture.pixel(0, picture.height() - 1) | kBlack;
}

PixelMask MakeMask(const QImage& picture, QRgb key) {
    if (picture.isNull())
        return {};
    const QImage argb = AsArgb(picture);
    PixelMask mask(argb.width(), argb.height());
    const QRgb keyRgb = key & kRgbMask;
    const int width = argb.width(), height = argb.height();
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        std::uint8_t* black = mask.row(y);
        for (int x = 0; x < width; ++x)
            black[x] = (line[x] & kRgbMask) != keyRgb;
    }
    return mask;
}

PixelMask MakeEdgeMask(const QImage& source, const QImage& snapshot, QRgb key,
                       std::span<const FaceOffset> offsets) {
    return EdgeMaskOf(MakeMask(source, key), MakeMask(snapshot, key), offsets);
}

QImage MakeFace(const QImage& source, QRgb key, FaceKind kind, BevelColours colours) {
    if (source.isNull())
        return {};
    const QImage argb = AsArgb(source);

    // The face is an opaque bitmap: a copy of the source with alpha dropped.
    QImage face(argb.size(), QImage::Format_RGB32);
    if (face.isNull())
        throw std::bad_alloc();
    const int width = argb.width(), height = argb.height();
    for (int y = 0; y < height; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(face.scanLine(y));
        for (int x = 0; x < width; ++x)
            to[x] = from[x] | kBlack;
    }

    const PixelMask opaqueS = MakeMask(argb, key);
    const bool up = kind == FaceKind::Up;

    // Pass 1: the inner ring, shadow at the lower right for the up face and
    // the other way round for the down face.
    {
        const PixelMask opaqueC = MakeMask(face, key);
        Paint(face, EdgeMaskOf(opaqueS, opaqueC, kPass1LowerRight),
              up ? colours.shadow : colours.highlight);
        Paint(face, EdgeMaskOf(opaqueS, opaqueC, kPass1UpperLeft),
              up ? colours.highlight : colours.shadow);
    }
    // Pass 2: the black outer ring; a pressed button has it only at the
    // upper left.
    {
        const PixelMask opaqueC = MakeMask(face, key);
        if (up)
            Paint(face, EdgeMaskOf(opaqueS, opaqueC, kPass2LowerRight), kBlack);
        Paint(face, EdgeMaskOf(opaqueS, opaqueC, kPass2UpperLeft), kBlack);
    }
    return face;
}

ButtonFaces BuildFaces(const QImage& source, BevelColours colours) {
    ButtonFaces faces;
    faces.key = KeyColourOf(source);
    if (source.isNull() || source.width() <= 0 || source.height() <= 0)
        return faces;
    const QImage argb = AsArgb(source);
    faces.up = MakeFace(argb, faces.key, FaceKind::Up, colours);
    faces.down = MakeFace(argb, faces.key, FaceKind::Down, colours);
    faces.hotSpot = MakeMask(faces.up, faces.key);
    return faces;
}

} // namespace vd
