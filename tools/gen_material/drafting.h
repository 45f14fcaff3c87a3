#pragma once
// Drawing-office conventions on a metafile sheet: line weights, centre and
// hidden lines, dimension lines with arrowheads and letters, leaders, views
// drawn to scale in millimetres, the sheet border and the title strip.
#include "sheet.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace material {

// Dimensions of one catalogue size, by the letters of the dimension table
// ("d1" … "d4", "A" … "M"), in millimetres; absent letters are 0.
class Dims {
  public:
    void set(const std::string& letter, double mm) { values_[letter] = mm; }
    double operator[](const std::string& letter) const {
        auto it = values_.find(letter);
        return it == values_.end() ? 0 : it->second;
    }

  private:
    std::map<std::string, double> values_;
};

// A view drawn to scale: millimetre coordinates (y down) from a local origin.
struct View {
    QPointF origin;
    double scale = 1; // logical units per millimetre
    QPointF at(double x, double y) const { return origin + QPointF(x * scale, y * scale); }
    double len(double mm) const { return mm * scale; }
    QRectF box(double x0, double y0, double x1, double y1) const {
        return QRectF(at(x0, y0), at(x1, y1)).normalized();
    }
};

// What a view occupies: its extent in millimetres about its local origin, and
// the room (logical units) its dimension lines need on each side.
struct ViewSpec {
    double left, top, right, bottom; // millimetres
    double padLeft = 0, padTop = 0, padRight = 0, padBottom = 0;
};

// Lays the views out side by side in `area`, their local origins on one
// horizontal line (projection views share their axes), at the largest common
// scale that fits. `gap` is the space between views in logical units.
std::vector<View> LayOutRow(const QRectF& area, const std::vector<ViewSpec>& specs, double gap);

class Draft {
  public:
    // Line weights and sizes in logical units of a 5000-unit-wide sheet.
    static constexpr double kOutline = 16;
    static constexpr double kThin = 8;
    static constexpr double kDimLine = 7;
    static constexpr double kArrowLength = 85;
    static constexpr double kArrowHalfWidth = 22;
    static constexpr double kLetterHeight = 125;
    static constexpr double kExtensionGap = 25;
    static constexpr double kExtensionOvershoot = 45;

    explicit Draft(Sheet& sheet) : s_(sheet) {}
    Sheet& sheet() { return s_; }

    // Visible outlines: thick black, filled white unless `fill` is given.
    void outlineRect(const QRectF& r, Rgb fill = ink::kWhite);
    void outlineCircle(QPointF c, double r, Rgb fill = ink::kWhite);
    void outlinePolygon(const std::vector<QPointF>& points, Rgb fill = ink::kWhite);
    void outlinePolyline(const std::vector<QPointF>& points);
    void thinLine(QPointF a, QPointF b);
    void thinCircle(QPointF c, double r);
    void thinRect(const QRectF& r);
    // Hidden edges: short dashes.
    void hiddenLine(QPointF a, QPointF b);
    void hiddenCircle(QPointF c, double r);
    void hiddenRect(const QRectF& r);
    void hiddenPolyline(const std::vector<QPointF>& points);
    // Centre lines: long dash, short dash, running `overrun` past the ends.
    void centreLine(QPointF a, QPointF b, double overrun = 60);
    void centreCircle(QPointF c, double r);
    // Both centre lines of a circle, crossing at c.
    void centreCross(QPointF c, double halfLength);

    // A filled arrowhead with its tip at `tip`, pointing along `direction`.
    void arrowhead(QPointF tip, QPointF direction);

    // A horizontal dimension between features a and b on a line at height y
    // (extension lines from the features to it), and a vertical one on a
    // line at x. The letter sits on the far side from the features.
    void hdim(QPointF a, QPointF b, double y, const std::string& letter);
    void vdim(QPointF a, QPointF b, double x, const std::string& letter);
    // A dimension across a circle of radius r about c, along `angleDeg`
    // (anticlockwise from the right); the letter sits beside the line at
    // `labelAt` (0..1 along it, outside the circle when beyond 0..1).
    void diameter(QPointF c, double r, double angleDeg, const std::string& letter,
                  double labelAt = 0.5);
    // A leader from a feature to a letter.
    void leader(QPointF feature, QPointF label, const std::string& letter);
    // An airflow arrow: a hollow block arrow from `from` to `to`.
    void flowArrow(QPointF from, QPointF to, double width);

    // The letters drawn by hdim(), vdim(), diameter() and leader().
    const std::set<std::string>& letters() const { return letters_; }

    // Sheet border and the title strip along the bottom; returns the drawing
    // area left above it.
    QRectF borderAndTitle(const std::string& families, const std::string& description,
                          const std::string& drawingNumber);

  private:
    void dimensionLine(QPointF a, QPointF b, QPointF A, QPointF B, const std::string& letter);
    void letter(QPointF at, const std::string& text, bool vertical, QPointF side);

    Sheet& s_;
    std::set<std::string> letters_;
};

// The brand's fan mark as metafile shapes: ring, five swept blades, hub.
void DrawFanMark(Sheet& s, QPointF centre, double radius, Rgb ring, Rgb blades, Rgb hub,
                 double rotationDeg = -18);

} // namespace material
