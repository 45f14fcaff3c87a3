#include "fan_record.h"

#include <bit>
#include <cstring>

namespace vd {
namespace {

std::int32_t GetI32(const unsigned char* p) {
    std::uint32_t u = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                      std::uint32_t(p[3]) << 24;
    return static_cast<std::int32_t>(u);
}

float GetF32(const unsigned char* p) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(GetI32(p)));
}

void PutI32(unsigned char* p, std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    p[0] = u & 0xFF;
    p[1] = (u >> 8) & 0xFF;
    p[2] = (u >> 16) & 0xFF;
    p[3] = (u >> 24) & 0xFF;
}

void PutF32(unsigned char* p, float v) {
    PutI32(p, static_cast<std::int32_t>(std::bit_cast<std::uint32_t>(v)));
}

template <std::size_t N> inline void GetStr(const unsigned char* p, ShortString<N>& s) {
    // ShortString<N> is the length byte followed by N characters, as on disk:
    // one fixed-size copy is several times faster than a copy of `len` bytes.
    // The bytes past the length are carried along but never shown or compared.
    static_assert(sizeof(ShortString<N>) == N + 1);
    std::memcpy(static_cast<void*>(&s), p, N + 1);
    if (s.len > N)
        s.len = static_cast<std::uint8_t>(N);
}

template <std::size_t N> void PutStr(unsigned char* p, const ShortString<N>& s) {
    std::size_t len = s.len > N ? N : s.len;
    p[0] = static_cast<unsigned char>(len);
    std::memcpy(p + 1, s.chars, len);
}

void GetTable(const unsigned char* p, PointTable& t) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&t.v[1], p, kPointTable * 4);
    } else {
        for (int i = 1; i <= kPointTable; ++i)
            t[i] = GetF32(p + 4 * (i - 1));
    }
}

void PutTable(unsigned char* p, const PointTable& t) {
    for (int i = 1; i <= kPointTable; ++i)
        PutF32(p + 4 * (i - 1), t[i]);
}

} // namespace

const std::array<DimensionField, 17>& DimensionFields() {
    static const std::array<DimensionField, 17> fields = {{
        {"d1", "dim_d1", &TFanRecord::dim_d1},
        {"d2", "dim_d2", &TFanRecord::dim_d2},
        {"d3", "dim_d3", &TFanRecord::dim_d3},
        {"d4", "dim_d4", &TFanRecord::dim_d4},
        {"A", "dim_a", &TFanRecord::dim_a},
        {"B", "dim_b", &TFanRecord::dim_b},
        {"C", "dim_c", &TFanRecord::dim_c},
        {"D", "dim_d", &TFanRecord::dim_d},
        {"E", "dim_e", &TFanRecord::dim_e},
        {"F", "dim_f", &TFanRecord::dim_f},
        {"G", "dim_g", &TFanRecord::dim_g},
        {"H", "dim_h", &TFanRecord::dim_h},
        {"I", "dim_i", &TFanRecord::dim_i},
        {"J", "dim_j", &TFanRecord::dim_j},
        {"K", "dim_k", &TFanRecord::dim_k},
        {"L", "dim_l", &TFanRecord::dim_l},
        {"M", "dim_m", &TFanRecord::dim_m},
    }};
    return fields;
}

const std::array<const char*, 10>& SoundColumnNames() {
    static const std::array<const char*, 10> names = {"lpa", "lwa", "63", "125", "250",
                                                      "500", "1k",  "2k", "4k",  "8k"};
    return names;
}

void DecodeFanRecord(const unsigned char* p, TFanRecord& r) {
    r.fan_no = GetI32(p + offs::fan_no);
    GetStr(p + offs::family, r.family);
    GetStr(p + offs::model, r.model);
    r.hz = GetI32(p + offs::hz);
    r.phases = GetI32(p + offs::phases);
    GetStr(p + offs::volts, r.volts);
    GetStr(p + offs::value_col7, r.value_col7);
    GetStr(p + offs::amps, r.amps);
    GetStr(p + offs::value_col6, r.value_col6);
    r.max_temp = GetF32(p + offs::max_temp);
    Str10* const dims[] = {&r.dim_d1, &r.dim_d2, &r.dim_d3, &r.dim_d4, &r.dim_a, &r.dim_b,
                           &r.dim_c,  &r.dim_d,  &r.dim_e,  &r.dim_f,  &r.dim_g, &r.dim_h,
                           &r.dim_i,  &r.dim_j,  &r.dim_k,  &r.dim_l,  &r.dim_m};
    for (std::size_t i = 0; i < 17; ++i)
        GetStr(p + offs::dims + 11 * i, *dims[i]);
    GetStr(p + offs::weight, r.weight);
    GetStr(p + offs::drawing_file, r.drawing_file);
    GetStr(p + offs::spec_file, r.spec_file);
    GetStr(p + offs::diagram_file, r.diagram_file);
    GetStr(p + offs::maint_file, r.maint_file);
    GetStr(p + offs::picture_file, r.picture_file);
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 10; ++col)
            GetStr(p + offs::sound + 50 * (row - 1) + 5 * (col - 1), r.sound[row][col]);
    for (int row = 1; row <= 4; ++row)
        r.sound_label[row] = GetI32(p + offs::sound_label + 4 * (row - 1));
    GetTable(p + offs::vol, r.vol);
    GetTable(p + offs::pres, r.pres);
    GetTable(p + offs::power, r.power);
    for (int c = 1; c <= 5; ++c)
        r.min_pa[c] = GetI32(p + offs::min_pa + 4 * (c - 1));
    r.curve_count = GetI32(p + offs::curve_count);
    r.outlet_area = GetF32(p + offs::outlet_area);
}

