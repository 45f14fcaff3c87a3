#include "charts.h"

#include "drafting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>

namespace material {
namespace {

struct FamilyText {
    const char* code;
    const char* kind;
    bool staticRated; // rated on static pressure: the chart shows p_s
};

// The family descriptions of the catalogue's family table.
constexpr FamilyText kFamilies[] = {
    {"PW", "circular in-line duct fans, mixed-flow impeller", false},
    {"PW60", "circular in-line duct fans for 60 Hz", false},
    {"MTZL", "in-line duct fans, sound-insulated casing", false},
    {"MT", "rectangular duct fans, backward-curved impeller", false},
    {"MTZ", "duct fans with circular connections", false},
    {"GHJ", "roof fans, vertical discharge", false},
    {"GHZ", "roof fans, horizontal discharge", false},
    {"BN1", "axial wall fans, round plate", false},
    {"BN2", "axial wall fans, round plate", false},
    {"BQ1", "axial wall fans, square plate", false},
    {"BQ2", "axial wall fans, square plate", false},
    {"LW", "centrifugal wall fans", false},
    {"UDY", "sound-insulated box fans, forward-curved", false},
    {"UDYZ", "box fans with circular spigots", false},
    {"UVJ", "centrifugal fans, volute casing, direct drive", false},
    {"UVX",
     "smoke-extract fans, 200 \xB0"
     "C",
     false},
    {"EHY", "long-cased axial duct fans", true},
    {"AQY", "axial plate fans", true},
    {"AQN", "axial plate fans, high-pitch impeller", true},
};

const FamilyText* FindFamily(const std::string& code) {
    for (const FamilyText& f : kFamilies)
        if (code == f.code)
            return &f;
    return nullptr;
}

// One fan's full-speed curve, densified, in m³/h and Pa.
struct Curve {
    std::string label;
    std::vector<QPointF> points;          // from free blowing towards shut-off
    double limitQ = 0;                    // m³/h beyond which the fan must not run (0: none)
    std::vector<QPointF> allowed, barred; // plot coordinates, set when drawn
};

// Pressure of the catalogue point as the chart shows it.
double ShownPressure(double q, double pt, double area, bool staticRated) {
    if (!staticRated || area <= 0)
        return pt;
    const double v = q / area;
    return pt - 0.6 * v * v;
}

Curve ReadCurve(const vd::TFanRecord& rec, bool staticRated) {
    Curve c;
    const std::string model = rec.model.str(), family = rec.family.str();
    c.label = model.rfind(family, 0) == 0 ? model.substr(family.size()) : model;
    while (!c.label.empty() && c.label.front() == ' ')
        c.label.erase(c.label.begin());
    std::vector<std::pair<double, double>> raw;
    for (int k = 1; k <= vd::kPointsPerCurve; ++k) {
        const double q = rec.vol.at(1, k), p = rec.pres.at(1, k);
        if (q <= 0 && p <= 0)
            break;
        raw.emplace_back(q, p);
    }
    // Linear in between, finely enough to look smooth on log axes.
    for (size_t i = 0; i + 1 < raw.size(); ++i) {
        for (int s = 0; s < 16; ++s) {
            const double t = s / 16.0;
            const double q = raw[i].first + (raw[i + 1].first - raw[i].first) * t;
            const double pt = raw[i].second + (raw[i + 1].second - raw[i].second) * t;
            c.points.emplace_back(q * 3600, ShownPressure(q, pt, rec.outlet_area, staticRated));
        }
    }
    if (!raw.empty())
        c.points.emplace_back(
            raw.back().first * 3600,
            ShownPressure(raw.back().first, raw.back().second, rec.outlet_area, staticRated));
    if (rec.min_pa[1] > 0) {
        // The limit is on total pressure; shown at the volume where it falls.
        for (size_t i = 0; i + 1 < raw.size(); ++i) {
            if (raw[i].second <= rec.min_pa[1] && raw[i + 1].second >= rec.min_pa[1]) {
                const double t = (rec.min_pa[1] - raw[i].second) /
                                 std::max(1e-9, raw[i + 1].second - raw[i].second);
                const double q = raw[i].first + (raw[i + 1].first - raw[i].first) * t;
                c.limitQ = q * 3600;
                break;
            }
        }
    }
    return c;
}

bool SameCurve(const Curve& a, const Curve& b) {
    if (a.points.size() != b.points.size())
        return false;
    for (size_t i = 0; i < a.points.size(); ++i) {
        const QPointF &p = a.points[i], &q = b.points[i];
        if (std::abs(p.x() - q.x()) > 0.01 * std::max(1.0, p.x()) ||
            std::abs(p.y() - q.y()) > 0.01 * std::max(1.0, p.y()))
            return false;
    }
    return true;
}

// 1-2-5 steps.
double NiceBelow(double v) {
    const double e = std::pow(10, std::floor(std::log10(v)));
    for (double m : {5.0, 2.0, 1.0})
        if (m * e <= v)
            return m * e;
    return e;
}

double NiceAbove(double v) {
    const double e = std::pow(10, std::floor(std::log10(v)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * e >= v * 0.999)
            return m * e;
    return 10 * e;
}

std::string NumberText(double v) {
    char buf[32];
    if (v >= 1)
        std::snprintf(buf, sizeof buf, "%.0f", v);
    else
        std::snprintf(buf, sizeof buf, "%g", v);
    std::string s = buf;
    // Thousands apart with a space, as the catalogue prints them.
    if (v >= 10000)
        for (int i = int(s.size()) - 3; i > 0; i -= 3)
            s.insert(size_t(i), " ");
    return s;
}

struct Axes {
    QRectF plot;
    double lx0, lx1, ly0, ly1;
    QPointF map(double q, double p) const {
        return QPointF(plot.left() + (std::log10(q) - lx0) / (lx1 - lx0) * plot.width(),
                       plot.bottom() - (std::log10(p) - ly0) / (ly1 - ly0) * plot.height());
    }
    bool inside(double q, double p) const {
        const double lq = std::log10(q), lp = std::log10(p);
        return lq >= lx0 - 1e-9 && lq <= lx1 + 1e-9 && lp >= ly0 - 1e-9 && lp <= ly1 + 1e-9;
    }
};

// A quantity with its index set low and small, then its unit.
void AxisName(Sheet& s, QPointF at, const char* symbol, const char* index, const char* unit,
              Rgb color) {
    TextStyle t;
    t.height = 100;
    t.italic = true;
    t.color = color;
    s.text(at, symbol, t);
    double x = at.x() + Sheet::textWidth(symbol, t);
    TextStyle sub = t;
    sub.height = 70;
    sub.italic = false;
    s.text(QPointF(x + 5, at.y() + 28), index, sub);
    x += 5 + Sheet::textWidth(index, sub) + 45;
    TextStyle u = t;
    u.italic = false;
    s.text(QPointF(x, at.y()), unit, u);
}

// Grid, ticks and labels; the logarithmic decades with their 2…9 lines.
void DrawGrid(Sheet& s, const Axes& a, const char* pressureIndex) {
    TextStyle tick;
    tick.height = 95;
    tick.color = ink::kBlack;
    s.pen(ink::kGridFine, 0);
    const double q0 = std::pow(10, a.lx0), q1 = std::pow(10, a.lx1);
    const double p0 = std::pow(10, a.ly0), p1 = std::pow(10, a.ly1);
    auto each = [](double lo, double hi, auto&& fn) {
        for (double e = std::pow(10, std::floor(std::log10(lo))); e <= hi * 1.0001; e *= 10)
            for (int m = 1; m <= 9; ++m) {
                const double v = m * e;
                if (v >= lo * 0.9999 && v <= hi * 1.0001)
                    fn(v, m);
            }
    };
    each(q0, q1, [&](double v, int m) {
        s.pen(m == 1 ? ink::kGrid : ink::kGridFine, m == 1 ? 8 : 0);
        s.line(a.map(v, p0), a.map(v, p1));
    });
    each(p0, p1, [&](double v, int m) {
        s.pen(m == 1 ? ink::kGrid : ink::kGridFine, m == 1 ? 8 : 0);
        s.line(a.map(q0, v), a.map(q1, v));
    });
    s.pen(ink::kBlack, 12);
    s.noBrush();
    s.rect(a.plot);
    tick.align = wmf::kTaCenter | wmf::kTaTop;
    each(q0, q1, [&](double v, int m) {
        if (m != 1 && m != 2 && m != 5)
            return;
        const QPointF p = a.map(v, p0);
        s.pen(ink::kBlack, 8);
        s.line(p, p + QPointF(0, 35));
        s.text(p + QPointF(0, 55), NumberText(v), tick);
    });
    tick.align = wmf::kTaRight | wmf::kTaBaseline;
    each(p0, p1, [&](double v, int m) {
        if (m != 1 && m != 2 && m != 5)
            return;
        const QPointF p = a.map(q0, v);
        s.pen(ink::kBlack, 8);
        s.line(p, p - QPointF(35, 0));
        s.text(p + QPointF(-60, Sheet::capHeight(tick) / 2), NumberText(v), tick);
    });
    // The same volumes in m³/s along the top.
    TextStyle top = tick;
    top.height = 84;
    top.color = ink::kSlate;
    top.align = wmf::kTaCenter | wmf::kTaBaseline;
    each(q0 / 3600, q1 / 3600, [&](double v, int m) {
        if (m != 1 && m != 2 && m != 5)
            return;
        const QPointF p = a.map(v * 3600, p1);
        s.pen(ink::kSlate, 8);
        s.line(p, p - QPointF(0, 30));
        s.text(p - QPointF(0, 50), NumberText(v), top);
    });
    AxisName(s, QPointF(a.plot.right() - 420, a.plot.bottom() + 300), "q", "V", "m\xB3/h",
             ink::kBlack);
    AxisName(s, QPointF(a.plot.left() - 400, a.plot.top() - 120), "p", pressureIndex, "Pa",
             ink::kBlack);
    AxisName(s, QPointF(a.plot.right() - 330, a.plot.top() - 178), "q", "V", "m\xB3/s",
             ink::kSlate);
}

// Lines of constant system resistance (p ∝ q²), faint, behind the curves.
void DrawSystemLines(Sheet& s, const Axes& a) {
    s.pen(Rgb{0xB8, 0xC4, 0xD0}, 0);
    const double span = (a.lx1 - a.lx0);
    for (int i = -6; i <= 6; ++i) {
        // log p = 2 log q + k; spaced evenly across the plot's diagonal.
        const double k = (a.ly0 + a.ly1) / 2 - 2 * (a.lx0 + a.lx1) / 2 + i * span * 0.55;
        std::vector<QPointF> line;
        for (int j = 0; j <= 40; ++j) {
            const double lq = a.lx0 + span * j / 40, lp = 2 * lq + k;
            if (lp >= a.ly0 && lp <= a.ly1)
                line.push_back(a.map(std::pow(10, lq), std::pow(10, lp)));
        }
        if (line.size() >= 2)
            s.patterned(line, {40, 40});
    }
}

// The visible part of a curve in plot coordinates, split where the fan
// must not run.
void PlaceCurve(Curve& c, const Axes& a) {
    for (const QPointF& p : c.points) {
        if (p.y() <= 0 || !a.inside(p.x(), p.y()))
            continue;
        const bool barred = c.limitQ > 0 && p.x() > c.limitQ;
        (barred ? c.barred : c.allowed).push_back(a.map(p.x(), p.y()));
    }
    // Join the two parts at the limit.
    if (!c.barred.empty() && !c.allowed.empty())
        c.barred.push_back(c.allowed.front());
}

bool Overlaps(const QRectF& r, const std::vector<QRectF>& taken) {
    for (const QRectF& t : taken)
        if (r.intersects(t))
            return true;
    return false;
}

bool Crosses(const QRectF& r, const std::vector<Curve>& curves) {
    for (const Curve& c : curves)
        for (const auto* part : {&c.allowed, &c.barred})
            for (const QPointF& p : *part)
                if (r.contains(p))
                    return true;
    return false;
}

} // namespace

std::string MakePerformanceChart(const ChartFamily& family) {
    if (family.records.empty() || family.families.empty())
        throw std::runtime_error("chart without records");
    const FamilyText* text = FindFamily(family.families.front());
    const bool staticRated = text && text->staticRated;

    std::vector<Curve> curves;
    for (const vd::TFanRecord* rec : family.records) {
        Curve c = ReadCurve(*rec, staticRated);
        if (c.points.size() < 2)
            continue;
        auto same = std::find_if(curves.begin(), curves.end(),
                                 [&](const Curve& o) { return SameCurve(o, c); });
        if (same != curves.end())
            same->label += ", " + c.label;
        else
            curves.push_back(std::move(c));
    }
    if (curves.empty())
        throw std::runtime_error("no curves for " + family.families.front());

    // Ranges: every curve's upper part and most of its lower part in view.
    double topMin = 1e12, pMax = 0, qMin = 1e12, qMax = 0;
    for (const Curve& c : curves) {
        double top = 0;
        for (const QPointF& p : c.points)
            top = std::max(top, p.y());
        topMin = std::min(topMin, top);
        pMax = std::max(pMax, top);
    }
    double pLow = NiceBelow(topMin / 5);
    double limitMin = 1e12;
    for (const Curve& c : curves)
        if (c.limitQ > 0)
            for (const QPointF& p : c.points)
                if (p.x() <= c.limitQ)
                    limitMin = std::min(limitMin, std::max(p.y(), 1.0));
    // Where the fans must stay above a limit, the chart need not reach far below it.
    if (limitMin < 1e12)
        pLow = std::max(pLow, NiceBelow(limitMin / 2.5));
    for (const Curve& c : curves)
        for (const QPointF& p : c.points)
            if (p.y() >= pLow) {
                qMin = std::min(qMin, p.x());
                qMax = std::max(qMax, p.x());
            }
    Axes a;
    a.lx0 = std::log10(NiceBelow(qMin * 0.9));
    a.lx1 = std::log10(NiceAbove(qMax * 1.05));
    a.ly0 = std::log10(pLow);
    a.ly1 = std::log10(NiceAbove(pMax * 1.12));
    // Enough decades each way for the curves to keep their shape.
    if (a.lx1 - a.lx0 < 1.5)
        a.lx0 = std::log10(NiceBelow(std::pow(10, a.lx1 - 1.5)));
    if (a.ly1 - a.ly0 < 0.99)
        a.ly0 = std::log10(NiceBelow(std::pow(10, a.ly1 - 1.0)));

    Sheet s(kChartFrame, kChartUnitsPerInch);
    const QRectF f = kChartFrame;

    // Heading: family, kind, supply; the brand on the right.
    std::string codes;
    for (const std::string& c : family.families)
        codes += (codes.empty() ? "" : " \xB7 ") + c;
    TextStyle head;
    head.height = 190;
    head.bold = true;
    head.color = ink::kNavy;
    s.text(QPointF(90, 250), codes, head);
    TextStyle kind;
    kind.height = 110;
    kind.color = ink::kNavy;
    const double codesW = Sheet::textWidth(codes, head);
    if (text)
        s.text(QPointF(90 + codesW + 60, 250), text->kind, kind);
    std::set<std::string> supplies;
    for (const vd::TFanRecord* rec : family.records) {
        std::string supply = rec->volts.str() + " V " + std::to_string(rec->phases) + "~ " +
                             std::to_string(rec->hz) + " Hz";
        supplies.insert(supply);
    }
    std::string supplyText;
    for (const std::string& sp : supplies)
        supplyText += (supplyText.empty() ? "" : ",  ") + sp;
    TextStyle note;
    note.height = 85;
    note.color = ink::kSlate;
    s.text(QPointF(90, 390), supplyText + "   \xB7   full speed, air density 1.2 kg/m\xB3", note);
    TextStyle brand;
    brand.height = 140;
    brand.bold = true;
    brand.color = ink::kNavy;
    const double brandX = f.right() - 90 - Sheet::textWidth("Vandrel", brand);
    DrawFanMark(s, QPointF(brandX - 110, 205), 85, ink::kNavy, ink::kBlue, ink::kNavy);
    s.text(QPointF(brandX, 255), "Vandrel", brand);
    s.pen(ink::kNavy, 10);
    s.line(QPointF(90, 440), QPointF(f.right() - 90, 440));

    a.plot = QRectF(QPointF(520, 700), QPointF(f.right() - 150, f.bottom() - 370));
    DrawGrid(s, a, staticRated ? "s" : "t");
    DrawSystemLines(s, a);

    for (Curve& c : curves)
        PlaceCurve(c, a);
    for (const Curve& c : curves) {
        if (c.barred.size() >= 2) {
            s.pen(ink::kSky, 10);
            s.patterned(c.barred, {45, 35});
        }
        if (c.allowed.size() >= 2) {
            s.pen(ink::kNavy, 16);
            s.polyline(c.allowed);
        }
        if (!c.barred.empty() && !c.allowed.empty()) {
            // A bar across the curve where the permitted range ends.
            const QPointF p = c.allowed.front();
            s.pen(ink::kNavy, 14);
            s.line(p + QPointF(-28, -28), p + QPointF(28, 28));
        }
    }

    // Labels: near the upper end of each curve, moved along it until they
    // sit clear of the other labels and, where possible, of every curve.
    TextStyle label;
    label.height = 94;
    label.bold = true;
    label.color = ink::kNavy;
    label.align = wmf::kTaLeft | wmf::kTaBaseline;
    const double cap = Sheet::capHeight(label);
    std::vector<QRectF> taken;
    for (const Curve& c : curves) {
        if (c.allowed.size() < 2)
            continue;
        const double w = Sheet::textWidth(c.label, label);
        std::optional<QRectF> best, fallback;
        const std::vector<double> along = {0.97, 0.9, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3};
        for (int pass = 0; pass < 2 && !best; ++pass)
            for (double t : along) {
                const QPointF p = c.allowed[size_t(t * double(c.allowed.size() - 1))];
                for (const QPointF& off :
                     {QPointF(25, -30), QPointF(-w - 25, cap + 30), QPointF(25, cap + 35)}) {
                    QRectF r(p.x() + off.x(), p.y() + off.y() - cap, w, cap);
                    QRectF box = r.adjusted(-15, -15, 15, 15);
                    if (!a.plot.contains(box) || Overlaps(box, taken))
                        continue;
                    if (!fallback)
                        fallback = r;
                    if (pass == 1 || !Crosses(box, curves)) {
                        best = r;
                        break;
                    }
                }
                if (best)
                    break;
            }
        if (!best)
            best = fallback;
        if (!best)
            continue;
        taken.push_back(best->adjusted(-15, -15, 15, 15));
        s.noPen();
        s.brush(ink::kWhite);
        s.rect(best->adjusted(-10, -10, 10, 12));
        s.text(QPointF(best->left(), best->bottom()), c.label, label);
    }
    return s.finish();
}

} // namespace material
