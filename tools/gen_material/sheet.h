#pragma once
// A metafile canvas in floating-point logical units over the record writer:
// pens, brushes and fonts are created once per kind and selected only when
// they change, points are rounded at the last moment, and text widths come
// from the face the players use (Liberation Sans has Arial's metrics).
#include "metafile_writer.h"

#include <QPointF>
#include <QRectF>

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace material {

using wmf::Rgb;

namespace ink {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kNavy{0x0B, 0x2A, 0x4A};
inline constexpr Rgb kBlue{0x15, 0x65, 0xC0};
inline constexpr Rgb kSky{0x4F, 0xA3, 0xE0};
inline constexpr Rgb kSlate{0x5E, 0x6B, 0x78};
inline constexpr Rgb kGrid{0xC8, 0xD0, 0xD8};
inline constexpr Rgb kGridFine{0xE4, 0xE8, 0xEC};
} // namespace ink

struct TextStyle {
    double height = 120; // em height, logical units
    bool bold = false;
    bool italic = false;
    double angleDeg = 0; // baseline angle, anticlockwise
    Rgb color = ink::kBlack;
    std::uint16_t align = wmf::kTaLeft | wmf::kTaBaseline;
    double spacing = 0; // extra space after each character, logical units
};

class Sheet {
  public:
    Sheet(const QRectF& frame, int unitsPerInch);

    const QRectF& frame() const { return frame_; }

    // Solid pen `width` logical units wide (0: one device pixel).
    void pen(Rgb color, double width);
    void noPen();
    void brush(Rgb color);
    void noBrush();

    void line(QPointF a, QPointF b);
    void polyline(const std::vector<QPointF>& points);
    void polygon(const std::vector<QPointF>& points);
    void rect(const QRectF& r);
    void roundRect(const QRectF& r, double radius);
    void ellipse(const QRectF& r);
    void circle(QPointF c, double r) { ellipse(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r)); }
    // A line broken into the dash pattern (lengths in logical units, on/off
    // alternating), continued along the whole polyline.
    void patterned(const std::vector<QPointF>& points, const std::vector<double>& pattern,
                   bool closed = false);

    // Text in Windows-1252 at `at`, aligned as the style says.
    void text(QPointF at, std::string_view cp1252, const TextStyle& style);
    // Width of a text in the style's font, logical units.
    static double textWidth(std::string_view cp1252, const TextStyle& style);
    // Height of a capital letter above the baseline, logical units.
    static double capHeight(const TextStyle& style);

    // Deletes the objects and returns the finished file.
    std::string finish();

  private:
    wmf::Pt pt(QPointF p) const;
    int round(double v) const;

    QRectF frame_;
    wmf::Writer writer_;
    std::map<std::tuple<int, int, Rgb>, int> pens_;
    std::map<std::tuple<int, Rgb>, int> brushes_;
    std::map<std::tuple<int, int, int, bool>, int> fonts_;
    int currentPen_ = -1, currentBrush_ = -1, currentFont_ = -1;
    Rgb textColor_{0, 0, 0};
    int textAlign_ = -1;
};

} // namespace material
