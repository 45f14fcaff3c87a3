#pragma once
// The generated catalogue the selection benchmarks share: n fans of every
// family and many sizes, the same bytes for the same n. Written in 1 MiB
// blocks, as a copy of the catalogue would be, so that the page cache holds it
// in large pages.
#include "fan_record.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace vdbench {

inline const char* const kFamilies[] = {"PW",  "PW60", "BN1", "BN2", "BQ1", "BQ2",  "MT",
                                        "MTZ", "MTZL", "GHJ", "GHZ", "UDY", "UDYZ", "UVJ",
                                        "UVX", "LW",   "EHY", "AQY", "AQN"};

// The folder holding dat/vd_fan.rec with n records.
inline std::filesystem::path Catalogue(int n) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("vd-bench-" + std::to_string(n));
    fs::path file = dir / "dat/vd_fan.rec";
    std::error_code ec;
    if (fs::file_size(file, ec) == static_cast<std::uintmax_t>(n) * vd::kRecordSize)
        return dir;
    fs::create_directories(dir / "dat");
    std::FILE* f = std::fopen(file.c_str(), "wb");
    std::mt19937 rng(42);
    std::uniform_real_distribution<float> size(0.2f, 8.0f);
    std::vector<unsigned char> block;
    for (int i = 1; i <= n; ++i) {
        vd::TFanRecord r;
        r.fan_no = i;
        r.family.assign(kFamilies[i % 19]);
        r.model.assign("M" + std::to_string(i));
        r.hz = 50;
        r.phases = 1;
        r.volts.assign("230");
        r.amps.assign("1.2");
        r.picture_file.assign("fan.bmp");
        r.curve_count = 3;
        r.outlet_area = 0.1f;
        const float q0 = size(rng), p0 = 200 + 80 * q0;
        for (int c = 1; c <= 3; ++c) {
            const float s = 1.0f - 0.2f * static_cast<float>(c - 1);
            for (int k = 1; k <= 16; ++k) {
                const float x = static_cast<float>(k - 1) / 15.0f;
                r.vol[20 * (c - 1) + k] = q0 * s * (1 - 0.9f * x);
                r.pres[20 * (c - 1) + k] = p0 * s * s * x * (2 - x);
                r.power[20 * (c - 1) + k] = 100 * q0 * s * s * s * (1 + x);
            }
        }
        block.resize(block.size() + vd::kRecordSize);
        vd::EncodeFanRecord(r, block.data() + block.size() - vd::kRecordSize);
        if (block.size() >= (1u << 20) || i == n) {
            std::fwrite(block.data(), 1, block.size(), f);
            block.clear();
        }
    }
    std::fclose(f);
    return dir;
}

// The benchmarks' duty: 1.9 m3/s at 250 Pa static pressure, every family
// (total pressure is refused with EH and AQ included).
inline constexpr float kDutyVolume = 1.9f;
inline constexpr const char* kDutyVolumeText = "1.9";
// Allowed deviations in percent that list about none, one in forty and one in
// eight of the fans at that duty: 0, 2,517 and 12,676 rows of 100,000 records,
// the 0, 2,500 and 12,500 rows the selection is to be timed at.
inline const int kDeviations[] = {0, 1, 5};

} // namespace vdbench
