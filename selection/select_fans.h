#pragma once
// The selection run: scans the catalogue, rejects by family flag, supply and
// duty, and writes one results-grid row per qualifying fan.
#include "results_grid.h"
#include "ui_seams.h"

#include <string>

namespace vd {

// The three input-page controls the run reads while it goes on.
class SelectionControls {
  public:
    virtual ~SelectionControls() = default;
    virtual int SupplyIndex() const = 0;              // -1 when no entry is chosen
    virtual long double AllowedDeviation() const = 0; // percent
    virtual bool ShowRejects() const = 0;
};

struct FixedSelectionControls : SelectionControls {
    int supplyIndex = 0;
    long double allowedDeviation = 15;
    bool showRejects = false;
    int SupplyIndex() const override { return supplyIndex; }
    long double AllowedDeviation() const override { return allowedDeviation; }
    bool ShowRejects() const override { return showRejects; }
};

// Runs the selection into a grid that ResetResultsGrid has just cleared.
// FileError from the catalogue ends the run; the rows written so far stay.
void SelectFans(const SelectionControls& controls, ResultsGrid& sg, MessageService& messages);

} // namespace vd
