#include "vd_variables.h"

namespace vd {

float EnteredVolume = 0;
float EnteredPressure = 0;
float DutyVolume = 0;
float DutyPressure = 0;
std::string VolumeUnit;
std::string PressureUnit;
std::string PressureType;
std::int32_t SupplyPhases = 0;
std::int32_t SupplyHz = 0;
std::string SupplyVolts;

bool ResultsAvailable = false;
std::int32_t SelectedFanNo = 0;
std::string AppDir;

std::string FlagPW, FlagBNBQ, FlagMT, FlagMTZ, FlagMTZL, FlagGHJ, FlagGHZ, FlagUDY, FlagUDYZ,
    FlagUVJ, FlagUVX, FlagLW, FlagEH, FlagAQ;

std::string LanguageCode;
std::array<std::string, kLanguageEntries> LanguageText;
std::array<std::string, 8> AddressLines;

std::string ShownFamily;

TFanRecord FanRecord;

const std::array<FamilyFlag, 14>& FamilyFlags() {
    static const std::array<FamilyFlag, 14> flags = {{
        {"PW", "PW: ", &FlagPW},
        {"BNBQ", ",BNBQ: ", &FlagBNBQ},
        {"MT", ",MT: ", &FlagMT},
        {"MTZ", ",MTZ: ", &FlagMTZ},
        {"MTZL", ",MTZL: ", &FlagMTZL},
        {"GHJ", ",GHJ: ", &FlagGHJ},
        {"GHZ", ",GHZ: ", &FlagGHZ},
        {"UDY", ",UDY: ", &FlagUDY},
        {"UDYZ", ",UDYZ: ", &FlagUDYZ},
        {"UVJ", ",UVJ: ", &FlagUVJ},
        {"UVX", ",UVX: ", &FlagUVX},
        {"LW", ",LW: ", &FlagLW},
        {"EH", ",EH: ", &FlagEH},
        {"AQ", ",AQ: ", &FlagAQ},
    }};
    return flags;
}

std::string FlagSummary() {
    std::string s;
    for (const auto& f : FamilyFlags())
        s += f.label + *f.flag;
    return s;
}

const std::string& LanguageEntry(long long n) {
    static const std::string empty;
    if (n < 0 || n >= kLanguageEntries)
        return empty;
    return LanguageText[static_cast<std::size_t>(n)];
}

void ResetVariables() {
    EnteredVolume = EnteredPressure = DutyVolume = DutyPressure = 0;
    VolumeUnit.clear();
    PressureUnit.clear();
    PressureType.clear();
    SupplyPhases = SupplyHz = 0;
    SupplyVolts.clear();
    ResultsAvailable = false;
    SelectedFanNo = 0;
    AppDir.clear();
    for (const auto& f : FamilyFlags())
        f.flag->clear();
    LanguageCode.clear();
    for (auto& t : LanguageText)
        t.clear();
    for (auto& a : AddressLines)
        a.clear();
    ShownFamily.clear();
    FanRecord = TFanRecord{};
}

} // namespace vd
