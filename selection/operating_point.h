#pragma once
// Where a fan's full-speed curve meets the system curve p = k·Q² through the
// duty point. Values are stored as floats between steps and computed in
// extended precision within a step, so that results match the catalogue's
// published selections to the last digit.
#include "fan_record.h"

#include <cmath>
#include <cstdint>

namespace vd {

struct OperatingPoint {
    bool found = false; // a segment of points 1..19 brackets k
    float Qop = 0;      // m3/s
    float Pop = 0;      // Pa
    float Wop = 0;      // W
    // The point's volume was shown to fail the deviation test (see
    // UnlistedVolumes) and the point was not worked out: only `found` holds.
    bool belowRange = false;
    bool aboveRange = false;
    // On a curve whose powers are read later (CurvePoints::powersLater), Wop
    // is left to WorkOutPower: the power lies between those of points
    // powerFrom and powerTo (the same point where it is that point's power),
    // and until then Wop holds how far along from the first it lies. Kept
    // in what the fields above leave over: a scan copies millions of these.
    // powerFrom is 0 once Wop is the power.
    std::uint8_t powerFrom = 0;
    std::uint8_t powerTo = 0;
};

// The operating volume in percent of the duty volume, as the deviation test
// compares it.
float DeviationPercent(float Qop, float dutyVolume);

// Operating volumes that the deviation test rejects whatever else holds: no
// more than `lowAtMost` (a volume of 0 or less is no usable point), or at
// least `highAtLeast` with a pressure that stays finite. Where a run has no
// such bounds they are -inf and +inf.
struct UnlistedVolumes {
    double lowAtMost = -HUGE_VAL;
    double highAtLeast = HUGE_VAL;
};
// The bounds for a duty volume and an allowed deviation in percent, exact to
// the float: the largest volume that fails low, the smallest that fails high.
UnlistedVolumes UnlistedVolumesFor(float dutyVolume, long double allowedDeviation);

// Velocity pressure at the outlet for a static duty: 0.6·v², v = duty volume ÷
// outlet area; 0 when the outlet area is not a positive finite number.
float VelocityPressure(float dutyVolume, float outletArea);

// System constant k = (duty pressure + pv) ÷ duty volume².
float SystemConstant(float dutyVolume, float dutyPressure, float pv);

// The points 1..19 of one curve that the selection reads (index 0 unused).
struct CurvePoints {
    float V[20], P[20], W[20];
    // When set, the powers are read from here (points 1..19 as stored in a
    // record) instead of W, and only those of the segment that is met.
    const unsigned char* powerTable = nullptr;
    // With powerTable: no power is read; the point's is left to WorkOutPower.
    // A scan reads the powers only of the fans it lists, and only when it
    // makes their rows, when it has asked for their cache lines ahead.
    bool powersLater = false;
    float Power(int point) const;
};
// Curve `curve` (1..5; 1 is full speed) of a decoded record.
CurvePoints CurveOf(const TFanRecord& rec, int curve = 1);
// Curve 1 from the record's bytes as stored in the file, which must outlive
// it: its powers are left in the record.
CurvePoints Curve1(const unsigned char* record);

// Operating point on a curve for the system constant k. Points whose volume is
// not a positive finite number, or whose pressure is not finite, are skipped;
// the first segment that brackets k wins.
// With `unlisted`, a point whose volume lies in its ranges beyond doubt is
// only marked as such (belowRange, aboveRange), without the extended
// arithmetic of its root, pressure and power.
OperatingPoint ComputeOperatingPoint(const CurvePoints& curve, float k,
                                     const UnlistedVolumes* unlisted = nullptr);
// Sets the power of a point worked out on a curve whose powers were left in
// `record` (the record the curve was read from by Curve1).
void WorkOutPower(OperatingPoint& op, const unsigned char* record);
// The same on curve `curve` of `rec`; no point for a curve outside 1..5.
OperatingPoint ComputeOperatingPoint(const TFanRecord& rec, float k, int curve = 1);

} // namespace vd
