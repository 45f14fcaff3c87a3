#include "operating_point.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace vd {

using LD = long double;

float VelocityPressure(float dutyVolume, float outletArea) {
    if (!(outletArea > 0) || !std::isfinite(outletArea))
        return 0;
    const float v = static_cast<float>(static_cast<LD>(dutyVolume) / outletArea);
    return static_cast<float>(0.6L * (static_cast<LD>(v) * v));
}

float SystemConstant(float dutyVolume, float dutyPressure, float pv) {
    return static_cast<float>((static_cast<LD>(dutyPressure) + pv) /
                              (static_cast<LD>(dutyVolume) * dutyVolume));
}

float DeviationPercent(float Qop, float dutyVolume) {
    return static_cast<float>(static_cast<LD>(Qop) / dutyVolume * 100);
}

UnlistedVolumes UnlistedVolumesFor(float dutyVolume, long double allowed) {
    UnlistedVolumes u;
    if (!(dutyVolume > 0) || !std::isfinite(dutyVolume) || !(allowed >= 0) ||
        !std::isfinite(allowed))
        return u;
    // The percentage grows with the volume, so each test fails on one side
    // of a float; search the finite non-negative floats by their bits.
    auto failsLow = [&](std::uint32_t bits) {
        return bits == 0 ||
               100 - allowed > DeviationPercent(std::bit_cast<float>(bits), dutyVolume);
    };
    auto failsHigh = [&](std::uint32_t bits) {
        return DeviationPercent(std::bit_cast<float>(bits), dutyVolume) > 100 + allowed;
    };
    constexpr std::uint32_t kMaxFinite = 0x7f7fffff;
    std::uint32_t lo = 0, hi = kMaxFinite; // the last that fails low lies in [lo, hi]
    while (lo < hi) {
        const std::uint32_t mid = lo + (hi - lo + 1) / 2;
        if (failsLow(mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    u.lowAtMost = std::bit_cast<float>(lo);
    if (failsHigh(kMaxFinite)) {
        lo = 1, hi = kMaxFinite; // the first that fails high lies in [lo, hi]
        while (lo < hi) {
            const std::uint32_t mid = lo + (hi - lo) / 2;
            if (failsHigh(mid))
                hi = mid;
            else
                lo = mid + 1;
        }
        u.highAtLeast = std::bit_cast<float>(lo);
    }
    return u;
}

CurvePoints CurveOf(const TFanRecord& rec, int curve) {
    // The tables number the curves' points one after another, 20 to a curve.
    const std::size_t base = 20 * static_cast<std::size_t>(curve - 1);
    CurvePoints c;
    std::memcpy(c.V, rec.vol.v.data() + base, sizeof c.V);
    std::memcpy(c.P, rec.pres.v.data() + base, sizeof c.P);
    std::memcpy(c.W, rec.power.v.data() + base, sizeof c.W);
    return c;
}

CurvePoints Curve1(const unsigned char* record) {
    CurvePoints c;
    c.V[0] = c.P[0] = 0;
    c.powerTable = record + offs::power;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(c.V + 1, record + offs::vol, 19 * sizeof(float));
        std::memcpy(c.P + 1, record + offs::pres, 19 * sizeof(float));
    } else {
        for (int i = 1; i <= 19; ++i) {
            c.V[i] = RecordFloat(record + offs::vol + 4 * (i - 1));
            c.P[i] = RecordFloat(record + offs::pres + 4 * (i - 1));
        }
    }
    return c;
}

namespace {

// Point `point`'s power in a record's table of the powers of points 1..19.
float StoredPower(const unsigned char* table, int point) {
    return RecordFloat(table + 4 * (point - 1));
}

} // namespace

float CurvePoints::Power(int point) const {
    return powerTable ? StoredPower(powerTable, point) : W[point];
}

namespace {

// The power a fraction t of the way from Wp to Wi.
float PowerAlong(float Wp, float Wi, float t) {
    return static_cast<float>(Wp - (static_cast<LD>(Wp) - Wi) * t);
}

} // namespace

void WorkOutPower(OperatingPoint& op, const unsigned char* record) {
    if (op.powerFrom == 0)
        return;
    const unsigned char* table = record + offs::power;
    const float Wp = StoredPower(table, op.powerFrom);
    op.Wop =
        op.powerTo == op.powerFrom ? Wp : PowerAlong(Wp, StoredPower(table, op.powerTo), op.Wop);
    op.powerFrom = op.powerTo = 0;
}

namespace {

// Where a point's constant P / V², stored as a float, lies against k: the two
// comparisons that bracket a segment, as bits (one small value keeps the
// search's loop in registers).
using Side = unsigned;
constexpr Side kAtMostK = 1;  // P / V² <= k
constexpr Side kAtLeastK = 2; // k <= P / V²

Side SideOfK(float P, float V, float k) {
    const float kPoint = static_cast<float>(static_cast<LD>(P) / (static_cast<LD>(V) * V));
    return (kPoint <= k ? kAtMostK : 0) | (k <= kPoint ? kAtLeastK : 0);
}

// The same, mostly without the extended division: for a positive normal k
// (`kd`, k in double, is 0 otherwise), a finite P and a positive finite V,
// P − k·V² in double tells the side exactly unless P / V² lies within 2^-20
// of k, which is far wider than the errors of the double product and of both
// roundings of the quotient to a float.
Side SideOfKQuick(float P, float V, float k, double kd) {
    if (kd > 0) {
        const double t = kd * (static_cast<double>(V) * V);
        const double d = static_cast<double>(P) - t;
        if (std::fabs(d) > t * 0x1p-20)
            return d < 0 ? kAtMostK : kAtLeastK;
    }
    return SideOfK(P, V, k);
}

// A point the search takes: a positive finite volume, a finite pressure.
bool Usable(float V, float P) {
    return V > 0 && V <= FLT_MAX && std::fabs(P) <= FLT_MAX;
}

// Whether x − y of two floats is exact in double: both finite and normal
// or zero, their exponents at most 28 apart (the difference then needs at most
// 53 bits).
bool DifferenceExactInDouble(float x, float y) {
    if (x == 0 || y == 0)
        return true;
    const auto ex = static_cast<int>(std::bit_cast<std::uint32_t>(x) >> 23 & 0xFF);
    const auto ey = static_cast<int>(std::bit_cast<std::uint32_t>(y) >> 23 & 0xFF);
    return ex != 0 && ex != 0xFF && ey != 0 && ey != 0xFF && std::abs(ex - ey) <= 28;
}

// Whether a double that is an exact value rounded once to double rounds to the
// float that the exact value rounds to, and so to the float of that value
// rounded once to extended precision: it does unless it lies on a point
// halfway between two floats (its bits below a float's last place are 1 and
// then zeros), for then the exact value may lie on either side, half a unit
// in the double's last place away at most. Zero, or outside the normal
// floats, it is not taken.
bool RoundsToFloatAsExact(double x) {
    constexpr std::uint64_t kBelowFloat = (std::uint64_t(1) << 29) - 1;
    constexpr std::uint64_t kHalfway = std::uint64_t(1) << 28;
    const double magnitude = std::fabs(x);
    return magnitude >= FLT_MIN && magnitude <= FLT_MAX &&
           (std::bit_cast<std::uint64_t>(x) & kBelowFloat) != kHalfway;
}

// A segment's slope a = (Pi − Pp) ÷ (Vi − Vp) and intercept b = Pp − a·Vp as
// floats, each the float of an exact value rounded once, as the extended
// arithmetic gives them, taken in double where that is sure to give the same
// floats: the differences are exact in double as in extended precision, the
// product a·Vp of two floats is exact in both, and each quotient or
// difference is rounded once in either. False where the extended arithmetic
// must decide; a and b are then unset.
bool SlopeAndInterceptInDouble(float Pi, float Pp, float Vi, float Vp, float& a, float& b) {
    if (!DifferenceExactInDouble(Pi, Pp) || !DifferenceExactInDouble(Vi, Vp))
        return false;
    const double slope = (static_cast<double>(Pi) - Pp) / (static_cast<double>(Vi) - Vp);
    if (!RoundsToFloatAsExact(slope))
        return false;
    a = static_cast<float>(slope);
    const double intercept = static_cast<double>(Pp) - static_cast<double>(a) * Vp;
    if (!RoundsToFloatAsExact(intercept))
        return false;
    b = static_cast<float>(intercept);
    return true;
}

// Whether the root that the extended arithmetic would give from a, b and k
// lies in `unlisted` beyond doubt; marks the point so when it does. Worked in
// double: both products under the square root are exact in double as in
// extended precision and their sum is rounded once, so each way's root lies
// within a few units in the last place of (|a| + s) / |2k| of the exact one.
// The margin allowed is 2^-40 of that, and whatever is not finite is left to
// the extended arithmetic.
bool MarkRootBeyond(float a, float b, float k, bool falling, const UnlistedVolumes& unlisted,
                    OperatingPoint& op) {
    const double s = std::sqrt(static_cast<double>(a) * a + 4.0 * k * static_cast<double>(b));
    const double r = (falling ? a + s : a - s) / (2.0 * k);
    const double margin = 0x1p-40 * (std::fabs(a) + s) / std::fabs(2.0 * k);
    if (!std::isfinite(r) || !std::isfinite(margin))
        return false;
    if (r + margin <= unlisted.lowAtMost) {
        op.found = op.belowRange = true;
        return true;
    }
    // Above the range, the point must also be usable (a finite volume and
    // pressure) for the deviation to be the test that fails.
    const double most = r + margin;
    if (r - margin >= unlisted.highAtLeast && most < 0x1p127 &&
        std::fabs(k) * most * most < 0x1p127) {
        op.found = op.aboveRange = true;
        return true;
    }
    return false;
}

} // namespace

OperatingPoint ComputeOperatingPoint(const TFanRecord& rec, float k, int curve) {
    if (curve < 1 || curve > 5)
        return {};
    return ComputeOperatingPoint(CurveOf(rec, curve), k);
}

OperatingPoint ComputeOperatingPoint(const CurvePoints& c, float k,
                                     const UnlistedVolumes* unlisted) {
    const float* V = c.V;
    const float* P = c.P;
    OperatingPoint op;

    float Vp = V[1], Pp = P[1];
    int previousPoint = 1; // whose power the segment starts from
    if (Vp == 0)
        Vp = 0.00001f;
    const double kd = std::isnormal(k) && k > 0 ? k : 0;
    // The previous point's side is the side it had as point i.
    Side previous = Usable(Vp, Pp) ? SideOfKQuick(Pp, Vp, k, kd) : SideOfK(Pp, Vp, k);

    for (int i = 2; i <= 19; ++i) {
        const float Vi = V[i], Pi = P[i];
        if (!Usable(Vi, Pi))
            continue;
        const Side side = SideOfKQuick(Pi, Vi, k, kd);
        if ((previous & kAtMostK) && (side & kAtLeastK)) {
            op.found = true;
            // The powers only once the point is to be worked out: t of the
            // way from point previousPoint's to point i's, or the first's.
            auto setPower = [&](bool firstOnly, float t) {
                if (c.powersLater) {
                    op.powerFrom = static_cast<std::uint8_t>(previousPoint);
                    op.powerTo = static_cast<std::uint8_t>(firstOnly ? previousPoint : i);
                    op.Wop = t; // until WorkOutPower
                    return;
                }
                const float Wp = c.Power(previousPoint), Wi = c.Power(i);
                op.Wop = firstOnly ? Wp : PowerAlong(Wp, Wi, t);
            };
            if (Vi == Vp) {
                // Vertical segment: the fan delivers Vp at any pressure on it.
                op.Qop = Vp;
                op.Pop = static_cast<float>(static_cast<LD>(k) * (static_cast<LD>(Vp) * Vp));
                if (Pi == Pp)
                    setPower(true, 0);
                else
                    setPower(false, static_cast<float>((static_cast<LD>(op.Pop) - Pp) /
                                                       (static_cast<LD>(Pi) - Pp)));
            } else {
                float a, b;
                if (!SlopeAndInterceptInDouble(Pi, Pp, Vi, Vp, a, b)) {
                    a = static_cast<float>((static_cast<LD>(Pi) - Pp) / (static_cast<LD>(Vi) - Vp));
                    b = static_cast<float>(static_cast<LD>(Pp) - static_cast<LD>(a) * Vp);
                }
                if (k == 0) {
                    op.Qop = static_cast<float>(-static_cast<LD>(b) / a);
                } else {
                    // The root that lies on the segment: on a falling curve
                    // (volume decreasing with the point number) the larger one.
                    const bool falling = Vi < Vp;
                    if (unlisted && MarkRootBeyond(a, b, k, falling, *unlisted, op))
                        return op;
                    const LD s = std::sqrt(static_cast<LD>(a) * a + 4.0L * k * b);
                    op.Qop = static_cast<float>((falling ? a + s : a - s) / (2.0L * k));
                }
                op.Pop =
                    static_cast<float>(static_cast<LD>(k) * (static_cast<LD>(op.Qop) * op.Qop));
                setPower(false, static_cast<float>((static_cast<LD>(op.Qop) - Vp) /
                                                   (static_cast<LD>(Vi) - Vp)));
            }
            return op;
        }
        Vp = Vi;
        Pp = Pi;
        previousPoint = i;
        previous = side;
    }
    return op;
}

} // namespace vd
