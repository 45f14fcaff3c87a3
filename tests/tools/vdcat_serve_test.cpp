// vdcat serve, run for real on a loopback port over a copy of the demo data
// tree: every endpoint against the vdcat command for the same inputs, every
// error status, and a catalogue replaced while requests are answered.
#include "vdcat_run.h"

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <thread>
#include <unistd.h>

using namespace vdtest;
namespace fs = std::filesystem;
using Json = nlohmann::json;

namespace {

// The demo catalogue, its texts and pictures in a tree the test may change.
void CopyDataTree(const fs::path& to) {
    const fs::path runtime = VD_RUNTIME_DIR;
    for (const char* sub : {"dat", "txt", "wmf", "bmp", "pics"})
        fs::copy(runtime / sub, to / sub, fs::copy_options::recursive);
}

std::string Sha256Of(const fs::path& file) {
    std::string cmd = "sha256sum " + ShellQuote(file.string());
    std::FILE* p = popen(cmd.c_str(), "r");
    char buf[65] = {};
    const std::size_t n = p ? std::fread(buf, 1, 64, p) : 0;
    if (p)
        pclose(p);
    return std::string(buf, n);
}

// `vdcat serve` on a free loopback port, ended with the test.
class Server {
  public:
    explicit Server(const fs::path& data) {
        log_ = io_ / "log";
        pid_ = ::fork();
        if (pid_ == 0) {
            const int fd = ::open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(fd, 2);
            ::execl(VD_VDCAT, "vdcat", "serve", "--data", data.c_str(), "--listen", "127.0.0.1:0",
                    "--threads", "16", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        for (int i = 0; i < 500 && port_ == 0; ++i) {
            const std::string log = ReadFile(log_);
            const auto at = log.find("listening on http://127.0.0.1:");
            if (at != std::string::npos && log.find('\n', at) != std::string::npos)
                port_ = std::stoi(log.substr(at + 30));
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~Server() {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    int port() const { return port_; }
    std::string Log() const { return ReadFile(log_); }
    httplib::Result Post(const std::string& path, const std::string& body) const {
        httplib::Client c("127.0.0.1", port_);
        return c.Post(path.c_str(), body, "application/json");
    }
    httplib::Result Get(const std::string& path) const {
        httplib::Client c("127.0.0.1", port_);
        return c.Get(path.c_str());
    }

  private:
    TempDir io_;
    fs::path log_;
    pid_t pid_ = -1;
    int port_ = 0;
};

// A duty as a body and as the command's options.
struct Duty {
    std::string body;
    std::vector<std::string> options;
};

const Duty kPlain = {
    R"({"volume": 2500, "volume_unit": "m3/h", "pressure": 250, "pressure_unit": "Pa",
        "families": ["PW", "MT"]})",
    {"--volume", "2500", "--volume-unit", "m3/h", "--pressure", "250", "--pressure-unit", "Pa",
     "--include", "PW,MT"}};
const Duty kEverything = {
    R"({"volume": 0.9, "volume_unit": "m3/s", "pressure": 300, "pressure_unit": "Pa",
        "pressure_type": "total", "deviation": 30, "supply": 2, "rejects": true, "steps": true,
        "families": ["BNBQ", "GHJ", "GHZ", "MT"], "language": "SW"})",
    {"--volume",        "0.9", "--volume-unit",   "m3/s",    "--pressure",  "300",
     "--pressure-unit", "Pa",  "--pressure-type", "total",   "--deviation", "30",
     "--supply",        "2",   "--rejects",       "--steps", "--include",   "BNBQ,GHJ,GHZ,MT",
     "--language",      "SW"}};
const Duty kOtherUnits = {
    R"({"volume": "1200.5", "volume_unit": "cfm", "pressure": 0.8, "pressure_unit": "inwg",
        "families": ["PW", "UDY", "LW"], "steps": true, "language": "FI"})",
    {"--volume", "1200.5", "--volume-unit", "cfm", "--pressure", "0.8", "--pressure-unit", "inwg",
     "--include", "PW,UDY,LW", "--steps", "--language", "FI"}};

Result Command(const std::string& cmd, const fs::path& data, const Duty& d,
               std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {cmd, "--data", data.string(), "--format", "json"};
    args.insert(args.end(), d.options.begin(), d.options.end());
    args.insert(args.end(), extra.begin(), extra.end());
    return Vdcat(args);
}

