#pragma once
// The one description of the record's fields: name (as the catalogue text
// names it), offset in the 2920-byte record and member. The decoder, the
// encoder, the text form (both ways) and the validator are visitors of it, so
// a field added or moved here is added or moved everywhere.
#include "fan_record.h"

#include <array>
#include <string>

namespace vd {

// Visits every field of `r` (TFanRecord or const TFanRecord) in the order of
// the catalogue text. The visitor `v` provides:
//   Int(name, offset, int32&), Float(name, offset, float&),
//   Text(name, offset, ShortString<N>&),
//   SoundRow(name, offset, row) - the ten texts of sound row `row`,
//   Ints(name, offset, array, first, last) - int32 values in a row,
//   Curves(tables) - the vol, pres and power point tables, curve by curve.
template <class Record, class Visitor> void VisitRecordFields(Record& r, Visitor&& v) {
    v.Int("fan_no", offs::fan_no, r.fan_no);
    v.Text("family", offs::family, r.family);
    v.Text("model", offs::model, r.model);
    v.Int("hz", offs::hz, r.hz);
    v.Int("phases", offs::phases, r.phases);
    v.Text("volts", offs::volts, r.volts);
    v.Text("value_col7", offs::value_col7, r.value_col7);
    v.Text("amps", offs::amps, r.amps);
    v.Text("value_col6", offs::value_col6, r.value_col6);
    v.Float("max_temp", offs::max_temp, r.max_temp);
    const auto& dims = DimensionFields();
    for (std::size_t i = 0; i < dims.size(); ++i)
        v.Text(dims[i].name, offs::dims + 11 * i, r.*(dims[i].field));
    v.Text("weight", offs::weight, r.weight);
    v.Text("drawing_file", offs::drawing_file, r.drawing_file);
    v.Text("spec_file", offs::spec_file, r.spec_file);
    v.Text("diagram_file", offs::diagram_file, r.diagram_file);
    v.Text("maint_file", offs::maint_file, r.maint_file);
    v.Text("picture_file", offs::picture_file, r.picture_file);
    static const char* const kSoundRows[] = {"sound_1", "sound_2", "sound_3", "sound_4"};
    for (int row = 1; row <= 4; ++row)
        v.SoundRow(kSoundRows[row - 1], offs::sound + 50 * (row - 1), r.sound[row]);
    v.Ints("sound_label", offs::sound_label, r.sound_label, 1, 4);
    v.Ints("min_pa", offs::min_pa, r.min_pa, 1, 5);
    v.Int("curve_count", offs::curve_count, r.curve_count);
    v.Float("outlet_area", offs::outlet_area, r.outlet_area);
    v.Curves(std::array{std::pair{"vol", offs::vol}, std::pair{"pres", offs::pres},
                        std::pair{"power", offs::power}},
             std::array{&r.vol, &r.pres, &r.power});
}

// Offset of column `col` (1..10) within a sound row.
constexpr std::size_t SoundColumnOffset(int col) {
    return 5 * static_cast<std::size_t>(col - 1);
}

} // namespace vd
