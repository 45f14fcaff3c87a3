// The company page's large picture: the works, drawn flat, with a
// north-light hall, the office block under the brand name and roof fans on top.
#include "art_common.h"
#include "fan_mark.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

namespace art {
namespace {

constexpr int kWidth = 352;
constexpr int kHeight = 220;
constexpr double kGround = 172;

void Sky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kGround);
    sky.setColorAt(0.0, QColor(0xB9, 0xDC, 0xF6));
    sky.setColorAt(1.0, QColor(0xF2, 0xF8, 0xFD));
    p.fillRect(QRectF(0, 0, kWidth, kGround), sky);
    QRadialGradient sun(QPointF(70, 34), 60);
    sun.setColorAt(0.0, QColor(255, 255, 255, 200));
    sun.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, kWidth, kGround), sun);

    auto cloud = [&](double x, double y, double s) {
        QPainterPath c;
        c.setFillRule(Qt::WindingFill);
        c.addEllipse(QPointF(x, y), 16 * s, 7 * s);
        c.addEllipse(QPointF(x + 12 * s, y - 4 * s), 11 * s, 8 * s);
        c.addEllipse(QPointF(x - 10 * s, y + 1 * s), 10 * s, 5 * s);
        p.fillPath(c.simplified(), QColor(255, 255, 255, 210));
    };
    cloud(150, 30, 1.0);
    cloud(300, 22, 0.8);
    cloud(40, 58, 0.6);

    // Distant tree line.
    QPainterPath hills;
    hills.moveTo(0, kGround);
    hills.lineTo(0, 150);
    for (int x = 0; x <= kWidth; x += 8)
        hills.lineTo(x, 146 + 4 * ((x / 8) % 3 == 0) + 2 * ((x / 8) % 2));
    hills.lineTo(kWidth, kGround);
    p.fillPath(hills, QColor(0xC9, 0xDE, 0xD5));
}

void RoofFan(QPainter& p, double cx, double base, double w) {
    // A small mushroom roof fan: curb, cowl and cap.
    p.setPen(QPen(QColor(0x56, 0x63, 0x70), 0.6));
    p.setBrush(QColor(0xA9, 0xB3, 0xBD));
    p.drawRect(QRectF(cx - w * 0.35, base - w * 0.22, w * 0.7, w * 0.22));
    QLinearGradient cowl(cx - w / 2, 0, cx + w / 2, 0);
    cowl.setColorAt(0.0, QColor(0xF4, 0xF6, 0xF8));
    cowl.setColorAt(1.0, QColor(0x98, 0xA3, 0xAE));
    p.setBrush(cowl);
    QPainterPath dome;
    dome.moveTo(cx - w / 2, base - w * 0.22);
    dome.cubicTo(cx - w / 2, base - w * 0.75, cx + w / 2, base - w * 0.75, cx + w / 2,
                 base - w * 0.22);
    dome.closeSubpath();
    p.drawPath(dome);
}

