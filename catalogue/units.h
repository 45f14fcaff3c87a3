#pragma once
// The volume and pressure units offered to the user. All computation is in m3/s
// and Pa; conversions are done in extended precision and stored as floats.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vd {

struct UnitRow {
    const char* text;    // as stored in VolumeUnit / PressureUnit
    long double factor;  // the fixed factor of the table
    bool multiplyToBase; // true: base = value * factor; false: base = value / factor
    int decimals;        // display format "%0.Nf"
};

const std::array<UnitRow, 4>& VolumeUnits();   // m3/s, m3/h, l/s, cfm
const std::array<UnitRow, 4>& PressureUnits(); // Pa, N/m2, mmwg, inwg

// The row whose text equals `unit` exactly, or nullptr.
const UnitRow* FindUnit(const std::array<UnitRow, 4>& table, std::string_view unit);

// value in `unit` -> base unit; nothing for an unknown unit.
std::optional<float> ToBaseUnit(const std::array<UnitRow, 4>& table, std::string_view unit,
                                float value);
// base unit -> `unit`; nothing for an unknown unit.
std::optional<float> FromBaseUnit(const std::array<UnitRow, 4>& table, std::string_view unit,
                                  float base);
// base unit -> the unit of `row`.
float FromBase(const UnitRow& row, float base);
// A base value shown in `unit` with its format; empty for an unknown unit.
std::string FormatInUnit(const std::array<UnitRow, 4>& table, std::string_view unit, float base);
// The same appended to `out`, the unit found beforehand (nothing for none),
// `sep` for the point.
void AppendInUnit(std::string& out, const UnitRow* row, float base, char sep);

} // namespace vd
