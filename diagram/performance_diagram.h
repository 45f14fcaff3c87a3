#pragma once
// The performance diagram of the chosen fan: pressure curves of every speed
// step, power curves, the system curve through the duty point, the duty and
// operating point markers, the outlet's velocity-pressure line and a legend,
// on the 545 × 342 drawing area (charts at x 350..530).
#include "draw_target.h"
#include "results_grid.h"

namespace vd {

// Loads the chosen fan's detail material (drawing, diagram picture, texts,
// large picture) into the detail pages. The window supplies it; missing files
// are reported or replaced there, never thrown.
class DetailLoader {
  public:
    virtual ~DetailLoader() = default;
    virtual void LoadFanDetail() = 0;
};

// For callers that show no detail pages (benchmarks, command-line renders).
class NoDetailLoader final : public DetailLoader {
  public:
    void LoadFanDetail() override {}
};

// Fetches the record of SelectedFanNo into the record buffer, has `detail`
// load the fan's material, reads the operating point from columns 2 and 3 of
// the grid's current row, chooses the axis scales and draws the diagram.
// FileError (fetch) ends it before anything else; ConversionError (an
// operating-point cell that is not a number) ends it after the material is
// loaded and before anything is drawn.
void DrawDiagram(const DrawTarget& target, const ResultsGrid& grid, DetailLoader& detail);

} // namespace vd