class VdcatServe : public ::testing::Test {
  protected:
    void SetUp() override {
        CopyDataTree(dir.path());
        catalogue = dir / "dat/vd_fan.rec";
        running.emplace(dir.path());
        ASSERT_GT(server().port(), 0) << server().Log();
    }
    const Server& server() const { return *running; }
    TempDir dir;
    fs::path catalogue;
    std::optional<Server> running;
};

} // namespace

TEST_F(VdcatServe, SelectAndExplainGiveTheCommandsDocumentsByteForByte) {
    const std::string sha = Sha256Of(catalogue);
    // Each duty after a different one: nothing of one request leaks into the next.
    for (const Duty* d : {&kPlain, &kEverything, &kOtherUnits, &kPlain}) {
        const Result expected = Command("select", dir.path(), *d);
        ASSERT_EQ(expected.code, 0) << expected.err;
        ASSERT_NE(expected.out.find("\"fan\":"), std::string::npos);
        auto res = server().Post("/v1/select", d->body);
        ASSERT_TRUE(res);
        EXPECT_EQ(res->status, 200);
        EXPECT_EQ(res->body, expected.out) << d->body;
        EXPECT_EQ(res->get_header_value("X-Catalogue-SHA256"), sha);
        EXPECT_EQ(res->get_header_value("Content-Type"), "application/json");
    }
    // A listed fan and a rejected one.
    for (const char* fan : {"112", "3"}) {
        for (const Duty* d : {&kEverything, &kPlain}) {
            const Result expected = Command("explain", dir.path(), *d, {"--fan", fan});
            ASSERT_EQ(expected.code, 0) << expected.err;
            Json body = Json::parse(d->body);
            body["fan"] = std::stoi(fan);
            auto res = server().Post("/v1/explain", body.dump());
            ASSERT_TRUE(res);
            EXPECT_EQ(res->status, 200);
            EXPECT_EQ(res->body, expected.out) << fan << " " << d->body;
        }
    }
}

TEST_F(VdcatServe, ADutyNoFanMeetsGivesTheDocumentWithoutRows) {
    const Duty none = {R"({"volume": 90, "volume_unit": "m3/s", "pressure": 5000,
                          "pressure_unit": "Pa", "families": ["PW"]})",
                       {"--volume", "90", "--volume-unit", "m3/s", "--pressure", "5000",
                        "--pressure-unit", "Pa", "--include", "PW"}};
    EXPECT_EQ(Command("select", dir.path(), none).code, 1);
    auto res = server().Post("/v1/select", none.body);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    const Json doc = Json::parse(res->body);
    EXPECT_TRUE(doc["rows"].empty());
    EXPECT_EQ(doc["duty"]["pressure"], 5000);
}

TEST_F(VdcatServe, CatalogueAndFanAnswersAgreeWithTheDump) {
    const Result dump = Vdcat({"dump", "--data", dir.path().string()});
    ASSERT_EQ(dump.code, 0);
    auto res = server().Get("/v1/catalogue");
    ASSERT_TRUE(res);
    ASSERT_EQ(res->status, 200);
    const Json cat = Json::parse(res->body);
    const long long records = std::stoll(dump.out.substr(dump.out.find(": ") + 2));
    EXPECT_EQ(cat["records"], records);
    EXPECT_EQ(cat["sha256"], Sha256Of(catalogue));
    long long counted = 0;
    for (const Json& f : cat["families"])
        counted += f["records"].get<long long>();
    EXPECT_EQ(counted, records);
    EXPECT_EQ(cat["families"][0], Json({{"family", "PW"}, {"group", "PW"}, {"records", 14}}));
    EXPECT_EQ(cat["units"]["pressure"], Json({"Pa", "N/m2", "mmwg", "inwg"}));

    // Fan 112's record: every line of the dump, under the same name.
    const std::vector<std::string> records112 = [&] {
        std::string text = dump.out.substr(dump.out.find("fan_no = 112\n"));
        text = text.substr(0, text.find("[fan]"));
        return Split(text, '\n');
    }();
    auto fan = server().Get("/v1/fans/112");
    ASSERT_TRUE(fan);
    ASSERT_EQ(fan->status, 200);
    const Json fields = Json::parse(fan->body);
    std::size_t compared = 0;
    for (const std::string& line : records112) {
        const auto eq = line.find(" = ");
        if (eq == std::string::npos)
            continue;
        const std::string name = line.substr(0, eq);
        ASSERT_TRUE(fields.contains(name)) << name;
        const Json& v = fields[name];
        const std::vector<std::string> tokens = Split(line.substr(eq + 3), ' ');
        const std::vector<Json> values = v.is_array() ? v.get<std::vector<Json>>() : std::vector{v};
        // A text of several words is one value; the dump quotes it.
        if (v.is_string()) {
            EXPECT_EQ(v.dump(), line.substr(eq + 3)) << name;
            ++compared;
            continue;
        }
        ASSERT_EQ(values.size(), tokens.size()) << line;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            if (values[i].is_string())
                EXPECT_EQ(values[i].dump(), tokens[i]) << line;
            else
                EXPECT_EQ(static_cast<float>(values[i].get<double>()), std::stof(tokens[i]))
                    << line;
        }
        ++compared;
    }
    EXPECT_EQ(compared, fields.size());
    EXPECT_GT(compared, 40u);
}

