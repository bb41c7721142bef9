#pragma once
// One HTTP exchange as the world server's routes see it, free of the library that carries it: the
// transport reads the request and enforces its limits, the routes decide the answer.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace world {

struct THttpRequest {
    std::string Method;         // "GET", "POST", ...
    std::string Target;         // the raw request target, path and query as sent
    std::string RemoteAddress;  // the client's address, for the per-address limits
    std::string Body;           // empty unless the route takes a body
    std::vector<std::pair<std::string, std::string>> Headers;  // as sent, in order

    // The path part of Target, before any '?'.
    std::string_view Path() const { return std::string_view(Target).substr(0, Target.find('?')); }
    // The value of the first header called name (case-insensitive), or nullptr.
    const std::string* FindHeader(std::string_view name) const;
};

struct THttpAnswer {
    int Status = 200;
    std::string ContentType = "text/plain; charset=utf-8";
    std::string Body;
    // Sent instead of Body when set: bytes that many answers share, such as a cached file.
    std::shared_ptr<const std::string> SharedBody;
    std::vector<std::pair<std::string, std::string>> Headers;  // extra ones, e.g. Cache-Control
};

// A plain-text answer, as every refusal is.
inline THttpAnswer TextAnswer(int status, std::string text) {
    THttpAnswer answer;
    answer.Status = status;
    answer.Body = std::move(text);
    return answer;
}

// What the transport hands a fully read request to. Both calls may come from several threads at
// once.
class THttpRoutes {
public:
    virtual ~THttpRoutes() = default;
    // The largest body a request of method to path may carry; 0: none at all. Asked once the
    // headers are in, before a byte of the body is read.
    virtual size_t BodyLimit(std::string_view method, std::string_view path) const = 0;
    virtual THttpAnswer Answer(const THttpRequest& request) = 0;
};

}  // namespace world