void Hall(QPainter& p) {
    const double left = 22;
    const double right = 232;
    const double eaves = 108;
    const int teeth = 5;
    const double tooth = (right - left) / teeth;

    // Walls with vertical cladding.
    QLinearGradient wall(0, eaves, 0, kGround);
    wall.setColorAt(0.0, QColor(0xEC, 0xEF, 0xF2));
    wall.setColorAt(1.0, QColor(0xD9, 0xDF, 0xE5));
    p.fillRect(QRectF(left, eaves, right - left, kGround - eaves), wall);
    p.setPen(QPen(QColor(0xC7, 0xCF, 0xD7), 0.6));
    for (double x = left + 4; x < right; x += 4)
        p.drawLine(QPointF(x, eaves + 1), QPointF(x, kGround));

    // Sawtooth roof: glazed north faces and sloping sheets.
    for (int i = 0; i < teeth; ++i) {
        const double x0 = left + i * tooth;
        QPolygonF glass({{x0, eaves}, {x0, eaves - 22}, {x0 + 6, eaves - 22}, {x0 + 6, eaves}});
        QPolygonF sheet({{x0, eaves - 22}, {x0 + tooth, eaves}, {x0, eaves}});
        QLinearGradient sheetFill(x0, eaves - 22, x0 + tooth, eaves);
        sheetFill.setColorAt(0.0, QColor(0x8F, 0x9C, 0xA9));
        sheetFill.setColorAt(1.0, QColor(0x6B, 0x78, 0x86));
        p.setPen(Qt::NoPen);
        p.setBrush(sheetFill);
        p.drawPolygon(sheet);
        QLinearGradient glassFill(x0, eaves - 22, x0, eaves);
        glassFill.setColorAt(0.0, QColor(0xA8, 0xD4, 0xF5));
        glassFill.setColorAt(1.0, QColor(0x3D, 0x7F, 0xBF));
        p.setBrush(glassFill);
        p.drawPolygon(QPolygonF(
            {{x0, eaves - 22}, {x0 + 0.1, eaves}, {x0 + 5, eaves - 3}, {x0 + 5, eaves - 19.5}}));
        p.setPen(QPen(QColor(0x4C, 0x58, 0x65), 0.7));
        p.drawLine(QPointF(x0, eaves - 22), QPointF(x0 + tooth, eaves));
        (void)glass;
    }
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(left - 1, eaves - 1, right - left + 2, 2.5), QColor(0x4C, 0x58, 0x65));

    // Window band.
    for (double x = left + 8; x + 14 < right - 4; x += 17) {
        QLinearGradient pane(x, 118, x + 14, 130);
        pane.setColorAt(0.0, QColor(0x9E, 0xCF, 0xF4));
        pane.setColorAt(1.0, QColor(0x2F, 0x6F, 0xA8));
        p.fillRect(QRectF(x, 118, 14, 10), pane);
    }

    // Loading doors.
    for (double x : {48.0, 88.0, 128.0}) {
        p.fillRect(QRectF(x - 1.5, 138.5, 29, 33.5), QColor(0x4C, 0x58, 0x65));
        QLinearGradient door(0, 140, 0, kGround);
        door.setColorAt(0.0, QColor(0xC4, 0xCC, 0xD4));
        door.setColorAt(1.0, QColor(0xA4, 0xAE, 0xB8));
        p.fillRect(QRectF(x, 140, 26, kGround - 140), door);
        p.setPen(QPen(QColor(0x8E, 0x99, 0xA4), 0.5));
        for (double y = 143; y < kGround; y += 3)
            p.drawLine(QPointF(x, y), QPointF(x + 26, y));
        p.setPen(Qt::NoPen);
    }
    // Brand stripe along the hall.
    p.fillRect(QRectF(left, 133, right - left, 2.2), brand::kBlue);
}

void Office(QPainter& p) {
    const QRectF block(222, 64, 110, kGround - 64);
    QLinearGradient facade(block.topLeft(), block.topRight());
    facade.setColorAt(0.0, QColor(0x16, 0x3C, 0x66));
    facade.setColorAt(1.0, brand::kNavyDeep);
    p.fillRect(block, facade);

    // Glazing grid with a diagonal reflection.
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            const QRectF pane(block.left() + 8 + col * 19.6, block.top() + 30 + row * 15, 15, 11);
            QLinearGradient glass(pane.topLeft(), pane.bottomRight());
            glass.setColorAt(0.0, QColor(0x8F, 0xC6, 0xF0));
            glass.setColorAt(0.5, QColor(0x4A, 0x8C, 0xC8));
            glass.setColorAt(1.0, QColor(0x2A, 0x62, 0x9A));
            p.fillRect(pane, glass);
        }
    }
    // Entrance with canopy.
    p.fillRect(QRectF(block.center().x() - 12, kGround - 20, 24, 20), QColor(0x9E, 0xCF, 0xF4));
    p.fillRect(QRectF(block.center().x() - 0.5, kGround - 20, 1, 20), QColor(0x16, 0x3C, 0x66));
    p.fillRect(QRectF(block.center().x() - 18, kGround - 23, 36, 3), QColor(0xE6, 0xEA, 0xEE));

    // Sign band.
    p.fillRect(QRectF(block.left(), block.top(), block.width(), 21), brand::kBlue);
    FanMarkStyle mark;
    mark.blades = Qt::white;
    mark.hub = brand::kNavy;
    mark.ring = Qt::white;
    mark.ringWidth = 0.12;
    DrawFanMark(p, QPointF(block.left() + 13, block.top() + 10.5), 7.5, mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    DrawSpacedText(p, QPointF(block.left() + 26, block.top() + 15.5), QStringLiteral("VANDREL"),
                   BrandFont(13, true), 2.6);

    p.fillRect(QRectF(block.left() - 1, block.top() - 2.5, block.width() + 2, 2.5),
               QColor(0x4C, 0x58, 0x65));
    RoofFan(p, 246, block.top() - 2.5, 16);
    RoofFan(p, 306, block.top() - 2.5, 16);
}

