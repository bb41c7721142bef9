#pragma once
// The real zorvex-world binary, started on a free loopback port for one test and stopped with
// SIGTERM the way an operator stops it.

#include <sys/types.h>

#include <string>
#include <vector>

#include "server/LoopbackHttp.h"

namespace worldtest {

// The world request path and the query that asks for the world page.
inline constexpr const char* WorldPageTarget = "/cgi/version.pl?prg=Zorvex&show&type=0";

class TWorldServerProcess {
public:
    // Starts the server on databaseUrl with requestsPerMinute (0: unlimited) and more flags, and
    // waits until it listens. Throws std::runtime_error when it does not come up.
    explicit TWorldServerProcess(const std::string& databaseUrl, unsigned requestsPerMinute = 0,
                                 const std::vector<std::string>& flags = {});
    ~TWorldServerProcess();  // kills it when still running
    TWorldServerProcess(const TWorldServerProcess&) = delete;
    TWorldServerProcess& operator=(const TWorldServerProcess&) = delete;

    int Port() const { return ServerPort; }
    pid_t ProcessId() const { return Pid; }
    // One GET of target ("/path?query") on its own connection.
    TAnswer Get(const std::string& target) const { return HttpGet(ServerPort, target); }
    // Sends SIGTERM and waits; the server's exit code (-1 when a signal or a sanitizer killed it,
    // -2 when it did not end within 20 s and was killed).
    int Stop();

private:
    pid_t Pid = -1;
    int Output = -1;  // read end of the server's standard output
    int ServerPort = 0;
};

}  // namespace worldtest
