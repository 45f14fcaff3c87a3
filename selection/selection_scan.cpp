#include "selection_scan.h"

#include "family_rules.h"
#include "select_fans.h"
#include "vd_variables.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace vd {

using LD = long double;

std::uint64_t FamilyCode(std::string_view family) {
    std::uint64_t code = family.size();
    for (std::size_t i = 0; i < family.size() && i < 7; ++i)
        code |= std::uint64_t(static_cast<unsigned char>(family[i])) << (8 * (i + 1));
    return code;
}

SelectionCriteria CriteriaFromSharedState(const SelectionControls& controls) {
    SelectionCriteria c;
    for (const auto& rule : FamilyRules())
        if (*rule.flag == "N")
            c.rejectedFamilies.push_back({FamilyCode(rule.family), rule.reason});
    c.testSupply = controls.SupplyIndex() > 0;
    c.phases = SupplyPhases;
    c.hz = SupplyHz;
    c.volts = SupplyVolts;
    c.isStatic = PressureType == "Static";
    c.dutyVolume = DutyVolume;
    c.dutyPressure = DutyPressure;
    c.totalPressureK = SystemConstant(c.dutyVolume, c.dutyPressure, 0.0f);
    c.allowedDeviation = controls.AllowedDeviation();
    c.keepRejects = controls.ShowRejects();
    c.unlisted = UnlistedVolumesFor(c.dutyVolume, c.allowedDeviation);
    return c;
}

RecordVerdict JudgeRecord(const unsigned char* record, const SelectionCriteria& c,
                          SystemConstantMemo* memo) {
    RecordVerdict v;
    if (!c.rejectedFamilies.empty()) {
        const std::uint64_t family = FamilyCode(RecordText(record, offs::family, 5));
        for (const auto& rejected : c.rejectedFamilies)
            if (rejected.code == family)
                v.reason = rejected.reason;
    }

    if (c.testSupply) {
        if (c.phases != RecordInt(record + offs::phases))
            v.reason = "Phase";
        if (c.hz != RecordInt(record + offs::hz))
            v.reason = "Hz";
        if (c.volts != RecordText(record, offs::volts, 10))
            v.reason = "Volts";
    }
    if (!v.Qualifies())
        return v;

    float k = c.totalPressureK;
    if (c.isStatic) {
        // The fans of a series follow one another and share their outlet:
        // the constant of the last outlet seen is kept.
        SystemConstantMemo single;
        SystemConstantMemo& m = memo ? *memo : single;
        const auto area = static_cast<std::uint32_t>(RecordInt(record + offs::outlet_area));
        if (!m.known || m.areaBits != area)
            m = {true, area,
                 SystemConstant(c.dutyVolume, c.dutyPressure,
                                VelocityPressure(c.dutyVolume, std::bit_cast<float>(area)))};
        k = m.k;
    }
    CurvePoints curve = Curve1(record);
    curve.powersLater = true;
    OperatingPoint op = ComputeOperatingPoint(curve, k, c.keepRejects ? nullptr : &c.unlisted);
    if (op.belowRange || op.aboveRange) {
        v.reason = op.belowRange ? "Dev<" : ">Dev";
        return v;
    }
    // No bracketing segment, or a segment that gives no usable point: the fan
    // has no operating point at this duty.
    const bool usable = op.found && op.Qop > 0 && std::isfinite(op.Qop) && std::isfinite(op.Pop);
    if (!usable)
        op = OperatingPoint{};
    if (static_cast<LD>(RecordInt(record + offs::min_pa)) > op.Pop)
        v.reason = "<MinPa";
    v.dev = DeviationPercent(op.Qop, c.dutyVolume);
    if (v.dev > 100 + c.allowedDeviation)
        v.reason = ">Dev";
    if (100 - c.allowedDeviation > v.dev)
        v.reason = "Dev<";
    if (!usable || std::isnan(v.dev))
        v.reason = "Dev<";
    v.op = op;
    return v;
}

void ScanRecords(const RecordSpan& span, const SelectionCriteria& criteria,
                 std::vector<RecordVerdict>& rows) {
    // The fields the tests read lie in a few cache lines spread over the
    // record; asking for them a few records ahead hides most of the wait.
    // The powers are read only for the segment a point is found on.
    constexpr std::size_t kAhead = 4;
    constexpr std::size_t kLines[] = {offs::family,
                                      offs::volts + 10,
                                      offs::vol,
                                      offs::vol + 40,
                                      offs::vol + 19 * 4 - 1,
                                      offs::pres,
                                      offs::pres + 19 * 4 - 1,
                                      offs::min_pa,
                                      offs::outlet_area + 3};
    SystemConstantMemo memo;
    for (std::size_t i = 0; i < span.count; ++i) {
        if (i + kAhead < span.count)
            for (std::size_t at : kLines)
                __builtin_prefetch(span.Record(i + kAhead) + at);
        RecordVerdict v = JudgeRecord(span.Record(i), criteria, &memo);
        if (v.Qualifies() || criteria.keepRejects) {
            v.record = span.first + static_cast<long long>(i);
            rows.push_back(v);
        }
    }
}

} // namespace vd
