// The second company picture, beside the founder's story: a blueprint of the
// backward-curved impeller the range grew from.
#include "art_common.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QtMath>

#include <cmath>

namespace art {
namespace {

constexpr int kWidth = 153;
constexpr int kHeight = 185;
const QColor kLine(0xEA, 0xF4, 0xFF);

QPointF Polar(const QPointF& c, double r, double deg) {
    const double a = qDegreesToRadians(deg);
    return c + QPointF(r * std::cos(a), r * std::sin(a));
}

void Paper(QPainter& p) {
    QLinearGradient bg(0, 0, kWidth, kHeight);
    bg.setColorAt(0.0, QColor(0x17, 0x4E, 0x86));
    bg.setColorAt(1.0, QColor(0x0C, 0x35, 0x62));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), bg);
    p.setPen(QPen(QColor(255, 255, 255, 22), 0.5));
    for (double x = 4.5; x < kWidth; x += 8)
        p.drawLine(QPointF(x, 0), QPointF(x, kHeight));
    for (double y = 4.5; y < kHeight; y += 8)
        p.drawLine(QPointF(0, y), QPointF(kWidth, y));
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4.5, 4.5, kWidth - 9, kHeight - 9));
}

void Impeller(QPainter& p, const QPointF& c) {
    const double outer = 50;
    const double inner = 21;
    const int blades = 10;
    // Shroud and inlet.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLine, 1.3));
    p.drawEllipse(c, outer, outer);
    p.setPen(QPen(kLine, 0.8));
    p.drawEllipse(c, inner, inner);
    p.drawEllipse(c, 8, 8);
    p.drawEllipse(c, 3, 3);
    // Backward-curved blades: arcs from the inlet to the rim, trailing the rotation.
    p.setPen(QPen(kLine, 1.1));
    for (int i = 0; i < blades; ++i) {
        const double a = i * 360.0 / blades;
        QPainterPath blade;
        blade.moveTo(Polar(c, inner + 1, a));
        blade.cubicTo(Polar(c, inner + 12, a - 12), Polar(c, outer - 12, a - 30),
                      Polar(c, outer - 1.5, a - 44));
        p.drawPath(blade);
    }
    // Rotation arrow.
    p.setPen(QPen(QColor(0xFF, 0xD1, 0x66), 1.0));
    QPainterPath arrow;
    arrow.arcMoveTo(QRectF(c.x() - 57, c.y() - 57, 114, 114), 120);
    arrow.arcTo(QRectF(c.x() - 57, c.y() - 57, 114, 114), 120, -50);
    p.drawPath(arrow);
    const QPointF tip = Polar(c, 57, -70);
    p.setBrush(QColor(0xFF, 0xD1, 0x66));
    p.setPen(Qt::NoPen);
    p.drawPolygon(
        QPolygonF({tip + QPointF(4.5, 1.5), tip + QPointF(-2.5, -3.5), tip + QPointF(-1.0, 4.0)}));
}

void CentreLines(QPainter& p, const QPointF& c) {
    QPen dashDot(QColor(255, 255, 255, 150), 0.6);
    dashDot.setDashPattern({10, 3, 1.5, 3});
    p.setPen(dashDot);
    p.drawLine(QPointF(c.x() - 60, c.y()), QPointF(c.x() + 60, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - 60), QPointF(c.x(), c.y() + 60));
}

void Dimension(QPainter& p, const QPointF& c) {
    // Diameter dimension under the wheel.
    const double y = c.y() + 60;
    p.setPen(QPen(kLine, 0.6));
    p.drawLine(QPointF(c.x() - 50, c.y() + 4), QPointF(c.x() - 50, y + 3));
    p.drawLine(QPointF(c.x() + 50, c.y() + 4), QPointF(c.x() + 50, y + 3));
    p.drawLine(QPointF(c.x() - 50, y), QPointF(c.x() + 50, y));
    p.setBrush(kLine);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({{c.x() - 50, y}, {c.x() - 45, y - 1.8}, {c.x() - 45, y + 1.8}}));
    p.drawPolygon(QPolygonF({{c.x() + 50, y}, {c.x() + 45, y - 1.8}, {c.x() + 45, y + 1.8}}));
    const QRectF label(c.x() - 13, y - 5, 26, 10);
    p.fillRect(label, QColor(0x12, 0x44, 0x78));
    p.setPen(kLine);
    p.setFont(BrandFont(8));
    p.drawText(label, Qt::AlignCenter, QString::fromUtf8("\u00D8 500"));
}

void TitleBlock(QPainter& p) {
    const QRectF block(4.5, kHeight - 27.5, kWidth - 9, 23);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    p.setBrush(QColor(0x0A, 0x2E, 0x56, 160));
    p.drawRect(block);
    p.drawLine(QPointF(block.left() + 44, block.top()), QPointF(block.left() + 44, block.bottom()));
    p.setPen(kLine);
    p.setFont(BrandFont(11, true));
    p.drawText(QRectF(block.left(), block.top(), 44, block.height()), Qt::AlignCenter,
               QStringLiteral("FIG. 1"));
    p.setFont(BrandFont(7.5, true));
    p.drawText(QRectF(block.left() + 50, block.top() + 3, 100, 9), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("VANDREL"));
    p.setFont(BrandFont(7.5));
    p.drawText(QRectF(block.left() + 50, block.top() + 12, 100, 9),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Backward-curved impeller"));
}

void PaintEmblem(QPainter& p) {
    const QPointF c(76.5, 74);
    Paper(p);
    CentreLines(p, c);
    Impeller(p, c);
    Dimension(p, c);
    TitleBlock(p);
}

} // namespace

QImage MakeCompanyEmblem() {
    return RenderSupersampled(kWidth, kHeight, 4, Qt::white, PaintEmblem);
}

} // namespace art
