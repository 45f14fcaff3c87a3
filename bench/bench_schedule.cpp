// A 1,000-line duty schedule against the demo catalogue, read once, against
// the same 1,000 duties as separate in-process selections that each read the
// catalogue file. The "ratio" counter is schedule time ÷ separate time.
#include "duty_request.h"
#include "paths.h"
#include "schedule.h"
#include "select_fans.h"
#include "vd_variables.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

namespace {

// Duties across the demo catalogue's range, in every unit and family mix.
std::string ScheduleText(int lines) {
    const char* families[] = {"PW MT",    "BNBQ",  "LW GHJ GHZ",   "UDY UVJ UVX",
                              "MTZ MTZL", "EH AQ", "PW BNBQ MT LW"};
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> volume(0.1, 4.0), pressure(50, 600);
    std::string text = "tag,volume,volume_unit,pressure,pressure_unit,pressure_type,families,"
                       "deviation\n";
    for (int i = 0; i < lines; ++i) {
        const double q = volume(rng);
        const bool hourly = i % 2;
        text += "D" + std::to_string(i) + "," + std::to_string(hourly ? q * 3600 : q) +
                (hourly ? ",m3/h," : ",m3/s,") + std::to_string(pressure(rng)) + ",Pa,static," +
                families[i % 7] + "," + std::to_string(10 + i % 20) + "\n";
    }
    return text;
}

double Seconds(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void BM_ScheduleVsSeparateSelections(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    vd::ResetVariables();
    vd::SetDataRoot(VD_RUNTIME_DIR);
    vdcat::LoadLanguage("UK");
    std::string error;
    const std::vector<vdcat::ScheduleLine> lines = vdcat::ParseSchedule(ScheduleText(n), error);
    if (!error.empty() || static_cast<int>(lines.size()) != n) {
        state.SkipWithError(error.c_str());
        return;
    }
    double scheduleTotal = 0, separateTotal = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        {
            const vd::CatalogueImage catalogue = vd::ReadCatalogueImage();
            vdcat::ScheduleDocument doc(vdcat::DocumentFormat::Csv, 3, false);
            for (const vdcat::ScheduleLine& line : lines) {
                vd::ResultsGrid grid;
                auto problem = vdcat::RunDuty(line.request, grid, &catalogue);
                doc.AddDuty(line, problem ? nullptr : &grid, &catalogue);
            }
            bytes = doc.Finish().size();
        }
        const double schedule = Seconds(t0);

        t0 = std::chrono::steady_clock::now();
        std::size_t separateBytes = 0;
        for (const vdcat::ScheduleLine& line : lines) {
            vd::ResultsGrid grid;
            if (!vdcat::RunDuty(line.request, grid))
                separateBytes +=
                    vdcat::SelectDocument(line.request, grid, {vdcat::DocumentFormat::Csv}).size();
        }
        benchmark::DoNotOptimize(separateBytes);
        const double separate = Seconds(t0);

        scheduleTotal += schedule;
        separateTotal += separate;
        state.SetIterationTime(schedule);
    }
    state.counters["separate_ms"] = separateTotal * 1000 / static_cast<double>(state.iterations());
    state.counters["ratio"] = scheduleTotal / separateTotal;
    state.counters["csv_bytes"] = static_cast<double>(bytes);
    vd::SetDataRoot({});
}

BENCHMARK(BM_ScheduleVsSeparateSelections)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
