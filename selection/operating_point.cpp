#include "operating_point.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

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
    c.V[0] = c.P[0] = c.W[0] = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(c.V + 1, record + offs::vol, 19 * sizeof(float));
        std::memcpy(c.P + 1, record + offs::pres, 19 * sizeof(float));
        std::memcpy(c.W + 1, record + offs::power, 19 * sizeof(float));
    } else {
        auto get = [&](std::size_t at) {
            const unsigned char* b = record + at;
            return std::bit_cast<float>(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                                        std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24);
        };
        for (int i = 1; i <= 19; ++i) {
            c.V[i] = get(offs::vol + 4 * (i - 1));
            c.P[i] = get(offs::pres + 4 * (i - 1));
            c.W[i] = get(offs::power + 4 * (i - 1));
        }
    }
    return c;
}

namespace {

// Where a point's constant P / V², stored as a float, lies against k: the two
// comparisons that bracket a segment.
struct Side {
    bool atMostK;  // P / V² <= k
    bool atLeastK; // k <= P / V²
};

Side SideOfK(float P, float V, float k) {
    const float kPoint = static_cast<float>(static_cast<LD>(P) / (static_cast<LD>(V) * V));
    return {kPoint <= k, k <= kPoint};
}

// The same, mostly without the extended division: for a positive normal k, a
// finite P and a positive finite V, P − k·V² in double tells the side exactly
// unless P / V² lies within 2^-20 of k, which is far wider than the errors of
// the double product and of both roundings of the quotient to a float.
Side SideOfKQuick(float P, float V, float k, bool kIsNormal) {
    if (kIsNormal) {
        const double t = static_cast<double>(k) * (static_cast<double>(V) * V);
        const double d = static_cast<double>(P) - t;
        if (std::fabs(d) > t * 0x1p-20)
            return {d<0, d> 0};
    }
    return SideOfK(P, V, k);
}

} // namespace

OperatingPoint ComputeOperatingPoint(const TFanRecord& rec, float k, int curve) {
    if (curve < 1 || curve > 5)
        return {};
    return ComputeOperatingPoint(CurveOf(rec, curve), k);
}

OperatingPoint ComputeOperatingPoint(const CurvePoints& c, float k) {
    const float* V = c.V;
    const float* P = c.P;
    const float* W = c.W;
    OperatingPoint op;

    float Vp = V[1], Pp = P[1], Wp = W[1];
    if (Vp == 0)
        Vp = 0.00001f;
    const bool kIsNormal = std::isnormal(k) && k > 0;
    // The previous point's side is the side it had as point i.
    Side previous = Vp > 0 && std::isfinite(Vp) && std::isfinite(Pp)
                        ? SideOfKQuick(Pp, Vp, k, kIsNormal)
                        : SideOfK(Pp, Vp, k);

    for (int i = 2; i <= 19; ++i) {
        const float Vi = V[i], Pi = P[i], Wi = W[i];
        if (!(Vi > 0) || !std::isfinite(Vi) || !std::isfinite(Pi))
            continue;
        const Side side = SideOfKQuick(Pi, Vi, k, kIsNormal);
        if (previous.atMostK && side.atLeastK) {
            op.found = true;
            if (Vi == Vp) {
                // Vertical segment: the fan delivers Vp at any pressure on it.
                op.Qop = Vp;
                op.Pop = static_cast<float>(static_cast<LD>(k) * (static_cast<LD>(Vp) * Vp));
                if (Pi == Pp) {
                    op.Wop = Wp;
                } else {
                    const float t = static_cast<float>((static_cast<LD>(op.Pop) - Pp) /
                                                       (static_cast<LD>(Pi) - Pp));
                    op.Wop = static_cast<float>(Wp - (static_cast<LD>(Wp) - Wi) * t);
                }
            } else {
                const float a =
                    static_cast<float>((static_cast<LD>(Pi) - Pp) / (static_cast<LD>(Vi) - Vp));
                const float b = static_cast<float>(static_cast<LD>(Pp) - static_cast<LD>(a) * Vp);
                if (k == 0) {
                    op.Qop = static_cast<float>(-static_cast<LD>(b) / a);
                } else {
                    const LD s = std::sqrt(static_cast<LD>(a) * a + 4.0L * k * b);
                    const float r1 = static_cast<float>((a - s) / (2.0L * k));
                    const float r2 = static_cast<float>((a + s) / (2.0L * k));
                    // The root that lies on the segment: on a falling curve
                    // (volume decreasing with the point number) the larger one.
                    op.Qop = Vi < Vp ? r2 : r1;
                }
                op.Pop =
                    static_cast<float>(static_cast<LD>(k) * (static_cast<LD>(op.Qop) * op.Qop));
                const float t =
                    static_cast<float>((static_cast<LD>(op.Qop) - Vp) / (static_cast<LD>(Vi) - Vp));
                op.Wop = static_cast<float>(Wp - (static_cast<LD>(Wp) - Wi) * t);
            }
            return op;
        }
        Vp = Vi;
        Pp = Pi;
        Wp = Wi;
        previous = side;
    }
    return op;
}

} // namespace vd
