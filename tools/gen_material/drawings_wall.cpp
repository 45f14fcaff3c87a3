// Dimension drawings of the wall-mounted fans: axial fans on a round plate
// (BN), on a square plate (BQ, AQ) and centrifugal wall fans (LW). The face
// seen from the room on the left, the side view on the right with the wall
// side to the left.
#include "drawings.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace material {
namespace {

using namespace parts;

constexpr double kGap = 300;

QPointF Polar(QPointF c, double r, double deg) {
    double a = deg * std::numbers::pi / 180;
    return c + QPointF(r * std::cos(a), -r * std::sin(a));
}

// Side view of a plate-mounted axial fan: the plate at x = 0, the inlet
// bell-mouth on the wall side, motor on arms and the guard on the room side,
// reaching `depth` from the plate's face.
void AxialPlateSide(Draft& d, const View& v, double plateHeight, double ring, double depth,
                    bool guardOnInlet) {
    const double t = std::max(3.0, plateHeight * 0.008);
    const double bell = std::max(ring * 0.08, 15.0);
    // Bell-mouth: the ring flares out of the plate on the wall side.
    d.outlinePolygon({v.at(0, -ring / 2 - bell), v.at(-bell * 0.5, -ring / 2 - bell * 0.25),
                      v.at(-bell * 1.4, -ring / 2), v.at(-bell * 1.4, ring / 2),
                      v.at(-bell * 0.5, ring / 2 + bell * 0.25), v.at(0, ring / 2 + bell)});
    d.outlineRect(v.box(0, -plateHeight / 2, t, plateHeight / 2));
    // Impeller inside the ring.
    d.hiddenRect(v.box(-bell * 1.2, -ring * 0.47, depth * 0.18, ring * 0.47));
    // Motor on arms, hub towards the plate.
    const double motorR = std::max(ring * 0.17, 30.0);
    const double m0 = depth * 0.32;
    d.outlineRect(v.box(m0, -motorR, depth, motorR));
    for (double k : {0.25, 0.5, 0.75})
        d.thinLine(v.at(m0 + (depth - m0) * k, -motorR), v.at(m0 + (depth - m0) * k, motorR));
    d.outlinePolyline({v.at(t, -ring * 0.5), v.at(m0 + (depth - m0) * 0.3, -motorR)});
    d.outlinePolyline({v.at(t, ring * 0.5), v.at(m0 + (depth - m0) * 0.3, motorR)});
    d.thinRect(v.box(depth * 0.2, -motorR * 0.55, m0, motorR * 0.55));
    // The wire guard as a shallow dome over the impeller.
    Sheet& s = d.sheet();
    s.pen(ink::kBlack, Draft::kThin);
    if (guardOnInlet) {
        const double g = -bell * 1.4;
        s.polyline({v.at(g, -ring * 0.5), v.at(g - ring * 0.09, -ring * 0.3),
                    v.at(g - ring * 0.1, 0), v.at(g - ring * 0.09, ring * 0.3),
                    v.at(g, ring * 0.5)});
    } else {
        s.polyline({v.at(t, -ring * 0.5), v.at(depth * 0.3, -ring * 0.38),
                    v.at(depth * 0.3, ring * 0.38), v.at(t, ring * 0.5)});
    }
    d.centreLine(v.at(-bell * 1.4, 0), v.at(depth, 0));
}

// The face of an axial plate fan seen from the wall side: ring and impeller.
void AxialRingFace(Draft& d, QPointF c, double ringR, double scale, bool guard) {
    d.thinCircle(c, ringR + std::max(ringR * 0.08, 15.0 * scale));
    d.outlineCircle(c, ringR);
    AxialImpellerFace(d, c, ringR * 0.95, ringR * 0.3, 5);
    if (guard)
        GuardFace(d, c, ringR * 0.97, 5, 8);
}

} // namespace

