// Dimension drawings of the roof fans: vertical discharge (GHJ) and
// horizontal discharge under a hood (GHZ). Side view on the left, the view
// from below (base, fixing holes, inlet) on the right.
#include "drawings.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace material {
namespace {

using namespace parts;

constexpr double kGap = 300;

// The base frame both kinds stand on: a square plate with a folded upstand
// collar; y = 0 is the underside.
double BaseSide(Draft& d, const View& v, double A, double B) {
    const double hb = std::max(B * 0.05, 18.0);
    d.outlinePolygon({v.at(-A / 2, 0), v.at(A / 2, 0), v.at(A / 2, -hb * 0.35), v.at(A * 0.44, -hb),
                      v.at(-A * 0.44, -hb), v.at(-A / 2, -hb * 0.35)});
    return hb;
}

void InletFromBelow(Draft& d, const View& v, double D1, double hb) {
    d.hiddenLine(v.at(-D1 / 2, 0), v.at(-D1 * 0.4, -hb - D1 * 0.25));
    d.hiddenLine(v.at(D1 / 2, 0), v.at(D1 * 0.4, -hb - D1 * 0.25));
    QPointF tip = v.at(0, 0) + QPointF(0, 40);
    d.flowArrow(tip + QPointF(0, 230), tip, 56);
}

// Seen from below: base square, fixing holes, the inlet and the wheel in it.
void BaseFromBelow(Draft& d, const View& v, double A, double D, double D1, double hole) {
    const QPointF c = v.at(0, 0);
    d.outlineRect(v.box(-A / 2, -A / 2, A / 2, A / 2));
    d.thinRect(v.box(-A * 0.44, -A * 0.44, A * 0.44, A * 0.44));
    for (double x : {-D / 2, D / 2})
        for (double y : {-D / 2, D / 2})
            Hole(d, v.at(x, y), hole);
    d.outlineCircle(c, v.len(D1 / 2));
    // Backward-curved blades seen through the inlet.
    Sheet& s = d.sheet();
    s.pen(ink::kBlack, Draft::kThin);
    const double r0 = D1 * 0.24, r1 = D1 * 0.47;
    for (int i = 0; i < 9; ++i) {
        const double a = i * 40.0 * std::numbers::pi / 180;
        std::vector<QPointF> blade;
        for (int k = 0; k <= 6; ++k) {
            double t = k / 6.0, r = r0 + (r1 - r0) * t, b = a + 0.7 * t;
            blade.push_back(v.at(r * std::cos(b), r * std::sin(b)));
        }
        s.polyline(blade);
    }
    d.outlineCircle(c, v.len(r0));
    d.centreCross(c, v.len(A / 2) + 40);
}

} // namespace

void DrawGhj(Draft& d, const QRectF& area, const Dims& m) {
    const double D1 = m["d1"], A = m["A"], B = m["B"], C = m["C"], D = m["D"];
    auto views =
        LayOutRow(area,
                  {{-A / 2, -B, A / 2, 0, kPad1, kPad1, kPadNone, kPad1 * 0.8},
                   {-A / 2, -A / 2 - B / 2, A / 2, A / 2 - B / 2, kPadNone, kPad1, kPad1, kPad1}},
                  kGap);
    const View& sv = views[0];
    View bv = views[1];
    bv.origin.ry() -= bv.len(B / 2);

    // Side: base, scroll housing, shoulder and the vertical discharge stack.
    const double hb = BaseSide(d, sv, A, B);
    const double hw = A * 0.41, shoulder = B * 0.5, stack = B * 0.68;
    const double cr = C / 2;
    d.outlinePolygon({sv.at(-hw, -hb), sv.at(hw, -hb), sv.at(hw, -shoulder),
                      sv.at(cr * 1.08, -stack), sv.at(-cr * 1.08, -stack), sv.at(-hw, -shoulder)});
    d.thinLine(sv.at(-hw, -shoulder), sv.at(hw, -shoulder));
    d.outlineRect(sv.box(-cr, -B, cr, -stack));
    d.outlineRect(sv.box(-cr * 1.08, -stack - 8, cr * 1.08, -stack));
    // Motor in the stack on its support, wheel above the inlet.
    d.hiddenRect(sv.box(-cr * 0.55, -B * 0.92, cr * 0.55, -shoulder * 0.9));
    d.hiddenRect(sv.box(-hw * 0.85, -hb - B * 0.2, hw * 0.85, -hb - B * 0.06));
    d.centreLine(sv.at(0, 0), sv.at(0, -B));
    InletFromBelow(d, sv, D1, hb);
    d.vdim(sv.at(-A / 2, 0), sv.at(-cr, -B), sv.at(-A / 2, 0).x() - kDim1, "B");
    d.hdim(sv.at(-cr, -B), sv.at(cr, -B), sv.at(0, -B).y() - kDim1, "C");

    BaseFromBelow(d, bv, A, D, D1, std::max(bv.len(6), 9.0));
    d.hiddenCircle(bv.at(0, 0), bv.len(hw));
    d.hdim(bv.at(-A / 2, A / 2), bv.at(A / 2, A / 2), bv.at(0, A / 2).y() + kDim1, "A");
    d.hdim(bv.at(-D / 2, -D / 2), bv.at(D / 2, -D / 2), bv.at(0, -A / 2).y() - kDim1, "D");
    d.vdim(bv.at(0, -D1 / 2), bv.at(0, D1 / 2), bv.at(A / 2, 0).x() + kDim1, "d1");
}

