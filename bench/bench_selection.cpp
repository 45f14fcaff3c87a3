// The selection run against a plain sequential read of the same catalogue, in
// the same run, warm cache. The "ratio" counter is select time ÷ read time.
#include "fan_record.h"
#include "paths.h"
#include "results_grid.h"
#include "select_fans.h"
#include "vd_variables.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

struct Silent : vd::MessageService {
    void ShowMessage(const std::string&) override {}
};

const char* kFamilies[] = {"PW",  "PW60", "BN1",  "BN2", "BQ1", "BQ2", "MT",  "MTZ", "MTZL", "GHJ",
                           "GHZ", "UDY",  "UDYZ", "UVJ", "UVX", "LW",  "EHY", "AQY", "AQN"};

// A catalogue of n fans of every family and many sizes, written once per size.
fs::path Catalogue(int n) {
    static std::map<int, fs::path> made;
    if (auto it = made.find(n); it != made.end())
        return it->second;
    fs::path dir = fs::temp_directory_path() / ("vd-bench-" + std::to_string(n));
    fs::create_directories(dir / "dat");
    std::FILE* f = std::fopen((dir / "dat/vd_fan.rec").c_str(), "wb");
    std::mt19937 rng(42);
    std::uniform_real_distribution<float> size(0.2f, 8.0f);
    unsigned char bytes[vd::kRecordSize];
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
            const float s = 1.0f - 0.2f * (c - 1);
            for (int k = 1; k <= 16; ++k) {
                const float x = (k - 1) / 15.0f;
                r.vol[20 * (c - 1) + k] = q0 * s * (1 - 0.9f * x);
                r.pres[20 * (c - 1) + k] = p0 * s * s * x * (2 - x);
                r.power[20 * (c - 1) + k] = 100 * q0 * s * s * s * (1 + x);
            }
        }
        vd::EncodeFanRecord(r, bytes);
        std::fwrite(bytes, 1, sizeof bytes, f);
    }
    std::fclose(f);
    made[n] = dir;
    return dir;
}

double PlainRead(const fs::path& file) {
    auto t0 = std::chrono::steady_clock::now();
    // Record by record through the same 64 KiB stdio buffer as the catalogue
    // reader, so the ratio measures what the selection adds to the I/O.
    std::FILE* f = std::fopen(file.c_str(), "rb");
    static char stdioBuffer[64 * 1024];
    std::setvbuf(f, stdioBuffer, _IOFBF, sizeof stdioBuffer);
    unsigned char buf[vd::kRecordSize];
    size_t sum = 0;
    while (std::fread(buf, 1, sizeof buf, f) == sizeof buf)
        sum += buf[100];
    std::fclose(f);
    benchmark::DoNotOptimize(sum);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

long MaxRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

void BM_SelectVsPlainRead(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    fs::path dir = Catalogue(n);
    vd::ResetVariables();
    vd::SetDataRoot(dir);
    for (const auto& fl : vd::FamilyFlags())
        *fl.flag = "Y";
    vd::PressureType = "Total";
    vd::VolumeUnit = "m3/s";
    vd::PressureUnit = "Pa";
    vd::EnteredVolume = vd::DutyVolume = 2.0f;
    vd::EnteredPressure = vd::DutyPressure = 250.0f;
    vd::FixedSelectionControls controls;
    controls.allowedDeviation = static_cast<long double>(state.range(1));
    Silent silent;
    PlainRead(dir / "dat/vd_fan.rec"); // warm the page cache

    double readTotal = 0, selectTotal = 0;
    long rows = 0;
    const long rssBefore = MaxRssKb();
    for (auto _ : state) {
        readTotal += PlainRead(dir / "dat/vd_fan.rec");
        vd::ResultsGrid grid;
        vd::ResetResultsGrid(grid, "m3/s", "Pa");
        auto t0 = std::chrono::steady_clock::now();
        vd::SelectFans(controls, grid, silent);
        const double dt =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        selectTotal += dt;
        state.SetIterationTime(dt);
        rows = grid.RowCount() - 1;
    }
    state.counters["read_ms"] = readTotal * 1000 / static_cast<double>(state.iterations());
    state.counters["ratio"] = selectTotal / readTotal;
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["rss_growth_kb"] = static_cast<double>(MaxRssKb() - rssBefore);
    vd::SetDataRoot({});
}

// Args: catalogue size, allowed deviation in percent (0: no fan qualifies;
// 2: about one fan in forty; 10: about one in eight).
BENCHMARK(BM_SelectVsPlainRead)
    ->Args({1000, 10})
    ->Args({10000, 10})
    ->Args({100000, 0})
    ->Args({100000, 2})
    ->Args({100000, 10})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
