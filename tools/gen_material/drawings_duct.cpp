// Dimension drawings of the duct fans: circular in-line (PW), boxes with
// spigots (MTZL, MTZ, UDYZ), rectangular duct fans (MT), box fans (UDY) and
// long-cased axials (EHY). Side view on the left with the airflow entering
// from the left, end view on the right.
#include "drawings.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace material {
namespace {

using namespace parts;

constexpr double kGap = 320;

void InletArrow(Draft& d, const View& v, double xEnd) {
    QPointF tip = v.at(xEnd, 0) - QPointF(50, 0);
    d.flowArrow(tip - QPointF(230, 0), tip, 56);
}

} // namespace

void DrawPw(Draft& d, const QRectF& area, const Dims& m) {
    const double D1 = m["d1"], A = m["A"], B = m["B"], C = m["C"];
    const double tb = std::max(B * 0.16, 40.0);
    auto views =
        LayOutRow(area,
                  {{0, -B / 2 - tb, A, B / 2, kPad1, kPad1, kPad1, kPad1},
                   {-B / 2, -B / 2 - tb, B / 2, B / 2, kPadNone, kPadNone, kPad1, kPadNone}},
                  kGap);
    const View& sv = views[0];
    const View& ev = views[1];

    // Side view: spigots, collars, shoulders and the drum of the casing.
    const double collar = 7, rc = D1 / 2 + collar;
    const double sh = std::max((B - D1) / 2 * 0.9, 10.0);
    const double x1 = C + collar, x2 = x1 + sh, x3 = A - C - collar - sh, x4 = A - C - collar;
    d.outlinePolygon({sv.at(x1, -rc), sv.at(x2, -B / 2), sv.at(x3, -B / 2), sv.at(x4, -rc),
                      sv.at(x4, rc), sv.at(x3, B / 2), sv.at(x2, B / 2), sv.at(x1, rc)});
    d.outlineRect(sv.box(C, -rc, x1, rc));
    d.outlineRect(sv.box(x4, -rc, A - C, rc));
    SpigotSide(d, sv, 0, C, D1);
    SpigotSide(d, sv, A, A - C, D1);
    d.thinLine(sv.at(x2, -B / 2), sv.at(x2, B / 2));
    d.thinLine(sv.at(x3, -B / 2), sv.at(x3, B / 2));
    // The two casing halves meet in the middle, held by clips.
    d.thinLine(sv.at(A / 2, -B / 2), sv.at(A / 2, B / 2));
    for (double y : {-B / 2, B / 2}) {
        const double sgn = y < 0 ? -1 : 1;
        d.outlineRect(sv.box(A / 2 - 9, y, A / 2 + 9, y + sgn * 6));
    }
    // Mixed-flow impeller and motor behind the casing wall.
    d.hiddenLine(sv.at(x1 + sh * 0.4, -D1 * 0.46), sv.at(A * 0.42, -B * 0.4));
    d.hiddenLine(sv.at(x1 + sh * 0.4, D1 * 0.46), sv.at(A * 0.42, B * 0.4));
    d.hiddenLine(sv.at(A * 0.42, -B * 0.4), sv.at(A * 0.42, B * 0.4));
    d.hiddenLine(sv.at(x1 + sh * 0.4, -D1 * 0.46), sv.at(x1 + sh * 0.4, D1 * 0.46));
    HiddenMotor(d, sv, A * 0.44, A * 0.66, B * 0.42);
    TerminalBox(d, sv.box(A * 0.56, -B / 2 - tb, A * 0.74, -B / 2));
    d.centreLine(sv.at(0, 0), sv.at(A, 0));
    InletArrow(d, sv, 0);

    d.hdim(sv.at(0, D1 / 2), sv.at(A, D1 / 2), sv.at(0, B / 2).y() + kDim1, "A");
    d.hdim(sv.at(0, -D1 / 2), sv.at(C, -D1 / 2), sv.at(0, -B / 2).y() - kDim1 * 0.6, "C");
    d.vdim(sv.at(A, -D1 / 2), sv.at(A, D1 / 2), sv.at(A, 0).x() + kDim1, "d1");

    // End view: drum, collar, spigot and the impeller seen through it.
    const QPointF c = ev.at(0, 0);
    d.outlineCircle(c, ev.len(B / 2));
    d.thinCircle(c, ev.len(rc));
    d.outlineCircle(c, ev.len(D1 / 2));
    d.thinCircle(c, ev.len(D1 / 2 - 5));
    AxialImpellerFace(d, c, ev.len(D1 * 0.44), ev.len(D1 * 0.17), 7);
    TerminalBox(d, ev.box(-B * 0.12, -B / 2 - tb, B * 0.12, -B / 2 + 6));
    d.centreCross(c, ev.len(B / 2) + 60);
    d.vdim(ev.at(0, -B / 2), ev.at(0, B / 2), ev.at(B / 2, 0).x() + kDim1, "B");
}

