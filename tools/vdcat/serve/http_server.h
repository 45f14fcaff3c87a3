#pragma once
// The selection service over HTTP/1.1: routes, error statuses as JSON, one
// log line a request.
#include "selection_service.h"

#include <cstdio>
#include <string>

namespace vdcat {

inline constexpr std::size_t kMaxBodyBytes = 64 * 1024;

struct ServeOptions {
    std::string host = "127.0.0.1";
    int port = 8080;  // 0: any free port
    int threads = 64; // each open keep-alive connection holds one
};

// "HOST:PORT", "[V6]:PORT" or ":PORT" (the loopback address); false when it
// is none of them.
bool ParseListen(const std::string& text, std::string& host, int& port);

// Binds, writes "listening on http://HOST:PORT" to `log` and answers until
// the process ends. Returns false, with the reason in `error`, when the
// address cannot be bound.
bool RunServer(SelectionService& service, const ServeOptions& options, std::FILE* log,
               std::string& error);

} // namespace vdcat
