#include "fan_model.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace gencat {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAirDensity = 1.2; // kg/m3, standard air

// ---- number texts --------------------------------------------------------

std::string TrimZeros(std::string s) {
    if (s.find('.') == std::string::npos)
        return s;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return s;
}

// The value a text stands for, so that checks see the stored number.
double Stored(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

// ---- deterministic jitter ------------------------------------------------

// Seeded from the model name, so adding a fan never changes the others.
class Jitter {
  public:
    explicit Jitter(const std::string& key) {
        std::uint64_t h = 1469598103934665603ull;
        for (unsigned char c : key) {
            h ^= c;
            h *= 1099511628211ull;
        }
        state_ = h;
    }
    // Uniform in [-1, 1].
    double Next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) / static_cast<double>(1ull << 52) - 1.0;
    }

  private:
    std::uint64_t state_;
};

// ---- impeller models -----------------------------------------------------

enum class Kind { Backward, Radial, Forward, Mixed, Axial, AxialHighPitch };

Kind ParseKind(const std::string& s) {
    if (s == "backward")
        return Kind::Backward;
    if (s == "radial")
        return Kind::Radial;
    if (s == "forward")
        return Kind::Forward;
    if (s == "mixed")
        return Kind::Mixed;
    if (s == "axial")
        return Kind::Axial;
    if (s == "axial-hp")
        return Kind::AxialHighPitch;
    throw ModelError("unknown kind \"" + s + "\"");
}

bool IsAxial(Kind k) {
    return k == Kind::Axial || k == Kind::AxialHighPitch;
}

// Shapes over x = Q / Q(free blowing), 0 < x <= 1. Pressure is relative to the
// shut-off value (axial: to the peak before stall), power to its scale.
struct Shape {
    Kind kind;
    double xStall;
    double xEnd;

    // Position inside the axial stall dip, 0 at its start, 1 at the curve's end.
    double StallDepth(double x) const { return x >= xStall ? 0.0 : (xStall - x) / (xStall - xEnd); }
    double Pressure(double x) const {
        switch (kind) {
        case Kind::Backward:
            return 1 + 0.3 * x - 1.3 * x * x;
        case Kind::Radial:
            return 1 + 0.2 * x - 1.2 * x * x;
        case Kind::Forward:
            return 1 + 0.35 * x - 0.45 * x * x - 0.9 * x * x * x;
        case Kind::Mixed:
            return 1 - 0.25 * x - 0.75 * x * x;
        default: {
            if (x >= xStall)
                return 1 - std::pow((x - xStall) / (1 - xStall), 1.6);
            double t = StallDepth(x);
            return 1 - 0.14 * std::sin(kPi * t) + 0.12 * t * t;
        }
        }
    }
    double Power(double x) const {
        switch (kind) {
        case Kind::Backward:
        case Kind::Radial:
            return 0.6 + 1.1 * x - 0.8 * x * x; // non-overloading
        case Kind::Forward:
            return 0.35 + 0.5 * x + 0.35 * x * x; // rises to free blowing
        case Kind::Mixed:
            return 0.75 + 0.55 * x - 0.4 * x * x;
        case Kind::Axial:
            return 1.1 - 0.3 * x + 0.08 * StallDepth(x); // highest towards stall
        case Kind::AxialHighPitch:
            return 0.8 + 0.3 * x;
        }
        return 1;
    }
};

// Speed ratios of the five transformer steps at full load. Three-phase motors
// lose more speed at the lower taps than capacitor motors.
constexpr std::array<double, 5> kStepRatio1Ph = {1.0, 0.84, 0.71, 0.58, 0.43};
constexpr std::array<double, 5> kStepRatio3Ph = {1.0, 0.80, 0.66, 0.53, 0.37};
// Voltage control raises the slip losses, so input power falls slower than n^3.
constexpr double kStepPowerExponent = 2.4;

// Rated outputs of the motors on offer, kW.
constexpr std::array<double, 30> kMotorSizesKw = {
    0.006, 0.01, 0.012, 0.015, 0.018, 0.025, 0.037, 0.055, 0.075, 0.09,
    0.12,  0.18, 0.25,  0.37,  0.55,  0.75,  1.1,   1.5,   2.2,   3.0,
    4.0,   5.5,  7.5,   11,    15,    18.5,  22,    30,    37,    45};

// Octave bands 63 Hz .. 8 kHz.
constexpr std::array<double, 8> kAWeighting = {-26.2, -16.1, -8.6, -3.2, 0.0, 1.2, 1.0, -1.1};

