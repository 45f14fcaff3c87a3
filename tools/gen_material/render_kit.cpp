#include "render_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace material::paint {
namespace {

constexpr double kPi = std::numbers::pi;
// Depth recedes at 40° with half its length.
const double kDx = 0.5 * std::cos(40 * kPi / 180);
const double kDy = 0.5 * std::sin(40 * kPi / 180);
constexpr int kOversample = 4;

double Cross(const QPointF& o, const QPointF& a, const QPointF& b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

} // namespace

QPointF P(double x, double y, double z) {
    return QPointF(kStage / 2 + x + kDx * z, kStage / 2 - y - kDy * z);
}

V3 OnCircle(const V3& c, char axis, double r, double deg) {
    const double a = deg * kPi / 180, u = r * std::cos(a), v = r * std::sin(a);
    switch (axis) {
    case 'x':
        return {c.x, c.y + v, c.z - u};
    case 'y':
        return {c.x + u, c.y, c.z + v};
    default:
        return {c.x + u, c.y + v, c.z};
    }
}

QPolygonF Circle3(const V3& c, char axis, double r, int n) {
    QPolygonF poly;
    for (int i = 0; i < n; ++i)
        poly << P(OnCircle(c, axis, r, 360.0 * i / n));
    return poly;
}

QPolygonF Hull(const QPolygonF& input) {
    // Andrew's monotone chain.
    std::vector<QPointF> pts(input.begin(), input.end());
    std::sort(pts.begin(), pts.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    if (pts.size() < 3)
        return QPolygonF(QList<QPointF>(pts.begin(), pts.end()));
    std::vector<QPointF> hull(2 * pts.size());
    size_t k = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        while (k >= 2 && Cross(hull[k - 2], hull[k - 1], pts[i]) <= 0)
            --k;
        hull[k++] = pts[i];
    }
    for (size_t i = pts.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && Cross(hull[k - 2], hull[k - 1], pts[i - 1]) <= 0)
            --k;
        hull[k++] = pts[i - 1];
    }
    hull.resize(k - 1);
    return QPolygonF(QList<QPointF>(hull.begin(), hull.end()));
}

QLinearGradient Sheen(const QPointF& a, const QPointF& b, const QColor& base) {
    QLinearGradient g(a, b);
    g.setColorAt(0.0, base.darker(118));
    g.setColorAt(0.22, base.lighter(128));
    g.setColorAt(0.42, base.lighter(104));
    g.setColorAt(0.8, base.darker(128));
    g.setColorAt(1.0, base.darker(160));
    return g;
}

