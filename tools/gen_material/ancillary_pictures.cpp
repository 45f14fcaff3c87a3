// The ancillaries' pictures: controllers, thermostat and mounting and duct
// accessories, in the same projection and light as the fan pictures.
#include "pictures.h"

#include "render_kit.h"

#include <QFont>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace material {
namespace {

using namespace paint;
namespace c = paint::colour;

constexpr double kPi = std::numbers::pi;

// Lettering `px` stage units high. Pixel sizes are whole numbers, so the size
// goes in points (an image has 96 dpi: 0.75 pt per pixel).
QFont Small(double px, bool bold = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(px * 0.75);
    f.setBold(bold);
    return f;
}

// A rotary knob with a pointer, seen face on; `steps` labels round it.
void Knob(QPainter& p, const QPointF& c0, double r, const QColor& body, const QStringList& steps,
          double fromDeg, double toDeg, double pointerDeg) {
    p.setPen(QPen(c::kOutline, 0.5));
    const double labelR = r * 1.55;
    p.setFont(Small(r * 0.42, true));
    for (int i = 0; i < steps.size(); ++i) {
        const double a =
            (fromDeg + (toDeg - fromDeg) * i / std::max<qsizetype>(1, steps.size() - 1)) * kPi /
            180;
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(c0 + dir * (r * 1.12), c0 + dir * (r * 1.25));
        QRectF box(c0 + dir * labelR - QPointF(r * 0.4, r * 0.3), QSizeF(r * 0.8, r * 0.6));
        p.drawText(box, Qt::AlignCenter, steps[i]);
    }
    QRadialGradient g(c0 - QPointF(r * 0.35, r * 0.35), r * 1.4);
    g.setColorAt(0, body.lighter(160));
    g.setColorAt(1, body.darker(140));
    p.setPen(Outline(0.7));
    p.setBrush(g);
    p.drawEllipse(c0, r, r);
    // Grip ridges and the pointer.
    p.setPen(QPen(body.darker(170), 0.5));
    for (int i = 0; i < 24; ++i) {
        const double a = 2 * kPi * i / 24;
        p.drawLine(c0 + QPointF(std::cos(a), std::sin(a)) * (r * 0.86),
                   c0 + QPointF(std::cos(a), std::sin(a)) * r);
    }
    const double a = pointerDeg * kPi / 180;
    p.setPen(QPen(Qt::white, r * 0.14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c0 + QPointF(std::cos(a), -std::sin(a)) * (r * 0.2),
               c0 + QPointF(std::cos(a), -std::sin(a)) * (r * 0.78));
}

void Lamp(QPainter& p, const QPointF& at, double r, const QColor& colour) {
    QRadialGradient g(at - QPointF(r * 0.3, r * 0.3), r * 1.3);
    g.setColorAt(0, colour.lighter(180));
    g.setColorAt(1, colour.darker(130));
    p.setPen(Outline(0.5));
    p.setBrush(g);
    p.drawEllipse(at, r, r);
}

void Gland(QPainter& p, double x, double y, double z) {
    Cylinder(p, 'y', {x, y, z}, {x, y - 7, z}, 4.5, c::kPlastic.lighter(130), c::kPlastic);
    Cylinder(p, 'y', {x, y - 7, z}, {x, y - 16, z}, 2.6, c::kInterior.lighter(140), c::kInterior);
}

// Small products fill more of the box: scale about the stage centre.
void Enlarge(QPainter& p, double k) {
    p.translate(kStage / 2, kStage / 2);
    p.scale(k, k);
    p.translate(-kStage / 2, -kStage / 2);
}

// ---------------------------------------------------------------------------

void PaintSpeedControllers(QPainter& p) {
    Enlarge(p, 1.3);
    // Flush-mounted cover plate behind, surface-mounted box in front.
    FloorShadow(p, P(10, -58, 20), 80, 10);
    p.save();
    p.translate(-34, -26);
    Box(p, {-30, -38, 40}, {30, 38, 44}, c::kWhite);
    Knob(p, P(0, 6, 40), 12, c::kWhite, {}, 225, -45, 150);
    p.setPen(QPen(c::kOutline, 0.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(P(0, 6, 40) - QPointF(17, 17), QSizeF(34, 34)), -45 * 16, 270 * 16);
    Lamp(p, P(0, -22, 40), 2.4, QColor(0x3C, 0xB4, 0x4A));
    p.restore();
    p.save();
    p.translate(26, 22);
    Box(p, {-32, -46, 0}, {32, 46, 26}, c::kWhite);
    Knob(p, P(0, 8, 0), 14, c::kWhite, {QStringLiteral("min"), QStringLiteral("max")}, 225, -45,
         160);
    p.setPen(QPen(c::kBlue, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(P(0, 8, 0) - QPointF(19, 19), QSizeF(38, 38)), -45 * 16, 270 * 16);
    Lamp(p, P(0, -26, 0), 2.8, QColor(0x3C, 0xB4, 0x4A));
    p.setPen(QPen(c::kOutline, 0.4));
    p.setFont(Small(5));
    p.drawText(QRectF(P(-28, -34, 0), QSizeF(56, 8)), Qt::AlignCenter, QStringLiteral("Vandrel"));
    p.restore();
}

void PaintTransformerController(QPainter& p, bool threePhase) {
    Enlarge(p, threePhase ? 1.22 : 1.38);
    const double w = threePhase ? 54 : 44, h = threePhase ? 70 : 60, d = threePhase ? 34 : 28;
    FloorShadow(p, P(0, -h, d / 2) + QPointF(6, 8), w * 1.5, 12);
    p.translate(-8, 4);
    for (double x : {-w * 0.5, 0.0, w * 0.5})
        Gland(p, x, -h, d / 2);
    const QColor grey(0xD4, 0xD7, 0xDA);
    Box(p, {-w, -h, 0}, {w, h, d}, grey);
    // Lid screws.
    p.setPen(Outline(0.4));
    p.setBrush(grey.darker(130));
    for (double x : {-w + 4, w - 4})
        for (double y : {-h + 4, h - 4})
            p.drawEllipse(P(x, y, 0), 1.3, 1.3);
    // Rating plate, the five-step switch and the lamps.
    p.setBrush(QColor(0xEE, 0xEF, 0xF0));
    p.drawRect(QRectF(P(-w + 10, h - 8, 0), P(w - 10, h - 24, 0)).normalized());
    p.setPen(QPen(c::kNavy, 0.4));
    p.setFont(Small(5.2, true));
    p.drawText(QRectF(P(-w + 10, h - 8, 0), P(w - 10, h - 16, 0)).normalized(), Qt::AlignCenter,
               QStringLiteral("Vandrel"));
    p.setFont(Small(4.2));
    p.drawText(QRectF(P(-w + 10, h - 16, 0), P(w - 10, h - 24, 0)).normalized(), Qt::AlignCenter,
               threePhase ? QStringLiteral("400 V 3~  5-step")
                          : QStringLiteral("230 V 1~  5-step"));
    Knob(p, P(0, -4, 0), threePhase ? 17 : 14, c::kPlastic,
         {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
          QStringLiteral("4"), QStringLiteral("5")},
         210, -30, 90);
    Lamp(p, P(-w * 0.55, -h + 14, 0), 2.8, QColor(0x3C, 0xB4, 0x4A));
    if (threePhase)
        Lamp(p, P(w * 0.55, -h + 14, 0), 2.8, QColor(0xE0, 0x3A, 0x2F));
}

void PaintClamp(QPainter& p) {
    FloorShadow(p, P(0, -66, 10), 70, 10);
    const double r = 54, width = 30;
    // The band: outside galvanised, a rubber lining inside.
    Cylinder(p, 'z', {0, 0, 0}, {0, 0, width}, r, c::kGalvanised, c::kGalvanised);
    QPolygonF lining = Circle3({0, 0, 0}, 'z', r - 2);
    p.setPen(Outline(0.6));
    p.setBrush(c::kInterior.lighter(150));
    p.drawPolygon(lining);
    p.setBrush(Qt::white);
    p.setPen(Outline(0.6));
    p.drawPolygon(Circle3({0, 0, 0}, 'z', r - 7));
    // The far part of the band seen through the ring.
    p.save();
    QPainterPath clip;
    clip.addPolygon(Circle3({0, 0, 0}, 'z', r - 7));
    p.setClipPath(clip);
    p.setBrush(c::kInterior.lighter(150));
    p.drawPolygon(Hull(Circle3({0, 0, width}, 'z', r - 2) << Circle3({0, 0, width}, 'z', r - 7)));
    p.setBrush(Qt::white);
    p.drawPolygon(Circle3({0, 0, width}, 'z', r - 7));
    p.restore();
    // Tightening lugs with their bolt at the bottom, the threaded rod on top.
    Box(p, {-14, -r - 16, 6}, {-4, -r + 2, width - 6}, c::kGalvanised.darker(105), 0.7);
    Box(p, {4, -r - 16, 6}, {14, -r + 2, width - 6}, c::kGalvanised.darker(105), 0.7);
    Cylinder(p, 'x', {20, -r - 8, width / 2}, {-20, -r - 8, width / 2}, 2.6,
             c::kGalvanised.lighter(110), c::kGalvanised);
    Cylinder(p, 'x', {24, -r - 8, width / 2}, {20, -r - 8, width / 2}, 4.2,
             c::kGalvanised.darker(110), c::kGalvanised);
    Cylinder(p, 'y', {0, r + 40, width / 2}, {0, r - 1, width / 2}, 3.2,
             c::kGalvanised.lighter(112), c::kGalvanised);
    Cylinder(p, 'y', {0, r + 10, width / 2}, {0, r + 4, width / 2}, 6, c::kGalvanised.darker(108),
             c::kGalvanised);
}

void PaintGrille(QPainter& p) {
    const double r = 70;
    FloorShadow(p, P(0, -r - 6, 0) + QPointF(6, 2), r, 9);
    // Mounting feet at four points, then the wire rings and spokes.
    for (int i = 0; i < 4; ++i) {
        const double a = (45 + 90 * i) * kPi / 180;
        QPointF q = P(0, 0, 0) + QPointF(std::cos(a), std::sin(a)) * (r + 6);
        p.setPen(Outline(0.6));
        p.setBrush(c::kGalvanised);
        p.drawRoundedRect(QRectF(q - QPointF(6, 6), QSizeF(12, 12)), 3, 3);
        p.setBrush(Qt::white);
        p.drawEllipse(q, 2.2, 2.2);
    }
    QPainterPath rim;
    rim.addEllipse(P(0, 0, 0), r + 3, r + 3);
    rim.addEllipse(P(0, 0, 0), r - 1, r - 1);
    p.setPen(Outline(0.6));
    p.setBrush(c::kGalvanised.darker(108));
    p.drawPath(rim);
    WireGuard(p, P(0, 0, 0), r - 1, 9, 12, QColor(0x9A, 0xA3, 0xAC), 0.9);
    p.setBrush(c::kGalvanised);
    p.setPen(Outline(0.6));
    p.drawEllipse(P(0, 0, 0), 9, 9);
}

void PaintThermostat(QPainter& p) {
    Enlarge(p, 1.45);
    FloorShadow(p, P(0, -52, 8), 60, 9);
    p.translate(-6, 0);
    Box(p, {-40, -52, 0}, {40, 52, 20}, c::kWhite);
    // Dial with the °C scale, a switch and the heating lamp.
    const QPointF dial = P(0, 8, 0);
    p.setPen(QPen(c::kOutline, 0.4));
    p.setBrush(Qt::NoBrush);
    QLinearGradient scale(dial - QPointF(24, 0), dial + QPointF(24, 0));
    scale.setColorAt(0, c::kBlue);
    scale.setColorAt(1, c::kRed);
    p.setPen(QPen(QBrush(scale), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(dial - QPointF(24, 24), QSizeF(48, 48)), -40 * 16, 260 * 16);
    Knob(p, dial, 16, c::kWhite,
         {QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20"),
          QStringLiteral("25"), QStringLiteral("30")},
         220, -40, 75);
    p.setPen(QPen(c::kOutline, 0.4));
    p.setFont(Small(5.5, true));
    p.drawText(QRectF(P(-36, -18, 0), QSizeF(72, 8)), Qt::AlignCenter, QStringLiteral("\u00B0C"));
    Box(p, {-22, -44, -3}, {-6, -34, 0}, c::kLightGrey, 0.6);
    Lamp(p, P(18, -39, 0), 2.6, QColor(0xF0, 0x8A, 0x24));
}

void PaintDamper(QPainter& p) {
    const double r = 52, len = 70;
    FloorShadow(p, P(8, -r - 4, len / 2), 80, 12);
    p.translate(-14, 8);
    Cylinder(p, 'z', {0, 0, len - 10}, {0, 0, len}, r, c::kGalvanised, c::kGalvanised);
    Cylinder(p, 'z', {0, 0, 10}, {0, 0, len - 10}, r + 3, c::kGalvanised, c::kGalvanised);
    Cylinder(p, 'z', {0, 0, 0}, {0, 0, 10}, r, c::kGalvanised, c::kGalvanised.lighter(110));
    Opening(p, Circle3({0, 0, 0}, 'z', r - 2), c::kGalvanised.lighter(130));
    // The two half flaps, closed against their stop, recessed in the spigot;
    // the spindle between them and the closing spring.
    const double inset = 16, fr = r - 4;
    for (int side : {-1, 1}) {
        QPolygonF flap;
        flap << P(side * 1.2, fr, inset) << P(side * 1.2, -fr, inset);
        for (int i = 0; i <= 40; ++i) {
            const double a = (-90 + 180.0 * i / 40) * kPi / 180;
            flap << P(side * (1.2 + (fr - 1.2) * std::cos(a)), fr * std::sin(a), inset);
        }
        QLinearGradient g(P(-fr, fr, inset), P(fr, -fr, inset));
        g.setColorAt(0, QColor(0xEE, 0xF1, 0xF4));
        g.setColorAt(1, QColor(0xA4, 0xAE, 0xB8));
        p.setPen(Outline(0.6));
        p.setBrush(g);
        p.drawPolygon(flap);
        // Rubber seal along the flap's rim.
        p.setPen(QPen(QColor(0x2A, 0x30, 0x36), 1.4));
        p.setBrush(Qt::NoBrush);
        QPolygonF rim;
        for (int i = 0; i <= 40; ++i) {
            const double a = (-90 + 180.0 * i / 40) * kPi / 180;
            rim << P(side * (1.2 + (fr - 1.2) * std::cos(a)), fr * std::sin(a), inset);
        }
        p.drawPolyline(rim);
    }
    Cylinder(p, 'y', {0, -fr, inset - 2}, {0, fr, inset - 2}, 2.2, c::kMotor,
             c::kMotor.lighter(130));
    p.setPen(QPen(QColor(0x58, 0x62, 0x6C), 0.9));
    QPolygonF spring;
    for (int i = 0; i <= 24; ++i)
        spring << P(-10 + 20.0 * i / 24, (i % 2 ? 3 : -3), inset - 3);
    p.drawPolyline(spring);
    // The sealing bead of the spigot.
    p.setPen(QPen(QColor(0x25, 0x2A, 0x30), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(Circle3({0, 0, len - 6}, 'z', r + 0.5));
}

void PaintBracket(QPainter& p) {
    FloorShadow(p, P(10, -40, 30), 85, 12);
    p.translate(-10, 16);
    const QColor steel = c::kGalvanised;
    // Upright leg against the wall and the horizontal leg the fan stands on.
    Box(p, {-56, -40, 44}, {56, 46, 49}, steel, 0.8);
    Box(p, {-56, -40, 0}, {56, -35, 49}, steel, 0.8);
    // Stiffening gussets at both ends.
    for (double x : {-56.0, 53.0}) {
        QPolygonF gusset({P(x + 3, -35, 43), P(x + 3, 20, 43), P(x + 3, -35, 10)});
        p.setPen(Outline(0.7));
        p.setBrush(steel.darker(115));
        p.drawPolygon(gusset);
    }
    // Slotted holes in the wall leg.
    p.setPen(Outline(0.5));
    p.setBrush(c::kInterior.lighter(160));
    for (double x : {-36.0, 28.0})
        p.drawRoundedRect(QRectF(P(x, 34, 44), QSizeF(12, 4.4)), 2.2, 2.2);
    // Rubber isolators with their studs on the horizontal leg.
    for (double x : {-32.0, 32.0})
        for (double z : {14.0}) {
            Cylinder(p, 'y', {x, -35, z}, {x, -24, z}, 7, QColor(0x2B, 0x30, 0x35),
                     QColor(0x3A, 0x40, 0x47));
            Cylinder(p, 'y', {x, -24, z}, {x, -14, z}, 2.2, steel.lighter(110), steel);
            Cylinder(p, 'y', {x, -24, z}, {x, -21, z}, 4.2, steel.darker(110), steel);
        }
}

void PaintLouvre(QPainter& p) {
    const double w = 66, h = 66, d = 24;
    FloorShadow(p, P(0, -h, d / 2) + QPointF(6, 4), w * 1.3, 10);
    p.translate(-8, 6);
    Box(p, {-w, -h, 0}, {w, h, d}, c::kAluminium);
    const double rim = 7;
    QPolygonF opening = FrontFace({-w + rim, -h + rim, 0}, {w - rim, h - rim, 0});
    p.setPen(Outline(0.7));
    p.setBrush(QColor(0x2A, 0x31, 0x38));
    p.drawPolygon(opening);
    // Bird mesh behind the blades.
    p.save();
    QPainterPath clip;
    clip.addPolygon(opening);
    p.setClipPath(clip);
    p.setPen(QPen(QColor(0x6B, 0x75, 0x80), 0.35));
    for (double x = -w; x <= w; x += 4)
        p.drawLine(P(x, -h, 0), P(x, h, 0));
    for (double y = -h; y <= h; y += 4)
        p.drawLine(P(-w, y, 0), P(w, y, 0));
    // Blades sloping down and out, each lit on its upper face.
    const int blades = 9;
    const double pitch = (2 * h - 2 * rim) / blades;
    for (int i = 0; i < blades; ++i) {
        const double y = h - rim - i * pitch;
        QPolygonF blade({P(-w + rim, y, d * 0.8), P(w - rim, y, d * 0.8),
                         P(w - rim, y - pitch * 0.95, -2), P(-w + rim, y - pitch * 0.95, -2)});
        QLinearGradient g(P(0, y, d * 0.8), P(0, y - pitch, 0));
        g.setColorAt(0, c::kAluminium.darker(115));
        g.setColorAt(1, c::kAluminium.lighter(112));
        p.setPen(QPen(c::kOutline, 0.5));
        p.setBrush(g);
        p.drawPolygon(blade);
    }
    p.restore();
    p.setPen(Outline(0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(opening);
}

template <void (*F)(QPainter&)> QImage Make() {
    return Render(kAncillaryPicture.width(), kAncillaryPicture.height(), F);
}

void PaintSingle(QPainter& p) {
    PaintTransformerController(p, false);
}
void PaintThree(QPainter& p) {
    PaintTransformerController(p, true);
}

} // namespace

const std::vector<AncillaryPicture>& AncillaryPictures() {
    static const std::vector<AncillaryPicture> pictures = {
        {"qms.bmp", Make<PaintSpeedControllers>}, {"qmHA.bmp", Make<PaintSingle>},
        {"qmHB.bmp", Make<PaintThree>},           {"CLAMP.bmp", Make<PaintClamp>},
        {"GRILLE.bmp", Make<PaintGrille>},        {"STAT.bmp", Make<PaintThermostat>},
        {"DAMPER.bmp", Make<PaintDamper>},        {"BRACKET.bmp", Make<PaintBracket>},
        {"LOUVRE.bmp", Make<PaintLouvre>},
    };
    return pictures;
}

} // namespace material
