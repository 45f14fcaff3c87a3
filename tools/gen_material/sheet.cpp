#include "sheet.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace material {
namespace {

constexpr double kMeasureSize = 100; // metrics taken at this em size, then scaled

QFont MeasureFont(const TextStyle& style) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(int(kMeasureSize));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString FromCp1252(std::string_view bytes) {
    // The generator's texts are ASCII plus a few Latin-1 signs (°, ³, ·); the
    // 0x80-0x9F range is not used for them.
    QString s;
    for (char c : bytes)
        s.append(QChar(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

Sheet::Sheet(const QRectF& frame, int unitsPerInch)
    : frame_(frame),
      writer_(int(std::lround(frame.left())), int(std::lround(frame.top())),
              int(std::lround(frame.right())), int(std::lround(frame.bottom())), unitsPerInch) {
    writer_.setBkMode(wmf::kTransparent);
    writer_.setTextColor(textColor_);
    writer_.setPolyFillMode(wmf::kWinding);
}

int Sheet::round(double v) const {
    return int(std::lround(v));
}

wmf::Pt Sheet::pt(QPointF p) const {
    return {round(p.x()), round(p.y())};
}

void Sheet::pen(Rgb color, double width) {
    auto key = std::make_tuple(int(wmf::kPsSolid), round(width), color);
    auto it = pens_.find(key);
    if (it == pens_.end())
        it = pens_.emplace(key, writer_.createPen(wmf::kPsSolid, round(width), color)).first;
    if (currentPen_ != it->second)
        writer_.selectObject(currentPen_ = it->second);
}

void Sheet::noPen() {
    auto key = std::make_tuple(int(wmf::kPsNull), 0, Rgb{});
    auto it = pens_.find(key);
    if (it == pens_.end())
        it = pens_.emplace(key, writer_.createPen(wmf::kPsNull, 0, Rgb{})).first;
    if (currentPen_ != it->second)
        writer_.selectObject(currentPen_ = it->second);
}

void Sheet::brush(Rgb color) {
    auto key = std::make_tuple(int(wmf::kBsSolid), color);
    auto it = brushes_.find(key);
    if (it == brushes_.end())
        it = brushes_.emplace(key, writer_.createBrush(wmf::kBsSolid, color)).first;
    if (currentBrush_ != it->second)
        writer_.selectObject(currentBrush_ = it->second);
}

void Sheet::noBrush() {
    auto key = std::make_tuple(int(wmf::kBsNull), Rgb{});
    auto it = brushes_.find(key);
    if (it == brushes_.end())
        it = brushes_.emplace(key, writer_.createBrush(wmf::kBsNull, Rgb{})).first;
    if (currentBrush_ != it->second)
        writer_.selectObject(currentBrush_ = it->second);
}

void Sheet::line(QPointF a, QPointF b) {
    wmf::Pt p = pt(a), q = pt(b);
    writer_.moveTo(p.x, p.y);
    writer_.lineTo(q.x, q.y);
}

void Sheet::polyline(const std::vector<QPointF>& points) {
    if (points.size() < 2)
        return;
    std::vector<wmf::Pt> out;
    out.reserve(points.size());
    for (const QPointF& p : points)
        out.push_back(pt(p));
    writer_.polyline(out);
}

void Sheet::polygon(const std::vector<QPointF>& points) {
    if (points.size() < 3)
        return;
    std::vector<wmf::Pt> out;
    out.reserve(points.size());
    for (const QPointF& p : points)
        out.push_back(pt(p));
    writer_.polygon(out);
}

void Sheet::rect(const QRectF& r) {
    writer_.rectangle(round(r.left()), round(r.top()), round(r.right()), round(r.bottom()));
}

void Sheet::roundRect(const QRectF& r, double radius) {
    writer_.roundRect(round(r.left()), round(r.top()), round(r.right()), round(r.bottom()),
                      round(2 * radius), round(2 * radius));
}

void Sheet::ellipse(const QRectF& r) {
    writer_.ellipse(round(r.left()), round(r.top()), round(r.right()), round(r.bottom()));
}

void Sheet::patterned(const std::vector<QPointF>& points, const std::vector<double>& pattern,
                      bool closed) {
    if (points.size() < 2 || pattern.empty())
        return;
    std::vector<QPointF> path = points;
    if (closed)
        path.push_back(points.front());
    size_t index = 0;
    double left = pattern[0]; // of the current dash or gap
    std::vector<QPointF> dash;
    auto on = [&] { return index % 2 == 0; };
    auto flush = [&] {
        if (dash.size() >= 2)
            polyline(dash);
        dash.clear();
    };
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        QPointF a = path[i], b = path[i + 1];
        double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        double done = 0;
        if (on() && dash.empty())
            dash.push_back(a);
        while (length - done > left) {
            done += left;
            QPointF p = a + (b - a) * (done / length);
            if (on()) {
                dash.push_back(p);
                flush();
            }
            index = (index + 1) % pattern.size();
            left = pattern[index];
            if (on())
                dash.push_back(p);
        }
        left -= length - done;
        if (on())
            dash.push_back(b);
    }
    flush();
}

void Sheet::text(QPointF at, std::string_view cp1252, const TextStyle& style) {
    const int angle = round(style.angleDeg * 10);
    auto key = std::make_tuple(round(style.height), style.bold ? 700 : 400, angle, style.italic);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        wmf::FontSpec spec;
        spec.height = -round(style.height);
        spec.weight = style.bold ? 700 : 400;
        spec.italic = style.italic;
        spec.escapementTenths = angle;
        it = fonts_.emplace(key, writer_.createFont(spec)).first;
    }
    if (currentFont_ != it->second)
        writer_.selectObject(currentFont_ = it->second);
    if (!(textColor_ == style.color))
        writer_.setTextColor(textColor_ = style.color);
    if (textAlign_ != style.align)
        writer_.setTextAlign(std::uint16_t(textAlign_ = style.align));
    wmf::Pt p = pt(at);
    if (style.spacing != 0) {
        // Letter-spaced: every advance given, rounded so the errors do not add up.
        QFontMetricsF m(MeasureFont(style));
        const QString s = FromCp1252(cp1252);
        std::vector<int> dx;
        double exact = 0;
        int placed = 0;
        for (QChar ch : s) {
            exact += m.horizontalAdvance(ch) * style.height / kMeasureSize + style.spacing;
            dx.push_back(round(exact) - placed);
            placed += dx.back();
        }
        writer_.extTextOut(p.x, p.y, cp1252, 0, nullptr, dx);
    } else {
        writer_.textOut(p.x, p.y, cp1252);
    }
}

double Sheet::textWidth(std::string_view cp1252, const TextStyle& style) {
    QFontMetricsF m(MeasureFont(style));
    const QString s = FromCp1252(cp1252);
    return m.horizontalAdvance(s) * style.height / kMeasureSize + style.spacing * double(s.size());
}

double Sheet::capHeight(const TextStyle& style) {
    QFontMetricsF m(MeasureFont(style));
    return m.capHeight() * style.height / kMeasureSize;
}

std::string Sheet::finish() {
    // Stock-like defaults back in the DC so that the objects can go.
    std::vector<int> all;
    for (auto& [k, v] : pens_)
        all.push_back(v);
    for (auto& [k, v] : brushes_)
        all.push_back(v);
    for (auto& [k, v] : fonts_)
        all.push_back(v);
    for (int index : all)
        writer_.deleteObject(index);
    pens_.clear();
    brushes_.clear();
    fonts_.clear();
    currentPen_ = currentBrush_ = currentFont_ = -1;
    return writer_.bytes();
}

} // namespace material