QPen Outline(double width) {
    QPen pen(colour::kOutline, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPolygonF Cylinder(QPainter& p, char axis, const V3& a, const V3& b, double r, const QColor& body,
                   const QColor& cap, double outline) {
    return Frustum(p, axis, a, b, r, r, body, cap, outline);
}

QPolygonF Frustum(QPainter& p, char axis, const V3& a, const V3& b, double ra, double rb,
                  const QColor& body, const QColor& cap, double outline) {
    const double r = std::max(ra, rb);
    QPolygonF near = Circle3(a, axis, ra), far = Circle3(b, axis, rb);
    QPolygonF all = near;
    all << far;
    QPolygonF hull = Hull(all);
    // Shade across the axis as seen.
    QPointF axisDir = P(b) - P(a);
    double len = std::hypot(axisDir.x(), axisDir.y());
    QPointF n = len > 1e-6 ? QPointF(axisDir.y(), -axisDir.x()) / len : QPointF(1, 0);
    if (n.x() + n.y() > 0)
        n = -n; // from the lit upper left
    QPointF mid = (P(a) + P(b)) / 2;
    double reach = r * (axis == 'z' ? 1.0 : 1.05);
    p.setPen(Outline(outline));
    p.setBrush(Sheen(mid + n * reach, mid - n * reach, body));
    p.drawPolygon(hull);
    // The visible end: the nearer along z, the upper along y, the right-hand along x.
    QPolygonF visible = axis == 'y'   ? (a.y > b.y ? near : far)
                        : axis == 'x' ? (a.x > b.x ? near : far)
                                      : (a.z < b.z ? near : far);
    p.setBrush(cap);
    p.drawPolygon(visible);
    return visible;
}

void Disc(QPainter& p, const V3& c, char axis, double r, const QBrush& brush, double outline) {
    p.setPen(outline > 0 ? Outline(outline) : QPen(Qt::NoPen));
    p.setBrush(brush);
    p.drawPolygon(Circle3(c, axis, r));
}

QPolygonF FrontFace(const V3& lo, const V3& hi) {
    return QPolygonF(
        {P(lo.x, lo.y, lo.z), P(hi.x, lo.y, lo.z), P(hi.x, hi.y, lo.z), P(lo.x, hi.y, lo.z)});
}

QPolygonF TopFace(const V3& lo, const V3& hi) {
    return QPolygonF(
        {P(lo.x, hi.y, lo.z), P(hi.x, hi.y, lo.z), P(hi.x, hi.y, hi.z), P(lo.x, hi.y, hi.z)});
}

QPolygonF RightFace(const V3& lo, const V3& hi) {
    return QPolygonF(
        {P(hi.x, lo.y, lo.z), P(hi.x, lo.y, hi.z), P(hi.x, hi.y, hi.z), P(hi.x, hi.y, lo.z)});
}

void Box(QPainter& p, const V3& lo, const V3& hi, const QColor& base, double outline) {
    p.setPen(Outline(outline));
    QPolygonF front = FrontFace(lo, hi), top = TopFace(lo, hi), right = RightFace(lo, hi);
    QLinearGradient g(front.boundingRect().topLeft(), front.boundingRect().bottomRight());
    g.setColorAt(0, base.lighter(112));
    g.setColorAt(1, base.darker(108));
    p.setBrush(g);
    p.drawPolygon(front);
    QLinearGradient t(top.boundingRect().bottomLeft(), top.boundingRect().topRight());
    t.setColorAt(0, base.lighter(132));
    t.setColorAt(1, base.lighter(115));
    p.setBrush(t);
    p.drawPolygon(top);
    QLinearGradient s(right.boundingRect().topLeft(), right.boundingRect().bottomRight());
    s.setColorAt(0, base.darker(125));
    s.setColorAt(1, base.darker(150));
    p.setBrush(s);
    p.drawPolygon(right);
}

void AxialRotor(QPainter& p, const QPointF& c, double r, int blades, const QColor& blade,
                const QColor& hub, double rotationDeg, double hubFraction) {
    const double hr = r * hubFraction;
    for (int i = 0; i < blades; ++i) {
        const double a0 = rotationDeg + 360.0 * i / blades;
        const double width = 360.0 / blades * 0.62;
        QPainterPath path;
        auto at = [&](double rr, double deg) {
            double a = deg * kPi / 180;
            return c + QPointF(rr * std::cos(a), rr * std::sin(a));
        };
        path.moveTo(at(hr * 0.9, a0));
        for (int k = 1; k <= 16; ++k) {
            double t = k / 16.0;
            path.lineTo(at(hr * 0.9 + (r - hr * 0.9) * t, a0 + 26 * t * t));
        }
        for (int k = 0; k <= 8; ++k)
            path.lineTo(at(r, a0 + 26 + width * 0.9 * k / 8));
        for (int k = 16; k >= 0; --k) {
            double t = k / 16.0;
            path.lineTo(
                at(hr * 0.9 + (r - hr * 0.9) * t, a0 + 26 * t * t + width * (0.5 + 0.4 * t)));
        }
        path.closeSubpath();
        QLinearGradient g(at(r, a0), at(r * 0.3, a0 + width));
        g.setColorAt(0, blade.lighter(135));
        g.setColorAt(1, blade.darker(130));
        p.setPen(QPen(blade.darker(170), 0.6));
        p.setBrush(g);
        p.drawPath(path);
    }
    QRadialGradient hg(c - QPointF(hr * 0.35, hr * 0.35), hr * 1.3);
    hg.setColorAt(0, hub.lighter(150));
    hg.setColorAt(1, hub.darker(130));
    p.setPen(Outline(0.7));
    p.setBrush(hg);
    p.drawEllipse(c, hr, hr);
}

void WireGuard(QPainter& p, const QPointF& c, double r, int rings, int spokes, const QColor& wire,
               double width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(wire.darker(160), width * 1.5));
    for (int i = 1; i <= rings; ++i)
        p.drawEllipse(c, r * i / rings, r * i / rings);
    for (int i = 0; i < spokes; ++i) {
        double a = (360.0 * i / spokes + 22) * kPi / 180;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (r / rings),
                   c + QPointF(std::cos(a), std::sin(a)) * r);
    }
    p.setPen(QPen(wire.lighter(115), width * 0.6));
    for (int i = 1; i <= rings; ++i)
        p.drawEllipse(c - QPointF(0.3, 0.3), r * i / rings, r * i / rings);
}

