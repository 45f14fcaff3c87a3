// The product families as small catalogue illustrations, one function per
// kind of fan, each in a box 100 units wide.
#include "art_common.h"
#include "fan_parts.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace art {
namespace {

using namespace parts;

constexpr double kOl = 1.5; // outline width in box units
const QColor kPaintBlue(0x2F, 0x6D, 0xB5);
const QColor kPanel(0xE6, 0xEB, 0xF0);
const QColor kPlastic(0xE4, 0xE8, 0xEC);

void GroundShadow(QPainter& p, const QPointF& c, double rx, double ry) {
    QRadialGradient g(c, rx);
    g.setColorAt(0.0, QColor(0x1B, 0x2A, 0x3A, 70));
    g.setColorAt(1.0, QColor(0x1B, 0x2A, 0x3A, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.translate(c);
    p.scale(1, ry / rx);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

QBrush BladeBrush(const QPointF& c, double r, const QColor& base) {
    QLinearGradient g(c - QPointF(r, r), c + QPointF(r, r));
    g.setColorAt(0.0, Mix(base, Qt::white, 0.55));
    g.setColorAt(1.0, Mix(base, Qt::black, 0.2));
    return g;
}

// Dark opening of an end face with a rotor seen through it.
void OpenEnd(QPainter& p, const QRectF& end, int blades, const QColor& bladeColour, double lip) {
    QRadialGradient dark(end.center(), std::max(end.width(), end.height()) / 2);
    dark.setColorAt(0.0, QColor(0x3A, 0x44, 0x50));
    dark.setColorAt(1.0, kInterior);
    p.setPen(Outline(kOl));
    p.setBrush(dark);
    const QRectF inner = end.adjusted(lip * end.width() / end.height(), lip,
                                      -lip * end.width() / end.height(), -lip);
    p.drawEllipse(inner);
    AxialRotor(p, inner.center(), inner.width() * 0.46, inner.height() * 0.46, blades, -20,
               BladeBrush(inner.center(), inner.height() / 2, bladeColour),
               QColor(0x20, 0x3A, 0x5C));
}

// Scroll casing outline: a spiral from the cut-off (radius r0 at startDeg)
// growing clockwise to r1, running on straight into an outlet `outlet` long.
QPainterPath Scroll(const QPointF& c, double r0, double r1, double startDeg, double outlet) {
    auto unit = [](double deg) {
        const double a = qDegreesToRadians(deg);
        return QPointF(std::cos(a), std::sin(a));
    };
    QPainterPath path;
    for (int i = 0; i <= 90; ++i) {
        const double t = i / 90.0;
        const QPointF pt = c + unit(startDeg + 360 * t) * (r0 + (r1 - r0) * t);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    const QPointF dir = unit(startDeg + 90);
    const QPointF cutOff = c + unit(startDeg) * r0;
    path.lineTo(c + unit(startDeg) * r1 + dir * outlet);
    path.lineTo(cutOff + dir * outlet - unit(startDeg) * 2);
    path.closeSubpath();
    return path.simplified();
}

// Extrudes a casing outline back by `depth` in a dark shade, then paints its
// front face with `face`.
void Extruded(QPainter& p, const QPainterPath& outline, const QPointF& depth, const QColor& side,
              const QBrush& face) {
    p.setPen(Qt::NoPen);
    p.setBrush(side);
    for (int i = 10; i >= 1; --i)
        p.drawPath(outline.translated(depth * (i / 10.0)));
    p.setPen(Outline(kOl));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline.translated(depth));
    p.setBrush(face);
    p.drawPath(outline);
}

// Circular duct fan: compact moulded casing between two spigots.
void PaintPw(QPainter& p, const QSizeF&) {
    GroundShadow(p, QPointF(50, 86), 44, 6);
    CylinderX(p, 6, 22, 56, 18, 7, kPlastic, kOl);
    const QRectF face = CylinderX(p, 20, 58, 56, 30, 12, kPlastic, kOl);
    // Painted band round the body.
    p.setPen(Qt::NoPen);
    QPainterPath band;
    band.addRect(QRectF(30, 26, 6, 60));
    p.fillPath(band, QColor(kPaintBlue.red(), kPaintBlue.green(), kPaintBlue.blue(), 200));
    p.setPen(Outline(kOl));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(face);
    const QRectF end = CylinderX(p, 58, 80, 56, 20, 8.5, kPlastic, kOl);
    OpenEnd(p, end, 5, QColor(0xD8, 0xDE, 0xE4), 1.8);
    TerminalBox(p, QRectF(34, 17, 18, 10), kOl);
}

// Circular duct fan in a sound-insulated casing: cones into a larger flanged body.
void PaintMtzl(QPainter& p, const QSizeF&) {
    GroundShadow(p, QPointF(50, 88), 46, 6);
    CylinderX(p, 3, 16, 52, 15, 5.5, kSteel, kOl);
    auto cone = [&](double x0, double r0, double x1, double r1, double rx0, double rx1) {
        QPainterPath path;
        path.moveTo(x0, 52 - r0);
        path.lineTo(x1, 52 - r1);
        path.arcTo(QRectF(x1 - rx1, 52 - r1, 2 * rx1, 2 * r1), 90, -180);
        path.lineTo(x0, 52 + r0);
        path.arcTo(QRectF(x0 - rx0, 52 - r0, 2 * rx0, 2 * r0), 270, -180);
        path.closeSubpath();
        p.setPen(Outline(kOl));
        p.setBrush(
            Sheet(QPointF(0, 52 - std::max(r0, r1)), QPointF(0, 52 + std::max(r0, r1)), kSteel));
        p.drawPath(path);
    };
    cone(14, 15, 30, 27, 5.5, 10);
    CylinderX(p, 27, 31, 52, 30, 11, kSteelDark, kOl);
    CylinderX(p, 31, 59, 52, 27, 10, kPaintBlue, kOl);
    CylinderX(p, 58, 62, 52, 30, 11, kSteelDark, kOl);
    cone(61, 27, 80, 15, 10, 5.5);
    const QRectF end = CylinderX(p, 79, 92, 52, 15, 5.5, kSteel, kOl);
    OpenEnd(p, end, 5, QColor(0xD8, 0xDE, 0xE4), 1.5);
    TerminalBox(p, QRectF(37, 14, 16, 10), kOl);
}

// Rectangular duct fan: flanged box with the centrifugal wheel in its mouth.
void PaintMt(QPainter& p, const QSizeF&) {
    GroundShadow(p, QPointF(54, 84), 46, 6);
    const QRectF front(8, 36, 60, 44);
    const QPointF depth(24, -18);
    Box(p, front, depth, kSteel, kOl);
    // Flange lip round the mouth.
    const QRectF mouth = front.adjusted(6, 6, -6, -6);
    QLinearGradient inside(mouth.topLeft(), mouth.bottomLeft());
    inside.setColorAt(0.0, kInterior);
    inside.setColorAt(1.0, QColor(0x44, 0x4F, 0x5B));
    p.setPen(Outline(kOl));
    p.setBrush(inside);
    p.drawRect(mouth);
    p.save();
    p.setClipRect(mouth);
    CentrifugalWheel(p, mouth.center() + QPointF(0, 2), 17, 12, QColor(0xD8, 0xDE, 0xE4),
                     QColor(0x2C, 0x5E, 0x9C));
    p.restore();
    // Bolt holes in the flange corners.
    p.setPen(Qt::NoPen);
    p.setBrush(kSteelDark);
    for (const QPointF& c :
         {front.topLeft() + QPointF(3, 3), front.topRight() + QPointF(-3, 3),
          front.bottomLeft() + QPointF(3, -3), front.bottomRight() + QPointF(-3, -3)}) {
        p.drawEllipse(c, 1.3, 1.3);
    }
    // Terminal box on the side panel, sheared into its plane.
    p.save();
    p.translate(front.right() + 7, front.top() + 20);
    p.setTransform(QTransform(1, depth.y() / depth.x(), 0, 1, 0, 0), true);
    TerminalBox(p, QRectF(0, 0, 11, 10), kOl);
    p.restore();
}

// Roof fan, horizontal discharge: a cowl over the outlet ring on a roof base.
void PaintGhz(QPainter& p, const QSizeF&) {
    GroundShadow(p, QPointF(52, 90), 46, 5);
    Box(p, QRectF(10, 76, 66, 9), QPointF(16, -12), kSteelDark, kOl);
    CylinderY(p, 51, 54, 70, 25, 6, kSteel, kOl);
    // Outlet ring under the cowl, with its guard.
    QLinearGradient gap(26, 0, 76, 0);
    gap.setColorAt(0.0, QColor(0x3A, 0x44, 0x50));
    gap.setColorAt(1.0, kInterior);
    p.setPen(Outline(kOl));
    p.setBrush(gap);
    p.drawRect(QRectF(27, 42, 48, 12));
    p.setPen(QPen(QColor(0xB8, 0xC2, 0xCC), 0.9));
    for (double x = 30; x < 75; x += 3.4)
        p.drawLine(QPointF(x, 42.5), QPointF(x, 53.5));
    // Domed cowl.
    QPainterPath dome;
    dome.moveTo(13, 42);
    dome.cubicTo(13, 12, 89, 12, 89, 42);
    dome.arcTo(QRectF(13, 35, 76, 14), 0, -180);
    dome.closeSubpath();
    p.setPen(Outline(kOl));
    p.setBrush(Sheet(QPointF(13, 0), QPointF(89, 0), kSteel));
    p.drawPath(dome);
    QRadialGradient shine(QPointF(36, 24), 16);
    shine.setColorAt(0.0, QColor(255, 255, 255, 170));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QPointF(36, 26), 16, 9);
    FlowArrow(p, QPointF(28, 49), QPointF(2, 56), 4, brand::kSky);
    FlowArrow(p, QPointF(74, 49), QPointF(98, 56), 4, brand::kSky);
}

// Roof fan, vertical discharge: an upright casing blowing straight up.
void PaintGhj(QPainter& p, const QSizeF&) {
    GroundShadow(p, QPointF(52, 90), 46, 5);
    Box(p, QRectF(10, 76, 66, 9), QPointF(16, -12), kSteelDark, kOl);
    CylinderY(p, 51, 62, 70, 28, 6.5, kSteel, kOl); // base collar
    const QRectF top = CylinderY(p, 51, 34, 62, 23, 9, kSteel, kOl);
    QRadialGradient dark(top.center(), top.width() / 2);
    dark.setColorAt(0.0, QColor(0x3A, 0x44, 0x50));
    dark.setColorAt(1.0, kInterior);
    p.setPen(Outline(kOl));
    p.setBrush(dark);
    p.drawEllipse(top.adjusted(2.5, 1.2, -2.5, -1.2));
    AxialRotor(p, top.center(), 19, 7.3, 6, -20,
               BladeBrush(top.center(), 19, QColor(0xD8, 0xDE, 0xE4)), QColor(0x20, 0x3A, 0x5C),
               0.32);
    TerminalBox(p, QRectF(60, 46, 11, 8), kOl);
    FlowArrow(p, QPointF(51, 28), QPointF(51, 1), 4.6, brand::kSky);
    FlowArrow(p, QPointF(37, 30), QPointF(30, 8), 3.6, brand::kSky);
    FlowArrow(p, QPointF(65, 30), QPointF(72, 8), 3.6, brand::kSky);
}

// Wall fan: square wall plate, round orifice, axial rotor behind a guard.
void PaintBnbq(QPainter& p, const QSizeF&) {
    QPainterPath plate;
    plate.addRoundedRect(QRectF(7, 7, 86, 86), 9, 9);
    SoftShadow(p, plate, QPointF(1.5, 2.5), 3, QColor(0x1B, 0x2A, 0x3A, 110));
    QLinearGradient plateFill(7, 7, 93, 93);
    plateFill.setColorAt(0.0, kSteelLight);
    plateFill.setColorAt(1.0, QColor(0xB2, 0xBC, 0xC6));
    p.setPen(Outline(kOl));
    p.setBrush(plateFill);
    p.drawPath(plate);
    p.setPen(Qt::NoPen);
    p.setBrush(kSteelDark);
    for (const QPointF& c : {QPointF(15, 15), QPointF(85, 15), QPointF(15, 85), QPointF(85, 85)}) {
        p.drawEllipse(c, 2.2, 2.2);
    }
    const QPointF c(50, 50);
    // Inlet bell: a shaded ring.
    QLinearGradient bell(c - QPointF(40, 40), c + QPointF(40, 40));
    bell.setColorAt(0.0, QColor(0x8B, 0x96, 0xA2));
    bell.setColorAt(1.0, kSteelLight);
    p.setPen(Outline(kOl));
    p.setBrush(bell);
    p.drawEllipse(c, 40, 40);
    p.setBrush(kInterior);
    p.drawEllipse(c, 35, 35);
    AxialRotor(p, c, 33, 33, 5, -15, BladeBrush(c, 33, QColor(0x3B, 0x82, 0xD6)),
               QColor(0x1A, 0x30, 0x4A), 0.26);
    WireGuard(p, c, 35, 35, 3, 4, QColor(0xEE, 0xF2, 0xF6, 210), 1.3);
}

// Centrifugal wall fan: a hood on its wall plate, the motor dome in front and
// the air leaving through the louvred underside.
void PaintLw(QPainter& p, const QSizeF& box) {
    const double h = box.height();
    const QPointF depth(16, -12);
    const QRectF hood(8, 22, 58, h - 46);
    // Wall plate behind the hood.
    const QRectF plate(hood.left() + depth.x() - 8, hood.top() + depth.y() - 7, hood.width() + 16,
                       hood.height() + 16);
    QPainterPath plateShape;
    plateShape.addRect(plate);
    SoftShadow(p, plateShape, QPointF(1.5, 2), 2.5, QColor(0x1B, 0x2A, 0x3A, 90));
    p.setPen(Outline(kOl));
    p.setBrush(Sheet(plate.topLeft(), plate.bottomRight(), kSteel));
    p.drawPath(plateShape);
    Box(p, hood, depth, kPanel, kOl);
    // Motor dome of the external-rotor motor.
    const QPointF dome = hood.center() + QPointF(0, -3);
    QRadialGradient domeFill(dome + QPointF(-5, -5), 16);
    domeFill.setColorAt(0.0, QColor(0x6E, 0xA8, 0xE6));
    domeFill.setColorAt(1.0, QColor(0x0E, 0x4A, 0x93));
    p.setBrush(domeFill);
    p.drawEllipse(dome, 12, 12);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(dome, 7.5, 7.5);
    // Louvred outlet along the bottom of the front.
    const QRectF outlet(hood.left() + 4, hood.bottom() - 9, hood.width() - 8, 6);
    p.setPen(Outline(kOl * 0.8));
    p.setBrush(kInterior);
    p.drawRect(outlet);
    p.setPen(QPen(QColor(0xC9, 0xD1, 0xD9), 1.1));
    for (double x = outlet.left() + 3; x < outlet.right() - 1; x += 4) {
        p.drawLine(QPointF(x, outlet.top() + 0.8), QPointF(x - 1.5, outlet.bottom() - 0.8));
    }
    // Air blown down along the wall.
    for (double x : {hood.left() + 14, hood.center().x(), hood.right() - 14}) {
        FlowArrow(p, QPointF(x, hood.bottom() + 1), QPointF(x - 2, h - 2), 3.6, brand::kSky);
    }
}

// Acoustically insulated box fan: panelled box, lined end with the wheel inside.
void PaintUdy(QPainter& p, const QSizeF& box) {
    const double h = box.height();
    GroundShadow(p, QPointF(54, h - 5), 46, 5);
    const QRectF end(5, 30, 38, h - 36);
    const QPointF depth(50, -24);
    Box(p, end, depth, kPanel, kOl);
    // Corner profiles along the visible edges.
    p.setPen(QPen(kSteelDark, 2.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({end.topLeft(), end.topRight(), end.bottomRight(), end.bottomLeft()}));
    p.drawLine(end.topLeft(), end.topLeft() + depth);
    p.drawLine(end.topLeft() + depth, end.topRight() + depth);
    p.drawLine(end.topRight(), end.topRight() + depth);
    p.drawLine(end.topRight() + depth, end.bottomRight() + depth);
    p.drawLine(end.bottomRight(), end.bottomRight() + depth);
    // Panel joint halfway along the side.
    const QPointF mid = depth * 0.5;
    p.setPen(QPen(kSteelDark, 1.4));
    p.drawLine(end.topRight() + mid, end.bottomRight() + mid);
    p.drawLine(end.topLeft() + mid, end.topRight() + mid);
    // Insulation lining round the duct opening.
    const QRectF lining = end.adjusted(5, 5, -5, -5);
    p.setPen(Outline(kOl * 0.8));
    p.setBrush(QColor(0xF1, 0xDC, 0x8E));
    p.drawRect(lining);
    p.setPen(QPen(QColor(0xC9, 0xA9, 0x4A), 0.8));
    for (double y = lining.top() + 2; y < lining.bottom() - 1; y += 3) {
        QPainterPath wave;
        wave.moveTo(lining.left(), y);
        for (double x = lining.left(); x <= lining.right(); x += 2)
            wave.lineTo(x, y + ((static_cast<int>(x) / 2) % 2 ? 0.8 : -0.8));
        p.drawPath(wave);
    }
    const QRectF opening = lining.adjusted(4.5, 4.5, -4.5, -4.5);
    p.setPen(Outline(kOl));
    p.setBrush(kInterior);
    p.drawRect(opening);
    p.save();
    p.setClipRect(opening);
    CentrifugalWheel(p, opening.center(), opening.height() * 0.46, 10, QColor(0xD8, 0xDE, 0xE4),
                     QColor(0x2C, 0x5E, 0x9C));
    p.restore();
    // Screws at the panel corners.
    p.setPen(Qt::NoPen);
    p.setBrush(kSteelDark);
    for (double f : {0.12, 0.38, 0.62, 0.88}) {
        p.drawEllipse(end.topRight() + depth * f + QPointF(0, 4), 0.9, 0.9);
        p.drawEllipse(end.bottomRight() + depth * f + QPointF(0, -4), 0.9, 0.9);
    }
}

// Centrifugal fan: scroll casing with its outlet, inlet cone and the motor behind.
void PaintUvj(QPainter& p, const QSizeF&) {
    GroundShadow(p, QPointF(50, 92), 46, 5);
    const QPointF c(42, 58);
    const double r0 = 24;
    const double r1 = 37;
    // Motor on its pedestal behind the casing.
    p.setPen(Outline(kOl));
    p.setBrush(kSteelDark);
    p.drawRect(QRectF(64, 80, 26, 8));
    CylinderX(p, 62, 84, 70, 11, 4.5, QColor(0x55, 0x60, 0x6C), kOl);
    p.setPen(QPen(QColor(0x2A, 0x32, 0x3A), 0.8));
    for (double y = 62; y <= 78; y += 3.2)
        p.drawLine(QPointF(66, y), QPointF(82, y));
    QLinearGradient face(c - QPointF(r1, r1), c + QPointF(r1, r1));
    face.setColorAt(0.0, Mix(kPaintBlue, Qt::white, 0.45));
    face.setColorAt(0.55, kPaintBlue);
    face.setColorAt(1.0, Mix(kPaintBlue, Qt::black, 0.3));
    Extruded(p, Scroll(c, r0, r1, -90, 44), QPointF(7, -6), Mix(kPaintBlue, Qt::black, 0.45), face);
    // Outlet flange.
    Box(p, QRectF(c.x() + 42, c.y() - r1 - 2, 4, r1 - r0 + 6), QPointF(7, -6), kSteel, kOl);
    // Inlet cone and wheel.
    QLinearGradient cone(c - QPointF(17, 17), c + QPointF(17, 17));
    cone.setColorAt(0.0, kSteelDark);
    cone.setColorAt(1.0, kSteelLight);
    p.setPen(Outline(kOl));
    p.setBrush(cone);
    p.drawEllipse(c, 17, 17);
    p.setBrush(kInterior);
    p.drawEllipse(c, 13, 13);
    CentrifugalWheel(p, c, 12, 10, QColor(0xD8, 0xDE, 0xE4), QColor(0x2A, 0x33, 0x3D));
    // Feet.
    p.setPen(Outline(kOl));
    p.setBrush(kSteelDark);
    p.drawRect(QRectF(14, 88, 60, 4));
}

// Smoke and hot-gas fan: a heat-resistant scroll casing blowing upwards,
// the motor kept out of the gas stream behind a cooling disc.
void PaintUvx(QPainter& p, const QSizeF&) {
    GroundShadow(p, QPointF(52, 93), 46, 5);
    const QPointF c(48, 62);
    const double r0 = 19;
    const double r1 = 30;
    const QColor casing(0x4A, 0x52, 0x5C);
    // Motor on its pedestal, the shaft and the cooling disc between.
    p.setPen(Outline(kOl));
    p.setBrush(kSteelDark);
    p.drawRect(QRectF(70, 82, 24, 7));
    CylinderX(p, 72, 92, 70, 10, 4, kSteel, kOl);
    p.setPen(QPen(QColor(0x9E, 0xA8, 0xB2), 0.8));
    for (double y = 63; y <= 77; y += 3)
        p.drawLine(QPointF(75, y), QPointF(89, y));
    p.setPen(Outline(kOl));
    p.setBrush(kSteelDark);
    p.drawRect(QRectF(60, 68.5, 14, 3));
    QLinearGradient disc(0, 56, 0, 84);
    disc.setColorAt(0.0, kSteelLight);
    disc.setColorAt(1.0, kSteelDark);
    p.setBrush(disc);
    p.drawEllipse(QPointF(68, 70), 2.6, 12);
    // Casing: dark heat-resistant finish.
    QLinearGradient face(c - QPointF(r1, r1), c + QPointF(r1, r1));
    face.setColorAt(0.0, Mix(casing, Qt::white, 0.4));
    face.setColorAt(0.6, casing);
    face.setColorAt(1.0, Mix(casing, Qt::black, 0.35));
    Extruded(p, Scroll(c, r0, r1, 180, 34), QPointF(6, -5), Mix(casing, Qt::black, 0.5), face);
    // Outlet flange on top.
    p.setPen(Outline(kOl));
    p.setBrush(kSteel);
    p.drawRect(QRectF(c.x() - r1 - 3, c.y() - 34 - 3, r1 - r0 + 8, 3));
    // Inlet ring and wheel.
    p.setBrush(Sheet(c - QPointF(0, 14), c + QPointF(0, 14), kSteel));
    p.drawEllipse(c, 14, 14);
    p.setBrush(kInterior);
    p.drawEllipse(c, 10.5, 10.5);
    CentrifugalWheel(p, c, 9.5, 8, QColor(0xD8, 0xDE, 0xE4), QColor(0x2A, 0x33, 0x3D));
    // Temperature rating plate in signal orange.
    p.setPen(Outline(kOl * 0.6));
    p.setBrush(QColor(0xF2, 0x8C, 0x1C));
    p.drawRoundedRect(QRectF(c.x() - 8, c.y() + 19, 16, 6), 1, 1);
    // Smoke leaving the outlet.
    const QPointF mouth(c.x() - (r0 + r1) / 2 + 1, c.y() - 38);
    const struct {
        double dx, dy, r;
        int alpha;
    } puffs[] = {{0, -4, 6.5, 150}, {4, -11, 7.5, 125}, {10, -17, 7, 100}, {-3, -14, 5.5, 110}};
    for (const auto& puff : puffs) {
        const QPointF centre = mouth + QPointF(puff.dx, puff.dy);
        QRadialGradient smoke(centre - QPointF(puff.r * 0.3, puff.r * 0.3), puff.r * 1.2);
        smoke.setColorAt(0.0, QColor(0xB4, 0xBB, 0xC2, puff.alpha));
        smoke.setColorAt(1.0, QColor(0x6E, 0x77, 0x80, puff.alpha / 3));
        p.setPen(Qt::NoPen);
        p.setBrush(smoke);
        p.drawEllipse(centre, puff.r, puff.r * 0.85);
    }
}

// Long-cased axial duct fan: flanged tube on feet, high-pitch rotor in its mouth.
void PaintEh(QPainter& p, const QSizeF&) {
    GroundShadow(p, QPointF(50, 88), 46, 5);
    const double cy = 48;
    // Feet first, the casing stands on them.
    p.setPen(Outline(kOl));
    p.setBrush(kSteelDark);
    for (double x : {28.0, 52.0}) {
        p.drawPolygon(QPolygonF({{x + 2, 66}, {x + 12, 66}, {x + 14, 84}, {x, 84}}));
    }
    CylinderX(p, 18, 24, cy, 31, 15, kSteelDark, kOl);
    CylinderX(p, 22, 68, cy, 28, 13.5, kSteel, kOl);
    const QRectF flange = CylinderX(p, 66, 71, cy, 31, 15, kSteel, kOl);
    OpenEnd(p, flange, 7, QColor(0xC9, 0xD1, 0xD9), 3.2);
    TerminalBox(p, QRectF(36, 14, 16, 9), kOl);
    // Rating plate.
    p.setPen(Outline(kOl * 0.6));
    p.setBrush(QColor(0xF4, 0xF6, 0xF8));
    p.drawRoundedRect(QRectF(34, 40, 16, 10), 1, 1);
    p.fillRect(QRectF(35.5, 42, 13, 1.6), brand::kBlue);
}

// Axial plate fan seen from the front left: square plate, orifice, high-pitch
// rotor on its motor struts.
void PaintAq(QPainter& p, const QSizeF&) {
    GroundShadow(p, QPointF(54, 93), 40, 4.5);
    p.save();
    // The plate turned away to the right: narrowed and sheared into perspective.
    p.translate(14, 12);
    p.setTransform(QTransform(0.78, -0.16, 0, 1, 0, 0), true);
    const QRectF plate(0, 4, 84, 84);
    QPainterPath plateShape;
    plateShape.addRoundedRect(plate, 5, 5);
    p.setPen(Outline(kOl));
    p.setBrush(kSteelDark);
    p.drawPath(plateShape.translated(5, 0)); // plate edge
    QLinearGradient plateFill(plate.topLeft(), plate.bottomRight());
    plateFill.setColorAt(0.0, kSteelLight);
    plateFill.setColorAt(1.0, QColor(0xA6, 0xB1, 0xBC));
    p.setBrush(plateFill);
    p.drawPath(plateShape);
    const QPointF c = plate.center();
    p.setPen(Qt::NoPen);
    p.setBrush(kSteelDark);
    for (const QPointF& corner :
         {plate.topLeft() + QPointF(6, 6), plate.topRight() + QPointF(-6, 6),
          plate.bottomLeft() + QPointF(6, -6), plate.bottomRight() + QPointF(-6, -6)}) {
        p.drawEllipse(corner, 2.3, 2.3);
    }
    QLinearGradient bell(c - QPointF(38, 38), c + QPointF(38, 38));
    bell.setColorAt(0.0, QColor(0x8B, 0x96, 0xA2));
    bell.setColorAt(1.0, kSteelLight);
    p.setPen(Outline(kOl));
    p.setBrush(bell);
    p.drawEllipse(c, 38, 38);
    p.setBrush(kInterior);
    p.drawEllipse(c, 33, 33);
    // Motor struts behind the rotor.
    p.setPen(QPen(QColor(0x5A, 0x66, 0x72), 3));
    for (int i = 0; i < 3; ++i) {
        const double a = qDegreesToRadians(90.0 + i * 120.0);
        p.drawLine(c, c + QPointF(33 * std::cos(a), 33 * std::sin(a)));
    }
    AxialRotor(p, c, 31, 31, 6, -30, BladeBrush(c, 31, QColor(0xC9, 0xD1, 0xD9)),
               QColor(0x1A, 0x30, 0x4A), 0.3);
    p.restore();
}

} // namespace

const std::vector<FamilyPicture>& FamilyPictures() {
    static const std::vector<FamilyPicture> kFamilies = {
        {QStringLiteral("pw"), 60, 60, PaintPw},   {QStringLiteral("mtz"), 70, 70, PaintMtzl},
        {QStringLiteral("mt"), 80, 80, PaintMt},   {QStringLiteral("ghz"), 80, 80, PaintGhz},
        {QStringLiteral("ghj"), 80, 80, PaintGhj}, {QStringLiteral("bnbq"), 60, 60, PaintBnbq},
        {QStringLiteral("lw"), 70, 61, PaintLw},   {QStringLiteral("udy"), 75, 60, PaintUdy},
        {QStringLiteral("uvj"), 80, 80, PaintUvj}, {QStringLiteral("UVX"), 70, 70, PaintUvx},
        {QStringLiteral("EH"), 82, 82, PaintEh},   {QStringLiteral("AQ"), 80, 80, PaintAq},
    };
    return kFamilies;
}

} // namespace art