std::array<double, 8> SpectrumShape(Kind k) {
    switch (k) {
    case Kind::Backward:
        return {-5, -6, -7, -8, -10, -13, -18, -25};
    case Kind::Radial:
        return {-6, -5, -6, -8, -10, -13, -17, -23};
    case Kind::Forward:
        return {-3, -4, -6, -9, -12, -16, -21, -28};
    case Kind::Mixed:
        return {-6, -6, -7, -8, -9, -12, -16, -22};
    default:
        return {-8, -5, -5, -6, -9, -12, -17, -24};
    }
}

double EnergySum(const std::array<double, 8>& levels, const std::array<double, 8>& weighting = {}) {
    double e = 0;
    for (std::size_t i = 0; i < 8; ++i)
        e += std::pow(10.0, (levels[i] + weighting[i]) / 10.0);
    return 10.0 * std::log10(e);
}

// A-weighted sound power to the A-weighted pressure at 3 m, half-space.
constexpr double kLpAt3m = 17.5;

std::string Db(double v) {
    return std::to_string(static_cast<int>(std::lround(std::max(v, 0.0))));
}

struct Supply {
    int hz, phases;
    double lineVolts; // voltage the current refers to
};

Supply SupplyOf(const std::string& volts) {
    if (volts == "230")
        return {50, 1, 230};
    if (volts == "230/400")
        return {50, 3, 400};
    if (volts == "110-127")
        return {60, 1, 115};
    if (volts == "220")
        return {60, 1, 220};
    throw ModelError("unknown supply \"" + volts + "\" (230, 230/400, 110-127 or 220)");
}

class Context {
  public:
    Context(const FamilySpec& f, const SizeRow& r) : fam(f), row(r) {}

    double Need(const char* name) const {
        auto it = vars.find(name);
        if (it == vars.end())
            throw ModelError(std::string("no value for ") + name);
        return it->second;
    }
    double Get(const char* name, double fallback) const {
        auto it = vars.find(name);
        return it == vars.end() ? fallback : it->second;
    }
    std::string Text(const char* column, const std::string& fallback) const {
        for (const auto& [name, value] : row.texts)
            if (name == column)
                return value;
        return fallback;
    }

    const FamilySpec& fam;
    const SizeRow& row;
    Variables vars;
    std::array<double, 17> dims{};
};

void CheckFileName(const std::string& what, const std::string& name, const char* ext) {
    if (name.empty() || name.size() > 25)
        throw ModelError(what + " file name \"" + name + "\" must have 1 to 25 characters");
    std::string e(ext);
    if (name.size() < e.size() || name.compare(name.size() - e.size(), e.size(), e) != 0)
        throw ModelError(what + " file name \"" + name + "\" must end in " + e);
}

void CheckText(const char* what, const std::string& text, std::size_t max) {
    if (text.size() > max)
        throw ModelError(std::string(what) + " \"" + text + "\" is longer than " +
                         std::to_string(max));
}

// Rounds a curve to its text precision and proves the point order that the
// selection relies on: volume falls, pres/vol^2 rises.
Curve RoundCurve(const std::vector<double>& q, const std::vector<double>& p,
                 const std::vector<double>& w, int step) {
    Curve c;
    for (std::size_t k = 0; k < q.size(); ++k) {
        c.vol.push_back(Stored(FormatSignificant(q[k], 4)));
        c.pres.push_back(Stored(FormatFixed(p[k], p[k] < 100 ? 1 : 0)));
        c.power.push_back(Stored(FormatFixed(w[k], w[k] < 100 ? 1 : 0)));
    }
    for (std::size_t k = 0; k < c.vol.size(); ++k) {
        std::string at = "curve " + std::to_string(step) + " point " + std::to_string(k + 1);
        if (!(c.vol[k] > 0) || c.pres[k] < 0 || !(c.power[k] > 0))
            throw ModelError(at + ": volume and power must be positive, pressure not negative");
        if (k > 0) {
            float v0 = static_cast<float>(c.vol[k - 1]), v1 = static_cast<float>(c.vol[k]);
            long double k0 = static_cast<float>(c.pres[k - 1]) / ((long double)v0 * v0);
            long double k1 = static_cast<float>(c.pres[k]) / ((long double)v1 * v1);
            if (!(v1 < v0) || !(k1 > k0))
                throw ModelError(at + ": breaks the point order");
        }
    }
    return c;
}

} // namespace

std::string FormatFixed(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string s(buf);
    if (s.find_first_not_of("-0.") == std::string::npos)
        return "0"; // neither "-0" nor "0.0"
    return s;
}

