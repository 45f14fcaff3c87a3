// The product pictures of the fans, one painter per picture file: the small
// one beside the inputs and the large one of the specification page are the
// same painting at two sizes.
#include "pictures.h"

#include "catalogue_index.h"
#include "render_kit.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace material {
namespace {

using namespace paint;
namespace c = paint::colour;

constexpr double kPi = std::numbers::pi;

// A flat sticker with the airflow arrow, on a face seen true.
void FlowSticker(QPainter& p, const QPointF& at, double size) {
    p.setPen(Qt::NoPen);
    p.setBrush(c::kBlue);
    p.drawRoundedRect(QRectF(at.x(), at.y(), size * 1.6, size), size * 0.15, size * 0.15);
    p.setBrush(Qt::white);
    const double m = size * 0.5;
    QPolygonF arrow(
        {at + QPointF(size * 0.25, m - size * 0.1), at + QPointF(size * 0.95, m - size * 0.1),
         at + QPointF(size * 0.95, m - size * 0.28), at + QPointF(size * 1.38, m),
         at + QPointF(size * 0.95, m + size * 0.28), at + QPointF(size * 0.95, m + size * 0.1),
         at + QPointF(size * 0.25, m + size * 0.1)});
    p.drawPolygon(arrow);
}

// An open spigot along z with the impeller seen inside; `a` is its open end.
void OpenSpigot(QPainter& p, const V3& a, const V3& b, double r, const QColor& body, int blades,
                const QColor& blade) {
    QPolygonF end = Cylinder(p, 'z', a, b, r, body, body.lighter(120));
    const QPointF centre = P(a);
    const double inner = r * 0.88;
    Opening(p, Circle3(a, 'z', inner), body.lighter(140));
    p.save();
    QPainterPath clip;
    clip.addEllipse(centre, inner, inner);
    p.setClipPath(clip);
    // The impeller sits a little way in: shifted along the depth.
    const QPointF in = P(a.x, a.y, a.z + r * 0.7);
    AxialRotor(p, in, inner * 0.86, blades, blade, c::kMotor, 10, 0.34);
    p.restore();
    (void)end;
}

void Rivets(QPainter& p, const QPointF& from, const QPointF& to, int count) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        QPointF q = from + (to - from) * ((i + 0.5) / count);
        p.setBrush(QColor(0x8A, 0x94, 0x9E));
        p.drawEllipse(q, 0.9, 0.9);
        p.setBrush(QColor(0xF0, 0xF3, 0xF5));
        p.drawEllipse(q - QPointF(0.3, 0.3), 0.4, 0.4);
    }
}

// ---------------------------------------------------------------------------
// In-line and box fans

void PaintPw(QPainter& p) {
    // A small fan: drawn larger to fill its picture like the others.
    p.translate(kStage / 2, kStage / 2);
    p.scale(1.2, 1.2);
    p.translate(-kStage / 2 - 24, -kStage / 2 + 14);
    FloorShadow(p, P(20, -46, 60), 78, 16);
    const QColor body(0xDA, 0xDE, 0xE2), spigot = c::kPlastic;
    Cylinder(p, 'z', {0, 0, 112}, {0, 0, 128}, 26, spigot, spigot.lighter(130));
    Frustum(p, 'z', {0, 0, 100}, {0, 0, 112}, 44, 28, body, body);
    Cylinder(p, 'z', {0, 0, 16}, {0, 0, 100}, 44, body, body);
    // The two halves of the casing meet in a raised band.
    Cylinder(p, 'z', {0, 0, 56}, {0, 0, 60}, 45, body.darker(108), body);
    Frustum(p, 'z', {0, 0, 4}, {0, 0, 16}, 28, 44, body, body.lighter(106));
    TerminalBox(p, {-9, 41, 66}, {9, 52, 86});
    OpenSpigot(p, {0, 0, -14}, {0, 0, 4}, 26, spigot, 5, c::kNavy.lighter(140));
    FlowSticker(p, P(20, -30, 30), 9);
}

