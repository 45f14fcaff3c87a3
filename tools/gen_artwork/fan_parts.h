#pragma once
// Drawing parts of the product illustrations: sheet steel, cylinders seen at
// three-quarters, rotors, guards and boxes. All in the caller's units; light
// comes from the upper left.
#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace art::parts {

inline const QColor kOutline{0x36, 0x40, 0x4B};
inline const QColor kInterior{0x1E, 0x25, 0x2D};
inline const QColor kSteelLight{0xF6, 0xF8, 0xFA};
inline const QColor kSteel{0xC3, 0xCB, 0xD3};
inline const QColor kSteelDark{0x7C, 0x88, 0x94};

// Pen for outlines, as wide as `width` caller units.
QPen Outline(double width);

// Gradient across a curved or flat sheet from a to b, lit at about a third.
QLinearGradient Sheet(const QPointF& a, const QPointF& b, const QColor& base);

// Horizontal cylinder from x0 to x1 about the axis y = cy: the far end shows
// as a half ellipse, the near end (at x1) as a full ellipse of half-width rx.
// Returns the near end's rectangle.
QRectF CylinderX(QPainter& p, double x0, double x1, double cy, double r, double rx,
                 const QColor& base, double outline);

// Vertical cylinder about x = cx from yTop to yBottom; the top face is an
// ellipse of half-height ry. Returns the top face's rectangle.
QRectF CylinderY(QPainter& p, double cx, double yTop, double yBottom, double r, double ry,
                 const QColor& base, double outline);

// An axial rotor seen in the ellipse (rx, ry) round c: swept blades and hub.
void AxialRotor(QPainter& p, const QPointF& c, double rx, double ry, int blades, double rotationDeg,
                const QBrush& bladeBrush, const QColor& hub, double hubFraction = 0.3);

// A wire guard: rings and spokes in the ellipse (rx, ry) round c.
void WireGuard(QPainter& p, const QPointF& c, double rx, double ry, int rings, int spokes,
               const QColor& wire, double wireWidth);

// A centrifugal wheel seen face on: a ring of curved blades round an inlet.
void CentrifugalWheel(QPainter& p, const QPointF& c, double r, int blades, const QColor& blade,
                      const QColor& backPlate);

// A box seen from the front right: `front` face, and top and side faces
// reaching back by `depth` (right and up). The three faces get the base colour
// in three lights.
void Box(QPainter& p, const QRectF& front, const QPointF& depth, const QColor& base,
         double outline);

// A blue flow arrow from `from` to `to` (straight), shaft width w.
void FlowArrow(QPainter& p, const QPointF& from, const QPointF& to, double w, const QColor& colour);

// Small motor terminal box.
void TerminalBox(QPainter& p, const QRectF& r, double outline);

} // namespace art::parts
