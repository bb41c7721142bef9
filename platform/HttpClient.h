#pragma once
// Blocking HTTP requests, a GET or a POST of bytes, for the thread of an HttpJob (the game itself
// never waits for one). They never block for long: the connection and the whole request have
// time-outs, the body the game reads is capped, and a stop requested from another thread ends it.

#include <memory>
#include <optional>
#include <stop_token>
#include <string>

#include "platform/HttpLimits.h"

namespace platform {

class HttpClient {
public:
    virtual ~HttpClient() = default;
    // The response body, or nullopt on any failure: no connection, a name not found, an HTTP
    // error status, a broken transfer, a time-out, a body longer than the cap, or a stop
    // requested through stop (seen within about a second).
    virtual std::optional<std::string> Get(const std::string& url, std::stop_token stop) = 0;
    // The same for a POST of body as application/octet-stream.
    virtual std::optional<std::string> Post(const std::string& url, const std::string& body,
                                            std::stop_token stop) = 0;
};

// libcurl: GET and POST, over http or https, no proxy, cookies accepted, redirects not followed,
// with the header Accept "text/html, */*" and the Content-Type "text/html" (a GET) or
// "application/octet-stream" (a POST).
std::unique_ptr<HttpClient> CreateCurlHttpClient(const HttpLimits& limits = {});

}  // namespace platform