void DrawBn(Draft& d, const QRectF& area, const Dims& m) {
    const double D1 = m["d1"], D2 = m["d2"], D3 = m["d3"], D4 = m["d4"], A = m["A"];
    const double bell = std::max(D1 * 0.08, 15.0) * 1.5;
    auto views =
        LayOutRow(area,
                  {{-D2 / 2, -D2 / 2, D2 / 2, D2 / 2, kPad1, kPad1 * 0.6, kPad1, kPad1 * 0.6},
                   {-bell, -D2 / 2, A, D2 / 2, kPadNone, kPadNone, kPadNone, kPad1}},
                  kGap);
    const View& fv = views[0];
    const View& sv = views[1];
    const QPointF c = fv.at(0, 0);

    d.outlineCircle(c, fv.len(D2 / 2));
    AxialRingFace(d, c, fv.len(D1 / 2), fv.scale, false);
    d.centreCircle(c, fv.len(D3 / 2));
    const double hole = std::max(fv.len(D4 / 2), 9.0);
    HolesOnCircle(d, c, fv.len(D3 / 2), hole, 4, 45);
    d.centreCross(c, fv.len(D2 / 2) + 60);
    d.vdim(fv.at(0, -D2 / 2), fv.at(0, D2 / 2), fv.at(D2 / 2, 0).x() + kDim1, "d2");
    d.vdim(fv.at(0, -D1 / 2), fv.at(0, D1 / 2), fv.at(-D2 / 2, 0).x() - kDim1, "d1");
    d.diameter(c, fv.len(D3 / 2), -45, "d3", 1.25);
    d.leader(Polar(Polar(c, fv.len(D3 / 2), 135), hole, 135), Polar(c, fv.len(D2 / 2) + 150, 128),
             "d4");

    AxialPlateSide(d, sv, D2, D1, A, false);
    d.hdim(sv.at(0, D2 / 2), sv.at(A, std::max(D1 * 0.17, 30.0)), sv.at(0, D2 / 2).y() + kDim1,
           "A");
}

namespace {

void SquarePlate(Draft& d, const QRectF& area, const Dims& m, bool guard) {
    const double D1 = m["d1"], D4 = m["d4"], A = m["A"], B = m["B"], C = m["C"];
    const double bell = std::max(D1 * 0.08, 15.0) * 1.5;
    auto views = LayOutRow(
        area,
        {{-A / 2, -A / 2, A / 2, A / 2, kPad1, kPad1, kPad1 * 0.6, kPad1},
         {-bell - (guard ? D1 * 0.1 : 0), -A / 2, C, A / 2, kPadNone, kPadNone, kPadNone, kPad1}},
        kGap);
    const View& fv = views[0];
    const View& sv = views[1];
    const QPointF c = fv.at(0, 0);

    d.outlineRect(fv.box(-A / 2, -A / 2, A / 2, A / 2));
    AxialRingFace(d, c, fv.len(D1 / 2), fv.scale, guard);
    const double hole = std::max(fv.len(D4 / 2), 9.0);
    for (double x : {-B / 2, B / 2})
        for (double y : {-B / 2, B / 2})
            Hole(d, fv.at(x, y), hole);
    d.centreCross(c, fv.len(D1 / 2) + 60);
    d.hdim(fv.at(-A / 2, A / 2), fv.at(A / 2, A / 2), fv.at(0, A / 2).y() + kDim1, "A");
    d.hdim(fv.at(-B / 2, -B / 2), fv.at(B / 2, -B / 2), fv.at(0, -A / 2).y() - kDim1, "B");
    d.vdim(fv.at(0, -D1 / 2), fv.at(0, D1 / 2), fv.at(-A / 2, 0).x() - kDim1, "d1");
    QPointF h = fv.at(B / 2, -B / 2);
    d.leader(h + QPointF(hole * 0.7, -hole * 0.7),
             QPointF(fv.at(A / 2, 0).x() + 90, fv.at(0, -A / 2).y() - 90), "d4");

    AxialPlateSide(d, sv, A, D1, C, guard);
    d.hdim(sv.at(0, A / 2), sv.at(C, std::max(D1 * 0.17, 30.0)), sv.at(0, A / 2).y() + kDim1, "C");
}

} // namespace

void DrawBq(Draft& d, const QRectF& area, const Dims& m) {
    SquarePlate(d, area, m, false);
}

void DrawAq(Draft& d, const QRectF& area, const Dims& m) {
    SquarePlate(d, area, m, true);
}

