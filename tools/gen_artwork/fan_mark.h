#pragma once
// The brand's fan mark: swept blades round a hub inside a ring. Shared by the
// logo, the banner and the about picture so that they read as one family.
#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace art {

// One swept blade from the hub radius to the tip radius, starting at `angleDeg`
// (screen degrees, clockwise), curving by `sweepDeg` towards the tip.
QPainterPath SweptBlade(const QPointF& centre, double hubRadius, double tipRadius, double angleDeg,
                        double sweepDeg, double rootWidthDeg, double tipWidthDeg);

struct FanMarkStyle {
    QBrush blades;
    QColor hub;
    QColor ring;          // transparent: no ring
    double ringWidth = 0; // as a fraction of the radius
    int bladeCount = 5;
    double rotationDeg = 0;
};

void DrawFanMark(QPainter& p, const QPointF& centre, double radius, const FanMarkStyle& style);

// The emblem as the logo shows it and the application icon repeats it: the
// mark in brand blue on a light disc inside a navy ring of `ringWidth`.
void DrawEmblem(QPainter& p, const QPointF& centre, double radius, double ringWidth);

} // namespace art
