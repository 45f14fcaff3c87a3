#pragma once
// The selection run: scans the catalogue, rejects by family flag, supply and
// duty, and writes one results-grid row per qualifying fan.
#include "results_grid.h"
#include "ui_seams.h"

#include <string>
#include <vector>

namespace vd {

struct RecordVerdict;

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

// The reject reason of the family test, or "OK" when the record's family is
// included (or not governed by any flag).
std::string FamilyRejectReason(std::string_view family);

// The catalogue's records read once, for a batch of selections.
struct CatalogueImage {
    std::string bytes; // whole records only
    long long count = 0;
};
// Reads the catalogue file; FileError as a scan would raise it.
CatalogueImage ReadCatalogueImage();

// Runs the selection into a grid that ResetResultsGrid has just cleared, over
// the catalogue file or, when given, a catalogue read before. FileError from
// the catalogue ends the run; the rows written so far stay. `judged`, with
// `catalogue`, holds the verdicts ScanRecords gave over the whole image under
// the same criteria: the run lists them instead of judging again, so a caller
// can judge outside a lock on the shared state.
void SelectFans(const SelectionControls& controls, ResultsGrid& sg, MessageService& messages,
                const CatalogueImage* catalogue = nullptr,
                const std::vector<RecordVerdict>* judged = nullptr);

} // namespace vd
