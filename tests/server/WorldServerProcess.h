#pragma once
// The real zorvex-world binary, started on a free loopback port for one test and stopped with
// SIGTERM the way an operator stops it.

#include <sys/types.h>

#include <string>
#include <vector>

namespace worldtest {

// The world request path and the query that asks for the world page.
inline constexpr const char* WorldPageTarget = "/cgi/version.pl?prg=Zorvex&show&type=0";

struct TAnswer {
    int Status = -1;  // -1: no answer (refused, reset, timed out)
    std::string Body;
};

class TWorldServerProcess {
public:
    // Starts the server on databaseUrl with requestsPerMinute (0: unlimited) and waits until it
    // listens. Throws std::runtime_error when it does not come up.
    explicit TWorldServerProcess(const std::string& databaseUrl, unsigned requestsPerMinute = 0);
    ~TWorldServerProcess();  // kills it when still running
    TWorldServerProcess(const TWorldServerProcess&) = delete;
    TWorldServerProcess& operator=(const TWorldServerProcess&) = delete;

    int Port() const { return ServerPort; }
    // One GET of target ("/path?query") on its own connection.
    TAnswer Get(const std::string& target) const;
    // One POST of body (application/octet-stream) to target.
    TAnswer Post(const std::string& target, const std::string& body) const;
    // Sends SIGTERM and waits; the server's exit code (-1 when a signal or a sanitizer killed it).
    int Stop();

private:
    pid_t Pid = -1;
    int Output = -1;  // read end of the server's standard output
    int ServerPort = 0;
};

// Writes request as raw bytes to a loopback port and returns the status of the answer (-1: none).
// For requests an HTTP client library would refuse to send.
int SendRawRequest(int port, const std::string& request);

}  // namespace worldtest
