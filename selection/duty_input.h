#pragma once
// The input page's rules: reading its numeric entries, the supply table, the
// select button's sequence, and the rules that tie the pressure type and the
// duct type to the family flags.
#include "results_grid.h"
#include "select_fans.h"
#include "ui_seams.h"

#include <array>
#include <functional>
#include <string>

namespace vd {

// A numeric entry's value: its text read with `sep` as the decimal
// separator; text that is not a number reads as 0.
long double ReadNumericEntry(std::string_view text, char sep);
// The allowed-deviation entry, brought into 0..100.
long double ClampDeviation(long double value);

struct SupplyChoice {
    int languageEntry; // item text
    std::int32_t phases;
    std::int32_t hz;
    const char* volts;
};
const std::array<SupplyChoice, 5>& SupplyChoices();

// The input page as the select button sees it.
struct DutyInputs {
    int pressureTypeIndex = 1; // 0 static, 1 total, -1 no choice
    long double volume = 0;    // the numeric entries' values
    long double pressure = 0;
    std::string volumeUnitText = "m3/s";
    std::string pressureUnitText = "Pa";
    int supplyIndex = 0; // -1 no choice
};

enum class SelectOutcome { VolumeIncorrect, PressureIncorrect, Ran };

inline constexpr const char* kVolumeIncorrect = "Volume incorrect";
inline constexpr const char* kPressureIncorrect = "Pressure incorrect";

// The select button's first steps: stores the pressure type and the entered
// values, checks them (the message names what is wrong) and, when they pass,
// the duty point in the catalogue's units and the supply. Ran means passed.
SelectOutcome StoreDutyPoint(const DutyInputs& in, MessageService& messages);

// The select button: stores the duty point, checks it, clears the grid
// (`resetGrid`), runs the selection (over `catalogue` when one was read
// before). The caller shows row 1's picture after a run with
// ResultsAvailable, or resets the grid again without. `judged` as SelectFans
// takes it.
SelectOutcome RunSelectButton(const DutyInputs& in, const SelectionControls& controls,
                              ResultsGrid& sg, MessageService& messages,
                              const std::function<void()>& resetGrid,
                              const CatalogueImage* catalogue = nullptr,
                              const std::vector<RecordVerdict>* judged = nullptr);

// True while a family rated for static pressure only is included.
bool StaticOnlyFamilyIncluded();

// The pressure-type index the input page takes for the included families:
// 0 (static) with a static-only family, 1 (total) otherwise.
int PressureTypeIndexForFamilies();

// Pressure-type rule: total is refused while a static-only family is
// included. Returns the index the list must show.
int ApplyPressureTypeRule(int newIndex, MessageService& messages);

// Duct-type rule: moves an inclusion between the rectangular and circular
// variants of MT and UDY.
void ApplyDuctTypeRule(int index);

} // namespace vd
