// The whole `vdcat select` process against `cat FILE > /dev/null` of the same
// catalogue, started in turn, warm cache. For each case it prints the medians
// of both commands' CPU time (user + system, the kernel's accounting of the
// finished child), the median of the ratios pair by pair on CPU time and on the
// wall clock, and vdcat's largest peak resident memory.
//   bench_select_process [--pairs N]
#include "bench_catalogue.h"
#include "bench_process.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double wall = 0, cpu = 0;
    long peakKb = 0;
};

// Starts argv quietly and waits for it.
Run Spawn(const std::vector<std::string>& args) {
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = vdbench::SpawnQuiet(args);
    int status = 0;
    rusage u{};
    wait4(pid, &status, 0, &u);
    const auto t1 = std::chrono::steady_clock::now();
    auto seconds = [](timeval t) {
        return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec);
    };
    return {std::chrono::duration<double>(t1 - t0).count(),
            seconds(u.ru_utime) + seconds(u.ru_stime), u.ru_maxrss};
}

void Compare(const char* name, const std::vector<std::string>& a, const std::vector<std::string>& b,
             int pairs) {
    Spawn(a); // warm-up, not counted
    Spawn(b);
    std::vector<double> cpuA, cpuB, ratioCpu, ratioWall;
    long peak = 0;
    for (int i = 0; i < pairs; ++i) {
        Run ra, rb;
        if (i % 2) {
            rb = Spawn(b);
            ra = Spawn(a);
        } else {
            ra = Spawn(a);
            rb = Spawn(b);
        }
        cpuA.push_back(ra.cpu * 1000);
        cpuB.push_back(rb.cpu * 1000);
        ratioCpu.push_back(ra.cpu / std::max(rb.cpu, 1e-4));
        ratioWall.push_back(ra.wall / rb.wall);
        peak = std::max(peak, ra.peakKb);
    }
    std::printf("%-28s %9.1f %9.1f %9.2f %9.2f %9.1f\n", name, vdbench::Median(cpuA),
                vdbench::Median(cpuB), vdbench::Median(ratioCpu), vdbench::Median(ratioWall),
                static_cast<double>(peak) / 1024);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    const int pairs = vdbench::PairsOption(argc, argv, 21);
    const std::string vdcat = std::string(VD_RUNTIME_DIR) + "/vdcat";
    std::printf("%d pairs, medians; A = vdcat select, B = cat FILE > /dev/null\n", pairs);
    std::printf("%-28s %9s %9s %9s %9s %9s\n", "case", "A cpu ms", "B cpu ms", "A/B cpu",
                "A/B wall", "A peak MB");
    for (int records : {10000, 100000}) {
        const std::string dir = vdbench::Catalogue(records).string();
        for (int deviation : vdbench::kDeviations) {
            if (records != 100000 && deviation != vdbench::kDeviations[2])
                continue;
            const std::vector<std::string> select = {
                vdcat,
                "select",
                "--data",
                dir,
                "--volume",
                vdbench::kDutyVolumeText,
                "--volume-unit",
                "m3/s",
                "--pressure",
                "250",
                "--pressure-unit",
                "Pa",
                "--pressure-type",
                "static",
                "--deviation",
                std::to_string(deviation),
                "--language",
                "UK",
                "--include",
                "PW,BNBQ,MT,MTZ,MTZL,GHJ,GHZ,UDY,UDYZ,UVJ,UVX,LW,EH,AQ"};
            const std::string name =
                std::to_string(records) + " records, deviation " + std::to_string(deviation) + "%";
            Compare(name.c_str(), select, {"cat", dir + "/dat/vd_fan.rec"}, pairs);
        }
    }
}