void CentrifugalWheel(QPainter& p, const QPointF& c, double r, int blades, const QColor& blade) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kInterior);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(blade, std::max(0.8, r * 0.05), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < blades; ++i) {
        double a = 2 * kPi * i / blades;
        QPointF in = c + QPointF(std::cos(a), std::sin(a)) * (r * 0.55);
        QPointF out = c + QPointF(std::cos(a + 0.45), std::sin(a + 0.45)) * (r * 0.95);
        p.drawLine(in, out);
    }
    QRadialGradient hg(c - QPointF(r * 0.12, r * 0.12), r * 0.55);
    hg.setColorAt(0, blade.lighter(140));
    hg.setColorAt(1, blade.darker(140));
    p.setPen(Outline(0.6));
    p.setBrush(hg);
    p.drawEllipse(c, r * 0.42, r * 0.42);
    p.setBrush(colour::kMotor);
    p.drawEllipse(c, r * 0.16, r * 0.16);
}

void Opening(QPainter& p, const QPolygonF& shape, const QColor& rim) {
    p.setPen(QPen(rim, 1.6));
    QRectF b = shape.boundingRect();
    QRadialGradient g(b.center() + QPointF(b.width() * 0.15, b.height() * 0.15),
                      std::max(b.width(), b.height()) * 0.7);
    g.setColorAt(0, colour::kInterior.lighter(170));
    g.setColorAt(1, colour::kInterior);
    p.setBrush(g);
    p.drawPolygon(shape);
}

void FloorShadow(QPainter& p, const QPointF& c, double rx, double ry) {
    QRadialGradient g(c, 1);
    g.setCoordinateMode(QGradient::ObjectMode);
    g.setCenter(0.5, 0.5);
    g.setFocalPoint(0.5, 0.5);
    g.setRadius(0.5);
    g.setColorAt(0, QColor(40, 50, 60, 70));
    g.setColorAt(0.6, QColor(40, 50, 60, 30));
    g.setColorAt(1, QColor(40, 50, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, rx, ry);
}

void TerminalBox(QPainter& p, const V3& lo, const V3& hi) {
    Box(p, lo, hi, colour::kPlastic.lighter(150), 0.7);
    // Cable gland on the front.
    const QPointF g = P((lo.x + hi.x) / 2, (lo.y + hi.y) / 2, lo.z);
    const double r = std::min(hi.x - lo.x, hi.y - lo.y) * 0.22;
    p.setPen(Outline(0.6));
    p.setBrush(colour::kPlastic);
    p.drawEllipse(g, r, r);
}

QImage Render(int w, int h, const PaintFn& paint) {
    QImage big(w * kOversample, h * kOversample, QImage::Format_RGB32);
    big.fill(Qt::white);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const double scale = std::min(big.width(), big.height()) / kStage;
    p.translate((big.width() - kStage * scale) / 2, (big.height() - kStage * scale) / 2);
    p.scale(scale, scale);
    paint(p);
    p.end();
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace material::paint