namespace {

struct BoxLetters {
    const char* length; // overall, spigots included
    const char* width;
    const char* height;
    const char* spigot; // spigot length
};

// A rectangular casing with a circular spigot at each end. `lengthIsBox`:
// the length letter measures the box alone (spigots outside it).
void BoxWithSpigots(Draft& d, const QRectF& area, double L, double W, double H, double dia,
                    double S, const BoxLetters& letters, bool insulated, bool lengthIsBox) {
    const double total = lengthIsBox ? L + 2 * S : L;
    const double tb = std::max(H * 0.12, 35.0);
    const double foot = std::max(H * 0.06, 18.0);
    auto views =
        LayOutRow(area,
                  {{0, -H / 2 - tb, total, H / 2 + foot, kPad1, kPad1, kPadNone, kPad1},
                   {-W / 2, -H / 2 - tb, W / 2, H / 2 + foot, kPad1, kPadNone, kPad1, kPad1}},
                  kGap);
    const View& sv = views[0];
    const View& ev = views[1];
    const double b0 = S, b1 = total - S;

    // Side view.
    d.outlineRect(sv.box(b0, -H / 2, b1, H / 2));
    const double fold = std::min(12.0, H * 0.04);
    d.thinRect(sv.box(b0 + fold, -H / 2 + fold, b1 - fold, H / 2 - fold));
    if (insulated)
        d.hiddenRect(sv.box(b0 + 45, -H / 2 + 45, b1 - 45, H / 2 - 45));
    SpigotSide(d, sv, 0, S, dia);
    SpigotSide(d, sv, total, total - S, dia);
    // Backward-curved wheel with its inlet cone, and the motor behind it.
    const double wx0 = b0 + (b1 - b0) * 0.22, wx1 = wx0 + (b1 - b0) * 0.2;
    d.hiddenRect(sv.box(wx0, -dia * 0.62, wx1, dia * 0.62));
    d.hiddenLine(sv.at(b0 + 12, -dia * 0.5), sv.at(wx0 + 8, -dia * 0.36));
    d.hiddenLine(sv.at(b0 + 12, dia * 0.5), sv.at(wx0 + 8, dia * 0.36));
    HiddenMotor(d, sv, wx1 + 6, wx1 + (b1 - b0) * 0.3, dia * 0.55);
    TerminalBox(d, sv.box(b0 + (b1 - b0) * 0.32, -H / 2 - tb, b0 + (b1 - b0) * 0.5, -H / 2));
    for (double fx : {b0 + 15, b1 - 15 - 45}) {
        d.outlineRect(sv.box(fx, H / 2, fx + 45, H / 2 + foot));
    }
    d.centreLine(sv.at(0, 0), sv.at(total, 0));
    InletArrow(d, sv, 0);

    if (lengthIsBox) {
        d.hdim(sv.at(b0, H / 2), sv.at(b1, H / 2), sv.at(0, H / 2 + foot).y() + kDim1,
               letters.length);
    } else {
        d.hdim(sv.at(0, dia / 2), sv.at(total, dia / 2), sv.at(0, H / 2 + foot).y() + kDim1,
               letters.length);
    }
    d.hdim(sv.at(b1, -dia / 2), sv.at(total, -dia / 2), sv.at(0, -H / 2).y() - kDim1 * 0.6,
           letters.spigot);

    // End view.
    const QPointF c = ev.at(0, 0);
    d.outlineRect(ev.box(-W / 2, -H / 2, W / 2, H / 2));
    d.thinRect(ev.box(-W / 2 + fold, -H / 2 + fold, W / 2 - fold, H / 2 - fold));
    d.thinCircle(c, ev.len(dia / 2 + 9));
    d.outlineCircle(c, ev.len(dia / 2));
    d.thinCircle(c, ev.len(dia * 0.36));
    d.thinCircle(c, ev.len(dia * 0.13));
    TerminalBox(d, ev.box(-W * 0.14, -H / 2 - tb, W * 0.14, -H / 2));
    for (double fx : {-W / 2 + 15, W / 2 - 15 - 45})
        d.outlineRect(ev.box(fx, H / 2, fx + 45, H / 2 + foot));
    d.centreCross(c, ev.len(dia / 2) + 70);
    d.hdim(ev.at(-W / 2, H / 2), ev.at(W / 2, H / 2), ev.at(0, H / 2 + foot).y() + kDim1,
           letters.width);
    d.vdim(ev.at(W / 2, -H / 2), ev.at(W / 2, H / 2), ev.at(W / 2, 0).x() + kDim1, letters.height);
    d.vdim(ev.at(0, -dia / 2), ev.at(0, dia / 2), ev.at(-W / 2, 0).x() - kDim1, "d1");
}

} // namespace

