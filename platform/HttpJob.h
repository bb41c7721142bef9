#pragma once
// A few HTTP requests run in order away from the frame loop. The game starts a job, asks once a
// frame whether it is done, and reads the answers once it is; it never waits for one. A job still
// running when it is destroyed is cancelled: its request ends as a failure within about a second
// and the rest are not made.

#include <optional>
#include <string>
#include <vector>

namespace platform {

// One GET.
struct HttpRequest {
    std::string Url;
};

// A response body, or nullopt when the request failed (see HttpClient::Get).
using HttpAnswer = std::optional<std::string>;

class HttpJob {
public:
    virtual ~HttpJob() = default;
    virtual bool Done() const = 0;
    // One answer per request, in the order of the requests; only once Done() has been true.
    virtual const std::vector<HttpAnswer>& Answers() const = 0;
};

}  // namespace platform
