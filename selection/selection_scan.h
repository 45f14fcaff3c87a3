#pragma once
// The per-record work of the selection run over records held in memory. The
// family and supply tests read a few bytes of a record, the operating point is
// computed only for records that pass them, and nothing else is decoded. Reads
// no shared state: several scans may run at once over one catalogue.
#include "mapped_catalogue.h"
#include "operating_point.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

class SelectionControls;

// Everything a run decides by, fixed for the whole run.
struct SelectionCriteria {
    // The family codes whose flag holds "N", with their reject texts.
    struct RejectedFamily {
        std::uint64_t code; // see FamilyCode
        const char* reason;
    };
    std::vector<RejectedFamily> rejectedFamilies;
    bool testSupply = false;
    std::int32_t phases = 0;
    std::int32_t hz = 0;
    std::string volts;
    bool isStatic = false;
    float dutyVolume = 0;
    float dutyPressure = 0;
    float totalPressureK = 0; // the system constant without velocity pressure
    long double allowedDeviation = 0;
    bool keepRejects = false;
    // Worked out from the two above by the run's set-up; a scan that does not
    // keep rejects leaves the points in these ranges unworked.
    UnlistedVolumes unlisted;
};

// The criteria of the shared state and the input page's controls.
SelectionCriteria CriteriaFromSharedState(const SelectionControls& controls);

// A text of at most five characters as one number: equal numbers, equal texts.
std::uint64_t FamilyCode(std::string_view family);

// What the run made of one record. `reason` is "OK" or the text of the last
// test that failed. `op` and `dev` are those of a listed fan, and of every fan
// that reached the duty tests when rejects are kept; the point's power is left
// in the record (WorkOutPower), which no test reads.
struct RecordVerdict {
    long long record = 0; // 0-based position in the catalogue
    const char* reason = "OK";
    OperatingPoint op;
    float dev = 0;
    bool Qualifies() const { return reason[0] == 'O' && reason[1] == 'K' && !reason[2]; }
};

// The system constant of a static duty for the last outlet area judged.
struct SystemConstantMemo {
    bool known = false;
    std::uint32_t areaBits = 0; // the area's float, bit for bit
    float k = 0;
};

RecordVerdict JudgeRecord(const unsigned char* record, const SelectionCriteria& criteria,
                          SystemConstantMemo* memo = nullptr);

// Judges every record of the span and appends the verdicts that make a grid
// row: qualifying fans, and every other record when rejects are kept.
void ScanRecords(const RecordSpan& span, const SelectionCriteria& criteria,
                 std::vector<RecordVerdict>& rows);

} // namespace vd
