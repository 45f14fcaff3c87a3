#pragma once
// Axis scales of the performance diagram: for each axis a fixed table, looked
// up by the largest value the axis must show in the unit the user reads,
// gives the interval count, the tick labels and the chart units per base unit.
// Results go to the scale variables; nothing is drawn here.
#include "fan_record.h"

#include <cstdint>
#include <string_view>

namespace vd {

// value in m3/s; unit "m3/s", "m3/h", "l/s" or "cfm" (any other text reads as
// m3/s); length in chart units. Writes VolumeTicks, VolumeLabels 0..n and
// VolumeScale (chart units per m3/s).
void ChooseVolumeScale(std::string_view unit, float value, std::int32_t length);

// value in Pa; unit "Pa", "N/m2", "mmwg" or "inwg" (any other text reads as
// Pa). Writes PressureTicks, PressureLabels 0..n and PressureScale (per Pa).
void ChoosePressureScale(std::string_view unit, float value, std::int32_t length);

// value in kW. Writes PowerLabels and PowerScale (chart units per kW).
void ChoosePowerScale(float value, std::int32_t length);

// The values the three axes must show for a fan: the largest of 0, curve 1's
// twenty points and the duty point, with 5 % headroom; power in kW.
struct AxisMaxima {
    float volume = 0;   // m3/s
    float pressure = 0; // Pa
    float power = 0;    // kW
};
AxisMaxima AxisMaximaFor(const TFanRecord& rec, float dutyVolume, float dutyPressure);

// Chooses all three scales for `rec` with the duty point and units of the
// shared state: volume and pressure over 180 chart units, power over 50.
void ChooseAxisScales(const TFanRecord& rec);

} // namespace vd
