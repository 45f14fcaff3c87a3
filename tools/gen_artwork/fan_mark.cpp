#include "fan_mark.h"

#include "art_common.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace art {

QPainterPath SweptBlade(const QPointF& centre, double hubRadius, double tipRadius, double angleDeg,
                        double sweepDeg, double rootWidthDeg, double tipWidthDeg) {
    constexpr int kSteps = 40;
    auto at = [&](double r, double deg) {
        const double a = qDegreesToRadians(deg);
        return centre + QPointF(r * std::cos(a), r * std::sin(a));
    };
    auto leading = [&](double t) { return angleDeg + sweepDeg * std::pow(t, 1.4); };
    auto width = [&](double t) {
        return rootWidthDeg + (tipWidthDeg - rootWidthDeg) * std::sqrt(t);
    };

    QPainterPath path;
    path.moveTo(at(hubRadius, leading(0)));
    for (int i = 1; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        path.lineTo(at(hubRadius + (tipRadius - hubRadius) * t, leading(t)));
    }
    // Rounded tip along the tip circle.
    for (int i = 1; i <= 12; ++i) {
        const double f = static_cast<double>(i) / 12;
        path.lineTo(
            at(tipRadius - 0.04 * tipRadius * std::sin(f * M_PI), leading(1) - width(1) * f));
    }
    for (int i = kSteps; i >= 0; --i) {
        const double t = static_cast<double>(i) / kSteps;
        path.lineTo(at(hubRadius + (tipRadius - hubRadius) * t, leading(t) - width(t)));
    }
    path.closeSubpath();
    return path;
}

void DrawFanMark(QPainter& p, const QPointF& centre, double radius, const FanMarkStyle& style) {
    p.save();
    if (style.ring.alpha() > 0 && style.ringWidth > 0) {
        p.setPen(QPen(style.ring, radius * style.ringWidth));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, radius * (1 - style.ringWidth / 2),
                      radius * (1 - style.ringWidth / 2));
    }
    const double tip = radius * (1 - style.ringWidth) - radius * (style.ringWidth > 0 ? 0.07 : 0);
    const double hub = radius * 0.24;
    p.setPen(Qt::NoPen);
    p.setBrush(style.blades);
    for (int i = 0; i < style.bladeCount; ++i) {
        const double a = style.rotationDeg + 360.0 * i / style.bladeCount;
        p.drawPath(SweptBlade(centre, hub * 0.8, tip, a, 38, 34, 52));
    }
    p.setBrush(style.hub);
    p.drawEllipse(centre, hub, hub);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(centre, hub * 0.28, hub * 0.28);
    p.restore();
}

void DrawEmblem(QPainter& p, const QPointF& centre, double radius, double ringWidth) {
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    // The light falls from the upper left.
    QRadialGradient face(centre + QPointF(-30, -36) * (radius / 96), radius * 1.5);
    face.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    face.setColorAt(1.0, QColor(0xE4, 0xF0, 0xFA));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawPath(disc);

    FanMarkStyle style;
    QLinearGradient blades(centre + QPointF(-radius, -radius), centre + QPointF(radius, radius));
    blades.setColorAt(0.0, brand::kSky);
    blades.setColorAt(1.0, brand::kBlue);
    style.blades = blades;
    style.hub = brand::kNavy;
    style.ring = brand::kNavy;
    style.ringWidth = ringWidth;
    style.rotationDeg = -18;
    DrawFanMark(p, centre, radius, style);
}

} // namespace art
