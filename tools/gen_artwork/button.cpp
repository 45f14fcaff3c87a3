#include "art_common.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace art {
namespace {

constexpr int kWidth = 126;
constexpr int kHeight = 40;

// The caption is centred on the whole picture, so the ball keeps to the left
// of x = 23: the band between x = 23 and 103 stays pale bar for a caption of
// up to 78 pixels (the widest of the delivered languages), pressed or not.
void PaintButton(QPainter& p) {
    const QRectF bar(10.5, 9.5, 106, 21);
    const QPointF ballCentre(12, 20);
    const double ballRadius = 10.5;

    QPainterPath barPath;
    barPath.addRoundedRect(bar, bar.height() / 2, bar.height() / 2);
    QPainterPath ballPath;
    ballPath.addEllipse(ballCentre, ballRadius, ballRadius);
    SoftShadow(p, barPath.united(ballPath), QPointF(2.2, 2.6), 1.8, QColor(0x1B, 0x35, 0x50, 150));

    // Bar: pale sky glass, brighter at the top.
    QLinearGradient barFill(bar.topLeft(), bar.bottomLeft());
    barFill.setColorAt(0.0, QColor(0xF2, 0xF9, 0xFF));
    barFill.setColorAt(0.45, QColor(0xD2, 0xE9, 0xFA));
    barFill.setColorAt(1.0, QColor(0xA6, 0xD0, 0xF0));
    p.setPen(QPen(QColor(0x6C, 0xA2, 0xCF), 1.0));
    p.setBrush(barFill);
    p.drawPath(barPath);
    QPainterPath gloss;
    gloss.addRoundedRect(bar.adjusted(4, 1.5, -4, -bar.height() / 2 - 1), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawPath(gloss);

    // Ball: a glossy red sphere lit from the upper left.
    QRadialGradient ballFill(ballCentre + QPointF(-3, -4), ballRadius * 1.35,
                             ballCentre + QPointF(-4, -5));
    ballFill.setColorAt(0.0, QColor(0xFF, 0x9E, 0x94));
    ballFill.setColorAt(0.35, QColor(0xE8, 0x3B, 0x35));
    ballFill.setColorAt(0.8, QColor(0xB0, 0x1E, 0x1E));
    ballFill.setColorAt(1.0, QColor(0x80, 0x12, 0x14));
    p.setPen(QPen(QColor(0x8A, 0x16, 0x18), 0.8));
    p.setBrush(ballFill);
    p.drawPath(ballPath);
    QRadialGradient highlight(ballCentre + QPointF(-3.5, -4.5), 5);
    highlight.setColorAt(0.0, QColor(255, 255, 255, 220));
    highlight.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(highlight);
    p.drawEllipse(ballCentre + QPointF(-3.5, -4.5), 5, 3.5);
}

} // namespace

QImage MakeButton() {
    QImage img = RenderSupersampled(kWidth, kHeight, 4, Qt::white, PaintButton);
    // Any other pixel that happens to match the key colour would become a
    // transparent hole in the button; move it one step darker.
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if ((img.pixel(x, y) | 0xFF000000) == kButtonKeyColour)
                img.setPixel(x, y, 0xFFFAFAFA);
        }
    }
    img.setPixel(0, kHeight - 1, kButtonKeyColour);
    return img;
}

} // namespace art
