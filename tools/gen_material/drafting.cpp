#include "drafting.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace material {
namespace {

constexpr double kPi = std::numbers::pi;

QPointF Unit(QPointF v) {
    double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF(1, 0);
}

double Length(QPointF v) {
    return std::hypot(v.x(), v.y());
}

// Long dash, gap, short dash, gap.
const std::vector<double> kCentrePattern{200, 35, 35, 35};
const std::vector<double> kHiddenPattern{55, 30};

std::vector<QPointF> CirclePoints(QPointF c, double r, int n) {
    std::vector<QPointF> points;
    points.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        double a = 2 * kPi * i / n;
        points.push_back(c + QPointF(r * std::cos(a), r * std::sin(a)));
    }
    return points;
}

TextStyle LetterStyle() {
    TextStyle t;
    t.height = Draft::kLetterHeight;
    return t;
}

} // namespace

std::vector<View> LayOutRow(const QRectF& area, const std::vector<ViewSpec>& specs, double gap) {
    double padW = gap * double(specs.size() > 0 ? specs.size() - 1 : 0), mmW = 0;
    for (const ViewSpec& v : specs) {
        padW += v.padLeft + v.padRight;
        mmW += v.right - v.left;
    }
    auto up = [&](double s) {
        double m = 0;
        for (const ViewSpec& v : specs)
            m = std::max(m, -v.top * s + v.padTop);
        return m;
    };
    auto down = [&](double s) {
        double m = 0;
        for (const ViewSpec& v : specs)
            m = std::max(m, v.bottom * s + v.padBottom);
        return m;
    };
    double sW = mmW > 0 ? (area.width() - padW) / mmW : 1;
    // The height needed grows with the scale: bisect for the largest that fits.
    double lo = 0, hi = std::max(sW, 1e-6) * 4;
    for (int i = 0; i < 60; ++i) {
        double mid = (lo + hi) / 2;
        (up(mid) + down(mid) <= area.height() ? lo : hi) = mid;
    }
    double s = std::max(1e-6, std::min(sW, lo));
    double used = mmW * s + padW;
    double x = area.left() + (area.width() - used) / 2;
    double axis = area.top() + (area.height() - up(s) - down(s)) / 2 + up(s);
    std::vector<View> views;
    for (const ViewSpec& v : specs) {
        View view;
        view.scale = s;
        view.origin = QPointF(x + v.padLeft - v.left * s, axis);
        views.push_back(view);
        x += (v.right - v.left) * s + v.padLeft + v.padRight + gap;
    }
    return views;
}

void Draft::outlineRect(const QRectF& r, Rgb fill) {
    s_.pen(ink::kBlack, kOutline);
    s_.brush(fill);
    s_.rect(r);
}

void Draft::outlineCircle(QPointF c, double r, Rgb fill) {
    s_.pen(ink::kBlack, kOutline);
    s_.brush(fill);
    s_.circle(c, r);
}

void Draft::outlinePolygon(const std::vector<QPointF>& points, Rgb fill) {
    s_.pen(ink::kBlack, kOutline);
    s_.brush(fill);
    s_.polygon(points);
}

void Draft::outlinePolyline(const std::vector<QPointF>& points) {
    s_.pen(ink::kBlack, kOutline);
    s_.polyline(points);
}

void Draft::thinLine(QPointF a, QPointF b) {
    s_.pen(ink::kBlack, kThin);
    s_.line(a, b);
}

void Draft::thinCircle(QPointF c, double r) {
    s_.pen(ink::kBlack, kThin);
    s_.noBrush();
    s_.circle(c, r);
}

void Draft::thinRect(const QRectF& r) {
    s_.pen(ink::kBlack, kThin);
    s_.noBrush();
    s_.rect(r);
}

void Draft::hiddenLine(QPointF a, QPointF b) {
    s_.pen(ink::kBlack, kThin);
    s_.patterned({a, b}, kHiddenPattern);
}