void DrawMtzl(Draft& d, const QRectF& area, const Dims& m) {
    BoxWithSpigots(d, area, m["A"], m["B"], m["C"], m["d1"], m["D"], {"A", "B", "C", "D"}, true,
                   false);
}

void DrawMtz(Draft& d, const QRectF& area, const Dims& m) {
    BoxWithSpigots(d, area, m["A"], m["B"], m["C"], m["d1"], m["D"], {"A", "B", "C", "D"}, false,
                   false);
}

void DrawUdyz(Draft& d, const QRectF& area, const Dims& m) {
    BoxWithSpigots(d, area, m["C"], m["A"], m["B"], m["d1"], m["D"], {"C", "A", "B", "D"}, true,
                   true);
}

void DrawMt(Draft& d, const QRectF& area, const Dims& m) {
    const double A = m["A"], B = m["B"], C = m["C"], D = m["D"], E = m["E"];
    const double rim = 15, fl = std::min(30.0, C * 0.08);
    const double tb = std::max(E * 0.13, 35.0);
    auto views =
        LayOutRow(area,
                  {{0, -E / 2 - tb, C, E / 2, kPad1, kPadNone, kPadNone, kPad1},
                   {-D / 2, -E / 2 - tb, D / 2, E / 2, kPad1 * 0.4, kPadNone, kPad2, kPad2}},
                  kGap);
    const View& sv = views[0];
    const View& ev = views[1];

    // Side view: casing between two duct flanges.
    d.outlineRect(sv.box(fl, -E / 2, C - fl, E / 2));
    d.outlineRect(sv.box(0, -B / 2 - rim, fl, B / 2 + rim));
    d.outlineRect(sv.box(C - fl, -B / 2 - rim, C, B / 2 + rim));
    d.thinLine(sv.at(fl + 10, -E / 2), sv.at(fl + 10, E / 2));
    d.thinLine(sv.at(C - fl - 10, -E / 2), sv.at(C - fl - 10, E / 2));
    // External-rotor motor inside the backward-curved wheel.
    const double wx0 = C * 0.3, wx1 = C * 0.56;
    d.hiddenRect(sv.box(wx0, -E * 0.36, wx1, E * 0.36));
    d.hiddenRect(sv.box(wx0 + (wx1 - wx0) * 0.25, -E * 0.2, wx1 + (C - wx1) * 0.25, E * 0.2));
    d.hiddenLine(sv.at(fl + 10, -B * 0.36), sv.at(wx0, -E * 0.3));
    d.hiddenLine(sv.at(fl + 10, B * 0.36), sv.at(wx0, E * 0.3));
    TerminalBox(d, sv.box(C * 0.62, -E / 2 - tb, C * 0.8, -E / 2));
    d.centreLine(sv.at(0, 0), sv.at(C, 0));
    InletArrow(d, sv, 0);
    d.hdim(sv.at(0, B / 2 + rim), sv.at(C, B / 2 + rim), sv.at(0, E / 2).y() + kDim1, "C");

    // End view: casing, duct flange and opening, the wheel's inlet behind it.
    const QPointF c = ev.at(0, 0);
    d.outlineRect(ev.box(-D / 2, -E / 2, D / 2, E / 2));
    d.outlineRect(ev.box(-A / 2 - rim, -B / 2 - rim, A / 2 + rim, B / 2 + rim));
    d.outlineRect(ev.box(-A / 2, -B / 2, A / 2, B / 2));
    const double inlet = std::min(B * 0.42, A * 0.3);
    d.thinCircle(c, ev.len(inlet));
    d.thinCircle(c, ev.len(inlet * 0.4));
    TerminalBox(d, ev.box(-D * 0.12, -E / 2 - tb, D * 0.12, -E / 2));
    d.centreCross(c, ev.len(inlet) + 60);
    const double below = ev.at(0, E / 2).y();
    d.hdim(ev.at(-A / 2, B / 2), ev.at(A / 2, B / 2), below + kDim1, "A");
    d.hdim(ev.at(-D / 2, E / 2), ev.at(D / 2, E / 2), below + kDim1 + kDimStep, "D");
    const double right = ev.at(D / 2, 0).x();
    d.vdim(ev.at(A / 2, -B / 2), ev.at(A / 2, B / 2), right + kDim1, "B");
    d.vdim(ev.at(D / 2, -E / 2), ev.at(D / 2, E / 2), right + kDim1 + kDimStep, "E");
}

