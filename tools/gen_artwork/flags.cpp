// National flags at the start page's flag size. Straight bands sit on whole
// pixels so they stay sharp; only the Union Flag's diagonals are smoothed.
#include "art_common.h"
#include "pictures.h"

#include <QLineF>
#include <QPolygonF>

#include <cmath>

namespace art {
namespace {

constexpr int kFlagWidth = 58;

// A faint darker edge keeps white fields from dissolving into the white page.
void Edge(QImage& img) {
    QPainter p(&img);
    p.setPen(QColor(0, 0, 0, 46));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, img.width() - 1, img.height() - 1));
}

QImage Blank(int h, const QColor& c) {
    QImage img(kFlagWidth, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

void Fill(QImage& img, int x0, int y0, int x1, int y1, const QColor& c) {
    QPainter p(&img);
    p.fillRect(QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1)), c);
}

// Nordic cross: hoist-side field width, cross width, band top and height.
QImage NordicCross(int h, const QColor& field, const QColor& cross, int hoist, int crossW, int top,
                   int crossH) {
    QImage img = Blank(h, field);
    Fill(img, hoist, 0, hoist + crossW, h, cross);
    Fill(img, 0, top, kFlagWidth, top + crossH, cross);
    Edge(img);
    return img;
}

QImage Tricolour(int h, const QColor& a, const QColor& b, const QColor& c) {
    QImage img = Blank(h, b);
    // 19 + 20 + 19: the odd pixel goes to the middle band.
    Fill(img, 0, 0, 19, h, a);
    Fill(img, 39, 0, kFlagWidth, h, c);
    Edge(img);
    return img;
}

} // namespace

QImage MakeFlagSweden() {
    // Proportions 5:2:9 across, 4:2:4 down.
    return NordicCross(40, QColor(0x00, 0x6A, 0xA7), QColor(0xFE, 0xCC, 0x02), 18, 7, 16, 8);
}

QImage MakeFlagFinland() {
    // Proportions 5:3:10 across, 4:3:4 down.
    return NordicCross(40, Qt::white, QColor(0x00, 0x2F, 0x6C), 16, 10, 15, 10);
}

QImage MakeFlagFrance() {
    return Tricolour(39, QColor(0x00, 0x55, 0xA4), Qt::white, QColor(0xEF, 0x41, 0x35));
}

QImage MakeFlagItaly() {
    return Tricolour(40, QColor(0x00, 0x92, 0x46), QColor(0xF4, 0xF5, 0xF0),
                     QColor(0xCE, 0x2B, 0x37));
}

QImage MakeFlagUk() {
    constexpr int h = 39;
    const QColor blue(0x01, 0x21, 0x69);
    const QColor red(0xC8, 0x10, 0x2E);
    const double unit = h / 30.0; // the flag's widths are thirtieths of its height
    const QPointF centre(kFlagWidth / 2.0, h / 2.0);

    return [&] {
        QImage img = RenderSupersampled(kFlagWidth, h, 4, blue, [&](QPainter& p) {
            const QRectF field(0, 0, kFlagWidth, h);
            p.setClipRect(field);
            const QPointF corners[4] = {{0, 0}, {kFlagWidth, 0}, {kFlagWidth, h}, {0, h}};

            // White saltire, 6 units wide.
            p.setPen(QPen(Qt::white, 6 * unit, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QLineF(corners[0], corners[2]).p1() - (corners[2] - corners[0]) * 0.1,
                       corners[2] + (corners[2] - corners[0]) * 0.1);
            p.drawLine(corners[1] - (corners[3] - corners[1]) * 0.1,
                       corners[3] + (corners[3] - corners[1]) * 0.1);

            // Red saltire, 2 units, counterchanged: in each arm it lies on the
            // clockwise side of the arm's centre line (broad white above it in
            // the upper hoist, below it in the upper fly).
            p.setPen(Qt::NoPen);
            p.setBrush(red);
            for (const QPointF& corner : corners) {
                const QPointF arm = corner - centre;
                const double len = std::hypot(arm.x(), arm.y());
                const QPointF a = arm / len;
                const QPointF n(a.y(), -a.x());
                const QPointF far = corner + a * 4.0;
                p.save();
                p.setClipRect(QRectF(corner.x() < centre.x() ? 0 : centre.x(),
                                     corner.y() < centre.y() ? 0 : centre.y(), kFlagWidth / 2.0,
                                     h / 2.0),
                              Qt::IntersectClip);
                p.drawPolygon(
                    QPolygonF({centre, far, far + n * (2 * unit), centre + n * (2 * unit)}));
                p.restore();
            }

            // St George's cross on its white fimbriation, on whole pixels.
            p.fillRect(QRectF(22, 0, 14, h), Qt::white);
            p.fillRect(QRectF(0, 13, kFlagWidth, 13), Qt::white);
            p.fillRect(QRectF(25, 0, 8, h), red);
            p.fillRect(QRectF(0, 16, kFlagWidth, 7), red);
        });
        Edge(img);
        return img;
    }();
}

} // namespace art
