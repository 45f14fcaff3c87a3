#pragma once
// The drawing surface the diagram, the tables and the printouts draw on, in
// device pixels. The Qt layer implements it on a QPainter (screen pictures and
// printer pages); tests record the calls. The operations are those of a
// Windows canvas: a current font, pen and brush, a current line position, and
// texts drawn on an opaque background of the brush colour.
#include <cstdint>
#include <string>

namespace vd {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colours {
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
} // namespace colours

// Font style bits.
enum FontStyle : unsigned {
    kFontRegular = 0,
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

// A picture or metafile that the Qt layer loaded; the canvas that draws it
// knows the concrete type.
class CanvasPicture {
  public:
    virtual ~CanvasPicture() = default;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Font: a Windows face name (Windows-1252), a size in points, a colour and
    // style bits. Texts are drawn with the font current at the time.
    virtual void SetFontName(const std::string& name) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetFontColor(Rgb colour) = 0;
    virtual void SetFontStyle(unsigned style) = 0;

    // Pen for outlines and lines; a width of 0 draws one device pixel wide.
    virtual void SetPenColor(Rgb colour) = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void SetBrushColor(Rgb colour) = 0;

    // Filled with the brush, outlined with the pen; the box covers the pixels
    // from (left, top) up to but not including (right, bottom).
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;

    // A Windows-1252 text with its top-left corner at (x, y), on a background
    // of the brush colour. Does not move the line position.
    virtual void TextOut(int x, int y, const std::string& text) = 0;

    // Line position, and a line from it to (x, y) that does not paint (x, y)
    // itself; (x, y) becomes the line position.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;

    // A picture stretched to fill the box exactly; a null picture draws nothing.
    virtual void StretchDraw(int left, int top, int right, int bottom,
                             const CanvasPicture* picture) = 0;
};

} // namespace vd