TEST_F(VdcatServe, EveryErrorIsJsonWithItsStatus) {
    struct Case {
        const char* method;
        std::string path, body;
        int status;
        std::string error, field;
    };
    const std::string big(64 * 1024 + 1, ' ');
    const std::vector<Case> cases = {
        {"POST", "/v1/select",
         R"({"volume": "2,5", "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa"})", 400,
         "Volume incorrect", "volume"},
        {"POST", "/v1/select",
         R"({"volume": 0, "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa"})", 400,
         "Volume incorrect", "volume"},
        {"POST", "/v1/select",
         R"({"volume": 1, "volume_unit": "m3/s", "pressure": -1, "pressure_unit": "Pa"})", 400,
         "Pressure incorrect", "pressure"},
        // Total pressure with a static-only family: language text 127.
        {"POST", "/v1/select",
         R"({"volume": 1, "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa",
             "pressure_type": "total", "families": ["EH"], "language": "UK"})",
         400, "These fans are rated for static pressure only", "pressure_type"},
        {"POST", "/v1/select", R"({"volume": 1, "volume_unit": "m3/s", "pressure": 1})", 400,
         "pressure_unit is required", "pressure_unit"},
        {"POST", "/v1/select",
         R"({"volume": 1, "volume_unit": "m3/min", "pressure": 1, "pressure_unit": "Pa"})", 400,
         "unknown volume unit 'm3/min'", "volume_unit"},
        {"POST", "/v1/select",
         R"({"volume": 1, "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa",
             "families": ["PW,MT"]})",
         400, "unknown family flag 'PW,MT'", "families"},
        {"POST", "/v1/select",
         R"({"volume": 1, "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa",
             "steps": "yes"})",
         400, "steps is true or false", "steps"},
        {"POST", "/v1/select",
         R"({"volume": 1, "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa",
             "language": "../../etc"})",
         400, "unknown language", "language"},
        {"POST", "/v1/select",
         R"({"volume": 1, "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa", "fan": 2})",
         400, "unknown field 'fan'", "fan"},
        {"POST", "/v1/select", "{\"volume\": 1", 400, "the body is not JSON", "body"},
        {"POST", "/v1/explain",
         R"({"volume": 1, "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa"})", 400,
         "fan is required", "fan"},
        {"POST", "/v1/explain",
         R"({"volume": 1, "volume_unit": "m3/s", "pressure": 1, "pressure_unit": "Pa",
             "fan": 254})",
         404, "fan 254 is not in the catalogue", "fan"},
        {"GET", "/v1/fans/254", "", 404, "fan 254 is not in the catalogue", "fan"},
        {"GET", "/v1/fans/x", "", 404, "no such path", ""},
        {"GET", "/v1/../dat/vd_fan.rec", "", 404, "no such path", ""},
        {"GET", "/v1/fans/1%0AGET%20/forged%20200%201", "", 404, "no such path", ""},
        {"GET", "/v1/select", "", 405, "GET is not allowed here; use POST", ""},
        {"POST", "/v1/fans/1", "{}", 405, "POST is not allowed here; use GET", ""},
        {"POST", "/v1/select", big, 413, "the body is larger than 64 KiB", "body"},
    };
    for (const Case& c : cases) {
        auto res =
            std::string(c.method) == "GET" ? server().Get(c.path) : server().Post(c.path, c.body);
        ASSERT_TRUE(res) << c.path;
        EXPECT_EQ(res->status, c.status) << c.path << " " << c.body.substr(0, 200);
        const Json e = Json::parse(res->body, nullptr, false);
        ASSERT_TRUE(e.is_object()) << res->body;
        EXPECT_EQ(e["error"], c.error) << c.body.substr(0, 200);
        EXPECT_EQ(e["field"], c.field.empty() ? Json() : Json(c.field)) << c.body.substr(0, 200);
        EXPECT_EQ(res->has_header("Allow"), c.status == 405);
    }
    // A catalogue that cannot be read: 503 until it is back.
    fs::rename(catalogue, dir / "dat/away.rec");
    for (const char* path : {"/healthz", "/v1/catalogue", "/v1/fans/1"}) {
        auto res = server().Get(path);
        ASSERT_TRUE(res);
        EXPECT_EQ(res->status, 503) << path;
        EXPECT_EQ(Json::parse(res->body)["field"], "catalogue");
    }
    auto select = server().Post("/v1/select", kPlain.body);
    ASSERT_TRUE(select);
    EXPECT_EQ(select->status, 503);
    fs::rename(dir / "dat/away.rec", catalogue);
    auto back = server().Get("/healthz");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->status, 200);
    // One log line a request: method, path, status, microseconds.
    EXPECT_NE(server().Log().find("\nGET /v1/select 405 "), std::string::npos) << server().Log();
    EXPECT_NE(server().Log().find("\nPOST /v1/select 413 "), std::string::npos);
    EXPECT_EQ(server().Log().find("\nGET /forged"), std::string::npos);
}

