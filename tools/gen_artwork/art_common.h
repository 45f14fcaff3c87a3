#pragma once
// Brand palette and the small painting helpers every picture shares.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <functional>

namespace art {

namespace brand {
inline const QColor kNavy{0x0B, 0x2A, 0x4A};
inline const QColor kNavyDeep{0x06, 0x1A, 0x31};
inline const QColor kBlue{0x15, 0x65, 0xC0};
inline const QColor kSky{0x4F, 0xA3, 0xE0};
inline const QColor kIce{0xD4, 0xE9, 0xF8};
inline const QColor kInk{0x24, 0x2E, 0x38};
inline const QColor kSlate{0x5E, 0x6B, 0x78};
inline const QColor kGreen{0x2E, 0x9E, 0x4F};
inline const QColor kRed{0xD3, 0x2F, 0x2F};
} // namespace brand

using PaintFn = std::function<void(QPainter&)>;

// Paints at `factor` times the size and scales down by area averaging: small
// pictures keep thin lines and curves smooth without a jagged edge.
QImage RenderSupersampled(int w, int h, int factor, const QColor& background, const PaintFn& paint);

// Liberation Sans at a pixel size (metrics of Arial, which the pages use).
QFont BrandFont(double pixelSize, bool bold = false);

// A soft shadow of `shape`: filled in `colour` (its alpha is the strength),
// blurred by about `radius` pixels and moved by `offset`.
void SoftShadow(QPainter& p, const QPainterPath& shape, const QPointF& offset, double radius,
                const QColor& colour);

// Box-blurs the alpha channel (three passes approximate a Gaussian).
QImage BlurAlpha(const QImage& image, int radius);

QColor Mix(const QColor& a, const QColor& b, double t);

// Draws `text` with letter spacing, its baseline starting at `origin`.
void DrawSpacedText(QPainter& p, const QPointF& origin, const QString& text, const QFont& font,
                    double spacing);

} // namespace art
