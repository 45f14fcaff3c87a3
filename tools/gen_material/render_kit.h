#pragma once
// Painting kit of the product pictures: an oblique projection (faces towards
// the viewer true to shape, depth receding up and to the right, so tops and
// right-hand sides show), shaded boxes and cylinders lit from the upper left,
// impellers, guards, and a supersampled renderer onto white.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>

#include <functional>

namespace material::paint {

// Stage: 200 × 200 units, y down on the page; the model's y axis points up.
inline constexpr double kStage = 200;

struct V3 {
    double x = 0, y = 0, z = 0;
};

// Model to stage (x right, y up, z away from the viewer).
QPointF P(double x, double y, double z);
inline QPointF P(const V3& v) {
    return P(v.x, v.y, v.z);
}

namespace colour {
inline const QColor kOutline{0x33, 0x3C, 0x46};
inline const QColor kGalvanised{0xC4, 0xCC, 0xD3};
inline const QColor kAluminium{0xD6, 0xDB, 0xE0};
inline const QColor kLightGrey{0xE3, 0xE6, 0xE9};
inline const QColor kPlastic{0x3A, 0x40, 0x47};
inline const QColor kMotor{0x4A, 0x53, 0x5D};
inline const QColor kBlue{0x1E, 0x6A, 0xC4};
inline const QColor kNavy{0x12, 0x33, 0x5A};
inline const QColor kInterior{0x1B, 0x21, 0x27};
inline const QColor kRed{0xC6, 0x32, 0x2B};
inline const QColor kWhite{0xF7, 0xF8, 0xF9};
} // namespace colour

// A circle of radius r about c in the plane across `axis` ('x', 'y' or 'z').
QPolygonF Circle3(const V3& c, char axis, double r, int n = 96);
// A point on that circle at angle `deg` (anticlockwise as seen from +axis).
V3 OnCircle(const V3& c, char axis, double r, double deg);
QPolygonF Hull(const QPolygonF& points);

// A solid cylinder from a to b along `axis` (a nearer the viewer, or lower
// for 'y'). The body is shaded across; the visible end face is returned for
// the caller to dress (it is filled with `cap`).
QPolygonF Cylinder(QPainter& p, char axis, const V3& a, const V3& b, double r, const QColor& body,
                   const QColor& cap, double outline = 0.9);
// The same with radius ra at a and rb at b: a cone frustum.
QPolygonF Frustum(QPainter& p, char axis, const V3& a, const V3& b, double ra, double rb,
                  const QColor& body, const QColor& cap, double outline = 0.9);
// A flat plate across `axis` at c: a disc seen true (z) or foreshortened.
void Disc(QPainter& p, const V3& c, char axis, double r, const QBrush& brush, double outline = 0.9);

// A box from `lo` to `hi` (model coordinates): front (z = lo.z), top (y =
// hi.y) and right (x = hi.x) faces in three lights.
void Box(QPainter& p, const V3& lo, const V3& hi, const QColor& base, double outline = 0.9);
// The quadrilateral of a box face, for details drawn on it.
QPolygonF FrontFace(const V3& lo, const V3& hi);
QPolygonF TopFace(const V3& lo, const V3& hi);
QPolygonF RightFace(const V3& lo, const V3& hi);

// Shading across a band from a to b (light at about a third).
QLinearGradient Sheen(const QPointF& a, const QPointF& b, const QColor& base);
QPen Outline(double width = 0.9);

// Face-on parts, in stage coordinates.
void AxialRotor(QPainter& p, const QPointF& c, double r, int blades, const QColor& blade,
                const QColor& hub, double rotationDeg = 0, double hubFraction = 0.28);
void WireGuard(QPainter& p, const QPointF& c, double r, int rings, int spokes, const QColor& wire,
               double width);
void CentrifugalWheel(QPainter& p, const QPointF& c, double r, int blades, const QColor& blade);
// The dark inside of an opening with a bright rim.
void Opening(QPainter& p, const QPolygonF& shape, const QColor& rim);
// Soft shadow on the floor under the product.
void FloorShadow(QPainter& p, const QPointF& c, double rx, double ry);
// Motor terminal box on a top face, seen in the projection.
void TerminalBox(QPainter& p, const V3& lo, const V3& hi);

using PaintFn = std::function<void(QPainter&)>;
// Paints the 200 × 200 stage into `w` × `h` pixels on white, the stage
// centred and scaled to fit, four times oversampled.
QImage Render(int w, int h, const PaintFn& paint);

} // namespace material::paint
