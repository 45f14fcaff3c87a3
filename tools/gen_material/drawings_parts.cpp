// Parts that several dimension drawings share.
#include "drawings.h"

#include <cmath>
#include <numbers>

namespace material::parts {
namespace {
constexpr double kPi = std::numbers::pi;

QPointF Polar(QPointF c, double r, double deg) {
    double a = deg * kPi / 180;
    return c + QPointF(r * std::cos(a), -r * std::sin(a));
}
} // namespace

void TerminalBox(Draft& d, const QRectF& r, bool glandRight) {
    // Body, a lid a little wider on top, and a gland on one side.
    const double lid = r.height() * 0.22;
    d.outlineRect(QRectF(r.left(), r.top() + lid, r.width(), r.height() - lid));
    d.outlineRect(QRectF(r.left() - lid * 0.3, r.top(), r.width() + lid * 0.6, lid));
    const double gh = r.height() * 0.32, gw = r.height() * 0.28;
    const double gy = r.top() + lid + (r.height() - lid - gh) / 2;
    d.outlineRect(glandRight ? QRectF(r.right(), gy, gw, gh) : QRectF(r.left() - gw, gy, gw, gh));
}

void SpigotSide(Draft& d, const View& v, double openEnd, double joinedEnd, double diameter) {
    const double r = diameter / 2;
    d.outlineRect(v.box(openEnd, -r, joinedEnd, r));
    // The sealing bead a little way in from the open end.
    const double bead = std::min(std::abs(joinedEnd - openEnd) * 0.3, 10.0);
    const double bx = openEnd + (joinedEnd > openEnd ? bead : -bead);
    d.thinLine(v.at(bx, -r), v.at(bx, r));
}

void HiddenMotor(Draft& d, const View& v, double x0, double x1, double diameter) {
    const double r = diameter / 2;
    d.hiddenRect(v.box(x0, -r, x1, r));
    d.hiddenLine(v.at(x0 + (x1 - x0) * 0.15, -r), v.at(x0 + (x1 - x0) * 0.15, r));
}

void AxialImpellerFace(Draft& d, QPointF c, double tipRadius, double hubRadius, int blades) {
    Sheet& s = d.sheet();
    s.pen(ink::kBlack, Draft::kThin);
    s.brush(ink::kWhite);
    const double pitch = 360.0 / blades;
    for (int i = 0; i < blades; ++i) {
        const double a0 = 90 + pitch * i;
        // A swept blade: leading edge out to the tip, along the tip circle,
        // trailing edge back to the hub; wider at the tip than at the root.
        auto lead = [&](double t) { return a0 - 24 * t * t; };
        auto width = [&](double t) { return pitch * (0.42 + 0.2 * t); };
        auto radius = [&](double t) { return hubRadius * 0.9 + (tipRadius - hubRadius * 0.9) * t; };
        std::vector<QPointF> blade;
        const int steps = 12;
        for (int k = 0; k <= steps; ++k)
            blade.push_back(Polar(c, radius(k / double(steps)), lead(k / double(steps))));
        for (int k = 1; k < 6; ++k)
            blade.push_back(Polar(c, tipRadius, lead(1) + width(1) * k / 6.0));
        for (int k = steps; k >= 0; --k) {
            double t = k / double(steps);
            blade.push_back(Polar(c, radius(t), lead(t) + width(t)));
        }
        s.polygon(blade);
    }
    d.outlineCircle(c, hubRadius);
}

void GuardFace(Draft& d, QPointF c, double radius, int rings, int spokes) {
    Sheet& s = d.sheet();
    s.pen(ink::kBlack, Draft::kThin);
    s.noBrush();
    for (int i = 1; i <= rings; ++i)
        s.circle(c, radius * i / rings);
    const double inner = radius / rings;
    for (int i = 0; i < spokes; ++i) {
        const double a = 45 + 360.0 * i / spokes;
        s.line(Polar(c, inner, a), Polar(c, radius, a));
    }
}

void Hole(Draft& d, QPointF c, double r) {
    d.outlineCircle(c, r);
    d.sheet().pen(ink::kBlack, Draft::kDimLine);
    const double m = r + 30;
    d.sheet().line(c - QPointF(m, 0), c + QPointF(m, 0));
    d.sheet().line(c - QPointF(0, m), c + QPointF(0, m));
}

void HolesOnCircle(Draft& d, QPointF c, double pitchRadius, double holeRadius, int count,
                   double startDeg) {
    for (int i = 0; i < count; ++i)
        Hole(d, Polar(c, pitchRadius, startDeg + 360.0 * i / count), holeRadius);
}

} // namespace material::parts
