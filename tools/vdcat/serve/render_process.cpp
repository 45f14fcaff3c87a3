#include "render_process.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vdcat {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kMaxMessages = 64 * 1024;

// A private directory, removed with what is in it when the run is over.
struct PrivateDir {
    fs::path path;
    PrivateDir() {
        std::error_code ec;
        std::string pattern = (fs::temp_directory_path(ec) / "vdcat-serve-XXXXXX").string();
        if (ec)
            pattern = "/tmp/vdcat-serve-XXXXXX";
        if (::mkdtemp(pattern.data()))
            path = pattern;
    }
    ~PrivateDir() {
        std::error_code ec;
        if (!path.empty())
            fs::remove_all(path, ec);
    }
};

// The environment with the offscreen platform: the service has no display.
std::vector<std::string> ChildEnvironment() {
    std::vector<std::string> env;
    for (char** e = environ; e && *e; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*e);
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> p;
    for (std::string& t : texts)
        p.push_back(t.data());
    p.push_back(nullptr);
    return p;
}

} // namespace

std::string RendererPath() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : (self.parent_path() / "vdcat-render").string();
}

RenderRun RunRenderer(const std::string& program, const std::vector<std::string>& args,
                      const std::string& outName, std::chrono::milliseconds limit) {
    RenderRun run;
    PrivateDir dir;
    if (dir.path.empty()) {
        run.error = std::string("cannot make a temporary directory: ") + std::strerror(errno);
        return run;
    }
    const fs::path out = dir.path / outName;
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), args.begin(), args.end());
    argv.push_back("--out=" + out.string());
    std::vector<std::string> env = ChildEnvironment();
    std::vector<char*> argp = Pointers(argv), envp = Pointers(env);

    // Close-on-exec: a renderer started at the same time on another thread
    // must not hold this one's pipe open.
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        run.error = std::string("cannot make a pipe: ") + std::strerror(errno);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    // A process group of its own, so that the time limit ends whatever it started.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    pid_t pid = -1;
    const int spawned =
        ::posix_spawn(&pid, program.c_str(), &actions, &attr, argp.data(), envp.data());
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
        ::close(pipeFds[0]);
        run.error = "cannot run " + program + ": " + std::strerror(spawned);
        return run;
    }
    run.started = true;

    // Its messages until it ends or runs out of time.
    const Clock::time_point deadline = Clock::now() + limit;
    int fd = pipeFds[0];
    int status = 0;
    bool exited = false;
    while (!exited) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            ::kill(-pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            run.timedOut = true;
            break;
        }
        if (fd >= 0) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(std::min<long long>(left.count(), 50))) > 0) {
                char buf[4096];
                const ssize_t n = ::read(fd, buf, sizeof buf);
                if (n > 0 && run.messages.size() < kMaxMessages)
                    run.messages.append(buf, static_cast<std::size_t>(n));
                if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) {
                    ::close(fd);
                    fd = -1;
                }
            }
        } else {
            ::usleep(5000);
        }
        const pid_t w = ::waitpid(pid, &status, WNOHANG);
        exited = w == pid || (w < 0 && errno != EINTR);
    }
    if (fd >= 0) {
        // What it wrote before it ended is still in the pipe.
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
        char buf[4096];
        ssize_t n;
        while ((n = ::read(fd, buf, sizeof buf)) > 0 && run.messages.size() < kMaxMessages)
            run.messages.append(buf, static_cast<std::size_t>(n));
        ::close(fd);
    }
    if (!run.timedOut && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    if (run.exitCode == 0 || run.exitCode == 5) {
        std::ifstream in(out, std::ios::binary);
        run.output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return run;
}

} // namespace vdcat
