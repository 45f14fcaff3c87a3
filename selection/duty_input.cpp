#include "duty_input.h"

#include "number_text.h"
#include "text_entries.h"
#include "units.h"
#include "vd_variables.h"

namespace vd {

long double ReadNumericEntry(std::string_view text, char sep) {
    auto v = ParseDecimal(text, sep);
    return v ? *v : 0.0L;
}

long double ClampDeviation(long double value) {
    if (value < 0)
        return 0;
    if (value > 100)
        return 100;
    return value;
}

const std::array<SupplyChoice, 5>& SupplyChoices() {
    static const std::array<SupplyChoice, 5> choices = {{
        {120, 0, 0, "Any"},
        {121, 1, 50, "230"},
        {122, 3, 50, "230/400"},
        {136, 1, 60, "110-127"},
        {137, 1, 60, "220"},
    }};
    return choices;
}

SelectOutcome StoreDutyPoint(const DutyInputs& in, MessageService& messages) {
    PressureType = in.pressureTypeIndex == 0 ? "Static" : "Total";
    EnteredVolume = static_cast<float>(in.volume);
    EnteredPressure = static_cast<float>(in.pressure);
    if (!(EnteredVolume > 0)) {
        messages.ShowMessage(kVolumeIncorrect);
        return SelectOutcome::VolumeIncorrect;
    }
    if (EnteredPressure < 0) {
        messages.ShowMessage(kPressureIncorrect);
        return SelectOutcome::PressureIncorrect;
    }
    VolumeUnit = Clip(in.volumeUnitText, 4);
    PressureUnit = Clip(in.pressureUnitText, 4);
    if (auto v = ToBaseUnit(VolumeUnits(), VolumeUnit, EnteredVolume))
        DutyVolume = *v;
    if (auto p = ToBaseUnit(PressureUnits(), PressureUnit, EnteredPressure))
        DutyPressure = *p;
    if (in.supplyIndex >= 0 && in.supplyIndex < static_cast<int>(SupplyChoices().size())) {
        const auto& s = SupplyChoices()[static_cast<std::size_t>(in.supplyIndex)];
        SupplyPhases = s.phases;
        SupplyHz = s.hz;
        SupplyVolts = s.volts;
    }
    return SelectOutcome::Ran;
}

SelectOutcome RunSelectButton(const DutyInputs& in, const SelectionControls& controls,
                              ResultsGrid& sg, MessageService& messages,
                              const std::function<void()>& resetGrid,
                              const CatalogueImage* catalogue,
                              const std::vector<RecordVerdict>* judged) {
    if (SelectOutcome stored = StoreDutyPoint(in, messages); stored != SelectOutcome::Ran)
        return stored;
    resetGrid();
    SelectFans(controls, sg, messages, catalogue, judged);
    return SelectOutcome::Ran;
}

bool StaticOnlyFamilyIncluded() {
    return FlagEH == "Y" || FlagAQ == "Y";
}

int PressureTypeIndexForFamilies() {
    return StaticOnlyFamilyIncluded() ? 0 : 1;
}

int ApplyPressureTypeRule(int newIndex, MessageService& messages) {
    if (newIndex == 1 && StaticOnlyFamilyIncluded()) {
        messages.ShowMessage(LanguageText[entry::kStaticPressureOnly]);
        return 0;
    }
    return newIndex;
}

void ApplyDuctTypeRule(int index) {
    auto move = [](std::string& from, std::string& to) {
        if (from == "Y") {
            from = "N";
            to = "Y";
        }
    };
    if (index == 0) {
        move(FlagMTZ, FlagMT);
        move(FlagUDYZ, FlagUDY);
    } else if (index == 1) {
        move(FlagMT, FlagMTZ);
        move(FlagUDY, FlagUDYZ);
    }
}

} // namespace vd