void Tree(QPainter& p, double x, double base, double s) {
    p.fillRect(QRectF(x - 1.2 * s, base - 12 * s, 2.4 * s, 12 * s), QColor(0x7A, 0x5A, 0x3C));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4C, 0x8F, 0x50));
    p.drawEllipse(QPointF(x, base - 20 * s), 10 * s, 12 * s);
    p.setBrush(QColor(0x63, 0xA8, 0x62));
    p.drawEllipse(QPointF(x - 2.5 * s, base - 23 * s), 6.5 * s, 8 * s);
}

void Ground(QPainter& p) {
    QLinearGradient lawn(0, kGround, 0, kGround + 14);
    lawn.setColorAt(0.0, QColor(0x9F, 0xCB, 0x92));
    lawn.setColorAt(1.0, QColor(0x8B, 0xBC, 0x80));
    p.fillRect(QRectF(0, kGround, kWidth, 14), lawn);
    p.fillRect(QRectF(0, kGround + 14, kWidth, kHeight - kGround - 14), QColor(0xCF, 0xD5, 0xDB));
    p.fillRect(QRectF(0, kGround + 14, kWidth, 1.5), QColor(0xB4, 0xBC, 0xC4));
    for (double x = 6; x < kWidth; x += 22)
        p.fillRect(QRectF(x, 203, 11, 1.6), Qt::white);
    // Path from the office door.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xDF, 0xE3, 0xE7));
    p.drawPolygon(
        QPolygonF({{265, kGround}, {289, kGround}, {294, kGround + 14}, {260, kGround + 14}}));
}

void Truck(QPainter& p) {
    const double y = 210;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QPointF(170, y + 0.5), 40, 2.5);
    // Box body in brand navy with the mark.
    p.fillRect(QRectF(134, y - 27, 52, 23), QColor(0xF4, 0xF6, 0xF8));
    p.fillRect(QRectF(134, y - 11, 52, 7), brand::kNavy);
    FanMarkStyle mark;
    mark.blades = brand::kBlue;
    mark.hub = brand::kNavy;
    mark.ring = brand::kNavy;
    mark.ringWidth = 0.14;
    DrawFanMark(p, QPointF(142, y - 18), 5.5, mark);
    p.setBrush(brand::kNavy);
    DrawSpacedText(p, QPointF(150, y - 15), QStringLiteral("VANDREL"), BrandFont(6, true), 0.4);
    // Cab.
    QPainterPath cab;
    cab.moveTo(187, y - 4);
    cab.lineTo(187, y - 22);
    cab.lineTo(198, y - 22);
    cab.lineTo(205, y - 12);
    cab.lineTo(205, y - 4);
    cab.closeSubpath();
    p.fillPath(cab, brand::kBlue);
    p.fillPath(
        [&] {
            QPainterPath w;
            w.moveTo(190, y - 19);
            w.lineTo(197, y - 19);
            w.lineTo(201.5, y - 13);
            w.lineTo(190, y - 13);
            w.closeSubpath();
            return w;
        }(),
        QColor(0xBF, 0xE0, 0xFA));
    for (double x : {145.0, 176.0, 198.0}) {
        p.setBrush(QColor(0x26, 0x2C, 0x33));
        p.drawEllipse(QPointF(x, y - 3), 4, 4);
        p.setBrush(QColor(0xA9, 0xB3, 0xBD));
        p.drawEllipse(QPointF(x, y - 3), 1.6, 1.6);
    }
}

void PaintBuilding(QPainter& p) {
    Sky(p);
    Tree(p, 10, kGround, 1.1);
    Hall(p);
    Office(p);
    Ground(p);
    Tree(p, 204, kGround + 2, 0.9);
    Tree(p, 342, kGround + 2, 1.2);
    Truck(p);
}

} // namespace

QImage MakeCompanyBuilding() {
    return RenderSupersampled(kWidth, kHeight, 3, Qt::white, PaintBuilding);
}

} // namespace art
