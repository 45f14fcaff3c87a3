// The about page's portrait picture: a navy card with the fan mark rising out
// of its top corner and the brand at its foot.
#include "art_common.h"
#include "fan_mark.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

constexpr int kWidth = 154;
constexpr int kHeight = 270;

void PaintAbout(QPainter& p) {
    QLinearGradient bg(0, 0, kWidth * 0.4, kHeight);
    bg.setColorAt(0.0, QColor(0x13, 0x4B, 0x86));
    bg.setColorAt(0.6, brand::kNavy);
    bg.setColorAt(1.0, brand::kNavyDeep);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), bg);

    const QPointF centre(104, 92);
    QRadialGradient glow(centre, 120);
    glow.setColorAt(0.0, QColor(0x4F, 0xA3, 0xE0, 120));
    glow.setColorAt(1.0, QColor(0x4F, 0xA3, 0xE0, 0));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), glow);

    // Airflow rings round the fan.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(0x9C, 0xCB, 0xF0, 70 - i * 14), 1.0));
        p.drawEllipse(centre, 86.0 + i * 14, 86.0 + i * 14);
    }

    FanMarkStyle style;
    QLinearGradient blades(centre + QPointF(-60, -60), centre + QPointF(60, 60));
    blades.setColorAt(0.0, QColor(0xE8, 0xF4, 0xFF));
    blades.setColorAt(1.0, brand::kSky);
    style.blades = blades;
    style.hub = brand::kNavyDeep;
    style.ring = QColor(0xD4, 0xE9, 0xF8);
    style.ringWidth = 0.07;
    style.rotationDeg = -14;
    DrawFanMark(p, centre, 74, style);

    // Brand block at the foot.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    DrawSpacedText(p, QPointF(14, 226), QStringLiteral("Vandrel"), BrandFont(29, true), 0.4);
    p.fillRect(QRectF(15, 234, 40, 2), brand::kSky);
    p.setBrush(QColor(0xD4, 0xE9, 0xF8));
    DrawSpacedText(p, QPointF(15, 252), QStringLiteral("FAN SELECTION"), BrandFont(9, true), 1.6);
    DrawSpacedText(p, QPointF(15, 263), QStringLiteral("CATALOGUE"), BrandFont(9, true), 1.6);
}

} // namespace

QImage MakeAbout() {
    return RenderSupersampled(kWidth, kHeight, 4, brand::kNavy, PaintAbout);
}

} // namespace art
