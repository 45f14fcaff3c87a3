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

constexpr double kOl = 1.5;  // outline width in box units
const QColor kPaintBlue(0x2F, 0x6D, 0xB5);
const QColor kPanel(0xE6, 0xEB, 0xF0);

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
    const QRectF inner = end.adjusted(lip * end.width() / end.height(), lip, -lip * end.width() / end.height(), -lip);
    p.drawEllipse(inner);
    AxialRotor(p, inner.center(), inner.width() * 0.46, inner.height() * 0.46, blades, -20,
               BladeBrush(inner.center(), inner.height() / 2, bladeColour), QColor(0x20, 0x3A, 0x5C));
}

// Circular duct fan: compact cylinder between two spigots.
void PaintPw(QPainter& p, const QSizeF&) {
    GroundShadow(p, QPointF(50, 86), 44, 6);
    CylinderX(p, 6, 22, 56, 18, 7, kSteel, kOl);
    const QRectF face = CylinderX(p, 20, 58, 56, 30, 12, kSteel, kOl);
    // Painted band round the body.
    p.setPen(Qt::NoPen);
    QPainterPath band;
    band.addRect(QRectF(30, 26, 6, 60));
    p.fillPath(band, QColor(kPaintBlue.red(), kPaintBlue.green(), kPaintBlue.blue(), 200));
    p.setPen(Outline(kOl));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(face);
    const QRectF end = CylinderX(p, 58, 80, 56, 20, 8.5, kSteel, kOl);
    OpenEnd(p, end, 5, QColor(0xD8, 0xDE, 0xE4), 1.8);
    TerminalBox(p, QRectF(34, 17, 18, 10), kOl);
}

