#pragma once
// The process-wide state that the window, the selection run, the drawings and
// the printouts share. Texts are Windows-1252 bytes, as in the files.
#include "fan_record.h"

#include <array>
#include <cstdint>
#include <string>

namespace vd {

// Duty point and choices, written by the select button.
extern float EnteredVolume;      // as typed, in VolumeUnit
extern float EnteredPressure;    // as typed, in PressureUnit
extern float DutyVolume;         // m3/s
extern float DutyPressure;       // Pa
extern std::string VolumeUnit;   // string[4]
extern std::string PressureUnit; // string[4]
extern std::string PressureType; // string[6]: "Static" or "Total"
extern std::int32_t SupplyPhases;
extern std::int32_t SupplyHz;
extern std::string SupplyVolts;

// Results and selection.
extern bool ResultsAvailable;
extern std::int32_t SelectedFanNo;
extern std::string AppDir; // executable directory with a trailing separator

// Family include flags, each "Y" or "N".
extern std::string FlagPW, FlagBNBQ, FlagMT, FlagMTZ, FlagMTZL, FlagGHJ, FlagGHZ, FlagUDY, FlagUDYZ,
    FlagUVJ, FlagUVX, FlagLW, FlagEH, FlagAQ;

// Languages.
constexpr int kLanguageEntries = 250;
constexpr int kLanguageTextMax = 50;
extern std::string LanguageCode; // at most two characters
extern std::array<std::string, kLanguageEntries> LanguageText;
extern std::array<std::string, 8> AddressLines; // 1..7; [0] unused

// The key of the family whose description the product browser shows: empty
// at start, "None" after the pointer passed over the page background.
extern std::string ShownFamily;

// The one record buffer; every read of the catalogue overwrites it.
extern TFanRecord FanRecord;

// The fourteen flags in their fixed order, with the label of the F10 summary.
struct FamilyFlag {
    const char* name;  // "PW"
    const char* label; // "PW: " or ",BNBQ: "
    std::string* flag;
};
const std::array<FamilyFlag, 14>& FamilyFlags();

// "PW: N,BNBQ: N,..." as the F10 summary shows it.
std::string FlagSummary();

// Language text n (0..249); empty for a number outside the table.
const std::string& LanguageEntry(long long n);

// Puts every variable back to its start value (program start, and tests).
void ResetVariables();

// Keeps the first n characters, as a string[n] assignment does.
inline std::string Clip(std::string s, std::size_t n) {
    if (s.size() > n)
        s.resize(n);
    return s;
}

} // namespace vd
