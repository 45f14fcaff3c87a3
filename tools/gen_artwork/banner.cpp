// The narrow banner at every page's left edge: deep navy with the fan mark
// half hidden at the foot and the brand name running up the strip.
#include "art_common.h"
#include "fan_mark.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

constexpr int kWidth = 53;
constexpr int kHeight = 402;

void Streamlines(QPainter& p) {
    // Faint vertical airflow lines that bend round the fan at the foot.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const double x0 = 6 + i * 8.0;
        QPainterPath line;
        line.moveTo(x0, 0);
        for (int y = 0; y <= kHeight; y += 4) {
            const double bend = 3.2 * std::sin(y / 46.0 + i * 0.9);
            line.lineTo(x0 + bend, y);
        }
        p.setPen(QPen(QColor(0x9C, 0xCB, 0xF0, 26 + (i % 2) * 10), 0.8));
        p.drawPath(line);
    }
}

void PaintBanner(QPainter& p) {
    QLinearGradient bg(0, 0, 0, kHeight);
    bg.setColorAt(0.0, brand::kNavyDeep);
    bg.setColorAt(0.55, brand::kNavy);
    bg.setColorAt(1.0, QColor(0x12, 0x42, 0x74));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), bg);

    // A cool glow behind the fan at the foot.
    QRadialGradient glow(QPointF(26, 352), 70);
    glow.setColorAt(0.0, QColor(0x4F, 0xA3, 0xE0, 90));
    glow.setColorAt(1.0, QColor(0x4F, 0xA3, 0xE0, 0));
    p.fillRect(QRectF(0, 250, kWidth, kHeight - 250), glow);

    Streamlines(p);

    FanMarkStyle big;
    QRadialGradient blades(QPointF(26, 352), 48);
    blades.setColorAt(0.0, QColor(0xBF, 0xE0, 0xFA, 120));
    blades.setColorAt(1.0, QColor(0x4F, 0xA3, 0xE0, 70));
    big.blades = blades;
    big.hub = QColor(0xD4, 0xE9, 0xF8, 150);
    big.ring = QColor(0x9C, 0xCB, 0xF0, 70);
    big.ringWidth = 0.06;
    big.rotationDeg = -20;
    DrawFanMark(p, QPointF(26.5, 352), 44, big);

    // Small solid mark at the head, the brand's signature.
    FanMarkStyle small;
    small.blades = QColor(0xFF, 0xFF, 0xFF, 235);
    small.hub = brand::kSky;
    small.ring = QColor(0x4F, 0xA3, 0xE0);
    small.ringWidth = 0.11;
    small.rotationDeg = -10;
    DrawFanMark(p, QPointF(26.5, 34), 15, small);

    // Brand name reading upwards.
    p.save();
    p.translate(33, 232);
    p.rotate(-90);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    DrawSpacedText(p, QPointF(0, 0), QStringLiteral("VANDREL"), BrandFont(15, true), 4.2);
    p.setBrush(QColor(0x9C, 0xCB, 0xF0, 200));
    DrawSpacedText(p, QPointF(0, 13), QStringLiteral("VENTILATION"), BrandFont(7.5), 2.35);
    p.restore();

    // Thin light rule along the right edge, where the banner meets the page.
    p.fillRect(QRectF(kWidth - 2, 0, 1, kHeight), QColor(0x4F, 0xA3, 0xE0));
    p.fillRect(QRectF(kWidth - 1, 0, 1, kHeight), QColor(0x08, 0x20, 0x3A));
}

} // namespace

QImage MakeBanner() {
    return RenderSupersampled(kWidth, kHeight, 4, brand::kNavy, PaintBanner);
}

} // namespace art
