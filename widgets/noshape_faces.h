#pragma once
// Face building for the hot-spot image button: from one source picture, an up
// face and a down face with a two-pixel bevel, and the hot-spot mask. Works on
// plain images so that it can be tested and measured without a window.
//
// A pixel is transparent when its colour equals the key colour (alpha is
// ignored), opaque otherwise.
#include <QColor>
#include <QImage>

#include <cstdint>
#include <span>
#include <vector>

namespace vd {

// A monochrome bitmap: each pixel black or white. Pixels outside are white.
class PixelMask {
  public:
    PixelMask() = default;
    PixelMask(int width, int height); // all white

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return width_ <= 0 || height_ <= 0; }
    bool black(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[index(x, y)] != 0;
    }
    void setBlack(int x, int y, bool on = true) { bits_[index(x, y)] = on ? 1 : 0; }
    // A row's pixels, 1 for black and 0 for white; y inside the mask.
    const std::uint8_t* row(int y) const { return bits_.data() + index(0, y); }
    std::uint8_t* row(int y) { return bits_.data() + index(0, y); }
    int blackCount() const;
    // Black and white image, for looking at a mask.
    QImage toImage() const;

  private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bits_;
};

struct FaceOffset {
    int dx;
    int dy;
};

// The system's button-shadow and button-highlight colours.
struct BevelColours {
    QRgb shadow;
    QRgb highlight;
};

enum class FaceKind { Up, Down };

// The key colour of a picture: its bottom-left pixel, or white for a
// monochrome picture. An empty picture has white.
QRgb KeyColourOf(const QImage& picture);

// White where the picture's pixel equals the key colour, black elsewhere.
PixelMask MakeMask(const QImage& picture, QRgb key);

// Black at the pixels that are transparent in `snapshot` and lie, by one of
// the offsets, next to an opaque pixel of `source`: q is black when some
// offset d puts q - d inside `source` on an opaque pixel. The list ends early
// at an entry (0, 0). Both pictures have the same size.
PixelMask MakeEdgeMask(const QImage& source, const QImage& snapshot, QRgb key,
                       std::span<const FaceOffset> offsets);

// The up or down face of `source` (same size, RGB32). Throws std::bad_alloc
// when the face cannot be allocated.
QImage MakeFace(const QImage& source, QRgb key, FaceKind kind, BevelColours colours);

struct ButtonFaces {
    QImage up; // empty for an empty source
    QImage down;
    PixelMask hotSpot; // black = hot; the opaque pixels of the up face
    QRgb key = 0xFFFFFFFF;
};

// Everything a button builds when its picture or the system colours change.
ButtonFaces BuildFaces(const QImage& source, BevelColours colours);

} // namespace vd
