#pragma once
// The world server's HTTP side: the one route, the limits on what a client may send, and the
// answers. A result is answered 200 only after the store committed it; whatever else comes gets a
// 4xx and reaches no store.

#include <httplib.h>

#include <cstdint>
#include <string>

#include "server/RateLimiter.h"
#include "server/ReplayVerifier.h"
#include "server/ResultStore.h"

namespace world {

class TWorldServer {
public:
    // requestsPerMinute: per client address, every kind of request counted; 0 means no limit.
    // Replays sent beside results are paired with them and queued on verifier.
    TWorldServer(TResultStore& store, TReplayVerifier& verifier, uint32_t requestsPerMinute);

    // Binds host:port, port 0 taking any free one; returns the port bound, or -1 on failure.
    int Bind(const std::string& host, int port);
    // Serves until Stop; returns once every request already accepted has been answered.
    void Serve();
    // Stops accepting connections; callable from any thread, does nothing before Serve started.
    void Stop();

private:
    void Answer(const httplib::Request& request, httplib::Response& response);

    TResultStore& Store;
    TReplayVerifier& Verifier;
    TRateLimiter Limiter;
    httplib::Server Http;
};

}  // namespace world
