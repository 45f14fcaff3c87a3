// Dimension drawings of the centrifugal fans with volute casing: direct
// drive (UVJ) and the smoke-extract version with the motor held off the
// casing behind a cooling disc (UVX). Inlet view on the left, the view onto
// the outlet on the right; both stand on their base frame.
#include "drawings.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace material {
namespace {

using namespace parts;

constexpr double kGap = 300;
constexpr double kPi = std::numbers::pi;

// The scroll: radius growing from the cut-off to the top, where the outlet
// duct leaves horizontally to the right. Angles from straight up, clockwise.
struct Scroll {
    double r0, rEnd, a0; // a0 in degrees
    double radius(double a) const { return r0 * std::pow(rEnd / r0, (a - a0) / (360 - a0)); }
    QPointF point(double a) const {
        double r = radius(a), t = a * kPi / 180;
        return QPointF(r * std::sin(t), -r * std::cos(t));
    }
};

struct VoluteGeometry {
    Scroll scroll;
    double floor;   // shaft centre to floor
    double outletX; // outlet face from the shaft
    double left;    // leftmost point of the scroll
};

VoluteGeometry Geometry(const Dims& m) {
    const double D1 = m["d1"], B = m["B"], C = m["C"], E = m["E"], F = m["F"];
    VoluteGeometry g;
    double rEnd = C - F > 0 ? C - F : C * 0.5;
    double r0 = std::max(D1 * 0.55, rEnd * 0.5);
    double a0 = rEnd - B < r0 ? std::acos(std::clamp((rEnd - B) / r0, -1.0, 1.0)) * 180 / kPi : 20;
    g.scroll = {r0, rEnd, std::clamp(a0, 20.0, 110.0)};
    g.left = g.scroll.radius(270);
    g.outletX = std::max(E - g.left, g.scroll.radius(90) + rEnd * 0.18);
    g.floor = std::max(F, g.scroll.radius(180) + rEnd * 0.25);
    return g;
}

void InletView(Draft& d, const View& v, const Dims& m, const VoluteGeometry& g) {
    const double D1 = m["d1"], B = m["B"], G = m["G"];
    const Scroll& s = g.scroll;
    const double rEnd = s.rEnd;
    // Casing: the scroll from the cut-off round to the top, the outlet duct.
    std::vector<QPointF> casing;
    QPointF tongue = s.point(s.a0);
    casing.push_back(v.at(g.outletX, -rEnd + B));
    casing.push_back(v.at(tongue.x() + rEnd * 0.06, -rEnd + B));
    for (int i = 0; i <= 72; ++i) {
        double a = s.a0 + (360 - s.a0) * i / 72;
        QPointF p = s.point(a);
        casing.push_back(v.at(p.x(), p.y()));
    }
    casing.push_back(v.at(g.outletX, -rEnd));
    // Feet of the casing down to the frame.
    const double rail = std::max(rEnd * 0.12, 30.0);
    const double legX = std::min(G / 2, g.left * 0.8);
    d.outlinePolygon({v.at(-legX - 20, g.floor - rail), v.at(-legX * 0.55, s.radius(180) * 0.85),
                      v.at(legX * 0.55, s.radius(180) * 0.85), v.at(legX + 20, g.floor - rail)});
    d.outlinePolygon(casing);
    d.outlineRect(v.box(g.outletX, -rEnd - 15, g.outletX + 12, -rEnd + B + 15));
    // Base frame and its fixing holes, seen edge on.
    d.outlineRect(v.box(-G / 2 - 50, g.floor - rail, G / 2 + 50, g.floor));
    for (double x : {-G / 2, G / 2}) {
        d.hiddenLine(v.at(x - 6, g.floor - rail), v.at(x - 6, g.floor));
        d.hiddenLine(v.at(x + 6, g.floor - rail), v.at(x + 6, g.floor));
    }
    // Inlet cone with its flange; the backward-curved wheel seen through it.
    const QPointF c = v.at(0, 0);
    d.thinCircle(c, v.len(D1 / 2 + 18));
    d.outlineCircle(c, v.len(D1 / 2));
    Sheet& sh = d.sheet();
    sh.pen(ink::kBlack, Draft::kThin);
    const double b0 = D1 * 0.2, b1 = D1 * 0.47;
    for (int i = 0; i < 10; ++i) {
        const double a = i * 36.0 * kPi / 180;
        std::vector<QPointF> blade;
        for (int k = 0; k <= 6; ++k) {
            double t = k / 6.0, r = b0 + (b1 - b0) * t, b = a - 0.8 * t;
            blade.push_back(v.at(r * std::cos(b), r * std::sin(b)));
        }
        sh.polyline(blade);
    }
    d.outlineCircle(c, v.len(b0));
    d.centreCross(c, v.len(D1 / 2) + 70);

    // Dimensions: heights on the left, outlet height on the right, length above, holes below.
    const double leftX = v.at(-std::max(g.left, G / 2 + 50), 0).x();
    d.vdim(v.at(-G / 2 - 50, g.floor), c, leftX - kDim1, "F");
    d.vdim(v.at(-G / 2 - 50, g.floor), v.at(0, -rEnd), leftX - kDim1 - kDimStep, "C");
    d.vdim(v.at(g.outletX + 12, -rEnd), v.at(g.outletX + 12, -rEnd + B),
           v.at(g.outletX + 12, 0).x() + kDim1, "B");
    QPointF leftmost = s.point(270);
    d.hdim(v.at(leftmost.x(), leftmost.y()), v.at(g.outletX + 12, -rEnd - 15),
           v.at(0, -rEnd - 15).y() - kDim1, "E");
    d.hdim(v.at(-G / 2, g.floor), v.at(G / 2, g.floor), v.at(0, g.floor).y() + kDim1, "G");
    const double a = 225 * kPi / 180;
    QPointF rim = c + QPointF(v.len(D1 / 2) * std::cos(a), -v.len(D1 / 2) * std::sin(a));
    // The letter under the scroll, left of the casing's foot.
    d.leader(rim, QPointF(v.at(-g.left * 0.78, 0).x(), v.at(0, s.radius(180) * 1.12).y()), "d1");
}

void OutletView(Draft& d, const View& v, const Dims& m, const VoluteGeometry& g, double cooling) {
    const double D1 = m["d1"], A = m["A"], B = m["B"], D = m["D"], H = m["H"];
    const double rEnd = g.scroll.rEnd, bottom = g.scroll.radius(180);
    const double spigot = std::max(D1 * 0.1, 25.0);
    const double width = A + 30;
    const double x0 = spigot, x1 = spigot + width;
    // Inlet spigot and flange, casing, the outlet flange facing us.
    d.outlineRect(v.box(0, -D1 / 2, spigot, D1 / 2));
    d.outlineRect(v.box(0, -D1 / 2 - 18, 6, D1 / 2 + 18));
    d.outlineRect(v.box(x0, -rEnd, x1, bottom));
    const double ox = x0 + (width - A) / 2;
    d.outlineRect(v.box(ox - 15, -rEnd - 15, ox + A + 15, -rEnd + B + 15));
    d.outlineRect(v.box(ox, -rEnd, ox + A, -rEnd + B));
    // Motor: flange, finned body, fan cover; held off the casing on the
    // smoke-extract version, with the cooling disc on the shaft.
    const double rail = std::max(rEnd * 0.12, 30.0);
    double m0 = x1;
    if (cooling > 0) {
        const double shaft = std::max(rEnd * 0.035, 6.0);
        d.outlineRect(v.box(x1, -shaft, x1 + cooling, shaft));
        const double disc = rEnd * 0.42;
        d.outlineRect(v.box(x1 + cooling * 0.42, -disc, x1 + cooling * 0.5, disc));
        d.outlinePolyline({v.at(x1, -rEnd * 0.55), v.at(x1 + cooling, -rEnd * 0.42)});
        d.outlinePolyline({v.at(x1, rEnd * 0.55), v.at(x1 + cooling, rEnd * 0.42)});
        m0 = x1 + cooling;
    }
    const double mr = std::min(rEnd * 0.42, (g.floor - rail) * 0.8);
    const double cover = std::max((D - m0) * 0.14, 20.0);
    d.outlineRect(v.box(m0, -mr * 1.15, m0 + 12, mr * 1.15));
    d.outlineRect(v.box(m0 + 12, -mr, D - cover, mr));
    for (int i = 1; i < 7; ++i) {
        const double y = -mr + 2 * mr * i / 7;
        d.thinLine(v.at(m0 + 12 + (D - cover - m0 - 12) * 0.08, y), v.at(D - cover, y));
    }
    d.sheet().pen(ink::kBlack, Draft::kOutline);
    d.sheet().brush(ink::kWhite);
    d.sheet().roundRect(v.box(D - cover - 4, -mr * 0.92, D, mr * 0.92), v.len(cover * 0.5));
    TerminalBox(d, v.box(m0 + (D - m0) * 0.3, -mr - mr * 0.4, m0 + (D - m0) * 0.55, -mr));
    // Motor feet and the frame.
    d.outlinePolygon({v.at(m0 + 20, mr * 0.8), v.at(D - cover - 20, mr * 0.8),
                      v.at(D - cover, g.floor - rail), v.at(m0, g.floor - rail)});
    d.outlinePolygon({v.at(x0 + 10, bottom), v.at(x1 - 10, bottom), v.at(x1, g.floor - rail),
                      v.at(x0, g.floor - rail)});
    const double xm = (x0 + D) / 2;
    d.outlineRect(v.box(std::min(xm - H / 2 - 40, 0.0), g.floor - rail,
                        std::max(xm + H / 2 + 40, D), g.floor));
    for (double x : {xm - H / 2, xm + H / 2}) {
        d.hiddenLine(v.at(x - 6, g.floor - rail), v.at(x - 6, g.floor));
        d.hiddenLine(v.at(x + 6, g.floor - rail), v.at(x + 6, g.floor));
    }
    d.centreLine(v.at(0, 0), v.at(D, 0));

    d.hdim(v.at(ox - 15, -rEnd - 15), v.at(ox + A + 15, -rEnd - 15),
           v.at(0, -rEnd - 15).y() - kDim1, "A");
    if (cooling > 0)
        d.hdim(v.at(x1, -rEnd * 0.55), v.at(x1 + cooling, -mr * 1.15),
               v.at(0, -rEnd - 15).y() - kDim1, "J");
    d.hdim(v.at(xm - H / 2, g.floor), v.at(xm + H / 2, g.floor), v.at(0, g.floor).y() + kDim1, "H");
    d.hdim(v.at(0, D1 / 2 + 18), v.at(D, mr * 0.92), v.at(0, g.floor).y() + kDim1 + kDimStep, "D");
}

void Volute(Draft& d, const QRectF& area, const Dims& m, bool hotGas) {
    const VoluteGeometry g = Geometry(m);
    const double rEnd = g.scroll.rEnd, G = m["G"], D = m["D"], H = m["H"];
    const double left = std::max(g.left, G / 2 + 50);
    const double xm = (std::max(m["d1"] * 0.1, 25.0) + D) / 2;
    auto views =
        LayOutRow(area,
                  {{-left, -rEnd - 15, g.outletX + 12, g.floor, kPad2, kPad1, kPad1, kPad1},
                   {std::min(xm - H / 2 - 40, 0.0), -rEnd - 15, std::max(xm + H / 2 + 40, D),
                    g.floor, kPadNone, kPad1, kPadNone, kPad2}},
                  kGap);
    InletView(d, views[0], m, g);
    OutletView(d, views[1], m, g, hotGas ? m["J"] : 0);
}

} // namespace

void DrawUvj(Draft& d, const QRectF& area, const Dims& m) {
    Volute(d, area, m, false);
}

void DrawUvx(Draft& d, const QRectF& area, const Dims& m) {
    Volute(d, area, m, true);
}

} // namespace material
