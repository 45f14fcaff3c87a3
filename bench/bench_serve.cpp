// vdcat serve under load from wrk on loopback: /v1/select requests per second
// at 1 and at 32 connections, against selections per second in this process
// (the run over a catalogue read once and the JSON document, as the service
// makes them), on the demo catalogue and on a generated one of 10,000 records.
// Measured in pairs, in turn, for a machine shared with other work; prints each
// pair and the medians of the ratios. Then the round trip of one connection
// through /healthz and through a server that only answers: the ceiling of the
// 1-connection ratio on this machine.
//   bench_serve [--pairs N] [--seconds S]
#include "bench_catalogue.h"
#include "duty_request.h"
#include "paths.h"
#include "select_document.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Case {
    const char* name;
    fs::path data;
    std::string body;
    vdcat::DutyRequest duty;
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Selections per second in this process for `seconds`.
double InProcess(const Case& c, double seconds) {
    vd::SetDataRoot(c.data);
    vdcat::LoadLanguage("");
    const vd::CatalogueImage image = vd::ReadCatalogueImage();
    vdcat::DocumentOptions json;
    json.format = vdcat::DocumentFormat::Json;
    long long n = 0;
    std::size_t bytes = 0;
    const auto t0 = std::chrono::steady_clock::now();
    double elapsed = 0;
    while (elapsed < seconds) {
        vd::ResultsGrid grid;
        vdcat::RunDuty(c.duty, grid, &image);
        bytes += vdcat::SelectDocument(c.duty, grid, json, &image).size();
        ++n;
        elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    return bytes ? static_cast<double>(n) / elapsed : 0;
}

class Server {
  public:
    Server(const fs::path& data, const fs::path& log) {
        pid_ = ::fork();
        if (pid_ == 0) {
            const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(fd, 2);
            ::execl(VD_VDCAT, "vdcat", "serve", "--data", data.c_str(), "--listen", "127.0.0.1:0",
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        for (int i = 0; i < 500 && port == 0; ++i) {
            const std::string text = ReadAll(log);
            const auto at = text.find("listening on http://127.0.0.1:");
            if (at != std::string::npos && text.find('\n', at) != std::string::npos)
                port = std::stoi(text.substr(at + 30));
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~Server() {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    int port = 0;

  private:
    pid_t pid_ = -1;
};

struct Load {
    double rate = 0;
    long long non2xx = 0, errors = 0;
};

// wrk's requests per second, non-2xx answers and socket errors; a GET of
// `path` without a script.
Load Wrk(int port, const fs::path& script, int connections, double seconds,
         const std::string& path = "/v1/select") {
    const std::string cmd = "wrk -t" + std::to_string(connections > 1 ? 2 : 1) + " -c" +
                            std::to_string(connections) + " -d" +
                            std::to_string(static_cast<int>(seconds)) + "s " +
                            (script.empty() ? "" : "-s " + script.string() + " ") +
                            "http://127.0.0.1:" + std::to_string(port) + path + " 2>&1";
    std::FILE* p = ::popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    while (p && std::fgets(buf, sizeof buf, p))
        out += buf;
    if (p)
        ::pclose(p);
    Load l;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (auto at = line.find("Requests/sec:"); at != std::string::npos)
            l.rate = std::stod(line.substr(at + 13));
        if (auto at = line.find("Non-2xx or 3xx responses:"); at != std::string::npos)
            l.non2xx = std::stoll(line.substr(at + 25));
        if (line.find("Socket errors:") != std::string::npos)
            for (const char* kind : {"connect ", "read ", "write ", "timeout "})
                if (auto at = line.find(kind); at != std::string::npos)
                    l.errors += std::stoll(line.substr(at + std::strlen(kind)));
    }
    if (l.rate == 0)
        std::fprintf(stderr, "wrk gave no rate:\n%s\n", out.c_str());
    return l;
}

// The yardstick for one connection: the least any HTTP server does, a
// blocking loop on a loopback socket that answers each request wrk sends
// (bodiless GETs, each ending in an empty line) with a fixed "{}". What it
// reaches is the machine's round trip through wrk and the kernel.
class FixedAnswerServer {
  public:
    FixedAnswerServer() {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&a), len) != 0 ||
            ::listen(listener_, 64) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len) != 0)
            return;
        port = ntohs(a.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~FixedAnswerServer() {
        ::shutdown(listener_, SHUT_RDWR);
        if (thread_.joinable())
            thread_.join();
        ::close(listener_);
    }
    int port = 0;

  private:
    void Serve() {
        static const char answer[] = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\n"
                                     "Content-Length: 2\r\n\r\n{}";
        for (int c; (c = ::accept(listener_, nullptr, nullptr)) >= 0;) {
            const int one = 1;
            ::setsockopt(c, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            std::string pending;
            char buf[4096];
            for (ssize_t n; (n = ::read(c, buf, sizeof buf)) > 0;) {
                pending.append(buf, static_cast<std::size_t>(n));
                for (std::size_t end; (end = pending.find("\r\n\r\n")) != std::string::npos;) {
                    pending.erase(0, end + 4);
                    if (::write(c, answer, sizeof answer - 1) < 0)
                        break;
                }
            }
            ::close(c);
        }
    }
    int listener_ = -1;
    std::thread thread_;
};

} // namespace

int main(int argc, char** argv) {
    int pairs = 3;
    double seconds = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--pairs") == 0)
            pairs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::max(1, std::atoi(argv[i + 1]));
    }
    if (std::system("command -v wrk >/dev/null 2>&1") != 0) {
        std::fprintf(stderr, "bench_serve: wrk is not installed\n");
        return 2;
    }
    const fs::path runtime = VD_RUNTIME_DIR;
    // The generated catalogue with the demo tree's texts.
    const fs::path generated = vdbench::Catalogue(10000);
    fs::copy(runtime / "txt", generated / "txt",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);

    vdcat::DutyRequest demo;
    demo.volume = 2500;
    demo.volumeUnit = "m3/h";
    demo.pressure = 250;
    demo.pressureUnit = "Pa";
    demo.families = {"PW", "MT"};
    // About one fan in forty of the generated catalogue.
    vdcat::DutyRequest wide;
    wide.volume = 2;
    wide.volumeUnit = "m3/s";
    wide.pressure = 250;
    wide.pressureUnit = "Pa";
    wide.deviation = 2;
    wide.families = {"PW",  "BNBQ", "MT",   "MTZ", "MTZL", "GHJ",
                     "GHZ", "UDY",  "UDYZ", "UVJ", "UVX",  "LW"};
    std::string families;
    for (const auto& f : wide.families)
        families += (families.empty() ? "\"" : ", \"") + f + "\"";
    const std::vector<Case> cases = {
        {"demo", runtime,
         R"({"volume": 2500, "volume_unit": "m3/h", "pressure": 250, "pressure_unit": "Pa", )"
         R"("families": ["PW", "MT"]})",
         demo},
        {"10k", generated,
         R"({"volume": 2, "volume_unit": "m3/s", "pressure": 250, "pressure_unit": "Pa", )"
         R"("deviation": 2, "families": [)" +
             families + "]}",
         wide},
    };
    const fs::path work =
        fs::temp_directory_path() / ("vd-bench-serve-" + std::to_string(getpid()));
    fs::create_directories(work);
    std::vector<double> inProcessRates;
    std::printf("%-5s %4s %12s %12s %12s %8s %8s %7s\n", "case", "pair", "inproc/s", "c1 req/s",
                "c32 req/s", "c1/in", "c32/c1", "non2xx");
    for (const Case& c : cases) {
        const fs::path script = work / (std::string(c.name) + ".lua");
        std::string escaped;
        for (char ch : c.body)
            escaped += ch == '"' ? std::string("\\\"") : std::string(1, ch);
        std::ofstream(script) << "wrk.method = \"POST\"\nwrk.body = \"" << escaped
                              << "\"\nwrk.headers[\"Content-Type\"] = \"application/json\"\n";
        const fs::path log = work / (std::string(c.name) + ".log");
        Server server(c.data, log);
        if (server.port == 0) {
            std::fprintf(stderr, "bench_serve: the server did not start:\n%s\n",
                         ReadAll(log).c_str());
            return 2;
        }
        std::vector<double> single, scaling, inProcessOf;
        long long bad = 0;
        for (int pair = 1; pair <= pairs; ++pair) {
            const double inproc = InProcess(c, seconds);
            inProcessOf.push_back(inproc);
            const Load one = Wrk(server.port, script, 1, seconds);
            const Load many = Wrk(server.port, script, 32, seconds);
            const long long wrong = one.non2xx + one.errors + many.non2xx + many.errors;
            bad += wrong;
            single.push_back(one.rate / inproc);
            scaling.push_back(many.rate / one.rate);
            std::printf("%-5s %4d %12.0f %12.0f %12.0f %8.2f %8.2f %7lld\n", c.name, pair, inproc,
                        one.rate, many.rate, single.back(), scaling.back(), wrong);
            std::fflush(stdout);
        }
        std::printf("%-5s median: 1 connection / in-process %.2f, 32 connections / 1 %.2f, "
                    "non-2xx or errors %lld\n",
                    c.name, Median(single), Median(scaling), bad);
        inProcessRates.push_back(Median(inProcessOf));
    }

    // What one connection can reach at all on this machine: the service doing
    // no work (/healthz) and a server doing nothing but answer.
    {
        const fs::path log = work / "healthz.log";
        Server server(cases.front().data, log);
        FixedAnswerServer floor;
        std::vector<double> health, bare;
        for (int pair = 1; pair <= pairs; ++pair) {
            health.push_back(Wrk(server.port, {}, 1, seconds, "/healthz").rate);
            bare.push_back(Wrk(floor.port, {}, 1, seconds, "/").rate);
        }
        std::printf("one connection, medians: /healthz %.0f req/s, a server that only answers "
                    "%.0f req/s\n",
                    Median(health), Median(bare));
        for (std::size_t i = 0; i < cases.size(); ++i)
            std::printf("%-5s the most one connection can reach here: %.2f of in-process\n",
                        cases[i].name, Median(bare) / inProcessRates[i]);
    }
    fs::remove_all(work);
    return 0;
}
