// The start page's logo. The page's buttons lie over its upper right and the
// build label over its lower left corner, so the mark sits left of centre,
// the airflow trails off to the right below the buttons, and both corners stay
// quiet.
#include "art_common.h"
#include "fan_mark.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace art {
namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 400;
const QPointF kMarkCentre(140, 162);
constexpr double kMarkRadius = 96;

void Airflow(QPainter& p) {
    // Streamlines leave the lower right of the rim and spread out beneath the
    // page's buttons.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        const double spread = (i - 3) / 3.0;
        const double startAngle = qDegreesToRadians(22.0 + spread * 20);
        const QPointF start =
            kMarkCentre + QPointF(std::cos(startAngle), std::sin(startAngle)) * (kMarkRadius + 10);
        const QPointF end(492, 236 + spread * 44);
        QPainterPath path;
        path.moveTo(start);
        path.cubicTo(start + QPointF(60, -6 + spread * 4), QPointF(340, 214 + spread * 22), end);
        QLinearGradient fade(start, end);
        const QColor c = i % 2 ? brand::kSky : brand::kBlue;
        fade.setColorAt(0.0, QColor(c.red(), c.green(), c.blue(), 160 - std::abs(i - 3) * 24));
        fade.setColorAt(1.0, QColor(c.red(), c.green(), c.blue(), 0));
        p.setPen(QPen(QBrush(fade), i == 3 ? 2.6 : 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    }
}

void Mark(QPainter& p) {
    QPainterPath disc;
    disc.addEllipse(kMarkCentre, kMarkRadius, kMarkRadius);
    SoftShadow(p, disc, QPointF(0, 6), 10, QColor(0x0B, 0x2A, 0x4A, 70));

    DrawEmblem(p, kMarkCentre, kMarkRadius, 0.085);
}

void Wordmark(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(brand::kNavy);
    const QFont word = BrandFont(74, true);
    DrawSpacedText(p, QPointF(44, 338), QStringLiteral("Vandrel"), word, 1.0);
    // The bar under the name picks up the blade colours.
    QLinearGradient bar(44, 0, 300, 0);
    bar.setColorAt(0.0, brand::kBlue);
    bar.setColorAt(1.0, QColor(0x4F, 0xA3, 0xE0, 0));
    p.fillRect(QRectF(47, 350, 250, 3), bar);
    p.setBrush(brand::kSlate);
    DrawSpacedText(p, QPointF(47, 374), QStringLiteral("VENTILATION FANS"), BrandFont(15, true),
                   3.2);
}

void PaintLogo(QPainter& p) {
    // A very light wash behind the mark, fading to the page's white before
    // the buttons: their picture is opaque white around its shape.
    QRadialGradient wash(kMarkCentre, 150);
    wash.setColorAt(0.0, QColor(0xEE, 0xF5, 0xFC));
    wash.setColorAt(1.0, Qt::white);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), wash);
    Airflow(p);
    Mark(p);
    Wordmark(p);
}

} // namespace

QImage MakeLogo() {
    return RenderSupersampled(kWidth, kHeight, 2, Qt::white, PaintLogo);
}

} // namespace art
