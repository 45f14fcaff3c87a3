#include "fan_parts.h"

#include "art_common.h"
#include "fan_mark.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace art::parts {

QPen Outline(double width) {
    QPen pen(kOutline, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient Sheet(const QPointF& a, const QPointF& b, const QColor& base) {
    QLinearGradient g(a, b);
    g.setColorAt(0.0, Mix(base, Qt::black, 0.12));
    g.setColorAt(0.3, Mix(base, Qt::white, 0.75));
    g.setColorAt(0.55, base);
    g.setColorAt(1.0, Mix(base, Qt::black, 0.38));
    return g;
}

QRectF CylinderX(QPainter& p, double x0, double x1, double cy, double r, double rx,
                 const QColor& base, double outline) {
    QPainterPath body;
    body.moveTo(x0, cy - r);
    body.lineTo(x1, cy - r);
    body.arcTo(QRectF(x1 - rx, cy - r, 2 * rx, 2 * r), 90, -180);
    body.lineTo(x0, cy + r);
    body.arcTo(QRectF(x0 - rx, cy - r, 2 * rx, 2 * r), 270, -180);
    body.closeSubpath();
    p.setPen(Outline(outline));
    p.setBrush(Sheet(QPointF(0, cy - r), QPointF(0, cy + r), base));
    p.drawPath(body);
    const QRectF end(x1 - rx, cy - r, 2 * rx, 2 * r);
    QLinearGradient face(end.topLeft(), end.bottomRight());
    face.setColorAt(0.0, Mix(base, Qt::white, 0.55));
    face.setColorAt(1.0, Mix(base, Qt::black, 0.15));
    p.setBrush(face);
    p.drawEllipse(end);
    return end;
}

QRectF CylinderY(QPainter& p, double cx, double yTop, double yBottom, double r, double ry,
                 const QColor& base, double outline) {
    QPainterPath body;
    body.moveTo(cx - r, yTop);
    body.lineTo(cx - r, yBottom);
    body.arcTo(QRectF(cx - r, yBottom - ry, 2 * r, 2 * ry), 180, 180);
    body.lineTo(cx + r, yTop);
    body.closeSubpath();
    p.setPen(Outline(outline));
    p.setBrush(Sheet(QPointF(cx - r, 0), QPointF(cx + r, 0), base));
    p.drawPath(body);
    const QRectF top(cx - r, yTop - ry, 2 * r, 2 * ry);
    QLinearGradient face(top.topLeft(), top.bottomRight());
    face.setColorAt(0.0, Mix(base, Qt::white, 0.6));
    face.setColorAt(1.0, Mix(base, Qt::black, 0.1));
    p.setBrush(face);
    p.drawEllipse(top);
    return top;
}

void AxialRotor(QPainter& p, const QPointF& c, double rx, double ry, int blades, double rotationDeg,
                const QBrush& bladeBrush, const QColor& hub, double hubFraction) {
    p.save();
    p.translate(c);
    p.scale(rx / 100.0, ry / 100.0);
    p.setPen(
        QPen(Mix(kOutline, Qt::white, 0.15), 100.0 * 0.9 / std::max(1.0, std::min(rx, ry)) * 1.1));
    p.setBrush(bladeBrush);
    for (int i = 0; i < blades; ++i) {
        const double a = rotationDeg + 360.0 * i / blades;
        p.drawPath(SweptBlade(QPointF(0, 0), 100 * hubFraction * 0.85, 96, a, 28,
                              360.0 / blades * 0.62, 360.0 / blades * 0.8));
    }
    QRadialGradient h(QPointF(-30 * hubFraction, -30 * hubFraction), 100 * hubFraction * 1.4);
    h.setColorAt(0.0, Mix(hub, Qt::white, 0.45));
    h.setColorAt(1.0, Mix(hub, Qt::black, 0.3));
    p.setBrush(h);
    p.drawEllipse(QPointF(0, 0), 100 * hubFraction, 100 * hubFraction);
    p.restore();
}

void WireGuard(QPainter& p, const QPointF& c, double rx, double ry, int rings, int spokes,
               const QColor& wire, double wireWidth) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(wire, wireWidth));
    for (int i = 1; i <= rings; ++i) {
        const double f = static_cast<double>(i) / rings;
        p.drawEllipse(c, rx * f, ry * f);
    }
    for (int i = 0; i < spokes; ++i) {
        const double a = qDegreesToRadians(45.0 + 360.0 * i / spokes);
        p.drawLine(c + QPointF(rx * 0.18 * std::cos(a), ry * 0.18 * std::sin(a)),
                   c + QPointF(rx * std::cos(a), ry * std::sin(a)));
    }
    p.restore();
}