TEST_F(VdcatServe, AReplacedCatalogueIsTakenWithoutMixingAnswers) {
    // Catalogue B: the demo catalogue (A) without its first 20 records.
    const std::string a = ReadFile(catalogue);
    const std::string b = a.substr(20 * vd::kRecordSize);
    TempDir other;
    CopyDataTree(other.path());
    WriteFile(other / "dat/vd_fan.rec", b);
    const std::string shaA = Sha256Of(catalogue), shaB = Sha256Of(other / "dat/vd_fan.rec");
    const std::vector<const Duty*> duties = {&kPlain, &kEverything};
    std::map<std::string, std::vector<std::string>> expected;
    for (const Duty* d : duties) {
        expected[shaA].push_back(Command("select", dir.path(), *d).out);
        expected[shaB].push_back(Command("select", other.path(), *d).out);
    }
    ASSERT_NE(expected[shaA][0], expected[shaB][0]);

    std::atomic<bool> stop = false;
    std::atomic<int> answered = 0, wrong = 0, fromB = 0;
    std::vector<std::thread> clients;
    for (int t = 0; t < 4; ++t)
        clients.emplace_back([&, t] {
            httplib::Client c("127.0.0.1", server().port());
            for (std::size_t i = static_cast<std::size_t>(t); !stop; ++i) {
                const std::size_t which = i % duties.size();
                auto res = c.Post("/v1/select", duties[which]->body, "application/json");
                const std::string sha = res ? res->get_header_value("X-Catalogue-SHA256") : "";
                if (!res || res->status != 200 || !expected.count(sha) ||
                    res->body != expected[sha][which])
                    ++wrong;
                fromB += sha == shaB;
                ++answered;
            }
        });
    // Replaced atomically, as vdcat build replaces it.
    for (int swap = 0; swap < 10; ++swap) {
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        WriteFile(dir / "dat/new.rec", swap % 2 == 0 ? b : a);
        fs::rename(dir / "dat/new.rec", catalogue);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    stop = true;
    for (auto& c : clients)
        c.join();
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(fromB, 0);
    EXPECT_GT(answered, 40);
    // After the last swap (back to A) every answer is A's.
    auto last = server().Post("/v1/select", kPlain.body);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->get_header_value("X-Catalogue-SHA256"), shaA);
}

namespace {

std::string PdfText(const fs::path& pdf) {
    std::string out;
    std::FILE* p = popen(("pdftotext " + ShellQuote(pdf.string()) + " - 2>/dev/null").c_str(), "r");
    if (!p)
        return out;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    pclose(p);
    return out;
}

// The renderers' directories left in `dir` (the server's log and Qt's
// runtime directory are there too).
std::string RenderDirs(const fs::path& dir) {
    std::string names;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().filename().string().rfind("vdcat-serve-", 0) == 0)
            names += e.path().filename().string() + "\n";
    return names;
}

bool HaveRenderer() {
    return fs::exists(fs::path(VD_VDCAT).parent_path() / "vdcat-render");
}

