#include "fan_verdict.h"

#include "family_rules.h"
#include "select_fans.h"
#include "vd_variables.h"

#include <array>
#include <cmath>

namespace vd {

using LD = long double;

std::string FamilyRejectReason(std::string_view family) {
    std::string reason = "OK";
    for (const auto& rule : FamilyRules())
        if (family == rule.family && *rule.flag == "N")
            reason = rule.reason;
    return reason;
}

FanVerdict JudgeFan(const TFanRecord& rec, const SelectionControls& controls, bool computeAll) {
    FanVerdict v;
    for (const auto& rule : FamilyRules())
        if (rec.family.view() == rule.family) {
            v.familyFlag = rule.flag;
            if (*rule.flag == "N")
                v.familyReason = rule.reason;
        }
    v.reason = v.familyReason;

    if (controls.SupplyIndex() > 0) {
        v.supplyTested = true;
        v.phaseOk = SupplyPhases == rec.phases;
        v.hzOk = SupplyHz == rec.hz;
        v.voltsOk = SupplyVolts == rec.volts.view();
        if (!v.phaseOk)
            v.reason = "Phase";
        if (!v.hzOk)
            v.reason = "Hz";
        if (!v.voltsOk)
            v.reason = "Volts";
    }

    v.dutyReached = v.reason == "OK";
    if (!v.dutyReached && !computeAll)
        return v;
    v.dutyComputed = true;
    v.pv = PressureType == "Static" ? VelocityPressure(DutyVolume, rec.outlet_area) : 0.0f;
    v.k = SystemConstant(DutyVolume, DutyPressure, v.pv);
    v.op = ComputeOperatingPoint(rec, v.k);
    // No bracketing segment, or a segment that gives no usable point: the
    // fan has no operating point at this duty.
    v.usable = v.op.found && v.op.Qop > 0 && std::isfinite(v.op.Qop) && std::isfinite(v.op.Pop);
    if (!v.usable)
        v.op = OperatingPoint{};
    v.minPaOk = !(static_cast<LD>(rec.min_pa[1]) > v.op.Pop);
    v.dev = DeviationPercent(v.op.Qop, DutyVolume);
    v.allowed = controls.AllowedDeviation();
    v.overOk = !(v.dev > 100 + v.allowed);
    v.underOk = !(100 - v.allowed > v.dev) && v.usable && !std::isnan(v.dev);
    if (!v.dutyReached)
        return v;
    if (!v.minPaOk)
        v.reason = "<MinPa";
    if (!v.overOk)
        v.reason = ">Dev";
    if (!v.underOk)
        v.reason = "Dev<";
    return v;
}

} // namespace vd
