#pragma once
// A small HTTP server on 127.0.0.1 for the client's tests: it takes one connection at a time on
// its own thread, keeps the request head it read, and answers as told.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

class TLoopbackServer {
public:
    enum class TAnswer {
        Ok,           // 200 with a short body
        ServerError,  // 500
        Silent,       // reads the request and never answers (the connection stays open)
        EndlessBody,  // 200 and a body that never ends
        Late,         // holds the request for LateAnswerDelay, then answers as Ok does
    };
    static constexpr std::chrono::milliseconds LateAnswerDelay{2000};

    explicit TLoopbackServer(TAnswer answer);
    ~TLoopbackServer();
    TLoopbackServer(const TLoopbackServer&) = delete;
    TLoopbackServer& operator=(const TLoopbackServer&) = delete;

    uint16_t Port() const { return port_; }
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }
    // The head of the last request: the request line and the headers.
    std::string LastRequest() const;

private:
    void Serve();
    void Answer(int connection);

    TAnswer answer_;
    int listener_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::string lastRequest_;
    std::thread thread_;
};
