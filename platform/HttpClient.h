#pragma once
// Blocking HTTP requests for the world high-score page: a GET that sends a result, and a POST
// that sends the game's replay beside it.
// It never blocks for long: the connection and the whole request have time-outs, and the body the
// game reads is capped.

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace platform {

class HttpClient {
public:
    virtual ~HttpClient() = default;
    // The response body, or nullopt on any failure: no connection, a name not found, an HTTP
    // error status, a broken transfer, a time-out or a body longer than the cap.
    virtual std::optional<std::string> Get(const std::string& url) = 0;
    // The same for a POST of body as application/octet-stream.
    virtual std::optional<std::string> Post(const std::string& url, const std::string& body) = 0;
};

struct HttpLimits {
    std::chrono::milliseconds Connect{3000};
    std::chrono::milliseconds Total{5000};
    size_t MaxBodyBytes = 64 * 1024;
};

// libcurl: GET and POST, over http or https, no proxy, cookies accepted, redirects not followed,
// with the headers Accept "text/html, */*" and Content-Type "text/html".
std::unique_ptr<HttpClient> CreateCurlHttpClient(const HttpLimits& limits = {});

}  // namespace platform
