#pragma once
// HTTP over raw loopback sockets, for the server tests and benchmarks: exactly the bytes given go
// out, including requests an HTTP client library would refuse to send, and the answer is read to
// the end of the connection.

#include <string>

namespace worldtest {

struct TAnswer {
    int Status = -1;   // -1: no answer (refused, reset, closed, timed out)
    std::string Head;  // the status line and the header lines
    std::string Body;
};

// A socket connected to 127.0.0.1:port from the loopback address from (e.g. "127.0.0.2", another
// client as far as the server can tell), or -1.
int ConnectLoopback(int port, const char* from = "127.0.0.1");

// Sends request as raw bytes on a connection of its own and reads the answer until the server
// closes the connection (or 10 s pass).
TAnswer Exchange(int port, const std::string& request, const char* from = "127.0.0.1");

// A plain GET of target ("/path?query").
TAnswer HttpGet(int port, const std::string& target, const char* from = "127.0.0.1");

}  // namespace worldtest
