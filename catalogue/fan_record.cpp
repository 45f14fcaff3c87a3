#include "fan_record.h"

#include "record_fields.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace vd {

std::string_view RecordText(const unsigned char* record, std::size_t offset, std::size_t max) {
    const std::size_t len = std::min<std::size_t>(record[offset], max);
    return {reinterpret_cast<const char*>(record + offset + 1), len};
}

std::int32_t RecordInt(const unsigned char* p) {
    return static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                                     std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24);
}

float RecordFloat(const unsigned char* p) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(RecordInt(p)));
}

namespace {

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
            t[i] = RecordFloat(p + 4 * (i - 1));
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

namespace {

struct Decoder {
    const unsigned char* p;
    void Int(const char*, std::size_t at, std::int32_t& v) { v = RecordInt(p + at); }
    void Float(const char*, std::size_t at, float& v) { v = RecordFloat(p + at); }
    template <std::size_t N> void Text(const char*, std::size_t at, ShortString<N>& s) {
        GetStr(p + at, s);
    }
    template <class Row> void SoundRow(const char*, std::size_t at, Row& row) {
        for (int col = 1; col <= 10; ++col)
            GetStr(p + at + SoundColumnOffset(col), row[col]);
    }
    template <std::size_t N>
    void Ints(const char*, std::size_t at, std::array<std::int32_t, N>& a, int first, int last) {
        for (int i = first; i <= last; ++i)
            a[i] = RecordInt(p + at + 4 * (i - first));
    }
    template <class Names, class Tables> void Curves(const Names& names, const Tables& tables) {
        for (std::size_t t = 0; t < names.size(); ++t)
            GetTable(p + names[t].second, *tables[t]);
    }
};

struct Encoder {
    unsigned char* p;
    void Int(const char*, std::size_t at, std::int32_t v) { PutI32(p + at, v); }
    void Float(const char*, std::size_t at, float v) { PutF32(p + at, v); }
    template <std::size_t N> void Text(const char*, std::size_t at, const ShortString<N>& s) {
        PutStr(p + at, s);
    }
    template <class Row> void SoundRow(const char*, std::size_t at, const Row& row) {
        for (int col = 1; col <= 10; ++col)
            PutStr(p + at + SoundColumnOffset(col), row[col]);
    }
    template <std::size_t N>
    void Ints(const char*, std::size_t at, const std::array<std::int32_t, N>& a, int first,
              int last) {
        for (int i = first; i <= last; ++i)
            PutI32(p + at + 4 * (i - first), a[i]);
    }
    template <class Names, class Tables> void Curves(const Names& names, const Tables& tables) {
        for (std::size_t t = 0; t < names.size(); ++t)
            PutTable(p + names[t].second, *tables[t]);
    }
};

// Collects the text fields with their offsets and sizes, for the validator.
struct TextFieldLister {
    std::vector<TextFieldInfo>& out;
    void Int(const char*, std::size_t, std::int32_t) {}
    void Float(const char*, std::size_t, float) {}
    template <std::size_t N> void Text(const char* name, std::size_t at, const ShortString<N>&) {
        out.push_back({name, at, N});
    }
    template <class Row> void SoundRow(const char* name, std::size_t at, const Row&) {
        const std::string row(1, name[std::string_view(name).size() - 1]);
        for (int col = 1; col <= 10; ++col)
            out.push_back({"sound[" + row + "][" + std::to_string(col) + "]",
                           at + SoundColumnOffset(col), 4});
    }
    template <std::size_t N>
    void Ints(const char*, std::size_t, const std::array<std::int32_t, N>&, int, int) {}
    template <class Names, class Tables> void Curves(const Names&, const Tables&) {}
};

} // namespace

void DecodeFanRecord(const unsigned char* p, TFanRecord& r) {
    VisitRecordFields(r, Decoder{p});
}

void EncodeFanRecord(const TFanRecord& r, unsigned char* p) {
    std::memset(p, 0, kRecordSize);
    VisitRecordFields(r, Encoder{p});
}

const std::vector<TextFieldInfo>& TextFields() {
    static const std::vector<TextFieldInfo> fields = [] {
        std::vector<TextFieldInfo> f;
        const TFanRecord none;
        VisitRecordFields(none, TextFieldLister{f});
        return f;
    }();
    return fields;
}

} // namespace vd