void DrawUdy(Draft& d, const QRectF& area, const Dims& m) {
    const double A = m["A"], B = m["B"], C = m["C"], D = m["D"], E = m["E"];
    const double rim = 15, fl = 30;
    auto views = LayOutRow(area,
                           {{-fl, -B / 2, C + fl, B / 2, kPad1, kPadNone, kPad1, kPad1},
                            {-A / 2, -B / 2, A / 2, B / 2, kPadNone, kPad1, kPad1, kPad1}},
                           kGap);
    const View& sv = views[0];
    const View& ev = views[1];

    // Side view: insulated box, the same flange at inlet and outlet.
    d.outlineRect(sv.box(0, -B / 2, C, B / 2));
    d.hiddenRect(sv.box(30, -B / 2 + 30, C - 30, B / 2 - 30));
    d.outlineRect(sv.box(-fl, -E / 2 - rim, 0, E / 2 + rim));
    d.outlineRect(sv.box(C, -E / 2 - rim, C + fl, E / 2 + rim));
    // The double-inlet forward-curved fan: scroll and wheel, discharging right.
    const double wheel = std::min(B * 0.24, C * 0.2);
    const QPointF hub(C * 0.42, B * 0.06);
    std::vector<QPointF> scroll;
    for (int i = 0; i <= 40; ++i) {
        double t = i / 40.0;
        double ang = (60 + 300 * t) * std::numbers::pi / 180; // clockwise from the cut-off
        double r = wheel * (1.15 + 0.55 * t);
        scroll.push_back(sv.at(hub.x() + r * std::sin(ang), hub.y() - r * std::cos(ang)));
    }
    QPointF top = scroll.back();
    scroll.push_back(QPointF(sv.at(C - 40, 0).x(), top.y()));
    d.hiddenLine(scroll.front(), QPointF(sv.at(C - 40, 0).x(), scroll.front().y()));
    d.hiddenPolyline(scroll);
    d.hiddenCircle(sv.at(hub.x(), hub.y()), sv.len(wheel));
    d.hiddenCircle(sv.at(hub.x(), hub.y()), sv.len(wheel * 0.45));
    InletArrow(d, sv, -fl);
    d.hdim(sv.at(0, B / 2), sv.at(C, B / 2), sv.at(0, B / 2).y() + kDim1, "C");
    d.vdim(sv.at(C, -B / 2), sv.at(C, B / 2), sv.at(C + fl, 0).x() + kDim1, "B");

    // End view on the outlet.
    const QPointF c = ev.at(0, 0);
    d.outlineRect(ev.box(-A / 2, -B / 2, A / 2, B / 2));
    d.thinRect(ev.box(-A / 2 + 12, -B / 2 + 12, A / 2 - 12, B / 2 - 12));
    d.outlineRect(ev.box(-D / 2 - rim, -E / 2 - rim, D / 2 + rim, E / 2 + rim));
    d.outlineRect(ev.box(-D / 2, -E / 2, D / 2, E / 2));
    // Screws of the flange frame.
    for (double x : {-D / 2 - rim / 2, D / 2 + rim / 2})
        for (double y : {-E / 2 - rim / 2, E / 2 + rim / 2})
            d.thinCircle(ev.at(x, y), std::max(ev.len(4), 8.0));
    d.centreCross(c, ev.len(std::max(D, E) / 2) + 60);
    d.hdim(ev.at(-A / 2, B / 2), ev.at(A / 2, B / 2), ev.at(0, B / 2).y() + kDim1, "A");
    d.hdim(ev.at(-D / 2, -E / 2), ev.at(D / 2, -E / 2), ev.at(0, -B / 2).y() - kDim1, "D");
    d.vdim(ev.at(D / 2, -E / 2), ev.at(D / 2, E / 2), ev.at(A / 2, 0).x() + kDim1, "E");
}

