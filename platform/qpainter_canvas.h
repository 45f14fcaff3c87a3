#pragma once
// The drawing canvas on a QPainter, for the screen pictures and the printer
// pages, with the behaviour of a Windows canvas: font sizes in points at the
// device's resolution, shapes that cover (left, top) up to but not including
// (right, bottom), texts on an opaque background of the brush colour, lines
// that leave their end pixel unpainted.
#include "canvas.h"
#include "picture.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

namespace vd {

// A loaded picture or metafile for Canvas::StretchDraw.
class QtCanvasPicture final : public CanvasPicture {
  public:
    explicit QtCanvasPicture(Picture picture) : picture_(std::move(picture)) {}
    const Picture& picture() const { return picture_; }

  private:
    Picture picture_;
};

class QPainterCanvas final : public Canvas {
  public:
    // `fontDpi` converts font points to pixels; 0 takes the painter device's
    // logical resolution (a printer's dots per inch). The screen pictures use 96.
    explicit QPainterCanvas(QPainter& painter, int fontDpi = 0);

    void SetFontName(const std::string& name) override;
    void SetFontSize(int points) override;
    void SetFontColor(Rgb colour) override;
    void SetFontStyle(unsigned style) override;
    void SetPenColor(Rgb colour) override;
    void SetPenWidth(int width) override;
    void SetBrushColor(Rgb colour) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, const std::string& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void StretchDraw(int left, int top, int right, int bottom,
                     const CanvasPicture* picture) override;

    // The font texts are drawn with now (installed face, pixel size, style).
    QFont CurrentFont() const;
    // Pixel height of a font of `points` at `dpi`, rounded as Windows does.
    static int FontPixelHeight(int points, int dpi);

  private:
    void ApplyPen();

    QPainter& painter_;
    int dpi_;
    QString face_;
    int points_ = 8;
    QColor fontColor_ = Qt::black;
    unsigned style_ = 0;
    QColor penColor_ = Qt::black;
    int penWidth_ = 1;
    QColor brush_ = Qt::white;
    QPoint position_;
};

// A white picture of `logical` size at `devicePixelRatio` (its pixel size is
// that many times larger), so that a HiDPI screen shows it unscaled.
QImage MakeDrawingImage(QSize logical, int devicePixelRatio = 1);

} // namespace vd
