#pragma once
// The axis scales of the performance diagram: written when a diagram is drawn,
// read while it is drawn, and kept until the next one. Labels above an axis's
// interval count keep an earlier diagram's texts and are never shown.
#include <array>
#include <cstdint>
#include <string>

namespace vd {

extern std::int32_t VolumeTicks; // intervals on the volume axis, 4..7
extern float VolumeScale;        // chart units per m3/s
extern std::array<std::string, 8> VolumeLabels;
extern std::int32_t PressureTicks; // intervals on the pressure axis, 4..6
extern float PressureScale;        // chart units per Pa
extern std::array<std::string, 8> PressureLabels;
extern float PowerScale;                       // chart units per kW
extern std::array<std::string, 3> PowerLabels; // bottom, middle, top

// Back to the start values: zeros and empty texts.
void ResetScaleVariables();

} // namespace vd
