#pragma once
// One HTTP exchange as the world server's routes see it, free of the library that carries it: the
// transport reads the request and enforces its limits, the routes decide the answer.

#include <string>
#include <utility>
#include <vector>

namespace world {

struct THttpRequest {
    std::string Method;         // "GET", "POST", ...
    std::string Target;         // the raw request target, path and query as sent
    std::string RemoteAddress;  // the client's address, for the per-address limits
    std::string Body;           // empty unless the route takes a body
};

struct THttpAnswer {
    int Status = 200;
    std::string ContentType = "text/plain; charset=utf-8";
    std::string Body;
    std::vector<std::pair<std::string, std::string>> Headers;  // extra ones, e.g. Cache-Control
};

}  // namespace world