// Fan 112 of the demo catalogue is found at 1.2 m3/s, 300 Pa among BNBQ.
// The command for the same fan and duty, with `extra` options.
std::vector<std::string> FanCommand(const char* cmd, const fs::path& data,
                                    const std::vector<std::string>& extra) {
    std::vector<std::string> args = {
        cmd,    "--data",     data.string(), "--volume",        "1.2", "--volume-unit",
        "m3/s", "--pressure", "300",         "--pressure-unit", "Pa",  "--include",
        "BNBQ", "--language", "UK",          "--fan",           "112"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

const std::string kPrintDuty = R"("volume": 1.2, "volume_unit": "m3/s", "pressure": 300,
    "pressure_unit": "Pa", "families": ["BNBQ"], "language": "UK")";

} // namespace

TEST_F(VdcatServe, PrintAnswersThePdfOfThePrintCommand) {
    if (!HaveRenderer())
        GTEST_SKIP() << "this build has no vdcat-render";
    // The renderers' private directories go here, to be seen removed.
    const fs::path tmp = dir / "tmp";
    fs::create_directories(tmp);
    running.reset();
    ::setenv("TMPDIR", tmp.c_str(), 1);
    running.emplace(dir.path());
    ::unsetenv("TMPDIR");
    ASSERT_GT(server().port(), 0) << server().Log();

    auto res = server().Post("/v1/print", "{" + kPrintDuty + R"(, "fan": 112,
        "date": "01/02/2026", "company": "Acme & S\u00f6hne", "project": "--out=/tmp/x",
        "qty": "2", "only": ["summary", "quotation"], "ancillaries": "5"})");
    ASSERT_TRUE(res);
    ASSERT_EQ(res->status, 200) << res->body;
    EXPECT_EQ(res->get_header_value("Content-Type"), "application/pdf");
    EXPECT_EQ(res->get_header_value("X-Catalogue-SHA256"), Sha256Of(catalogue));
    EXPECT_FALSE(res->has_header("X-Incomplete"));
    ASSERT_EQ(res->body.rfind("%PDF", 0), 0u);
    EXPECT_EQ(RenderDirs(tmp), "");

    if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
        WriteFile(dir / "served.pdf", res->body);
        const Result printed = Vdcat(
            FanCommand("print", dir.path(),
                       {"--date", "01/02/2026", "--company", "Acme & S\xC3\xB6hne", "--project",
                        "--out=/tmp/x", "--qty", "2", "--only", "summary,quotation",
                        "--ancillaries", "5", "--out", (dir / "printed.pdf").string()}));
        ASSERT_EQ(printed.code, 0) << printed.err;
        const std::string text = PdfText(dir / "served.pdf");
        EXPECT_NE(text.find("Acme & S\xC3\xB6hne"), std::string::npos) << text;
        EXPECT_NE(text.find("Quotation"), std::string::npos) << text;
        EXPECT_EQ(text, PdfText(dir / "printed.pdf"));
    }

    // Missing material is left out, as the command leaves it, and said so.
    fs::remove(dir / "wmf/bn_dim.wmf");
    res = server().Post("/v1/print", "{" + kPrintDuty + R"(, "fan": 112, "only": "summary"})");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200) << res->body;
    EXPECT_EQ(res->get_header_value("X-Incomplete"), "missing material");
    EXPECT_EQ(res->body.rfind("%PDF", 0), 0u);
    EXPECT_EQ(RenderDirs(tmp), "");
}

TEST_F(VdcatServe, PrintRefusesWhatThePrintCommandRefuses) {
    if (!HaveRenderer())
        GTEST_SKIP() << "this build has no vdcat-render";
    struct Case {
        std::string extra;
        int status;
        std::string error, field;
    };
    const std::vector<Case> cases = {
        {R"("fan": 254)", 404, "fan 254 is not in the catalogue", "fan"},
        {R"("fan": 1)", 404, "fan 1 is not among the results for this duty", "fan"},
        {R"("fan": 112, "ancillaries": [1])", 400,
         "--ancillaries: item 1 is not in the list of fan 112", "ancillaries"},
        {R"("fan": 112, "only": ["summary", "drawing"])", 400,
         "only names summary, quotation and instructions", "only"},
        {R"("fan": 112, "company": 7)", 400, "company is a text", "company"},
        {R"("fan": 112, "dpi": 72)", 400, "unknown field 'dpi'", "dpi"},
        // A key given twice: the later one holds.
        {R"("fan": 112, "volume": "1.2x")", 400, "Volume incorrect", "volume"},
    };
    for (const Case& c : cases) {
        auto res = server().Post("/v1/print", "{" + kPrintDuty + ", " + c.extra + "}");
        ASSERT_TRUE(res) << c.extra;
        EXPECT_EQ(res->status, c.status) << c.extra << " " << res->body;
        const Json e = Json::parse(res->body, nullptr, false);
        ASSERT_TRUE(e.is_object()) << res->body;
        EXPECT_EQ(e["error"], c.error) << c.extra;
        EXPECT_EQ(e["field"], c.field) << c.extra;
    }
    auto res = server().Get("/v1/print");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 405);
}