void Draft::hiddenCircle(QPointF c, double r) {
    s_.pen(ink::kBlack, kThin);
    s_.patterned(CirclePoints(c, r, std::clamp(int(r / 8), 24, 180)), kHiddenPattern, true);
}

void Draft::hiddenRect(const QRectF& r) {
    s_.pen(ink::kBlack, kThin);
    s_.patterned({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}, kHiddenPattern,
                 true);
}

void Draft::hiddenPolyline(const std::vector<QPointF>& points) {
    s_.pen(ink::kBlack, kThin);
    s_.patterned(points, kHiddenPattern);
}

void Draft::centreLine(QPointF a, QPointF b, double overrun) {
    QPointF u = Unit(b - a);
    QPointF p = a - u * overrun, q = b + u * overrun;
    // Start and end on a long dash, whatever the length: the pattern is centred.
    double length = Length(q - p);
    double period = 0;
    for (double v : kCentrePattern)
        period += v;
    double rest = std::fmod(length - kCentrePattern[0], period);
    p += u * (rest / 2);
    s_.pen(ink::kBlack, kDimLine);
    s_.line(q - u * (rest / 2), q);
    s_.line(a - u * overrun, p);
    s_.patterned({p, q - u * (rest / 2)}, kCentrePattern);
}

void Draft::centreCircle(QPointF c, double r) {
    s_.pen(ink::kBlack, kDimLine);
    s_.patterned(CirclePoints(c, r, std::clamp(int(r / 8), 24, 180)), kCentrePattern, true);
}

void Draft::centreCross(QPointF c, double halfLength) {
    centreLine(c - QPointF(halfLength, 0), c + QPointF(halfLength, 0), 0);
    centreLine(c - QPointF(0, halfLength), c + QPointF(0, halfLength), 0);
}

void Draft::arrowhead(QPointF tip, QPointF direction) {
    QPointF u = Unit(direction), n(-u.y(), u.x());
    QPointF base = tip - u * kArrowLength;
    s_.pen(ink::kBlack, kDimLine);
    s_.brush(ink::kBlack);
    s_.polygon({tip, base + n * kArrowHalfWidth, base - n * kArrowHalfWidth});
}

void Draft::letter(QPointF at, const std::string& text, bool vertical, QPointF side) {
    TextStyle t = LetterStyle();
    const double cap = Sheet::capHeight(t);
    const double clearance = 28;
    if (!vertical) {
        t.align = wmf::kTaCenter | wmf::kTaBaseline;
        QPointF p = side.y() <= 0 ? at + QPointF(0, -clearance) : at + QPointF(0, clearance + cap);
        s_.text(p, text, t);
    } else {
        t.align = (side.x() < 0 ? wmf::kTaRight : wmf::kTaLeft) | wmf::kTaBaseline;
        QPointF p = at + QPointF(side.x() < 0 ? -clearance : clearance, cap / 2);
        s_.text(p, text, t);
    }
    letters_.insert(text);
}

void Draft::dimensionLine(QPointF a, QPointF b, QPointF A, QPointF B, const std::string& text) {
    QPointF d = Unit(B - A);
    // The side away from the features; a feature on the line itself gives none.
    QPointF out = Length(A - a) > 1   ? Unit(A - a)
                  : Length(B - b) > 1 ? Unit(B - b)
                                      : QPointF(d.y(), -d.x());
    s_.pen(ink::kBlack, kDimLine);
    if (Length(A - a) > kExtensionGap)
        s_.line(a + Unit(A - a) * kExtensionGap, A + Unit(A - a) * kExtensionOvershoot);
    if (Length(B - b) > kExtensionGap)
        s_.line(b + Unit(B - b) * kExtensionGap, B + Unit(B - b) * kExtensionOvershoot);
    const double span = Length(B - A);
    if (span > 2 * kArrowLength + 40) {
        s_.line(A, B);
        arrowhead(A, -d);
        arrowhead(B, d);
    } else {
        // Too short for arrows inside: they point in from outside.
        s_.line(A - d * (kArrowLength + 70), B + d * (kArrowLength + 70));
        arrowhead(A, d);
        arrowhead(B, -d);
    }
    const bool vertical = std::abs(d.y()) > std::abs(d.x());
    letter((A + B) / 2, text, vertical, out);
}

