#include "operating_point.h"

#include <cmath>

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

OperatingPoint ComputeOperatingPoint(const TFanRecord& rec, float k, int curve) {
    // Point i of the curve: the tables number the curves' points one after another.
    const int base = 20 * (curve - 1);
    auto V = [&](int i) { return rec.vol[base + i]; };
    auto P = [&](int i) { return rec.pres[base + i]; };
    auto W = [&](int i) { return rec.power[base + i]; };
    OperatingPoint op;
    if (curve < 1 || curve > 5)
        return op;

    float Vp = V(1), Pp = P(1), Wp = W(1);
    if (Vp == 0)
        Vp = 0.00001f;

    for (int i = 2; i <= 19; ++i) {
        const float Vi = V(i), Pi = P(i), Wi = W(i);
        if (!(Vi > 0) || !std::isfinite(Vi) || !std::isfinite(Pi))
            continue;
        const float kp = static_cast<float>(static_cast<LD>(Pp) / (static_cast<LD>(Vp) * Vp));
        const float ki = static_cast<float>(static_cast<LD>(Pi) / (static_cast<LD>(Vi) * Vi));
        if (kp <= k && k <= ki) {
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
    }
    return op;
}

} // namespace vd