void DrawEhy(Draft& d, const QRectF& area, const Dims& m) {
    const double D1 = m["d1"], D2 = m["d2"], D3 = m["d3"], D4 = m["d4"], A = m["A"];
    const double flange = std::max(8.0, A * 0.015);
    const double tb = std::max(D1 * 0.14, 40.0);
    auto views = LayOutRow(
        area,
        {{0, -D2 / 2 - tb, A, D2 / 2, kPad1, kPadNone, kPad1, kPad1},
         {-D2 / 2, -D2 / 2, D2 / 2, D2 / 2, kPad1 * 0.5, kPad1 * 0.5, kPad1, kPad1 * 0.5}},
        kGap);
    const View& sv = views[0];
    const View& ev = views[1];

    // Side view: casing tube between two flanges; motor on struts inside.
    d.outlineRect(sv.box(flange, -D1 / 2, A - flange, D1 / 2));
    d.outlineRect(sv.box(0, -D2 / 2, flange, D2 / 2));
    d.outlineRect(sv.box(A - flange, -D2 / 2, A, D2 / 2));
    // Bolt holes seen edge on.
    for (double y : {-D3 / 2, D3 / 2}) {
        d.hiddenLine(sv.at(0, y - D4 / 2), sv.at(flange, y - D4 / 2));
        d.hiddenLine(sv.at(0, y + D4 / 2), sv.at(flange, y + D4 / 2));
    }
    HiddenMotor(d, sv, A * 0.42, A * 0.86, D1 * 0.42);
    // Impeller blades sweep a band in front of the motor.
    d.hiddenRect(sv.box(A * 0.3, -D1 * 0.48, A * 0.42, D1 * 0.48));
    d.hiddenLine(sv.at(A * 0.6, -D1 * 0.21), sv.at(A * 0.6, -D1 / 2));
    d.hiddenLine(sv.at(A * 0.6, D1 * 0.21), sv.at(A * 0.6, D1 / 2));
    TerminalBox(d, sv.box(A * 0.55, -D1 / 2 - tb, A * 0.72, -D1 / 2));
    d.centreLine(sv.at(0, 0), sv.at(A, 0));
    InletArrow(d, sv, 0);
    d.hdim(sv.at(0, D2 / 2), sv.at(A, D2 / 2), sv.at(0, D2 / 2).y() + kDim1, "A");
    d.vdim(sv.at(A - flange, -D1 / 2), sv.at(A - flange, D1 / 2), sv.at(A, 0).x() + kDim1, "d1");

    // End view: flange with its bolt circle, the impeller inside the casing.
    const QPointF c = ev.at(0, 0);
    d.outlineCircle(c, ev.len(D2 / 2));
    d.outlineCircle(c, ev.len(D1 / 2));
    AxialImpellerFace(d, c, ev.len(D1 * 0.47), ev.len(D1 * 0.2), 9);
    d.centreCircle(c, ev.len(D3 / 2));
    const int bolts = D2 > 700 ? 12 : 8;
    HolesOnCircle(d, c, ev.len(D3 / 2), std::max(ev.len(D4 / 2), 10.0), bolts, 90 + 180.0 / bolts);
    d.centreCross(c, ev.len(D2 / 2) + 60);
    d.vdim(ev.at(0, -D2 / 2), ev.at(0, D2 / 2), ev.at(D2 / 2, 0).x() + kDim1, "d2");
    d.diameter(c, ev.len(D3 / 2), 90 - 180.0 / bolts - 360.0 / bolts, "d3", -0.2);
    const double a = (90 + 180.0 / bolts) * std::numbers::pi / 180;
    QPointF hole = c + QPointF(ev.len(D3 / 2) * std::cos(a), -ev.len(D3 / 2) * std::sin(a));
    d.leader(hole + QPointF(-std::max(ev.len(D4 / 2), 10.0) * 0.7,
                            -std::max(ev.len(D4 / 2), 10.0) * 0.7),
             QPointF(ev.at(-D2 / 2, 0).x() - 80, ev.at(0, -D2 / 2).y() - 60), "d4");
}

} // namespace material
