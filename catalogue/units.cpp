#include "units.h"

#include "number_text.h"

namespace vd {

const std::array<UnitRow, 4>& VolumeUnits() {
    static const std::array<UnitRow, 4> rows = {{
        {"m3/s", 1.0L, true, 2},
        {"m3/h", 3600.0L, false, 0},
        {"l/s", 1000.0L, false, 0},
        {"cfm", 2118.0L, false, 0},
    }};
    return rows;
}

const std::array<UnitRow, 4>& PressureUnits() {
    static const std::array<UnitRow, 4> rows = {{
        {"Pa", 1.0L, true, 0},
        {"N/m2", 1.0L, true, 0},
        {"mmwg", 10.0L, true, 1},
        {"inwg", 250.0L, true, 2},
    }};
    return rows;
}

const UnitRow* FindUnit(const std::array<UnitRow, 4>& table, std::string_view unit) {
    for (const auto& row : table)
        if (unit == row.text)
            return &row;
    return nullptr;
}

std::optional<float> ToBaseUnit(const std::array<UnitRow, 4>& table, std::string_view unit,
                                float value) {
    const UnitRow* row = FindUnit(table, unit);
    if (!row)
        return std::nullopt;
    long double v = value;
    return static_cast<float>(row->multiplyToBase ? v * row->factor : v / row->factor);
}

std::optional<float> FromBaseUnit(const std::array<UnitRow, 4>& table, std::string_view unit,
                                  float base) {
    const UnitRow* row = FindUnit(table, unit);
    if (!row)
        return std::nullopt;
    return FromBase(*row, base);
}

float FromBase(const UnitRow& row, float base) {
    long double v = base;
    return static_cast<float>(row.multiplyToBase ? v / row.factor : v * row.factor);
}

std::string FormatInUnit(const std::array<UnitRow, 4>& table, std::string_view unit, float base) {
    std::string text;
    AppendInUnit(text, FindUnit(table, unit), base, DecimalSepText()[0]);
    return text;
}

void AppendInUnit(std::string& out, const UnitRow* row, float base, char sep) {
    if (row)
        AppendFixed(out, FromBase(*row, base), row->decimals, sep);
}

} // namespace vd
