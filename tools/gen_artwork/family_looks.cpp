// The two looks of a family picture in the product browser. The drawing sits
// at the same place in both so that a click changes only the look: included
// is full colour in a green frame with a tick; excluded is a pale grey print.
#include "art_common.h"
#include "pictures.h"

#include <QPolygonF>

namespace art {
namespace {

constexpr int kInset = 4; // room for the frame round the drawing
constexpr int kSupersample = 4;

QImage Drawing(const FamilyPicture& family) {
    const double innerW = family.width - 2 * kInset;
    const double innerH = family.height - 2 * kInset;
    return RenderSupersampled(family.width, family.height, kSupersample, Qt::transparent,
                              [&](QPainter& p) {
                                  p.translate(kInset, kInset);
                                  p.scale(innerW / 100.0, innerW / 100.0);
                                  family.paint(p, QSizeF(100, 100 * innerH / innerW));
                              });
}

void Tick(QPainter& p, const QPointF& c, double r) {
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(brand::kGreen);
    p.drawEllipse(c, r, r);
    QPen check(Qt::white, r * 0.32, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(check);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({c + QPointF(-r * 0.45, 0), c + QPointF(-r * 0.1, r * 0.38),
                              c + QPointF(r * 0.5, -r * 0.35)}));
}

} // namespace

QImage IncludedLook(const FamilyPicture& family) {
    const QImage drawing = Drawing(family);
    return RenderSupersampled(family.width, family.height, kSupersample, Qt::white,
                              [&](QPainter& p) {
                                  const QRectF frame(1, 1, family.width - 2, family.height - 2);
                                  p.setPen(Qt::NoPen);
                                  p.setBrush(QColor(0xEE, 0xF8, 0xF0));
                                  p.drawRoundedRect(frame, 5, 5);
                                  p.drawImage(QRectF(0, 0, family.width, family.height), drawing);
                                  // The frame goes over the drawing so that nothing breaks its
                                  // line.
                                  p.setPen(QPen(brand::kGreen, 2));
                                  p.setBrush(Qt::NoBrush);
                                  p.drawRoundedRect(frame, 5, 5);
                                  Tick(p, QPointF(family.width - 8.5, 8.5), 6.2);
                              });
}

QImage ExcludedLook(const FamilyPicture& family) {
    QImage drawing = Drawing(family);
    // Grey print: luminance only, lifted towards white.
    for (int y = 0; y < drawing.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(drawing.scanLine(y));
        for (int x = 0; x < drawing.width(); ++x) {
            const QRgb px = row[x];
            const int a = qAlpha(px);
            if (a == 0)
                continue;
            // Premultiplied: un-premultiply the grey before lifting it.
            const int grey = (qRed(px) * 299 + qGreen(px) * 587 + qBlue(px) * 114) / 1000 * 255 / a;
            const int lifted = 255 - (255 - std::min(grey, 255)) * 50 / 100;
            const int premul = lifted * a / 255;
            row[x] = qRgba(premul, premul, premul, a);
        }
    }
    QImage out(family.width, family.height, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, drawing);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xD5, 0xDA, 0xDF), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, family.width - 1, family.height - 1), 5, 5);
    p.end();
    return out;
}

} // namespace art
