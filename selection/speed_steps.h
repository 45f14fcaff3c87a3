#pragma once
// A multi-speed fan's steps: curve c (1..5, 1 full speed) is speed step
// 6 - c, run at a voltage that depends on the fan's phases. The data table
// shows them, and the selection names the slowest step that still does the
// duty.
#include "fan_record.h"

#include <string>

namespace vd {

inline constexpr int kMaxCurves = 5;

// The curves a record really has: curve_count brought into 1..5.
int CurveCount(const TFanRecord& rec);

// The step number of curve c as the data table shows it ("5" for curve 1).
const char* SpeedStepLabel(int curve);
// The voltage of curve c as the data table shows it (" 80" keeps its blank).
const char* SpeedStepVolts(int curve, std::int32_t phases);

struct SpeedStep {
    int curve = 1;           // 1..5
    bool multiSpeed = false; // the fan has more than one curve
    std::int32_t phases = 0; // the fan's, for the step's voltage
    float Qop = 0;           // m3/s, 0 when the curve gives no point
    float dev = 0;           // Qop in percent of the duty volume
};

// The slowest curve of `rec` whose operating point on the system curve of
// constant k delivers at least `dutyVolume`; full speed when no slower curve
// does (and for a one-curve fan). The record must be wholly decoded.
SpeedStep SlowestSufficientStep(const TFanRecord& rec, float k, float dutyVolume);

} // namespace vd