void DecodeSelectionFields(const unsigned char* p, TFanRecord& r) {
    GetStr(p + offs::family, r.family);
    r.hz = GetI32(p + offs::hz);
    r.phases = GetI32(p + offs::phases);
    GetStr(p + offs::volts, r.volts);
    for (int i = 1; i <= 19; ++i) {
        r.vol[i] = GetF32(p + offs::vol + 4 * (i - 1));
        r.pres[i] = GetF32(p + offs::pres + 4 * (i - 1));
        r.power[i] = GetF32(p + offs::power + 4 * (i - 1));
    }
    r.min_pa[1] = GetI32(p + offs::min_pa);
    r.outlet_area = GetF32(p + offs::outlet_area);
}

void EncodeFanRecord(const TFanRecord& r, unsigned char* p) {
    std::memset(p, 0, kRecordSize);
    PutI32(p + offs::fan_no, r.fan_no);
    PutStr(p + offs::family, r.family);
    PutStr(p + offs::model, r.model);
    PutI32(p + offs::hz, r.hz);
    PutI32(p + offs::phases, r.phases);
    PutStr(p + offs::volts, r.volts);
    PutStr(p + offs::value_col7, r.value_col7);
    PutStr(p + offs::amps, r.amps);
    PutStr(p + offs::value_col6, r.value_col6);
    PutF32(p + offs::max_temp, r.max_temp);
    const auto& dims = DimensionFields();
    for (std::size_t i = 0; i < dims.size(); ++i)
        PutStr(p + offs::dims + 11 * i, r.*(dims[i].field));
    PutStr(p + offs::weight, r.weight);
    PutStr(p + offs::drawing_file, r.drawing_file);
    PutStr(p + offs::spec_file, r.spec_file);
    PutStr(p + offs::diagram_file, r.diagram_file);
    PutStr(p + offs::maint_file, r.maint_file);
    PutStr(p + offs::picture_file, r.picture_file);
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 10; ++col)
            PutStr(p + offs::sound + 50 * (row - 1) + 5 * (col - 1), r.sound[row][col]);
    for (int row = 1; row <= 4; ++row)
        PutI32(p + offs::sound_label + 4 * (row - 1), r.sound_label[row]);
    PutTable(p + offs::vol, r.vol);
    PutTable(p + offs::pres, r.pres);
    PutTable(p + offs::power, r.power);
    for (int c = 1; c <= 5; ++c)
        PutI32(p + offs::min_pa + 4 * (c - 1), r.min_pa[c]);
    PutI32(p + offs::curve_count, r.curve_count);
    PutF32(p + offs::outlet_area, r.outlet_area);
}

const std::vector<TextFieldInfo>& TextFields() {
    static const std::vector<TextFieldInfo> fields = [] {
        std::vector<TextFieldInfo> f = {
            {"family", offs::family, 5}, {"model", offs::model, 13},
            {"volts", offs::volts, 10},  {"value_col7", offs::value_col7, 10},
            {"amps", offs::amps, 10},    {"value_col6", offs::value_col6, 10},
        };
        const auto& dims = DimensionFields();
        for (std::size_t i = 0; i < dims.size(); ++i)
            f.push_back({dims[i].name, offs::dims + 11 * i, 10});
        f.push_back({"weight", offs::weight, 10});
        f.push_back({"drawing_file", offs::drawing_file, 25});
        f.push_back({"spec_file", offs::spec_file, 25});
        f.push_back({"diagram_file", offs::diagram_file, 25});
        f.push_back({"maint_file", offs::maint_file, 25});
        f.push_back({"picture_file", offs::picture_file, 25});
        for (int row = 1; row <= 4; ++row)
            for (int col = 1; col <= 10; ++col)
                f.push_back({"sound[" + std::to_string(row) + "][" + std::to_string(col) + "]",
                             offs::sound + 50 * (row - 1) + 5 * (col - 1), 4});
        return f;
    }();
    return fields;
}

} // namespace vd