void CentrifugalWheel(QPainter& p, const QPointF& c, double r, int blades, const QColor& blade,
                      const QColor& backPlate) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(backPlate);
    p.drawEllipse(c, r, r);
    const double inner = r * 0.52;
    QPen bladePen(blade, r * 0.07, Qt::SolidLine, Qt::RoundCap);
    p.setPen(bladePen);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < blades; ++i) {
        const double a = 360.0 * i / blades;
        auto at = [&](double rr, double deg) {
            const double t = qDegreesToRadians(deg);
            return c + QPointF(rr * std::cos(t), rr * std::sin(t));
        };
        QPainterPath b;
        b.moveTo(at(inner, a));
        b.quadTo(at((inner + r) / 2, a - 14), at(r * 0.95, a - 36));
        p.drawPath(b);
    }
    QRadialGradient hub(c + QPointF(-r * 0.1, -r * 0.1), inner);
    hub.setColorAt(0.0, Mix(backPlate, Qt::white, 0.35));
    hub.setColorAt(1.0, Mix(backPlate, Qt::black, 0.35));
    p.setPen(QPen(blade, r * 0.05));
    p.setBrush(hub);
    p.drawEllipse(c, inner * 0.9, inner * 0.9);
    p.setBrush(Mix(blade, Qt::black, 0.2));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, r * 0.12, r * 0.12);
    p.restore();
}

void Box(QPainter& p, const QRectF& front, const QPointF& depth, const QColor& base,
         double outline) {
    p.setPen(Outline(outline));
    const QPolygonF top(
        {front.topLeft(), front.topLeft() + depth, front.topRight() + depth, front.topRight()});
    const QPolygonF side({front.topRight(), front.topRight() + depth, front.bottomRight() + depth,
                          front.bottomRight()});
    QLinearGradient topFill(top.at(0), top.at(2));
    topFill.setColorAt(0.0, Mix(base, Qt::white, 0.7));
    topFill.setColorAt(1.0, Mix(base, Qt::white, 0.35));
    p.setBrush(topFill);
    p.drawPolygon(top);
    QLinearGradient sideFill(side.at(0), side.at(2));
    sideFill.setColorAt(0.0, Mix(base, Qt::black, 0.18));
    sideFill.setColorAt(1.0, Mix(base, Qt::black, 0.35));
    p.setBrush(sideFill);
    p.drawPolygon(side);
    QLinearGradient frontFill(front.topLeft(), front.bottomRight());
    frontFill.setColorAt(0.0, Mix(base, Qt::white, 0.25));
    frontFill.setColorAt(1.0, Mix(base, Qt::black, 0.06));
    p.setBrush(frontFill);
    p.drawRect(front);
}

void FlowArrow(QPainter& p, const QPointF& from, const QPointF& to, double w,
               const QColor& colour) {
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0)
        return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const double head = w * 2.4;
    const QPointF neck = to - u * head;
    QPolygonF arrow({from + n * (w / 2), neck + n * (w / 2), neck + n * head * 0.75, to,
                     neck - n * head * 0.75, neck - n * (w / 2), from - n * (w / 2)});
    QLinearGradient fill(from, to);
    fill.setColorAt(0.0, QColor(colour.red(), colour.green(), colour.blue(), 40));
    fill.setColorAt(0.6, colour);
    fill.setColorAt(1.0, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(arrow);
}

void TerminalBox(QPainter& p, const QRectF& r, double outline) {
    p.setPen(Outline(outline));
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, QColor(0x3B, 0x82, 0xD6));
    fill.setColorAt(1.0, QColor(0x0E, 0x4A, 0x93));
    p.setBrush(fill);
    p.drawRoundedRect(r, r.height() * 0.18, r.height() * 0.18);
    p.setPen(QPen(QColor(255, 255, 255, 120), outline * 0.8));
    p.drawLine(r.topLeft() + QPointF(r.width() * 0.15, r.height() * 0.3),
               r.topRight() + QPointF(-r.width() * 0.15, r.height() * 0.3));
}

} // namespace art::parts
