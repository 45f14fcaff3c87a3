#pragma once
// The diagram page's picture of a family: a selection chart with the
// full-speed curve of every size on logarithmic axes, drawn from the
// catalogue's own curve data.
#include "fan_record.h"

#include <QRectF>

#include <string>
#include <vector>

namespace material {

// Frame of the charts, in the proportions of the box the instruction sheet
// stretches them into (87 × 54 page units), so that nothing is distorted on
// paper; the diagram page's 511 × 337 box differs from it by 6 %.
inline const QRectF kChartFrame(0, 0, 5220, 3240);
inline constexpr int kChartUnitsPerInch = 960;

struct ChartFamily {
    std::vector<std::string> families; // family codes, catalogue order
    std::vector<const vd::TFanRecord*> records;
};

// The finished metafile. Throws std::runtime_error when no record has a curve.
std::string MakePerformanceChart(const ChartFamily& family);

} // namespace material