// Mixed-flow circular duct fan: cones into a larger flanged body.
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
        p.setBrush(Sheet(QPointF(0, 52 - std::max(r0, r1)), QPointF(0, 52 + std::max(r0, r1)), kSteel));
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
    CentrifugalWheel(p, mouth.center() + QPointF(0, 2), 17, 12, QColor(0xD8, 0xDE, 0xE4), QColor(0x2C, 0x5E, 0x9C));
    p.restore();
    // Bolt holes in the flange corners.
    p.setPen(Qt::NoPen);
    p.setBrush(kSteelDark);
    for (const QPointF& c : {front.topLeft() + QPointF(3, 3), front.topRight() + QPointF(-3, 3),
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
    for (double x = 30; x < 75; x += 3.4) p.drawLine(QPointF(x, 42.5), QPointF(x, 53.5));
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
    CylinderY(p, 51, 62, 70, 28, 6.5, kSteel, kOl);  // base collar
    const QRectF top = CylinderY(p, 51, 34, 62, 23, 9, kSteel, kOl);
    QRadialGradient dark(top.center(), top.width() / 2);
    dark.setColorAt(0.0, QColor(0x3A, 0x44, 0x50));
    dark.setColorAt(1.0, kInterior);
    p.setPen(Outline(kOl));
    p.setBrush(dark);
    p.drawEllipse(top.adjusted(2.5, 1.2, -2.5, -1.2));
    AxialRotor(p, top.center(), 19, 7.3, 6, -20, BladeBrush(top.center(), 19, QColor(0xD8, 0xDE, 0xE4)),
               QColor(0x20, 0x3A, 0x5C), 0.32);
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
    AxialRotor(p, c, 33, 33, 5, -15, BladeBrush(c, 33, QColor(0x3B, 0x82, 0xD6)), QColor(0x1A, 0x30, 0x4A), 0.26);
    WireGuard(p, c, 35, 35, 3, 4, QColor(0xEE, 0xF2, 0xF6, 210), 1.3);
}

// Wall fan with gravity shutter: square casing, slats half open over the rotor.
void PaintLw(QPainter& p, const QSizeF& box) {
    const double h = box.height();
    GroundShadow(p, QPointF(52, h - 6), 44, 5);
    const QRectF front(8, 16, 68, h - 24);
    Box(p, front, QPointF(16, -12), kSteel, kOl);
    const QRectF opening = front.adjusted(6, 6, -6, -6);
    p.setPen(Outline(kOl));
    p.setBrush(kInterior);
    p.drawRect(opening);
    p.save();
    p.setClipRect(opening);
    const double r = opening.height() * 0.47;
    AxialRotor(p, opening.center(), r, r, 5, -10, BladeBrush(opening.center(), r, QColor(0x3B, 0x82, 0xD6)),
               QColor(0x1A, 0x30, 0x4A), 0.26);
    // Shutter slats, tilted open: each a lit top face and a shaded edge.
    const int slats = 6;
    const double pitch = opening.height() / slats;
    for (int i = 0; i < slats; ++i) {
        const double y = opening.top() + i * pitch + 0.5;
        QPolygonF slat({{opening.left(), y}, {opening.right(), y}, {opening.right(), y + pitch * 0.5},
                        {opening.left(), y + pitch * 0.5}});
        QLinearGradient fill(0, y, 0, y + pitch * 0.5);
        fill.setColorAt(0.0, kSteelLight);
        fill.setColorAt(1.0, QColor(0xA9, 0xB4, 0xBF));
        p.setPen(QPen(kOutline, kOl * 0.6));
        p.setBrush(fill);
        p.drawPolygon(slat);
    }
    p.restore();
    p.setPen(Outline(kOl));
    p.setBrush(Qt::NoBrush);
    p.drawRect(opening);
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
        for (double x = lining.left(); x <= lining.right(); x += 2) wave.lineTo(x, y + ((static_cast<int>(x) / 2) % 2 ? 0.8 : -0.8));
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
    auto scroll = [&](const QPointF& shift) {
        QPainterPath path;
        for (int i = 0; i <= 90; ++i) {
            const double t = i / 90.0;
            const double a = qDegreesToRadians(-90 + 360 * t);
            const double r = r0 + (r1 - r0) * t;
            const QPointF pt = c + shift + QPointF(r * std::cos(a), r * std::sin(a));
            if (i == 0) path.moveTo(pt);
            else path.lineTo(pt);
        }
        path.lineTo(c + shift + QPointF(44, -r1));
        path.lineTo(c + shift + QPointF(44, -r0 + 2));
        path.closeSubpath();
        return path.simplified();
    };
    // Motor on its pedestal behind the casing.
    p.setPen(Outline(kOl));
    p.setBrush(kSteelDark);
    p.drawRect(QRectF(64, 80, 26, 8));
    CylinderX(p, 62, 84, 70, 11, 4.5, QColor(0x55, 0x60, 0x6C), kOl);
    p.setPen(QPen(QColor(0x2A, 0x32, 0x3A), 0.8));
    for (double y = 62; y <= 78; y += 3.2) p.drawLine(QPointF(66, y), QPointF(82, y));
    // Casing: the scroll extruded back, then its front face.
    const QPointF depth(7, -6);
    p.setPen(Qt::NoPen);
    p.setBrush(Mix(kPaintBlue, Qt::black, 0.45));
    for (int i = 10; i >= 1; --i) p.drawPath(scroll(depth * (i / 10.0)));
    p.setPen(Outline(kOl));
    p.setBrush(Qt::NoBrush);
    p.drawPath(scroll(depth));
    QLinearGradient face(c - QPointF(r1, r1), c + QPointF(r1, r1));
    face.setColorAt(0.0, Mix(kPaintBlue, Qt::white, 0.45));
    face.setColorAt(0.55, kPaintBlue);
    face.setColorAt(1.0, Mix(kPaintBlue, Qt::black, 0.3));
    p.setBrush(face);
    p.drawPath(scroll(QPointF(0, 0)));
    // Outlet flange.
    Box(p, QRectF(c.x() + 42, c.y() - r1 - 2, 4, r1 - r0 + 6), QPointF(7, -6), kSteel, kOl);
    // Inlet cone and wheel.
    QLinearGradient cone(c - QPointF(17, 17), c + QPointF(17, 17));
    cone.setColorAt(0.0, kSteelDark);
    cone.setColorAt(1.0, kSteelLight);
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

// Cabinet extract unit: panelled cube with an access door, inlet louvres and
// a round outlet spigot on top.
void PaintUvx(QPainter& p, const QSizeF&) {
    GroundShadow(p, QPointF(54, 92), 44, 5);
    const QRectF front(8, 38, 60, 50);
    const QPointF depth(24, -18);
    Box(p, front, depth, kPanel, kOl);
    // Door with handles.
    const QRectF door = front.adjusted(5, 5, -5, -5);
    p.setPen(Outline(kOl * 0.8));
    QLinearGradient doorFill(door.topLeft(), door.bottomRight());
    doorFill.setColorAt(0.0, Qt::white);
    doorFill.setColorAt(1.0, QColor(0xD3, 0xDA, 0xE1));
    p.setBrush(doorFill);
    p.drawRect(door);
    p.setBrush(QColor(0x2A, 0x33, 0x3D));
    p.drawRoundedRect(QRectF(door.right() - 5, door.top() + 6, 2.6, 8), 1, 1);
    p.drawRoundedRect(QRectF(door.right() - 5, door.bottom() - 14, 2.6, 8), 1, 1);
    // Inlet louvres in the door.
    for (int i = 0; i < 5; ++i) {
        const QRectF slot(door.left() + 6, door.top() + 12 + i * 5.2, door.width() - 16, 2.6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3A, 0x44, 0x50));
        p.drawRoundedRect(slot, 1.3, 1.3);
    }
    // Brand stripe.
    p.fillRect(QRectF(door.left(), door.top() + 3, door.width(), 3), brand::kBlue);
    // Outlet spigot on the top face.
    const QPointF topCentre = front.topLeft() + QPointF(front.width() / 2, 0) + depth * 0.5;
    const QRectF mouth = CylinderY(p, topCentre.x(), topCentre.y() - 12, topCentre.y(), 15, 5.5, kSteel, kOl);
    p.setPen(Outline(kOl));
    p.setBrush(kInterior);
    p.drawEllipse(mouth.adjusted(2.2, 1, -2.2, -1));
    FlowArrow(p, QPointF(topCentre.x(), topCentre.y() - 14), QPointF(topCentre.x(), 2), 4.4, brand::kSky);
}

// Short-cased axial fan seen from the front: flange, rotor and motor hub.
void PaintEh(QPainter& p, const QSizeF&) {
    GroundShadow(p, QPointF(52, 93), 42, 4.5);
    const double cy = 50;
    CylinderX(p, 30, 52, cy, 40, 28, kSteel, kOl);
    // Flange with bolt holes.
    const QRectF flange(24, cy - 43, 56, 86);
    QLinearGradient ring(flange.topLeft(), flange.bottomRight());
    ring.setColorAt(0.0, kSteelLight);
    ring.setColorAt(1.0, QColor(0x98, 0xA4, 0xB0));
    p.setPen(Outline(kOl));
    p.setBrush(ring);
    p.drawEllipse(flange);
    p.setPen(Qt::NoPen);
    p.setBrush(kSteelDark);
    for (int i = 0; i < 12; ++i) {
        const double a = qDegreesToRadians(15.0 + i * 30.0);
        p.drawEllipse(flange.center() + QPointF(26 * std::cos(a), 41 * std::sin(a)), 1.2, 1.6);
    }
    const QRectF opening = flange.adjusted(5, 7, -5, -7);
    p.setPen(Outline(kOl));
    p.setBrush(kInterior);
    p.drawEllipse(opening);
    const QPointF c = opening.center();
    AxialRotor(p, c, opening.width() / 2 - 1.5, opening.height() / 2 - 1.5, 7, -25,
               BladeBrush(c, opening.height() / 2, QColor(0xC9, 0xD1, 0xD9)), QColor(0x1A, 0x30, 0x4A), 0.3);
    // Feet.
    p.setPen(Outline(kOl));
    p.setBrush(kSteelDark);
    p.drawRect(QRectF(30, 88, 14, 4));
    p.drawRect(QRectF(60, 88, 14, 4));
}

// Long-cased axial fan in side view: flanged tube on feet, rotor in its mouth.
void PaintAq(QPainter& p, const QSizeF&) {
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

}  // namespace

const std::vector<FamilyPicture>& FamilyPictures() {
    static const std::vector<FamilyPicture> kFamilies = {
        {QStringLiteral("pw"), 60, 60, PaintPw},     {QStringLiteral("mtz"), 70, 70, PaintMtzl},
        {QStringLiteral("mt"), 80, 80, PaintMt},     {QStringLiteral("ghz"), 80, 80, PaintGhz},
        {QStringLiteral("ghj"), 80, 80, PaintGhj},   {QStringLiteral("bnbq"), 60, 60, PaintBnbq},
        {QStringLiteral("lw"), 70, 61, PaintLw},     {QStringLiteral("udy"), 75, 60, PaintUdy},
        {QStringLiteral("uvj"), 80, 80, PaintUvj},   {QStringLiteral("UVX"), 70, 70, PaintUvx},
        {QStringLiteral("EH"), 82, 82, PaintEh},     {QStringLiteral("AQ"), 80, 80, PaintAq},
    };
    return kFamilies;
}

}  // namespace art
