#include "http_server.h"

#include <charconv>
#include <chrono>
#include <csignal>
#include <httplib.h>

namespace vdcat {
namespace {

using Clock = std::chrono::steady_clock;

// When the request on this worker began; set before its body is read.
thread_local Clock::time_point requestStart;
thread_local bool requestTimed = false;

void Send(httplib::Response& res, const Answer& a) {
    res.status = a.status;
    if (!a.sha256.empty())
        res.set_header("X-Catalogue-SHA256", a.sha256);
    if (a.incomplete)
        res.set_header("X-Incomplete", "missing material");
    res.set_content(a.body, a.type.c_str());
}

void SendError(httplib::Response& res, int status, const std::string& message,
               const std::string& field = "") {
    Send(res, {status, ErrorDocument(message, field), ""});
}

// The paths the service answers and the method each takes.
struct Route {
    const char* path; // a prefix when it ends in '/'
    const char* method;
};
constexpr Route kRoutes[] = {{"/healthz", "GET"},    {"/v1/catalogue", "GET"},
                             {"/v1/select", "POST"}, {"/v1/explain", "POST"},
                             {"/v1/print", "POST"},  {"/v1/diagram", "POST"},
                             {"/v1/fans/", "GET"}};

const Route* RouteOf(const std::string& path) {
    for (const Route& r : kRoutes) {
        const std::string p = r.path;
        if (p.back() == '/' ? path.rfind(p, 0) == 0 : path == p)
            return &r;
    }
    return nullptr;
}

} // namespace

bool ParseListen(const std::string& text, std::string& host, int& port) {
    const auto colon = text.rfind(':');
    if (colon == std::string::npos)
        return false;
    host = text.substr(0, colon);
    if (host.empty())
        host = "127.0.0.1";
    else if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    const std::string p = text.substr(colon + 1);
    auto [end, ec] = std::from_chars(p.data(), p.data() + p.size(), port);
    return !host.empty() && !p.empty() && ec == std::errc() && end == p.data() + p.size() &&
           port >= 0 && port <= 65535;
}

bool RunServer(SelectionService& service, const ServeOptions& o, std::FILE* log,
               std::string& error) {
    httplib::Server server;
    const int threads = o.threads;
    server.new_task_queue = [threads] {
        return new httplib::ThreadPool(static_cast<std::size_t>(threads));
    };
    server.set_payload_max_length(kMaxBodyBytes);
    server.set_keep_alive_max_count(1000);
    // An answer is written as headers and body: without this, the second write
    // waits for the client's delayed acknowledgement.
    server.set_tcp_nodelay(true);
    server.set_pre_routing_handler([](const httplib::Request&, httplib::Response&) {
        requestStart = Clock::now();
        requestTimed = true;
        return httplib::Server::HandlerResponse::Unhandled;
    });

    server.Get("/healthz", [&](const httplib::Request&, httplib::Response& res) {
        Send(res, service.Health());
    });
    server.Get("/v1/catalogue", [&](const httplib::Request&, httplib::Response& res) {
        Send(res, service.Catalogue());
    });
    server.Post("/v1/select", [&](const httplib::Request& req, httplib::Response& res) {
        Send(res, service.Select(req.body));
    });
    server.Post("/v1/explain", [&](const httplib::Request& req, httplib::Response& res) {
        Send(res, service.Explain(req.body));
    });
    server.Post("/v1/print", [&](const httplib::Request& req, httplib::Response& res) {
        Send(res, service.Print(req.body));
    });
    server.Post("/v1/diagram", [&](const httplib::Request& req, httplib::Response& res) {
        Send(res, service.Diagram(req.body));
    });
    server.Get(R"(/v1/fans/([0-9]{1,18}))",
               [&](const httplib::Request& req, httplib::Response& res) {
                   Send(res, service.Fan(std::stoll(req.matches[1].str())));
               });

    // Statuses the library sets itself (no route, a body too large, a request
    // it cannot read) get a JSON body too; a wrong method on a known path is
    // 405, not 404.
    server.set_error_handler(httplib::Server::HandlerWithResponse([](const httplib::Request& req,
                                                                     httplib::Response& res) {
        if (!res.body.empty())
            return httplib::Server::HandlerResponse::Unhandled;
        const Route* route = RouteOf(req.path);
        if (res.status == 404 && route && req.method != route->method &&
            !(req.method == "HEAD" && std::string(route->method) == "GET")) {
            res.set_header("Allow", route->method);
            SendError(res, 405, req.method + " is not allowed here; use " + route->method);
        } else if (res.status == 404) {
            SendError(res, 404, "no such path");
        } else if (res.status == 413) {
            SendError(res, 413, "the body is larger than 64 KiB", "body");
        } else {
            SendError(res, res.status, res.status == 400 ? "the request cannot be read" : "error");
        }
        return httplib::Server::HandlerResponse::Handled;
    }));
    server.set_logger([log](const httplib::Request& req, const httplib::Response& res) {
        const long long us =
            requestTimed
                ? std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - requestStart)
                      .count()
                : 0;
        requestTimed = false;
        // The path as decoded may hold any byte: a line of the log stays one line.
        std::string path = req.path;
        for (char& c : path)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                c = '?';
        // One write a line, so lines of concurrent requests never interleave.
        std::fprintf(log, "%s %s %d %lld\n", req.method.c_str(), path.c_str(), res.status, us);
    });

    int port = o.port;
    if (port == 0)
        port = server.bind_to_any_port(o.host);
    else if (!server.bind_to_port(o.host, port))
        port = -1;
    if (port < 0) {
        error = "cannot listen on " + o.host + ":" + std::to_string(o.port);
        return false;
    }
    const bool v6 = o.host.find(':') != std::string::npos;
    std::fprintf(log, "listening on http://%s%s%s:%d\n", v6 ? "[" : "", o.host.c_str(),
                 v6 ? "]" : "", port);
    std::fflush(log);
    if (!server.listen_after_bind()) {
        error = "the listening socket failed";
        return false;
    }
    return true;
}

} // namespace vdcat
