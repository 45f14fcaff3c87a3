#pragma once
// The diagram page's picture of a family: a selection chart with the
// full-speed curve of every size on logarithmic axes, drawn from the
// catalogue's own curve data.
#include "fan_record.h"

#include <QRectF>

#include <string>
#include <vector>

namespace material {

// Frame of the charts: 511 × 337 pixels at 96 dpi, as the diagram page shows it.
inline const QRectF kChartFrame(0, 0, 5110, 3370);
inline constexpr int kChartUnitsPerInch = 960;

struct ChartFamily {
    std::vector<std::string> families; // family codes, catalogue order
    std::vector<const vd::TFanRecord*> records;
};

// The finished metafile. Throws std::runtime_error when no record has a curve.
std::string MakePerformanceChart(const ChartFamily& family);

} // namespace material
