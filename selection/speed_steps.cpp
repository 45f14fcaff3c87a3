#include "speed_steps.h"

#include "operating_point.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vd {

namespace {
constexpr std::array<const char*, kMaxCurves> kSteps = {"5", "4", "3", "2", "1"};
constexpr std::array<const char*, kMaxCurves> kSinglePhase = {"230", "165", "135", "110", " 80"};
constexpr std::array<const char*, kMaxCurves> kThreePhase = {"400", "240", "185", "145", " 95"};

std::size_t Index(int curve) {
    return static_cast<std::size_t>(std::clamp(curve, 1, kMaxCurves) - 1);
}
} // namespace

int CurveCount(const TFanRecord& rec) {
    return std::clamp(rec.curve_count, 1, kMaxCurves);
}

const char* SpeedStepLabel(int curve) {
    return kSteps[Index(curve)];
}

const char* SpeedStepVolts(int curve, std::int32_t phases) {
    return (phases == 1 ? kSinglePhase : kThreePhase)[Index(curve)];
}

SpeedStep SlowestSufficientStep(const TFanRecord& rec, float k, float dutyVolume) {
    auto stepOn = [&](int curve) {
        SpeedStep s;
        s.curve = curve;
        s.multiSpeed = CurveCount(rec) > 1;
        s.phases = rec.phases;
        const OperatingPoint op = ComputeOperatingPoint(rec, k, curve);
        if (op.found && op.Qop > 0 && std::isfinite(op.Qop)) {
            s.Qop = op.Qop;
            s.dev = DeviationPercent(op.Qop, dutyVolume);
        }
        return s;
    };
    for (int curve = CurveCount(rec); curve > 1; --curve) {
        SpeedStep s = stepOn(curve);
        if (s.Qop > 0 && s.Qop >= dutyVolume)
            return s;
    }
    return stepOn(1);
}

} // namespace vd
