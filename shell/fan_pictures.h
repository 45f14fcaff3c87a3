#pragma once
// The screen pictures of a chosen fan: the performance diagram with its data
// table on the diagram page, and the dimension table under the drawing.
#include "performance_diagram.h"
#include "results_grid.h"

#include <QImage>
#include <QSize>

namespace vd {

// Logical sizes of the two screen pictures: the diagram with its data table,
// and the dimension table under the dimension drawing.
inline constexpr QSize kDiagramPictureSize{545, 342};
inline constexpr QSize kDimensionPictureSize{500, 50};

// Draws the three drawings of a chosen fan with the screen target, each
// through a painter in the picture's logical coordinates, so that a picture
// of pixel ratio N is drawn at N times the resolution: DrawDiagram and
// DrawDataTable on `diagram`, then DrawDimensionTable on `dimensions`. The
// pictures are drawn over, not cleared. An error ends the sequence at once
// (later drawings are not made) and propagates; what was drawn stays.
void DrawFanPictures(QImage& diagram, QImage& dimensions, const ResultsGrid& grid,
                     DetailLoader& detail);

} // namespace vd
