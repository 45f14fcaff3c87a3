#include "scale_variables.h"

namespace vd {

std::int32_t VolumeTicks = 0;
float VolumeScale = 0;
std::array<std::string, 8> VolumeLabels;
std::int32_t PressureTicks = 0;
float PressureScale = 0;
std::array<std::string, 8> PressureLabels;
float PowerScale = 0;
std::array<std::string, 3> PowerLabels;

void ResetScaleVariables() {
    VolumeTicks = PressureTicks = 0;
    VolumeScale = PressureScale = PowerScale = 0;
    for (auto& s : VolumeLabels)
        s.clear();
    for (auto& s : PressureLabels)
        s.clear();
    for (auto& s : PowerLabels)
        s.clear();
}

} // namespace vd