void DrawGhz(Draft& d, const QRectF& area, const Dims& m) {
    const double D1 = m["d1"], A = m["A"], B = m["B"], C = m["C"], D = m["D"];
    const double W = std::max(A, C);
    auto views =
        LayOutRow(area,
                  {{-W / 2, -B, W / 2, 0, kPad1 + 160, kPad1, kPadNone + 260, kPad1 * 0.8},
                   {-W / 2, -W / 2 - B / 2, W / 2, W / 2 - B / 2, kPadNone, kPad1, kPad1, kPad1}},
                  kGap);
    const View& sv = views[0];
    View bv = views[1];
    bv.origin.ry() -= bv.len(B / 2);

    // Side: base, housing, the outlet gap and the hood over it.
    const double hb = BaseSide(d, sv, A, B);
    const double hw = A * 0.38, rimY = -B * 0.56, hood = C / 2;
    d.outlineRect(sv.box(-hw, rimY + B * 0.1, hw, -hb));
    d.thinLine(sv.at(-hw, -B * 0.3), sv.at(hw, -B * 0.3));
    // Discharge ring under the hood.
    d.outlinePolygon({sv.at(-hw, rimY + B * 0.1), sv.at(-hood * 0.82, rimY + B * 0.04),
                      sv.at(-hood * 0.82, rimY + B * 0.02), sv.at(hood * 0.82, rimY + B * 0.02),
                      sv.at(hood * 0.82, rimY + B * 0.04), sv.at(hw, rimY + B * 0.1)});
    std::vector<QPointF> cap;
    for (int i = 0; i <= 20; ++i) {
        const double t = i / 20.0, x = -hood + 2 * hood * t;
        const double u = std::abs(x) / hood;
        cap.push_back(sv.at(x, rimY - (B + rimY) * (1 - u * u * u * u) - 6));
    }
    cap.insert(cap.begin(), sv.at(-hood, rimY));
    cap.push_back(sv.at(hood, rimY));
    d.outlinePolygon(cap);
    d.hiddenRect(sv.box(-hw * 0.5, -B * 0.82, hw * 0.5, -B * 0.52));
    d.hiddenRect(sv.box(-hw * 0.85, -hb - B * 0.2, hw * 0.85, -hb - B * 0.06));
    d.centreLine(sv.at(0, 0), sv.at(0, -B));
    InletFromBelow(d, sv, D1, hb);
    const double gap = rimY + B * 0.03;
    d.flowArrow(sv.at(-hood, gap) - QPointF(30, 0), sv.at(-hood, gap) - QPointF(260, 0), 50);
    d.flowArrow(sv.at(hood, gap) + QPointF(30, 0), sv.at(hood, gap) + QPointF(260, 0), 50);
    d.vdim(sv.at(-A / 2, 0), sv.at(-hood * 0.2, -B), sv.at(-W / 2, 0).x() - kDim1 - 160, "B");
    d.hdim(sv.at(-hood, rimY), sv.at(hood, rimY), sv.at(0, -B).y() - kDim1, "C");

    BaseFromBelow(d, bv, A, D, D1, std::max(bv.len(6), 9.0));
    d.thinCircle(bv.at(0, 0), bv.len(hood));
    d.hdim(bv.at(-A / 2, A / 2), bv.at(A / 2, A / 2), bv.at(0, W / 2).y() + kDim1, "A");
    d.hdim(bv.at(-D / 2, -D / 2), bv.at(D / 2, -D / 2), bv.at(0, -W / 2).y() - kDim1, "D");
    d.vdim(bv.at(0, -D1 / 2), bv.at(0, D1 / 2), bv.at(W / 2, 0).x() + kDim1, "d1");
}

} // namespace material
