// The selection run against a plain sequential read of the same catalogue, in
// the same run, warm cache. Each iteration times one read and one run, in
// turn, and the counters are medians over the pairs: "ratio" is run CPU time ÷
// read CPU time (the machine may be shared: CPU time is what each one cost),
// "ratio_wall" the same on the wall clock.
#include "bench_catalogue.h"
#include "paths.h"
#include "results_grid.h"
#include "select_fans.h"
#include "vd_variables.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

struct Silent : vd::MessageService {
    void ShowMessage(const std::string&) override {}
};

struct Times {
    double wall = 0, cpu = 0;
};

template <class F> Times Timed(F&& f) {
    timespec c0{}, c1{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c0);
    const auto w0 = std::chrono::steady_clock::now();
    f();
    const auto w1 = std::chrono::steady_clock::now();
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c1);
    return {std::chrono::duration<double>(w1 - w0).count(),
            static_cast<double>(c1.tv_sec - c0.tv_sec) +
                1e-9 * static_cast<double>(c1.tv_nsec - c0.tv_nsec)};
}

// Record by record through a 64 KiB stdio buffer, as a plain reader would.
void PlainRead(const fs::path& file) {
    std::FILE* f = std::fopen(file.c_str(), "rb");
    static char stdioBuffer[64 * 1024];
    std::setvbuf(f, stdioBuffer, _IOFBF, sizeof stdioBuffer);
    unsigned char buf[vd::kRecordSize];
    size_t sum = 0;
    while (std::fread(buf, 1, sizeof buf, f) == sizeof buf)
        sum += buf[100];
    std::fclose(f);
    benchmark::DoNotOptimize(sum);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

long MaxRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

void BM_SelectVsPlainRead(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const fs::path dir = vdbench::Catalogue(n);
    const fs::path file = dir / "dat/vd_fan.rec";
    vd::ResetVariables();
    vd::SetDataRoot(dir);
    for (const auto& fl : vd::FamilyFlags())
        *fl.flag = "Y";
    vd::PressureType = "Static";
    vd::VolumeUnit = "m3/s";
    vd::PressureUnit = "Pa";
    vd::EnteredVolume = vd::DutyVolume = vdbench::kDutyVolume;
    vd::EnteredPressure = vd::DutyPressure = 250.0f;
    vd::FixedSelectionControls controls;
    controls.allowedDeviation = static_cast<long double>(state.range(1));
    Silent silent;
    PlainRead(file); // warm the page cache

    std::vector<double> ratio, ratioWall, readMs, selectMs;
    long rows = 0;
    const long rssBefore = MaxRssKb();
    bool readFirst = true;
    for (auto _ : state) {
        vd::ResultsGrid grid;
        Times read, select;
        auto runRead = [&] { read = Timed([&] { PlainRead(file); }); };
        auto runSelect = [&] {
            vd::ResetResultsGrid(grid, "m3/s", "Pa");
            select = Timed([&] { vd::SelectFans(controls, grid, silent); });
        };
        if (readFirst) {
            runRead();
            runSelect();
        } else {
            runSelect();
            runRead();
        }
        readFirst = !readFirst;
        state.SetIterationTime(select.wall);
        ratio.push_back(select.cpu / read.cpu);
        ratioWall.push_back(select.wall / read.wall);
        readMs.push_back(read.cpu * 1000);
        selectMs.push_back(select.cpu * 1000);
        rows = grid.RowCount() - 1;
    }
    state.counters["ratio"] = Median(ratio);
    state.counters["ratio_wall"] = Median(ratioWall);
    state.counters["read_cpu_ms"] = Median(readMs);
    state.counters["select_cpu_ms"] = Median(selectMs);
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["rss_growth_kb"] = static_cast<double>(MaxRssKb() - rssBefore);
    vd::SetDataRoot({});
}

// Args: catalogue size, allowed deviation in percent (vdbench::kDeviations:
// no fan qualifies, about one fan in forty, about one in eight).
BENCHMARK(BM_SelectVsPlainRead)
    ->Args({10000, vdbench::kDeviations[2]})
    ->Args({100000, vdbench::kDeviations[0]})
    ->Args({100000, vdbench::kDeviations[1]})
    ->Args({100000, vdbench::kDeviations[2]})
    ->Iterations(9)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
