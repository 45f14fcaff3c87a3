// vdcat serve: the selection as a JSON service over HTTP.
#include "commands.h"

#include "http_server.h"
#include "paths.h"
#include "selection_service.h"

#include <charconv>
#include <csignal>
#include <cstdio>

namespace vdcat {

int RunServe(const Args& args) {
    Options o = ParseOptions(args, {"--data", "--listen", "--threads"}, {});
    if (!o.error.empty())
        return Usage("serve", o.error);
    if (!o.positional.empty())
        return Usage("serve", "unexpected argument " + o.positional.front());
    ServeOptions serve;
    if (const std::string* l = o.get("--listen"); l && !ParseListen(*l, serve.host, serve.port))
        return Usage("serve", "--listen is HOST:PORT");
    if (const std::string* t = o.get("--threads")) {
        auto [end, ec] = std::from_chars(t->data(), t->data() + t->size(), serve.threads);
        if (ec != std::errc() || end != t->data() + t->size() || serve.threads < 1 ||
            serve.threads > 1024)
            return Usage("serve", "--threads is a number from 1 to 1024");
    }
    if (const std::string* d = o.get("--data"))
        vd::SetDataRoot(*d);
    // A client that goes away mid-answer must not end the service.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> warnings;
    SelectionService service(warnings);
    for (const std::string& w : warnings)
        std::fprintf(stderr, "vdcat serve: warning: %s\n", w.c_str());
    if (Answer health = service.Health(); health.status != 200)
        std::fprintf(stderr, "vdcat serve: warning: the catalogue cannot be read; answering 503\n");
    std::string error;
    if (!RunServer(service, serve, stderr, error)) {
        std::fprintf(stderr, "vdcat serve: %s\n", error.c_str());
        return kDataError;
    }
    return kOk;
}

} // namespace vdcat