// A rectangular casing with a circular spigot on its face.
void SpigotBox(QPainter& p, const QColor& base, double w, double h, double d, double r,
               bool insulated, bool rivets) {
    const V3 lo{-w / 2, -h / 2, 0}, hi{w / 2, h / 2, d};
    FloorShadow(p, P(0, -h / 2, d / 2) + QPointF(6, 4), w * 0.75, 14);
    Box(p, lo, hi, base);
    if (insulated) {
        // Double skin: the inner panel's edge shows on every face.
        p.setPen(QPen(base.darker(135), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(FrontFace({lo.x + 5, lo.y + 5, 0}, {hi.x - 5, hi.y - 5, d}));
        p.drawPolygon(RightFace({lo.x, lo.y + 5, 6}, {hi.x, hi.y - 5, d - 6}));
    }
    if (rivets) {
        Rivets(p, P(lo.x + 3, hi.y - 3, 0), P(hi.x - 3, hi.y - 3, 0), 7);
        Rivets(p, P(lo.x + 3, lo.y + 3, 0), P(hi.x - 3, lo.y + 3, 0), 7);
        Rivets(p, P(hi.x, hi.y - 3, 4), P(hi.x, hi.y - 3, d - 4), 6);
    }
    // Mounting brackets at the foot.
    for (double x : {lo.x + 4, hi.x - 16})
        Box(p, {x, lo.y - 5, 6}, {x + 12, lo.y, 18}, c::kGalvanised.darker(110), 0.6);
    TerminalBox(p, {hi.x - 34, hi.y, d * 0.45}, {hi.x - 14, hi.y + 11, d * 0.7});
    OpenSpigot(p, {0, 0, -16}, {0, 0, 0}, r, c::kGalvanised, 7, c::kBlue);
}

void PaintMtzl(QPainter& p) {
    p.translate(-22, 12);
    SpigotBox(p, QColor(0xD5, 0xD9, 0xDD), 112, 100, 112, 34, true, false);
    FlowSticker(p, P(22, -40, 0), 9);
}

void PaintMtz(QPainter& p) {
    p.translate(-22, 12);
    SpigotBox(p, c::kGalvanised, 116, 104, 106, 38, false, true);
}

void PaintUdyz(QPainter& p) {
    p.translate(-26, 12);
    SpigotBox(p, QColor(0xD9, 0xDC, 0xDF), 126, 96, 118, 30, true, false);
    // The service panel on the side.
    QPolygonF panel = RightFace({63, -36, 18}, {63, 36, 96});
    p.setPen(QPen(QColor(0x7C, 0x86, 0x90), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(panel);
}

// A rectangular duct flange on the front face: frame and the dark opening,
// the backward-curved wheel's inlet seen through it.
void DuctFlange(QPainter& p, double w, double h, double depth, const QColor& frame, bool wheel) {
    Box(p, {-w / 2, -h / 2, -depth}, {w / 2, h / 2, 0}, frame);
    const double rim = 6;
    QPolygonF opening =
        FrontFace({-w / 2 + rim, -h / 2 + rim, -depth}, {w / 2 - rim, h / 2 - rim, 0});
    Opening(p, opening, frame.lighter(125));
    if (wheel) {
        p.save();
        QPainterPath clip;
        clip.addPolygon(opening);
        p.setClipPath(clip);
        const double r = std::min(w, h) * 0.36;
        Disc(p, {0, 0, 14}, 'z', r * 1.18, QColor(0x2C, 0x34, 0x3D), 0);
        CentrifugalWheel(p, P(0, 0, 10), r, 11, c::kBlue.lighter(120));
        p.restore();
    }
    // Screw holes of the flange frame.
    p.setPen(Qt::NoPen);
    p.setBrush(c::kInterior);
    for (double x : {-w / 2 + 3, w / 2 - 3})
        for (double y : {-h / 2 + 3, h / 2 - 3})
            p.drawEllipse(P(x, y, -depth), 0.9, 0.9);
}

void PaintMt(QPainter& p) {
    p.translate(-20, 12);
    const double w = 140, h = 86, d = 96;
    FloorShadow(p, P(0, -h / 2, d / 2) + QPointF(6, 4), w * 0.72, 14);
    Box(p, {-w / 2, -h / 2, 0}, {w / 2, h / 2, d}, c::kGalvanised);
    Rivets(p, P(-w / 2 + 3, h / 2 - 3, 0), P(w / 2 - 3, h / 2 - 3, 0), 8);
    TerminalBox(p, {w / 2, -10, 30}, {w / 2 + 9, 10, 52});
    DuctFlange(p, w - 16, h - 20, 7, c::kGalvanised.darker(104), true);
}

void PaintUdy(QPainter& p) {
    p.translate(-24, 14);
    const double w = 124, h = 98, d = 124;
    FloorShadow(p, P(0, -h / 2, d / 2) + QPointF(6, 4), w * 0.8, 14);
    const QColor base(0xD9, 0xDC, 0xDF);
    Box(p, {-w / 2, -h / 2, 0}, {w / 2, h / 2, d}, base);
    // Access panel with quarter-turn locks and handles on the side.
    QPolygonF panel = RightFace({w / 2, -h / 2 + 8, 12}, {w / 2, h / 2 - 8, d - 12});
    p.setPen(QPen(base.darker(150), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(panel);
    for (double z : {24.0, d - 24})
        for (double y : {-h / 2 + 16, h / 2 - 16}) {
            p.setPen(Outline(0.5));
            p.setBrush(base.darker(160));
            p.drawEllipse(P(w / 2, y, z), 1.6, 1.9);
        }
    for (double z : {d * 0.38, d * 0.62}) {
        p.setPen(QPen(c::kPlastic, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(P(w / 2 + 1, -8, z), P(w / 2 + 1, 8, z));
    }
    TerminalBox(p, {w / 2 - 30, h / 2, 30}, {w / 2 - 10, h / 2 + 10, 52});
    // Outlet flange at the top of the face: the fan's discharge.
    p.save();
    p.translate(P(0, 8, 0) - P(0, 0, 0));
    DuctFlange(p, 66, 44, 7, c::kGalvanised, false);
    p.restore();
    FlowSticker(p, P(-w / 2 + 8, -h / 2 + 10, 0), 9);
}

void PaintEhy(QPainter& p) {
    p.translate(-26, 18);
    const double r = 52, len = 112;
    FloorShadow(p, P(16, -r - 6, len / 2), 86, 16);
    // Feet under the casing.
    for (double z : {18.0, len - 24})
        Box(p, {-r * 0.75, -r - 8, z}, {r * 0.75, -r * 0.7, z + 8}, c::kGalvanised.darker(110),
            0.6);
    Cylinder(p, 'z', {0, 0, len - 5}, {0, 0, len}, r + 8, c::kGalvanised, c::kGalvanised);
    Cylinder(p, 'z', {0, 0, 5}, {0, 0, len - 5}, r, c::kGalvanised, c::kGalvanised);
    TerminalBox(p, {-10, r - 2, 46}, {10, r + 10, 68});
    QPolygonF face =
        Cylinder(p, 'z', {0, 0, 0}, {0, 0, 5}, r + 8, c::kGalvanised, c::kGalvanised.lighter(112));
    // Bolt holes round the flange.
    p.setPen(Qt::NoPen);
    p.setBrush(c::kInterior);
    for (int i = 0; i < 8; ++i) {
        double a = (22.5 + 45 * i) * kPi / 180;
        p.drawEllipse(P(0, 0, 0) + QPointF(std::cos(a), std::sin(a)) * (r + 4), 1.2, 1.2);
    }
    Opening(p, Circle3({0, 0, 0}, 'z', r - 1), c::kGalvanised.lighter(130));
    p.save();
    QPainterPath clip;
    clip.addEllipse(P(0, 0, 0), r - 1, r - 1);
    p.setClipPath(clip);
    AxialRotor(p, P(0, 0, 22), r * 0.9, 9, c::kBlue, c::kMotor, -8, 0.36);
    // Motor support struts behind the impeller.
    p.restore();
    (void)face;
}

// ---------------------------------------------------------------------------
// Roof fans

void RoofBase(QPainter& p, double half, double top) {
    FloorShadow(p, P(0, 0, half) + QPointF(4, 4), half * 1.55, half * 0.55);
    Box(p, {-half, 0, 0}, {half, top, 2 * half}, c::kAluminium.darker(104));
    // Upstand collar of the base.
    Box(p, {-half * 0.86, top, half * 0.14}, {half * 0.86, top + 4, half * 1.86}, c::kAluminium,
        0.7);
}

void PaintGhj(QPainter& p) {
    p.translate(-22, 44);
    const double half = 58;
    RoofBase(p, half, 6);
    const V3 axis{0, 0, half};
    Cylinder(p, 'y', {0, 10, half}, {0, 58, half}, 47, c::kAluminium, c::kAluminium);
    Frustum(p, 'y', {0, 58, half}, {0, 74, half}, 47, 30, c::kAluminium, c::kAluminium);
    QPolygonF top = Cylinder(p, 'y', {0, 74, half}, {0, 112, half}, 29, c::kAluminium,
                             c::kAluminium.lighter(110));
    // The discharge seen from above: dark, the motor cap in it.
    QPolygonF inner = Circle3({0, 112, half}, 'y', 25);
    Opening(p, inner, c::kAluminium.lighter(120));
    Disc(p, {0, 112, half}, 'y', 12, QBrush(c::kMotor), 0.6);
    (void)axis;
    (void)top;
}

void PaintGhz(QPainter& p) {
    p.translate(-22, 40);
    const double half = 56;
    RoofBase(p, half, 6);
    Cylinder(p, 'y', {0, 10, half}, {0, 46, half}, 40, c::kAluminium, c::kAluminium);
    // The outlet gap under the hood, then the hood itself.
    Cylinder(p, 'y', {0, 46, half}, {0, 54, half}, 66, c::kInterior, c::kInterior.lighter(140),
             0.6);
    const QColor hood(0x45, 0x51, 0x5E);
    Frustum(p, 'y', {0, 54, half}, {0, 60, half}, 72, 70, hood, hood);
    Frustum(p, 'y', {0, 60, half}, {0, 80, half}, 70, 40, hood, hood.lighter(125));
    Disc(p, {0, 80, half}, 'y', 40, QBrush(hood.lighter(135)), 0.8);
}

// ---------------------------------------------------------------------------
// Wall and plate fans (seen from the room side)

struct AxialLook {
    QColor plate, blades, guard, motor;
    int bladeCount;
    bool square;
};

void PaintAxialPlate(QPainter& p, const AxialLook& look) {
    p.translate(-6, 4);
    const double half = 76, ring = 60;
    FloorShadow(p, P(0, -half, 0) + QPointF(10, 6), half * 1.1, 10);
    if (look.square) {
        Box(p, {-half, -half, 0}, {half, half, 3}, look.plate);
    } else {
        Cylinder(p, 'z', {0, 0, 0}, {0, 0, 3}, half, look.plate, look.plate.lighter(106));
    }
    // Fixing holes.
    p.setPen(Qt::NoPen);
    p.setBrush(c::kInterior);
    for (int i = 0; i < 4; ++i) {
        double a = (45 + 90 * i) * kPi / 180;
        double rr = look.square ? half * 1.25 : half * 0.9;
        QPointF q = P(0, 0, 0) + QPointF(std::cos(a), std::sin(a)) * rr;
        p.drawEllipse(q, 1.8, 1.8);
    }
    // Inlet ring pressed into the plate, the impeller in it.
    p.setPen(Outline(0.8));
    QRadialGradient rim(P(0, 0, 0), ring + 8);
    rim.setColorAt(0.85, look.plate.darker(118));
    rim.setColorAt(0.95, look.plate.lighter(118));
    rim.setColorAt(1.0, look.plate.darker(105));
    p.setBrush(rim);
    p.drawEllipse(P(0, 0, 0), ring + 8, ring + 8);
    Opening(p, Circle3({0, 0, 0}, 'z', ring), look.plate.lighter(125));
    AxialRotor(p, P(0, 0, 8), ring * 0.94, look.bladeCount, look.blades, c::kMotor, 18, 0.3);
    WireGuard(p, P(0, 0, -4), ring + 2, 6, 8, look.guard, 0.7);
    // Motor on the guard, towards us.
    QPolygonF cover =
        Cylinder(p, 'z', {0, 0, -26}, {0, 0, -4}, 17, look.motor, look.motor.lighter(115));
    WireGuard(p, P(0, 0, -26), 12, 3, 6, look.motor.darker(150), 0.35);
    (void)cover;
}

void PaintBn(QPainter& p) {
    PaintAxialPlate(p, {c::kLightGrey, c::kBlue, c::kGalvanised, c::kNavy, 5, false});
}
void PaintBq(QPainter& p) {
    PaintAxialPlate(p, {c::kLightGrey, c::kBlue, c::kGalvanised, c::kNavy, 5, true});
}
void PaintAqy(QPainter& p) {
    PaintAxialPlate(p, {c::kGalvanised, QColor(0x2E, 0x33, 0x39), QColor(0x40, 0x45, 0x4B),
                        c::kMotor, 6, true});
}
void PaintAqn(QPainter& p) {
    PaintAxialPlate(p, {c::kGalvanised, QColor(0xB9, 0xC0, 0xC7), QColor(0x40, 0x45, 0x4B),
                        c::kMotor, 8, true});
}

void PaintLw(QPainter& p) {
    p.translate(-8, 6);
    const double half = 74;
    FloorShadow(p, P(0, -half, 0) + QPointF(10, 6), half * 1.1, 10);
    Box(p, {-half, -half, 0}, {half, half, 4}, c::kLightGrey.darker(104));
    // Screws of the wall plate.
    p.setPen(Outline(0.4));
    p.setBrush(c::kGalvanised.darker(120));
    for (double x : {-half + 8, half - 8})
        for (double y : {-half + 8, half - 8})
            p.drawEllipse(P(x, y, 0), 1.6, 1.6);
    // The cowl over the scroll: its front slopes out towards the foot, where
    // the air leaves through the grille.
    const QColor hood(0xEC, 0xEE, 0xF0);
    const double w = 54, top = 50, bottom = -60, dTop = -18, dFoot = -46;
    auto front = [&](double x, double y) {
        const double t = (top - y) / (top - bottom);
        return P(x, y, dTop + (dFoot - dTop) * t);
    };
    p.setPen(Outline(0.9));
    QPolygonF topFace({P(-w, top, 0), P(w, top, 0), P(w, top, dTop), P(-w, top, dTop)});
    QLinearGradient tg(topFace.boundingRect().bottomLeft(), topFace.boundingRect().topRight());
    tg.setColorAt(0, hood.lighter(104));
    tg.setColorAt(1, hood.darker(104));
    p.setBrush(tg);
    p.drawPolygon(topFace);
    QPolygonF side({P(w, top, 0), P(w, top, dTop), P(w, bottom, dFoot), P(w, bottom, 0)});
    QLinearGradient sg(side.boundingRect().topLeft(), side.boundingRect().bottomRight());
    sg.setColorAt(0, hood.darker(122));
    sg.setColorAt(1, hood.darker(145));
    p.setBrush(sg);
    p.drawPolygon(side);
    QPolygonF face({front(-w, top), front(w, top), front(w, bottom), front(-w, bottom)});
    QLinearGradient fg(face.boundingRect().topLeft(), face.boundingRect().bottomRight());
    fg.setColorAt(0, hood.lighter(106));
    fg.setColorAt(1, hood.darker(112));
    p.setBrush(fg);
    p.drawPolygon(face);
    // Motor cover pressed into the face.
    QPolygonF cover;
    for (int i = 0; i < 64; ++i) {
        const double a = 2 * kPi * i / 64;
        cover << front(22 * std::cos(a), 14 + 22 * std::sin(a));
    }
    QRadialGradient cg(front(-8, 24), 30);
    cg.setColorAt(0, hood.lighter(108));
    cg.setColorAt(1, hood.darker(125));
    p.setBrush(cg);
    p.drawPolygon(cover);
    // Discharge grille along the foot.
    QPolygonF grille({front(-w + 8, -28), front(w - 8, -28), front(w - 8, bottom + 6),
                      front(-w + 8, bottom + 6)});
    Opening(p, grille, hood.darker(108));
    p.setPen(QPen(hood.darker(112), 2.0));
    for (int i = 1; i < 6; ++i) {
        const double y = -28 + (bottom + 6 + 28) * i / 6;
        p.drawLine(front(-w + 8, y), front(w - 8, y));
    }
    FlowSticker(p, front(-w + 8, top - 10), 8);
}

// ---------------------------------------------------------------------------
// Centrifugal fans with volute casing

QPolygonF ScrollShape(double z, double shift) {
    // Radius growing clockwise from the cut-off to the top; the outlet duct
    // leaves horizontally to the right.
    QPolygonF poly;
    const double r0 = 30, r1 = 54, a0 = 70;
    auto r = [&](double a) { return r0 * std::pow(r1 / r0, (a - a0) / (360 - a0)); };
    poly << P(68, r1 - 40, z) + QPointF(shift, 0);
    for (int i = 0; i <= 60; ++i) {
        const double a = a0 + (360 - a0) * i / 60, t = a * kPi / 180;
        poly << P(r(a) * std::sin(t), r(a) * std::cos(t), z) + QPointF(shift, 0);
    }
    poly << P(68, r1, z) + QPointF(shift, 0);
    return poly;
}

void PaintVolute(QPainter& p, const QColor& casing, bool hotGas) {
    p.translate(-30, 14);
    const double width = 36;
    FloorShadow(p, P(14, -76, 60), 92, 16);
    // Base frame.
    Box(p, {-54, -76, -4}, {54, -68, 118}, QColor(0x3C, 0x44, 0x4C), 0.7);
    // Motor behind the casing on its own feet; the hot-gas version keeps it
    // off the casing, a cooling disc on the shaft in between.
    const double m0 = hotGas ? width + 34 : width + 6;
    Box(p, {-22, -68, m0 + 6}, {22, -34, m0 + 56}, QColor(0x3C, 0x44, 0x4C), 0.7);
    QPolygonF motorEnd =
        Cylinder(p, 'z', {0, 0, m0 + 62}, {0, 0, m0 + 72}, 22, c::kMotor, c::kMotor);
    Cylinder(p, 'z', {0, 0, m0}, {0, 0, m0 + 62}, 27, c::kMotor, c::kMotor);
    if (hotGas) {
        Cylinder(p, 'z', {0, 0, width}, {0, 0, m0}, 4, c::kGalvanised, c::kGalvanised);
        Cylinder(p, 'z', {0, 0, width + 12}, {0, 0, width + 15}, 26, c::kGalvanised,
                 c::kGalvanised.lighter(110));
    }
    TerminalBox(p, {-9, 25, m0 + 20}, {9, 36, m0 + 40});
    // Pedestal of the casing.
    Box(p, {-30, -68, 4}, {30, -40, width - 4}, casing.darker(125), 0.7);
    // Casing: back face, the band between, the front face.
    QPolygonF front = ScrollShape(0, 0), back = ScrollShape(width, 0);
    QPolygonF band = front;
    band << back;
    p.setPen(Outline(0.9));
    p.setBrush(casing.darker(135));
    p.drawPolygon(Hull(band));
    QLinearGradient g(P(-50, 50, 0), P(60, -50, 0));
    g.setColorAt(0, casing.lighter(125));
    g.setColorAt(1, casing.darker(115));
    p.setBrush(g);
    p.drawPolygon(front);
    // Outlet flange facing right, open.
    QPolygonF outlet = RightFace({68, 14, 0}, {68, 54, width});
    Opening(p, outlet, casing.lighter(140));
    // Inlet cone and the wheel.
    Cylinder(p, 'z', {0, 0, -10}, {0, 0, 0}, 26, casing.lighter(110), casing.lighter(130));
    Opening(p, Circle3({0, 0, -10}, 'z', 21), casing.lighter(150));
    CentrifugalWheel(p, P(0, 0, 6), 19, 10, QColor(0xB8, 0xC1, 0xCA));
    if (hotGas) {
        // The temperature class on a plate.
        p.setPen(Outline(0.5));
        p.setBrush(c::kRed);
        p.drawRoundedRect(QRectF(P(-46, -26, 0), QSizeF(16, 8)), 1, 1);
    }
    (void)motorEnd;
}

void PaintUvj(QPainter& p) {
    PaintVolute(p, c::kBlue, false);
}
void PaintUvx(QPainter& p) {
    PaintVolute(p, QColor(0x5A, 0x64, 0x6E), true);
}

struct Painter {
    const char* file;
    PaintFn paint;
};

const std::vector<Painter>& Painters() {
    static const std::vector<Painter> painters = {
        {"pw_fan.bmp", PaintPw},   {"mtzl_fan.bmp", PaintMtzl}, {"mt_fan.bmp", PaintMt},
        {"mtz_fan.bmp", PaintMtz}, {"ghj_fan.bmp", PaintGhj},   {"ghz_fan.bmp", PaintGhz},
        {"bn_fan.bmp", PaintBn},   {"bq_fan.bmp", PaintBq},     {"lw_fan.bmp", PaintLw},
        {"udy_fan.bmp", PaintUdy}, {"udyz_fan.bmp", PaintUdyz}, {"uvj_fan.bmp", PaintUvj},
        {"uvx_fan.bmp", PaintUvx}, {"ehy_fan.bmp", PaintEhy},   {"aqy_fan.bmp", PaintAqy},
        {"aqn_fan.bmp", PaintAqn},
    };
    return painters;
}

} // namespace

bool HasFanPicture(const std::string& file) {
    const std::string key = Lower(file);
    for (const Painter& painter : Painters())
        if (key == painter.file)
            return true;
    return false;
}

QImage MakeFanPicture(const std::string& file, QSize size) {
    const std::string key = Lower(file);
    for (const Painter& painter : Painters())
        if (key == painter.file)
            return Render(size.width(), size.height(), painter.paint);
    return {};
}

} // namespace material