std::string FormatSignificant(double v, int digits) {
    if (v == 0)
        return "0";
    int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    int decimals = std::max(0, digits - 1 - magnitude);
    return TrimZeros(FormatFixed(v, decimals));
}

FanEntry BuildFan(const FamilySpec& family, const SizeRow& size) {
    Context ctx(family, size);
    FanEntry e;
    e.family = family.code;
    e.model = ctx.Text("model", "");
    try {
        // Formulae in dependency order (file order where possible); a column
        // of the same name wins.
        ctx.vars = size.numbers;
        const auto& letters = DimensionLetters();
        std::vector<const Assignment*> pending;
        for (const Assignment& a : family.assignments)
            pending.push_back(&a);
        while (!pending.empty()) {
            std::vector<const Assignment*> later;
            std::string firstMissing;
            for (const Assignment* a : pending) {
                double v;
                auto it = ctx.vars.find(a->name);
                if (it != ctx.vars.end()) {
                    v = it->second;
                } else {
                    try {
                        v = a->expr.Eval(ctx.vars);
                    } catch (const UnknownVariable& err) {
                        if (firstMissing.empty())
                            firstMissing = std::string(err.what()) + " (family line " +
                                           std::to_string(a->line) + ")";
                        later.push_back(a);
                        continue;
                    } catch (const ExprError& err) {
                        throw ModelError(std::string(err.what()) + " (family line " +
                                         std::to_string(a->line) + ")");
                    }
                    ctx.vars[a->name] = v;
                }
                if (a->isDimension) {
                    if (v < 0)
                        throw ModelError("dimension " + a->name + " is negative");
                    auto pos = std::find(letters.begin(), letters.end(), a->name) - letters.begin();
                    ctx.dims[static_cast<std::size_t>(pos)] = v;
                }
            }
            if (later.size() == pending.size())
                throw ModelError(firstMissing); // nothing resolved: unknown name or a cycle
            pending = std::move(later);
        }

        CheckText("model", e.model, 13);
        if (e.model.empty())
            throw ModelError("model is empty");
        e.volts = ctx.Text("volts", family.volts);
        Supply supply = SupplyOf(e.volts);
        e.hz = supply.hz;
        e.phases = supply.phases;

        Kind kind = ParseKind(family.kind);
        const double wheel = ctx.Need("wheel") / 1000.0; // m
        const double rpm = ctx.Need("rpm");
        const int steps = static_cast<int>(ctx.Need("steps"));
        const int points = static_cast<int>(ctx.Need("points"));
        const double xEnd = ctx.Need("range");
        const double psi = ctx.Need("psi");
        const double phi = ctx.Need("phi");
        const double eta = ctx.Need("eta") / 100.0;
        const double outlet = ctx.Need("outlet");
        const bool staticRated = ctx.Get("static", 0) != 0;
        const double overload = ctx.Get("overload", 0);
        const Shape shape{kind, ctx.Get("xstall", 0.45), xEnd};

        if (wheel <= 0 || rpm <= 0 || psi <= 0 || phi <= 0 || outlet <= 0)
            throw ModelError("wheel, rpm, psi, phi and outlet must be positive");
        if (steps < 1 || steps > 5)
            throw ModelError("steps must be 1 to 5");
        if (points < 8 || points > 20)
            throw ModelError("points must be 8 to 20");
        if (!(xEnd > 0.05 && xEnd < 0.6) ||
            (IsAxial(kind) && !(shape.xStall > xEnd && shape.xStall < 0.8)))
            throw ModelError("range must lie in 0.05..0.6 and below xstall");
        if (!(eta >= 0.30 && eta <= 0.75))
            throw ModelError("eta must be 30 to 75 %");

        // Fan laws at full speed.
        const double tip = kPi * wheel * rpm / 60.0;
        const double shutOff = psi * kAirDensity / 2 * tip * tip;
        const double freeVolume = phi * kPi / 4 * wheel * wheel * tip;
        // Static rating: the curve holds static pressure plus the outlet's velocity pressure.
        auto velocityPressure = [&](double q) { return 0.6 * (q / outlet) * (q / outlet); };
        auto pressureAt = [&](double x) {
            return shutOff * shape.Pressure(x) +
                   (staticRated ? velocityPressure(freeVolume * x) : 0.0);
        };

        // Best efficiency point sets the power scale.
        double bestX = 1, bestRatio = -1;
        for (int i = 0; i <= 400; ++i) {
            double x = xEnd + (1 - xEnd) * i / 400.0;
            double ratio = freeVolume * x * pressureAt(x) / shape.Power(x);
            if (ratio > bestRatio) {
                bestRatio = ratio;
                bestX = x;
            }
        }
        const double powerScale = bestRatio / eta;

        Jitter jit(family.code + "/" + e.model);
        std::vector<double> xs(static_cast<std::size_t>(points));
        const double dx = (1 - xEnd) / (points - 1);
        for (int k = 0; k < points; ++k)
            xs[static_cast<std::size_t>(k)] =
                1 - dx * k + (k > 0 && k < points - 1 ? 0.15 * dx * jit.Next() : 0.0);
        std::vector<double> q1, p1, w1;
        for (double x : xs) {
            q1.push_back(freeVolume * x);
            p1.push_back(pressureAt(x) * (x < 1 ? 1 + 0.006 * jit.Next() : 1.0));
            w1.push_back(powerScale * shape.Power(x) * (1 + 0.006 * jit.Next()));
        }

        const auto& ratios = e.phases == 1 ? kStepRatio1Ph : kStepRatio3Ph;
        std::array<double, 5> r{};
        for (int c = 0; c < steps; ++c) {
            r[static_cast<std::size_t>(c)] =
                c == 0 ? 1.0 : ratios[static_cast<std::size_t>(c)] * (1 + 0.015 * jit.Next());
            std::vector<double> q, p, w;
            double rc = r[static_cast<std::size_t>(c)];
            for (std::size_t k = 0; k < q1.size(); ++k) {
                q.push_back(q1[k] * rc);
                p.push_back(p1[k] * rc * rc);
                w.push_back(w1[k] * std::pow(rc, kStepPowerExponent));
            }
            e.curves.push_back(RoundCurve(q, p, w, c + 1));
        }
        const Curve& full = e.curves[0];

        // Lowest permitted pressure: below it the motor would be overloaded.
        if (overload > 0) {
            if (!(overload > xEnd && overload < 1))
                throw ModelError("overload must lie between range and 1");
            int limit = static_cast<int>(std::ceil(pressureAt(overload) / 5.0) * 5);
            if (!(limit > full.pres.front() && limit < full.pres.back()))
                throw ModelError("minimum pressure lies outside the curve");
            for (int c = 0; c < steps; ++c)
                e.minPa[static_cast<std::size_t>(c)] =
                    c == 0 ? limit
                           : static_cast<int>(std::lround(limit * r[static_cast<std::size_t>(c)] *
                                                          r[static_cast<std::size_t>(c)]));
        }

        // Motor: sized on the largest input within the permitted range.
        double ratedInput = 0;
        for (std::size_t k = 0; k < full.vol.size(); ++k)
            if (full.pres[k] >= e.minPa[0])
                ratedInput = std::max(ratedInput, full.power[k]);
        double motorEff = std::clamp(0.48 + 0.11 * std::log10(ratedInput / 20.0), 0.45, 0.84) +
                          (e.phases == 3 ? 0.06 : 0.0);
        double shaftKw = ratedInput * motorEff / 1000.0;
        double ratingKw = kMotorSizesKw.back();
        for (double s : kMotorSizesKw)
            if (s >= shaftKw * 0.97) {
                ratingKw = s;
                break;
            }
        if (shaftKw * 0.97 > kMotorSizesKw.back())
            throw ModelError("motor larger than the largest standard size");
        double powerFactor =
            e.phases == 1 ? std::clamp(0.88 + 0.03 * std::log10(ratedInput / 20.0), 0.88, 0.97)
                          : std::clamp(0.66 + 0.07 * std::log10(ratedInput / 100.0), 0.62, 0.87);
        double amps = e.phases == 1
                          ? ratedInput / (supply.lineVolts * powerFactor)
                          : ratedInput / (std::sqrt(3.0) * supply.lineVolts * powerFactor);
        e.amps = FormatFixed(amps, amps < 10 ? 2 : 1);
        e.valueCol6 = FormatFixed(rpm, 0);
        char kw[32];
        std::snprintf(kw, sizeof kw, "%g", ratingKw);
        e.valueCol7 = kw;

        e.maxTemp = ctx.Need("temp");
        e.weight = FormatFixed(ctx.Need("weight"), 1);
        e.outletArea = Stored(FormatSignificant(outlet, 4));
        for (std::size_t i = 0; i < 17; ++i)
            e.dims[i] = FormatFixed(ctx.dims[i], 0);

        // Sound: specific sound power at the best efficiency point, split into
        // inlet and outlet, shaped by impeller type, speed and blade passing.
        const double bestQ = freeVolume * bestX, bestP = pressureAt(bestX);
        const double lwTotal = ctx.Need("ls") + 10 * std::log10(bestQ) + 20 * std::log10(bestP);
        std::array<double, 8> shapeDb = SpectrumShape(kind);
        const double tilt = 1.5 * std::log2(rpm / 1450.0);
        const double bladePass = ctx.Need("blades") * rpm / 60.0;
        const int bpBand =
            std::clamp(static_cast<int>(std::lround(std::log2(bladePass / 63.0))), 0, 7);
        for (int i = 0; i < 8; ++i)
            shapeDb[static_cast<std::size_t>(i)] += tilt * (i - 3.5) + (i == bpBand ? 3.0 : 0.0);
        const double shapeSum = EnergySum(shapeDb);
        auto pathBands = [&](double total, double extraSlope) {
            std::array<double, 8> b{};
            for (int i = 0; i < 8; ++i)
                b[static_cast<std::size_t>(i)] = total + shapeDb[static_cast<std::size_t>(i)] -
                                                 shapeSum - extraSlope * (i - 2) + 0.7 * jit.Next();
            return b;
        };
        auto row = [&](const std::array<double, 8>& bands, double offset) {
            std::array<std::string, 10> t;
            double lwa = EnergySum(bands, kAWeighting);
            t[0] = Db(lwa - kLpAt3m);
            t[1] = Db(lwa + offset);
            for (std::size_t i = 0; i < 8; ++i)
                t[i + 2] = Db(bands[i] + offset);
            return t;
        };
        std::array<std::string, 10> zeros;
        zeros.fill("0");
        auto inlet = pathBands(lwTotal - 3.5, 0);
        auto outletBands = pathBands(lwTotal - 2.5, 0);
        e.sound[0] = row(inlet, 0);
        e.sound[1] = row(outletBands, 0);
        if (family.sound == "duct") {
            // Casing radiation: the casing holds the high frequencies back better.
            auto breakout = pathBands(lwTotal - 2.5 - ctx.Need("breakout"), 2.0);
            e.sound[2] = row(breakout, 0);
            e.sound[3] = row(breakout, -kLpAt3m);
            e.sound[3][1] = Db(EnergySum(breakout, kAWeighting));
        } else if (family.sound == "free") {
            e.sound[2] = zeros;
            e.sound[3] = row(outletBands, -kLpAt3m);
            e.sound[3][1] = Db(EnergySum(outletBands, kAWeighting));
        } else {
            throw ModelError("sound must be duct or free");
        }

        e.drawingFile = ctx.Text("drawing", family.drawing);
        e.diagramFile = ctx.Text("diagram", family.diagram);
        e.specFile = ctx.Text("spec", family.spec);
        e.maintFile = ctx.Text("maint", family.maint);
        e.pictureFile = ctx.Text("picture", family.picture);
        CheckFileName("drawing", e.drawingFile, ".wmf");
        CheckFileName("diagram", e.diagramFile, ".wmf");
        if (e.specFile.size() < 4 || (e.specFile.substr(e.specFile.size() - 4) != ".rtf" &&
                                      e.specFile.substr(e.specFile.size() - 4) != ".txt"))
            throw ModelError("spec file name must end in .rtf or .txt");
        CheckFileName("spec", e.specFile, e.specFile.substr(e.specFile.size() - 4).c_str());
        if (e.maintFile.size() < 4 || (e.maintFile.substr(e.maintFile.size() - 4) != ".rtf" &&
                                       e.maintFile.substr(e.maintFile.size() - 4) != ".txt"))
            throw ModelError("maint file name must end in .rtf or .txt");
        CheckFileName("maint", e.maintFile, e.maintFile.substr(e.maintFile.size() - 4).c_str());
        CheckFileName("picture", e.pictureFile, ".bmp");
        for (const std::string* t : {&e.valueCol6, &e.valueCol7, &e.amps, &e.weight, &e.volts})
            CheckText("rating text", *t, 10);
        for (const auto& d : e.dims)
            CheckText("dimension", d, 10);

        FanFigures& fig = e.figures;
        fig.tipSpeed = tip;
        fig.freeVolume = full.vol.front();
        fig.bestVolume = bestQ;
        fig.bestPressure = bestP;
        fig.bestPower = powerScale * shape.Power(bestX);
        fig.bestEfficiency = bestQ * bestP / fig.bestPower;
        fig.ratedInput = ratedInput;
        fig.shaftPower = shaftKw;
        fig.powerFactor = powerFactor;
        fig.outletLwA = std::atoi(e.sound[1][1].c_str());
    } catch (const ModelError& err) {
        throw ModelError(family.code + " " + e.model + " (line " + std::to_string(size.line) +
                         "): " + err.what());
    }
    return e;
}

} // namespace gencat
