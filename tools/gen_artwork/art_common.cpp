#include "art_common.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace art {

QImage RenderSupersampled(int w, int h, int factor, const QColor& background,
                          const PaintFn& paint) {
    QImage big(w * factor, h * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(background);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(factor, factor);
        paint(p);
    }
    // A transparent background keeps the alpha channel for later composition.
    const QImage::Format format =
        background.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    if (factor == 1)
        return big.convertToFormat(format);
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(format);
}

QFont BrandFont(double pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setPixelSize(std::max(1, static_cast<int>(pixelSize + 0.5)));
    font.setBold(bold);
    font.setKerning(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QImage BlurAlpha(const QImage& image, int radius) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0)
        return out;
    const int w = out.width();
    const int h = out.height();
    std::vector<int> line(static_cast<std::size_t>(std::max(w, h)));
    // The blurred alpha scales the premultiplied colour, so the shadow keeps
    // one colour and only its coverage spreads.
    std::vector<float> alpha(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(out.constScanLine(y));
        for (int x = 0; x < w; ++x)
            alpha[static_cast<std::size_t>(y) * w + x] = qAlpha(row[x]);
    }
    auto pass = [&](bool horizontal) {
        const int outer = horizontal ? h : w;
        const int inner = horizontal ? w : h;
        std::vector<float> src(static_cast<std::size_t>(inner));
        for (int o = 0; o < outer; ++o) {
            for (int i = 0; i < inner; ++i) {
                const std::size_t idx = horizontal ? static_cast<std::size_t>(o) * w + i
                                                   : static_cast<std::size_t>(i) * w + o;
                src[static_cast<std::size_t>(i)] = alpha[idx];
            }
            for (int i = 0; i < inner; ++i) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int j = std::clamp(i + k, 0, inner - 1);
                    sum += (i + k < 0 || i + k >= inner) ? 0.0f : src[static_cast<std::size_t>(j)];
                }
                const std::size_t idx = horizontal ? static_cast<std::size_t>(o) * w + i
                                                   : static_cast<std::size_t>(i) * w + o;
                alpha[idx] = sum / static_cast<float>(2 * radius + 1);
            }
        }
    };
    for (int n = 0; n < 3; ++n) {
        pass(true);
        pass(false);
    }
    // Colour: take the first opaque pixel's colour as the shadow colour.
    QRgb colour = qRgb(0, 0, 0);
    for (int y = 0, found = 0; y < h && !found; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(out.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) == 255) {
                colour = row[x];
                found = 1;
                break;
            }
        }
    }
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float a = std::clamp(alpha[static_cast<std::size_t>(y) * w + x], 0.0f, 255.0f);
            const int ai = static_cast<int>(a + 0.5f);
            row[x] = qRgba(qRed(colour) * ai / 255, qGreen(colour) * ai / 255,
                           qBlue(colour) * ai / 255, ai);
        }
    }
    return out;
}

void SoftShadow(QPainter& p, const QPainterPath& shape, const QPointF& offset, double radius,
                const QColor& colour) {
    // Rendered at the painter's device scale so that supersampled pictures
    // get a shadow of the same softness.
    const double scale = p.transform().m11();
    const double pad = radius * 3 + 2;
    const QRectF box = shape.boundingRect().adjusted(-pad, -pad, pad, pad);
    QImage layer(static_cast<int>(box.width() * scale + 1),
                 static_cast<int>(box.height() * scale + 1), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.scale(scale, scale);
        lp.translate(-box.topLeft());
        lp.fillPath(shape, QColor(colour.red(), colour.green(), colour.blue()));
    }
    const QImage blurred = BlurAlpha(layer, static_cast<int>(radius * scale / 1.7 + 0.5));
    p.save();
    p.setOpacity(p.opacity() * colour.alphaF());
    p.translate(box.topLeft() + offset);
    p.scale(1.0 / scale, 1.0 / scale);
    p.drawImage(QPointF(0, 0), blurred);
    p.restore();
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

void DrawSpacedText(QPainter& p, const QPointF& origin, const QString& text, const QFont& font,
                    double spacing) {
    QFontMetricsF fm(font);
    QPainterPath path;
    double x = origin.x();
    for (const QChar ch : text) {
        path.addText(QPointF(x, origin.y()), font, QString(ch));
        x += fm.horizontalAdvance(ch) + spacing;
    }
    p.drawPath(path);
}

} // namespace art