namespace {

// The width and height in a PNG's header.
std::pair<int, int> PngSize(const std::string& png) {
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0)
        return {0, 0};
    auto word = [&](std::size_t at) {
        int v = 0;
        for (std::size_t i = at; i < at + 4; ++i)
            v = v << 8 | static_cast<unsigned char>(png[i]);
        return v;
    };
    return {word(16), word(20)};
}

} // namespace

TEST_F(VdcatServe, DiagramAnswersThePictureOfTheDiagramCommand) {
    if (!HaveRenderer())
        GTEST_SKIP() << "this build has no vdcat-render";
    const std::vector<std::string> command = FanCommand("diagram", dir.path(), {});
    struct Case {
        std::string extra;
        std::vector<std::string> options;
        int width, height;
    };
    // Width alone keeps the window's 545 × 342.
    const std::vector<Case> cases = {
        {"", {}, 545, 342},
        {R"(, "width": 1090)", {"--size", "1090x684"}, 1090, 684},
        {R"(, "width": 300, "height": 500, "format": "png")", {"--size", "300x500"}, 300, 500}};
    for (const Case& c : cases) {
        auto res =
            server().Post("/v1/diagram", "{" + kPrintDuty + R"(, "fan": 112)" + c.extra + "}");
        ASSERT_TRUE(res);
        ASSERT_EQ(res->status, 200) << res->body;
        EXPECT_EQ(res->get_header_value("Content-Type"), "image/png");
        EXPECT_EQ(res->get_header_value("X-Catalogue-SHA256"), Sha256Of(catalogue));
        EXPECT_EQ(PngSize(res->body), std::make_pair(c.width, c.height)) << c.extra;
        std::vector<std::string> args = command;
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.insert(args.end(), {"--out", (dir / "d.png").string()});
        const Result drawn = Vdcat(args);
        ASSERT_EQ(drawn.code, 0) << drawn.err;
        EXPECT_TRUE(ReadFile(dir / "d.png") == res->body) << c.extra;
    }

    auto svg = server().Post("/v1/diagram", "{" + kPrintDuty + R"(, "fan": 112, "format": "svg"})");
    ASSERT_TRUE(svg);
    std::vector<std::string> args = command;
    args.insert(args.end(), {"--format", "svg", "--out", (dir / "d.svg").string()});
    const Result drawn = Vdcat(args);
    if (drawn.code == 64) {
        // A build without Qt's SVG module says so.
        EXPECT_EQ(svg->status, 400);
        EXPECT_NE(svg->body.find("png only"), std::string::npos) << svg->body;
    } else {
        ASSERT_EQ(drawn.code, 0) << drawn.err;
        ASSERT_EQ(svg->status, 200) << svg->body;
        EXPECT_EQ(svg->get_header_value("Content-Type"), "image/svg+xml");
        EXPECT_NE(svg->body.find("<svg"), std::string::npos);
        EXPECT_EQ(svg->body, ReadFile(dir / "d.svg"));
    }

    struct Bad {
        std::string extra;
        int status;
        std::string field;
    };
    for (const Bad& b : std::vector<Bad>{{R"("fan": 254)", 404, "fan"},
                                         {R"("fan": 1)", 404, "fan"},
                                         {R"("fan": 112, "width": 0)", 400, "width"},
                                         {R"("fan": 112, "height": 4097)", 400, "height"},
                                         {R"("fan": 112, "width": "545")", 400, "width"},
                                         {R"("fan": 112, "format": "gif")", 400, "format"},
                                         {R"("fan": 112, "only": "summary")", 400, "only"}}) {
        auto res = server().Post("/v1/diagram", "{" + kPrintDuty + ", " + b.extra + "}");
        ASSERT_TRUE(res);
        EXPECT_EQ(res->status, b.status) << b.extra << " " << res->body;
        EXPECT_EQ(Json::parse(res->body, nullptr, false)["field"], b.field) << b.extra;
    }
}
