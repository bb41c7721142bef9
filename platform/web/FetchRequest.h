#pragma once
// One HTTP GET, or POST of bytes, through the browser's fetch, to the server that served the page: started at once,
// polled each frame, never waited for. The same limits as the desktop's client: a time-out for the
// answer to start, one for the whole request, and a cap on the body.

#include <string>

#include "platform/HttpJob.h"
#include "platform/HttpLimits.h"

namespace platform::web {

class FetchRequest {
public:
    enum class State { Running, Done, Failed };

    // Starts the request. Only the path and query of its address are used: the page's own origin
    // answers.
    FetchRequest(const HttpRequest& request, const HttpLimits& limits);
    // A request still running is abandoned (aborted).
    ~FetchRequest();
    FetchRequest(const FetchRequest&) = delete;
    FetchRequest& operator=(const FetchRequest&) = delete;

    // Failed on no connection, an HTTP error status, a redirect, a broken transfer, a time-out or a
    // body longer than the cap.
    State Poll();
    // The body once Done; empty before.
    const std::string& Body() const { return body_; }

private:
    int id_;
    State state_ = State::Running;
    std::string body_;
};

}  // namespace platform::web