void Draft::hdim(QPointF a, QPointF b, double y, const std::string& text) {
    if (a.x() > b.x())
        std::swap(a, b);
    dimensionLine(a, b, QPointF(a.x(), y), QPointF(b.x(), y), text);
}

void Draft::vdim(QPointF a, QPointF b, double x, const std::string& text) {
    if (a.y() > b.y())
        std::swap(a, b);
    dimensionLine(a, b, QPointF(x, a.y()), QPointF(x, b.y()), text);
}

void Draft::diameter(QPointF c, double r, double angleDeg, const std::string& text,
                     double labelAt) {
    const double a = angleDeg * kPi / 180;
    QPointF u(std::cos(a), -std::sin(a));
    QPointF p0 = c - u * r, p1 = c + u * r;
    s_.pen(ink::kBlack, kDimLine);
    QPointF label = c + u * (r * (2 * labelAt - 1));
    if (labelAt > 1) {
        s_.line(p0, label);
    } else if (labelAt < 0) {
        s_.line(label, p1);
    } else {
        s_.line(p0, p1);
    }
    arrowhead(p0, -u);
    arrowhead(p1, u);
    if (labelAt > 1 || labelAt < 0) {
        // A short landing from the end of the line, the letter over it.
        TextStyle t = LetterStyle();
        double w = Sheet::textWidth(text, t) + 40;
        bool right = (label - c).x() >= 0;
        QPointF end = label + QPointF(right ? w : -w, 0);
        s_.pen(ink::kBlack, kDimLine);
        s_.line(label, end);
        t.align = wmf::kTaCenter | wmf::kTaBaseline;
        s_.text((label + end) / 2 + QPointF(0, -22), text, t);
        letters_.insert(text);
    } else {
        QPointF n(-u.y(), u.x());
        if (n.y() > 0)
            n = -n;
        bool vertical = std::abs(u.y()) > 0.9;
        letter(label + n * 10, text, vertical, vertical ? QPointF(-1, 0) : n);
    }
}

void Draft::leader(QPointF feature, QPointF label, const std::string& text) {
    TextStyle t = LetterStyle();
    double w = Sheet::textWidth(text, t) + 40;
    bool right = label.x() >= feature.x();
    QPointF end = label + QPointF(right ? w : -w, 0);
    s_.pen(ink::kBlack, kDimLine);
    s_.line(feature, label);
    s_.line(label, end);
    arrowhead(feature, feature - label);
    t.align = wmf::kTaCenter | wmf::kTaBaseline;
    s_.text((label + end) / 2 + QPointF(0, -22), text, t);
    letters_.insert(text);
}

void Draft::flowArrow(QPointF from, QPointF to, double width) {
    QPointF u = Unit(to - from), n(-u.y(), u.x());
    double head = std::min(width * 1.5, Length(to - from) * 0.6);
    QPointF neck = to - u * head;
    s_.pen(ink::kNavy, kThin);
    s_.brush(Rgb{0xD6, 0xE6, 0xF5});
    s_.polygon({from + n * (width / 2), neck + n * (width / 2), neck + n * width, to,
                neck - n * width, neck - n * (width / 2), from - n * (width / 2)});
}

