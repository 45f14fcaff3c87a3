#pragma once
// One fan's tests in the selection run's order, with the values each test
// compares: the run lists or rejects by it, and `vdcat explain` shows it.
#include "fan_record.h"
#include "operating_point.h"

#include <string>

namespace vd {

class SelectionControls;

struct FanVerdict {
    // Family test: the flag that governs the record's family (nullptr when
    // none does) and the reason it gave ("OK" or the reject text).
    const std::string* familyFlag = nullptr;
    std::string familyReason = "OK";
    // Supply tests, only made when a supply is chosen.
    bool supplyTested = false;
    bool phaseOk = true, hzOk = true, voltsOk = true;
    // The duty tests run only when the earlier tests passed, or when asked for.
    bool dutyReached = false;
    bool dutyComputed = false;
    float pv = 0, k = 0;
    OperatingPoint op; // zero when the curve gives no usable point
    bool usable = false;
    float dev = 0; // Qop in percent of the duty volume
    bool minPaOk = true, overOk = true, underOk = true;
    long double allowed = 0; // the allowed deviation in percent
    // The last failed test's reason, or "OK": the fan is listed.
    std::string reason = "OK";
};

// Runs the tests on a record whose selection fields are decoded, with the
// duty point and the flags as the shared variables hold them. With
// `computeAll` the operating point and its tests are worked out even when an
// earlier test has rejected the fan (their outcome then does not count).
FanVerdict JudgeFan(const TFanRecord& rec, const SelectionControls& controls,
                    bool computeAll = false);

} // namespace vd
