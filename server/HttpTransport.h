#pragma once
// The world server's HTTP side for untrusted clients, on GNU libmicrohttpd. One thread reads
// every socket (epoll), so an idle or slow connection costs memory, not a thread; that memory is
// bounded per connection (header lines counted and sized as they arrive), every request must be
// read whole within a deadline, and each client address may hold a capped number of connections.
// A fully read request goes to a worker thread, which asks the routes for the answer. One answer
// per connection, then it is closed; a body a route does not take is refused unread.

#include <microhttpd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <unordered_set>

#include "server/HttpExchange.h"
#include "server/WorkerPool.h"

namespace world {

struct THttpLimits {
    unsigned ConnectionsPerAddress = 32;  // open at once from one client address; 0: no cap
    unsigned Connections = 10000;         // open at once, every address together
    unsigned WorkerThreads = 8;           // requests answered side by side
};

class THttpTransport {
public:
    THttpTransport(THttpRoutes& routes, const THttpLimits& limits);
    ~THttpTransport();  // stops, when Stop was not called
    THttpTransport(const THttpTransport&) = delete;
    THttpTransport& operator=(const THttpTransport&) = delete;

    // Serves on the listening socket listenFd, which it takes over; throws std::runtime_error
    // when the library cannot start.
    void Start(int listenFd);
    // Takes no new connection from the moment it is called, answers every request already read
    // (a result committed first), drops every other connection and returns, within about 2 s.
    void Stop();

private:
    struct TConnection;
    using TClock = std::chrono::steady_clock;

    static void OnConnection(void* self, MHD_Connection* handle, void** context,
                             MHD_ConnectionNotificationCode code);
    static void* OnRequestLine(void* self, const char* target, MHD_Connection* handle);
    static MHD_Result OnRequest(void* self, MHD_Connection* handle, const char* url,
                                const char* method, const char* version, const char* upload,
                                size_t* uploadSize, void** context);

    // Checks the headers of connection's request: nullopt when the rest may be read, else the
    // refusal.
    std::optional<THttpAnswer> CheckHeaders(TConnection& connection, std::string_view method);
    // Hands the read request to a worker, or answers 503 when the server is stopping.
    MHD_Result Dispatch(TConnection& connection);
    // Closes, from the outside, every connection whose request is late.
    void EnforceDeadlines();
    // True once no open connection holds a request already read.
    bool AllReadRequestsAnswered();

    THttpRoutes& Routes;
    const THttpLimits Limits;
    TWorkerPool Workers;
    MHD_Daemon* Daemon = nullptr;

    std::mutex Mutex;
    std::unordered_set<TConnection*> Open;
    bool Stopping = false;  // no more requests go to the workers
    bool Stopped = false;
    std::condition_variable StopWake;
    std::thread DeadlineWatch;
};

}  // namespace world
