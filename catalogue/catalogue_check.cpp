#include "catalogue_check.h"

#include "fan_file.h"
#include "vd_variables.h"

#include <cmath>

namespace vd {

namespace {

std::string Num(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

void CheckCurves(const TFanRecord& r, long long pos, std::vector<CatalogueIssue>& out) {
    const std::pair<const char*, const PointTable*> tables[] = {
        {"vol", &r.vol}, {"pres", &r.pres}, {"power", &r.power}};
    for (const auto& [name, table] : tables)
        for (int i = 1; i <= kPointTable; ++i)
            if (!std::isfinite((*table)[i]))
                out.push_back(
                    {pos, std::string(name) + "_" + std::to_string((i - 1) / 20 + 1),
                     "point " + std::to_string((i - 1) % 20 + 1) + " is not a finite number"});

    // Along a curve the volume falls and pres/vol² rises with the point
    // number; the selection relies on that order to find the operating point.
    const int curves = r.curve_count < 0 ? 0 : (r.curve_count > kCurves ? kCurves : r.curve_count);
    for (int c = 1; c <= curves; ++c) {
        int prev = 0;
        long double prevK = 0;
        for (int k = 1; k <= kPointsPerCurve; ++k) {
            float v = r.vol.at(c, k), p = r.pres.at(c, k);
            if (!(v > 0) || !std::isfinite(v) || !std::isfinite(p))
                continue;
            long double ratio = static_cast<long double>(p) / (static_cast<long double>(v) * v);
            if (prev) {
                float pv = r.vol.at(c, prev);
                if (v > pv)
                    out.push_back({pos, "vol_" + std::to_string(c),
                                   "point " + std::to_string(k) + " (" + Num(v) +
                                       ") has more volume than point " + std::to_string(prev) +
                                       " (" + Num(pv) + ")"});
                else if (ratio < prevK)
                    out.push_back({pos, "pres_" + std::to_string(c),
                                   "pres/vol² falls from point " + std::to_string(prev) +
                                       " to point " + std::to_string(k)});
            }
            prev = k;
            prevK = ratio;
        }
    }
}

} // namespace

void CheckRecord(const unsigned char* bytes, long long pos, std::vector<CatalogueIssue>& out) {
    for (const auto& f : TextFields())
        if (bytes[f.offset] > f.max)
            out.push_back({pos, f.name,
                           "length byte " + std::to_string(bytes[f.offset]) +
                               " is above the maximum " + std::to_string(f.max)});
    TFanRecord r;
    DecodeFanRecord(bytes, r);
    if (r.fan_no != pos)
        out.push_back({pos, "fan_no",
                       std::to_string(r.fan_no) + " differs from the record's position " +
                           std::to_string(pos)});
    if (r.curve_count < 0 || r.curve_count > kCurves)
        out.push_back({pos, "curve_count", std::to_string(r.curve_count) + " is outside 0..5"});
    if (!std::isfinite(r.max_temp))
        out.push_back({pos, "max_temp", "is not a finite number"});
    if (!std::isfinite(r.outlet_area))
        out.push_back({pos, "outlet_area", "is not a finite number"});
    for (int row = 1; row <= 4; ++row)
        if (r.sound_label[row] < 1 || r.sound_label[row] > kLanguageEntries)
            out.push_back(
                {pos, "sound_label[" + std::to_string(row) + "]",
                 std::to_string(r.sound_label[row]) + " names no language entry (1..250)"});
    CheckCurves(r, pos, out);
}

std::vector<CatalogueIssue> CheckCatalogueFile(const std::filesystem::path& path,
                                               const std::string& shownName) {
    std::vector<CatalogueIssue> issues;
    FanFile file;
    file.OpenAt(path, shownName);
    if (file.TrailingBytes() != 0)
        issues.push_back(
            {0, "file size",
             "not a whole number of 2920-byte records: " + std::to_string(file.TrailingBytes()) +
                 " bytes after record " + std::to_string(file.RecordCount())});
    unsigned char bytes[kRecordSize];
    while (!file.AtEnd()) {
        long long pos = file.Position() + 1;
        file.ReadNextRaw(bytes);
        CheckRecord(bytes, pos, issues);
    }
    return issues;
}

} // namespace vd
