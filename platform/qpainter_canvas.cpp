#include "qpainter_canvas.h"

#include "codepage.h"
#include "font_faces.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <cstdlib>
#include <utility>

namespace vd {
namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QString FromCp1252(const std::string& s) {
    return QString::fromStdString(Cp1252ToUtf8(s));
}

// Pixel centres: a device pixel (x, y) is the square from (x, y) to
// (x + 1, y + 1), so a one-pixel stroke through it runs along its centre.
// Under a painter scaled by a device pixel ratio this keeps strokes on the
// same pixels, only wider.
QPointF Centre(int x, int y) {
    return QPointF(x + 0.5, y + 0.5);
}

// Shapes given by their edges, with right and bottom excluded.
QRectF Outline(int l, int t, int r, int b) {
    if (r < l)
        std::swap(l, r);
    if (b < t)
        std::swap(t, b);
    return QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1);
}

} // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter, int fontDpi)
    : painter_(painter), dpi_(fontDpi), face_(ResolveFaceName(QStringLiteral("MS Sans Serif"))) {
    if (dpi_ <= 0)
        dpi_ = painter.device() ? painter.device()->logicalDpiY() : 96;
    if (dpi_ <= 0)
        dpi_ = 96;
    // A Windows canvas draws aliased shapes and lines.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

int QPainterCanvas::FontPixelHeight(int points, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(points) * dpi / 72.0));
}

QFont QPainterCanvas::CurrentFont() const {
    QFont f(face_);
    f.setPixelSize(std::max(1, FontPixelHeight(points_, dpi_)));
    f.setBold(style_ & kFontBold);
    f.setItalic(style_ & kFontItalic);
    f.setUnderline(style_ & kFontUnderline);
    f.setStrikeOut(style_ & kFontStrikeOut);
    return f;
}

void QPainterCanvas::SetFontName(const std::string& name) {
    face_ = ResolveFaceName(FromCp1252(name));
}
void QPainterCanvas::SetFontSize(int points) {
    points_ = points;
}
void QPainterCanvas::SetFontColor(Rgb colour) {
    fontColor_ = ToQColor(colour);
}
void QPainterCanvas::SetFontStyle(unsigned style) {
    style_ = style;
}
void QPainterCanvas::SetPenColor(Rgb colour) {
    penColor_ = ToQColor(colour);
}
void QPainterCanvas::SetPenWidth(int width) {
    penWidth_ = width;
}
void QPainterCanvas::SetBrushColor(Rgb colour) {
    brush_ = ToQColor(colour);
}

void QPainterCanvas::ApplyPen() {
    // Width 0 is one pixel, as width 1. Wide pens are round-ended, as on Windows.
    const int w = std::max(1, penWidth_);
    QPen pen(penColor_, w, Qt::SolidLine, w > 1 ? Qt::RoundCap : Qt::FlatCap,
             w > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    painter_.setPen(pen);
}

void QPainterCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1)
        return;
    painter_.fillRect(QRectF(left, top, right - left, bottom - top), brush_);
    ApplyPen();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(Outline(left, top, right, bottom));
}

void QPainterCanvas::Ellipse(int left, int top, int right, int bottom) {
    ApplyPen();
    painter_.setBrush(brush_);
    painter_.drawEllipse(Outline(left, top, right, bottom));
    painter_.setBrush(Qt::NoBrush);
}

void QPainterCanvas::TextOut(int x, int y, const std::string& text) {
    if (text.empty())
        return;
    const QString s = FromCp1252(text);
    const QFont font = CurrentFont();
    const QFontMetricsF fm(font, painter_.device());
    // The text cell, as wide as the text and as high as the font.
    painter_.fillRect(QRectF(x, y, fm.horizontalAdvance(s), fm.height()), brush_);
    painter_.setFont(font);
    painter_.setPen(fontColor_);
    painter_.drawText(QPointF(x, y + fm.ascent()), s);
}

void QPainterCanvas::MoveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void QPainterCanvas::LineTo(int x, int y) {
    const QPoint to(x, y);
    if (to != position_) {
        ApplyPen();
        if (penWidth_ > 1) {
            painter_.drawLine(Centre(position_.x(), position_.y()), Centre(x, y));
        } else {
            // The line through the pixel centres, cut half a pixel before the
            // start and half a pixel before the end along its major axis: a
            // flat-ended stroke then covers the start pixel and stops short of
            // the end pixel, in either direction and at any pixel ratio.
            const int dx = x - position_.x(), dy = y - position_.y();
            QPointF shift;
            if (std::abs(dx) >= std::abs(dy)) {
                const double e = dx > 0 ? -0.5 : 0.5;
                shift = QPointF(e, e * dy / dx);
            } else {
                const double e = dy > 0 ? -0.5 : 0.5;
                shift = QPointF(e * dx / dy, e);
            }
            painter_.drawLine(Centre(position_.x(), position_.y()) + shift, Centre(x, y) + shift);
        }
    }
    position_ = to;
}

void QPainterCanvas::StretchDraw(int left, int top, int right, int bottom,
                                 const CanvasPicture* picture) {
    const auto* qt = dynamic_cast<const QtCanvasPicture*>(picture);
    if (!qt)
        return;
    qt->picture().draw(painter_, QRectF(left, top, right - left, bottom - top));
}

QImage MakeDrawingImage(QSize logical, int devicePixelRatio) {
    const int n = std::max(1, devicePixelRatio);
    QImage image(logical * n, QImage::Format_RGB32);
    image.setDevicePixelRatio(n);
    image.fill(Qt::white);
    return image;
}

} // namespace vd
