#include "select_fans.h"

#include "fan_file.h"
#include "number_text.h"
#include "operating_point.h"
#include "units.h"
#include "vd_variables.h"

#include <cmath>

namespace vd {

using LD = long double;

namespace {

struct FamilyRule {
    const char* family;
    std::string* flag;
    const char* reason;
};

const std::array<FamilyRule, 19>& FamilyRules() {
    static const std::array<FamilyRule, 19> rules = {{
        {"PW", &FlagPW, "xPW"},       {"PW60", &FlagPW, "xPW"},     {"MTZL", &FlagMTZL, "xMTZL"},
        {"BN1", &FlagBNBQ, "xBN/BQ"}, {"BN2", &FlagBNBQ, "xBN/BQ"}, {"BQ1", &FlagBNBQ, "xBN/BQ"},
        {"BQ2", &FlagBNBQ, "xBN/BQ"}, {"GHJ", &FlagGHJ, "xGHJ"},    {"GHZ", &FlagGHZ, "xGHZ"},
        {"MT", &FlagMT, "xMT"},       {"MTZ", &FlagMTZ, "xMTZ"},    {"UDY", &FlagUDY, "xUDY"},
        {"UDYZ", &FlagUDYZ, "xUDYZ"}, {"UVJ", &FlagUVJ, "xUVJ"},    {"UVX", &FlagUVX, "xUVX"},
        {"LW", &FlagLW, "xLW"},       {"EHY", &FlagEH, "xEHY"},     {"AQY", &FlagAQ, "xAQY"},
        {"AQN", &FlagAQ, "xAQN"},
    }};
    return rules;
}

// Specific power in kW per m3/s, or language text 119 when it shows as zero
// or is not a number at all.
std::string SpecificPowerText(float Wop, float Qop) {
    const LD sp = static_cast<LD>(Wop) / 1000 / Qop;
    if (std::isfinite(sp)) {
        std::string text = FormatFixed(sp, 3);
        for (char c : text)
            if (c >= '1' && c <= '9')
                return text;
    }
    return LanguageText[119];
}

void WriteResultRow(ResultsGrid& sg, int row, const TFanRecord& rec, const OperatingPoint& op,
                    float dev) {
    sg.SetCell(0, row, std::to_string(rec.fan_no));
    sg.SetCell(1, row, rec.model.str());
    sg.SetCell(2, row, FormatInUnit(VolumeUnits(), VolumeUnit, op.Qop));
    sg.SetCell(3, row, FormatInUnit(PressureUnits(), PressureUnit, op.Pop));
    sg.SetCell(4, row, FormatFixed(dev, 0) + "%");
    sg.SetCell(5, row, SpecificPowerText(op.Wop, op.Qop));
    sg.SetCell(6, row, rec.value_col6.str());
    sg.SetCell(7, row, rec.value_col7.str());
    sg.SetCell(8, row, rec.amps.str());
    sg.SetCell(9, row,
               rec.volts.str() + "/" + std::to_string(rec.hz) + "/" + std::to_string(rec.phases));
    sg.SetCell(10, row, rec.picture_file.str());
    sg.SetCell(20, row, FormatFixed(EnteredVolume, 2) + " " + VolumeUnit);
    sg.SetCell(21, row, FormatFixed(EnteredPressure, 2) + " " + PressureUnit);
    sg.SetCell(22, row, rec.family.str());
}

} // namespace

std::string FamilyRejectReason(std::string_view family) {
    std::string reason = "OK";
    for (const auto& rule : FamilyRules())
        if (family == rule.family && *rule.flag == "N")
            reason = rule.reason;
    return reason;
}

void SelectFans(const SelectionControls& controls, ResultsGrid& sg, MessageService& messages) {
    ResultsAvailable = true;
    int n = 0;
    const bool isStatic = PressureType == "Static";

    // Appends into the spare last row and adds a new spare row.
    auto appendRow = [&]() {
        int row = sg.RowCount() - 1;
        sg.SetRowCount(sg.RowCount() + 1);
        ++n;
        return row;
    };

    FanFile file;
    file.Open();
    TFanRecord& rec = FanRecord;
    unsigned char raw[kRecordSize];
    while (!file.AtEnd()) {
        file.ReadNextRaw(raw);
        // The tests read few fields; the whole record is decoded only for a
        // row, and for the last record, which the buffer holds after the scan.
        DecodeSelectionFields(raw, rec);
        std::string reason = FamilyRejectReason(rec.family.view());

        if (controls.SupplyIndex() > 0) {
            if (SupplyPhases != rec.phases)
                reason = "Phase";
            if (SupplyHz != rec.hz)
                reason = "Hz";
            if (SupplyVolts != rec.volts.view())
                reason = "Volts";
        }

        OperatingPoint op;
        float dev = 0;
        if (reason == "OK") {
            const float pv = isStatic ? VelocityPressure(DutyVolume, rec.outlet_area) : 0.0f;
            const float k = SystemConstant(DutyVolume, DutyPressure, pv);
            op = ComputeOperatingPoint(rec, k);
            // No bracketing segment, or a segment that gives no usable point:
            // the fan has no operating point at this duty.
            const bool usable =
                op.found && op.Qop > 0 && std::isfinite(op.Qop) && std::isfinite(op.Pop);
            if (!usable)
                op = OperatingPoint{};
            if (static_cast<LD>(rec.min_pa[1]) > op.Pop)
                reason = "<MinPa";
            dev = static_cast<float>(static_cast<LD>(op.Qop) / DutyVolume * 100);
            const LD allowed = controls.AllowedDeviation();
            if (dev > 100 + allowed)
                reason = ">Dev";
            if (100 - allowed > dev)
                reason = "Dev<";
            if (!usable || std::isnan(dev))
                reason = "Dev<";
        }

        if (reason == "OK" || controls.ShowRejects() || file.AtEnd())
            DecodeFanRecord(raw, rec);
        if (reason == "OK") {
            WriteResultRow(sg, appendRow(), rec, op, dev);
        } else if (controls.ShowRejects()) {
            int row = appendRow();
            sg.SetCell(1, row, rec.model.str());
            sg.SetCell(2, row, reason);
        }
    }
    file.Close();

    if (n == 0) {
        messages.ShowMessage(LanguageText[95]);
        ResultsAvailable = false;
    }
    sg.SetRowCount(sg.RowCount() - 1);
    sg.SetSortColumn(ResultsGrid::kPercent);
    sg.Sort();
    sg.SetVisible(true);
}

} // namespace vd
