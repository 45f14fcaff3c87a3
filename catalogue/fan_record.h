#pragma once
// The catalogue record: 2920 bytes, little-endian, packed, length-prefixed
// texts. Decoded field by field at explicit offsets; reserved stretches and the
// bytes behind a text's length are never looked at.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

constexpr std::size_t kRecordSize = 2920;
constexpr int kCurves = 5;
constexpr int kPointsPerCurve = 20;
constexpr int kPointTable = kCurves * kPointsPerCurve; // 100

// A length-prefixed text of at most N single-byte characters.
template <std::size_t N> struct ShortString {
    std::uint8_t len = 0;
    char chars[N] = {};

    static constexpr std::size_t capacity = N;
    std::string_view view() const { return {chars, len}; }
    std::string str() const { return std::string(view()); }
    bool operator==(std::string_view s) const { return view() == s; }
    // Keeps the first N characters of s.
    void assign(std::string_view s) {
        len = static_cast<std::uint8_t>(s.size() < N ? s.size() : N);
        for (std::size_t i = 0; i < len; ++i)
            chars[i] = s[i];
    }
};

using Str4 = ShortString<4>;
using Str5 = ShortString<5>;
using Str10 = ShortString<10>;
using Str13 = ShortString<13>;
using Str25 = ShortString<25>;

// A point table numbered from 1, as the catalogue numbers its points.
struct PointTable {
    std::array<float, kPointTable + 1> v{}; // v[0] is unused
    float& operator[](int i) { return v[static_cast<std::size_t>(i)]; }
    float operator[](int i) const { return v[static_cast<std::size_t>(i)]; }
    // Point k (1..20) of curve c (1..5).
    float at(int curve, int point) const {
        return v[static_cast<std::size_t>(20 * (curve - 1) + point)];
    }
};

struct TFanRecord {
    std::int32_t fan_no = 0;
    Str5 family;
    Str13 model;
    std::int32_t hz = 0;
    std::int32_t phases = 0;
    Str10 volts;
    Str10 value_col7;
    Str10 amps;
    Str10 value_col6;
    float max_temp = 0;
    Str10 dim_d1, dim_d2, dim_d3, dim_d4, dim_a, dim_b, dim_c, dim_d, dim_e, dim_f, dim_g, dim_h,
        dim_i, dim_j, dim_k, dim_l, dim_m;
    Str10 weight;
    Str25 drawing_file;
    Str25 spec_file;
    Str25 diagram_file;
    Str25 maint_file;
    Str25 picture_file;
    // sound[r][c]: row r 1..4, column c 1..10 (index 0 unused in both)
    std::array<std::array<ShortString<4>, 11>, 5> sound{};
    std::array<std::int32_t, 5> sound_label{}; // 1..4
    PointTable vol;
    PointTable pres;
    PointTable power;
    std::array<std::int32_t, 6> min_pa{}; // 1..5
    std::int32_t curve_count = 0;
    float outlet_area = 0;
};

// The 17 dimension texts in record order, with the labels of the dimension table.
struct DimensionField {
    const char* label;
    const char* name;
    Str10 TFanRecord::*field;
};
const std::array<DimensionField, 17>& DimensionFields();

// Names of the ten sound columns.
const std::array<const char*, 10>& SoundColumnNames();

// Field offsets, for the decoder, the encoder and the validator.
namespace offs {
constexpr std::size_t fan_no = 0, family = 4, model = 10, hz = 24, phases = 28, volts = 32,
                      value_col7 = 43, amps = 54, value_col6 = 65, max_temp = 76, dims = 88,
                      weight = 352, drawing_file = 543, spec_file = 569, diagram_file = 595,
                      maint_file = 621, picture_file = 647, sound = 673, sound_label = 876,
                      vol = 892, pres = 1292, power = 2492, min_pa = 2892, curve_count = 2912,
                      outlet_area = 2916;
}

// Fields read straight from a record's bytes as stored in the file: a
// length-prefixed text (its length clipped to the field's size), an int32 and a
// Single, little-endian.
std::string_view RecordText(const unsigned char* record, std::size_t offset, std::size_t max);
std::int32_t RecordInt(const unsigned char* p);
float RecordFloat(const unsigned char* p);

// Decodes one record. A length byte above its field's maximum is clipped.
void DecodeFanRecord(const unsigned char* bytes, TFanRecord& out);

// Encodes one record; reserved bytes and text tails are written as zeros.
void EncodeFanRecord(const TFanRecord& rec, unsigned char* bytes);

// A text field of the raw record, named for the validator.
struct TextFieldInfo {
    std::string name;
    std::size_t offset;
    std::size_t max;
};
const std::vector<TextFieldInfo>& TextFields();

} // namespace vd
