#pragma once
// Starting programs for the whole-process benchmarks: quietly, with empty
// input and both outputs to /dev/null, and the median of paired figures.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vdbench {

// Starts `args` (found on PATH), in `dir` when given; exits the benchmark
// when it cannot be started.
inline pid_t SpawnQuiet(const std::vector<std::string>& args, const char* dir = nullptr) {
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t io;
    posix_spawn_file_actions_init(&io);
    posix_spawn_file_actions_addopen(&io, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&io, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&io, 2, "/dev/null", O_WRONLY, 0);
    if (dir)
        posix_spawn_file_actions_addchdir_np(&io, dir);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &io, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(2);
    }
    posix_spawn_file_actions_destroy(&io);
    return pid;
}

// The benchmark's --pairs N, or `fallback`.
inline int PairsOption(int argc, char** argv, int fallback) {
    int pairs = fallback;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--pairs") == 0 && i + 1 < argc)
            pairs = std::max(1, std::atoi(argv[++i]));
    return pairs;
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace vdbench