QRectF Draft::borderAndTitle(const std::string& families, const std::string& description,
                             const std::string& drawingNumber) {
    const QRectF f = s_.frame();
    const QRectF border = f.adjusted(45, 45, -45, -45);
    s_.pen(ink::kBlack, 12);
    s_.noBrush();
    s_.rect(border);

    const double stripHeight = 250;
    QRectF strip(border.left(), border.bottom() - stripHeight, border.width(), stripHeight);
    s_.line(strip.topLeft(), strip.topRight());
    // Cells: brand | families and description | units | drawing number.
    const double brandW = 980, unitsW = 820, numberW = 780;
    const double x1 = strip.left() + brandW, x3 = strip.right() - numberW, x2 = x3 - unitsW;
    s_.pen(ink::kBlack, kThin);
    for (double x : {x1, x2, x3})
        s_.line(QPointF(x, strip.top()), QPointF(x, strip.bottom()));

    const double mid = strip.center().y();
    DrawFanMark(s_, QPointF(strip.left() + 135, mid), 92, ink::kNavy, ink::kBlue, ink::kNavy);
    TextStyle brand;
    brand.height = 150;
    brand.bold = true;
    brand.color = ink::kNavy;
    s_.text(QPointF(strip.left() + 260, mid + Sheet::capHeight(brand) / 2), "Vandrel", brand);

    TextStyle small;
    small.height = 70;
    small.color = ink::kSlate;
    TextStyle value;
    value.height = 120;
    value.bold = true;
    auto cell = [&](double x, const char* caption, const std::string& text, TextStyle style) {
        s_.text(QPointF(x + 40, strip.top() + 85), caption, small);
        s_.text(QPointF(x + 40, strip.bottom() - 55), text, style);
    };
    TextStyle desc = value;
    desc.bold = false;
    desc.height = 95;
    s_.text(QPointF(x1 + 40, strip.top() + 85), "Product", small);
    s_.text(QPointF(x1 + 40, strip.bottom() - 55), families, value);
    s_.text(QPointF(x1 + 60 + Sheet::textWidth(families, value) + 40, strip.bottom() - 55),
            description, desc);
    TextStyle units = value;
    units.bold = false;
    cell(x2, "Dimensions", "mm", units);
    cell(x3, "Drawing", drawingNumber, value);
    return QRectF(border.left() + 40, border.top() + 40, border.width() - 80,
                  border.height() - stripHeight - 80);
}

void DrawFanMark(Sheet& s, QPointF centre, double radius, Rgb ring, Rgb blades, Rgb hub,
                 double rotationDeg) {
    const double ringWidth = 0.085 * radius;
    s.pen(ring, ringWidth);
    s.noBrush();
    s.circle(centre, radius - ringWidth / 2);
    const double tip = radius - ringWidth - 0.07 * radius;
    const double hubR = 0.24 * radius;
    auto at = [&](double r, double deg) {
        double a = deg * kPi / 180;
        return centre + QPointF(r * std::cos(a), r * std::sin(a));
    };
    s.noPen();
    s.brush(blades);
    for (int i = 0; i < 5; ++i) {
        const double start = rotationDeg + 72.0 * i;
        auto leading = [&](double t) { return start + 38 * std::pow(t, 1.4); };
        auto width = [&](double t) { return 34 + (52 - 34) * std::sqrt(t); };
        std::vector<QPointF> blade;
        const int steps = 16;
        for (int k = 0; k <= steps; ++k) {
            double t = double(k) / steps;
            blade.push_back(at(hubR * 0.8 + (tip - hubR * 0.8) * t, leading(t)));
        }
        for (int k = 1; k <= 5; ++k) {
            double f = k / 5.0;
            blade.push_back(at(tip - 0.04 * tip * std::sin(f * kPi), leading(1) - width(1) * f));
        }
        for (int k = steps; k >= 0; --k) {
            double t = double(k) / steps;
            blade.push_back(at(hubR * 0.8 + (tip - hubR * 0.8) * t, leading(t) - width(t)));
        }
        s.polygon(blade);
    }
    s.brush(hub);
    s.circle(centre, hubR);
    s.brush(ink::kWhite);
    s.circle(centre, hubR * 0.28);
}

} // namespace material
