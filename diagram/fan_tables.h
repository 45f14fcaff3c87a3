#pragma once
// The chosen fan's data table (drawn over the left part and bottom strip of
// the diagram area) and its dimension table (a 500 × 50 area of its own).
#include "draw_target.h"
#include "results_grid.h"

namespace vd {

// Fetches the record of SelectedFanNo into the record buffer (FileError ends
// it before anything is drawn) and draws the data table: the duty point as
// entered, the operating point and ratings from the grid's current row, the
// record's data, its sound data and, for a multi-speed fan, the speed steps.
void DrawDataTable(const DrawTarget& target, const ResultsGrid& grid);

// Draws the dimension table from the record buffer as the last fetch left it;
// dimensions written "0" take no column. Sets its own font, small enough for a
// five-character value to fit its column.
void DrawDimensionTable(const DrawTarget& target);

} // namespace vd