void DrawLw(Draft& d, const QRectF& area, const Dims& m) {
    const double D1 = m["d1"], A = m["A"], B = m["B"], C = m["C"], D = m["D"], E = m["E"];
    const double plate = 6;
    auto views = LayOutRow(area,
                           {{-A / 2, -B / 2, A / 2, B / 2, kPad1, kPadNone, kPad2, kPad2},
                            {-45, -B / 2, C, B / 2, kPadNone, kPadNone, kPad1 * 0.8, kPad1}},
                           kGap);
    const View& fv = views[0];
    const View& sv = views[1];

    // Face: wall plate, the hood over the scroll, the outlet grille at the foot.
    const double hw = A * 0.84, top = -B / 2 + B * 0.08, foot = B / 2 - B * 0.06;
    d.outlineRect(fv.box(-A / 2, -B / 2, A / 2, B / 2));
    for (double x : {-A / 2 + 25, A / 2 - 25})
        for (double y : {-B / 2 + 25, B / 2 - 25})
            Hole(d, fv.at(x, y), std::max(fv.len(5), 8.0));
    d.sheet().pen(ink::kBlack, Draft::kOutline);
    d.sheet().brush(ink::kWhite);
    d.sheet().roundRect(fv.box(-hw / 2, top, hw / 2, foot), fv.len(A * 0.08));
    d.outlineRect(fv.box(-D / 2, foot - E, D / 2, foot));
    for (int i = 1; i < 6; ++i) {
        const double y = foot - E + E * i / 6;
        d.thinLine(fv.at(-D / 2, y), fv.at(D / 2, y));
    }
    d.hiddenCircle(fv.at(0, -B * 0.06), fv.len(D1 / 2));
    // Motor cap on the hood.
    d.outlineCircle(fv.at(0, -B * 0.06), fv.len(A * 0.14));
    d.thinCircle(fv.at(0, -B * 0.06), fv.len(A * 0.1));
    d.centreCross(fv.at(0, -B * 0.06), fv.len(D1 / 2) + 50);
    d.centreLine(fv.at(0, -B / 2), fv.at(0, B / 2), 40);
    d.hdim(fv.at(-D / 2, foot), fv.at(D / 2, foot), fv.at(0, B / 2).y() + kDim1, "D");
    d.hdim(fv.at(-A / 2, B / 2), fv.at(A / 2, B / 2), fv.at(0, B / 2).y() + kDim1 + kDimStep, "A");
    d.vdim(fv.at(D / 2, foot - E), fv.at(D / 2, foot), fv.at(A / 2, 0).x() + kDim1, "E");
    d.vdim(fv.at(A / 2, -B / 2), fv.at(A / 2, B / 2), fv.at(A / 2, 0).x() + kDim1 + kDimStep, "B");
    const double dr = fv.len(D1 / 2);
    d.leader(Polar(fv.at(0, -B * 0.06), dr, 140),
             QPointF(fv.at(-A / 2, 0).x() - 60, fv.at(0, -B / 2).y() + 40), "d1");

    // Side: plate against the wall, hood profile, inlet ring into the wall.
    d.outlineRect(sv.box(0, -B / 2, plate, B / 2));
    const double r = C * 0.25;
    d.outlinePolygon({sv.at(plate, top), sv.at(C - r, top), sv.at(C - r * 0.3, top + r * 0.3),
                      sv.at(C, top + r), sv.at(C, foot), sv.at(plate, foot)});
    d.thinLine(sv.at(C - 12, foot - E), sv.at(C, foot - E));
    for (int i = 1; i < 6; ++i)
        d.thinLine(sv.at(C - 12, foot - E + E * i / 6), sv.at(C, foot - E + E * i / 6));
    d.outlineRect(sv.box(C * 0.55, top - B * 0.05, C * 0.85, top));
    d.hiddenRect(sv.box(-40, -B * 0.06 - D1 / 2, 0, -B * 0.06 + D1 / 2));
    d.hiddenRect(sv.box(plate + 15, -B * 0.06 - D1 * 0.65, C * 0.45, -B * 0.06 + D1 * 0.65));
    d.centreLine(sv.at(-40, -B * 0.06), sv.at(C * 0.5, -B * 0.06), 40);
    d.flowArrow(sv.at(C, foot - E / 2) + QPointF(40, 0), sv.at(C, foot - E / 2) + QPointF(250, 120),
                50);
    d.hdim(sv.at(0, B / 2), sv.at(C, foot), sv.at(0, B / 2).y() + kDim1, "C");
}

} // namespace material
